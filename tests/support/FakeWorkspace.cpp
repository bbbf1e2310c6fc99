#include "support/FakeWorkspace.h"

#include <algorithm>

namespace quillorbitex::testing {

void FakeWorkspace::addApplication(WorkspaceApplication application) {
    std::lock_guard lock(mutex_);
    installed_.push_back(std::move(application));
}

void FakeWorkspace::setSchemeHandler(const QString& scheme, WorkspaceApplication handler) {
    std::lock_guard lock(mutex_);
    schemeHandlers_.insert(scheme.toLower(), std::move(handler));
}

void FakeWorkspace::removeSchemeHandler(const QString& scheme) {
    std::lock_guard lock(mutex_);
    schemeHandlers_.remove(scheme.toLower());
}

void FakeWorkspace::setFrontmostApplicationIdentifier(std::optional<QString> identifier) {
    std::lock_guard lock(mutex_);
    frontmost_ = std::move(identifier);
}

void FakeWorkspace::setFrontmostOtherApplicationIdentifier(std::optional<QString> identifier) {
    std::lock_guard lock(mutex_);
    frontmostOther_ = std::move(identifier);
}

void FakeWorkspace::setRunningApplications(std::vector<WorkspaceApplication> applications) {
    std::lock_guard lock(mutex_);
    running_ = std::move(applications);
}

std::vector<QString> FakeWorkspace::lookedUpIdentifiers() const {
    std::lock_guard lock(mutex_);
    return lookedUp_;
}

int FakeWorkspace::urlHandlerLookUps() const {
    std::lock_guard lock(mutex_);
    return urlHandlerLookUps_;
}

std::vector<WorkspaceApplication> FakeWorkspace::openedApplications() const {
    std::lock_guard lock(mutex_);
    return opened_;
}

std::vector<QUrl> FakeWorkspace::openURLRequests() const {
    std::lock_guard lock(mutex_);
    return urlRequests_;
}

std::optional<QString> FakeWorkspace::frontmostApplicationIdentifier() const {
    std::lock_guard lock(mutex_);
    return frontmost_;
}

std::optional<QString> FakeWorkspace::frontmostOtherApplicationIdentifier() const {
    std::lock_guard lock(mutex_);
    return frontmostOther_;
}

std::optional<WorkspaceApplication> FakeWorkspace::application(const QString& identifier) const {
    std::lock_guard lock(mutex_);
    lookedUp_.push_back(identifier);
    const auto it = std::find_if(installed_.begin(), installed_.end(),
                                 [&](const auto& app) { return app.identifier == identifier; });
    if (it == installed_.end()) {
        return std::nullopt;
    }
    return *it;
}

bool FakeWorkspace::openApplication(const WorkspaceApplication& application) {
    std::lock_guard lock(mutex_);
    opened_.push_back(application);
    return true;
}

std::optional<WorkspaceApplication> FakeWorkspace::applicationForURL(const QUrl& url) const {
    std::lock_guard lock(mutex_);
    ++urlHandlerLookUps_;
    const auto it = schemeHandlers_.constFind(url.scheme().toLower());
    if (url.scheme().isEmpty() || it == schemeHandlers_.constEnd()) {
        return std::nullopt;
    }
    return *it;
}

bool FakeWorkspace::openURL(const QUrl& url) {
    const bool handled = applicationForURL(url).has_value();
    std::lock_guard lock(mutex_);
    urlRequests_.push_back(url);
    return handled;
}

int FakeWorkspace::minimizedWindows() const {
    std::lock_guard lock(mutex_);
    return minimizedWindows_;
}

int FakeWorkspace::minimizedApplications() const {
    std::lock_guard lock(mutex_);
    return minimizedApplications_;
}

std::vector<std::uint64_t> FakeWorkspace::minimizeTargets() const {
    std::lock_guard lock(mutex_);
    return minimizeTargets_;
}

bool FakeWorkspace::minimizeWindow(std::uint64_t window) {
    std::lock_guard lock(mutex_);
    ++minimizedWindows_;
    minimizeTargets_.push_back(window);
    return true;
}

bool FakeWorkspace::minimizeApplicationOf(std::uint64_t window) {
    std::lock_guard lock(mutex_);
    ++minimizedApplications_;
    minimizeTargets_.push_back(window);
    return true;
}

std::vector<WorkspaceApplication> FakeWorkspace::runningApplications() const {
    std::lock_guard lock(mutex_);
    return running_;
}

std::vector<WorkspaceApplication> FakeWorkspace::installedApplications() const {
    std::lock_guard lock(mutex_);
    return installed_;
}

}  // namespace quillorbitex::testing
