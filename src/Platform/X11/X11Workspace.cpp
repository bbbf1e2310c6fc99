#include "Platform/X11/X11Workspace.h"

#include "Platform/Freedesktop/ApplicationLauncher.h"

namespace quillorbitex::x11 {

namespace {

WorkspaceApplication toApplication(const freedesktop::DesktopEntry& entry) {
    return {.identifier = entry.identifier,
            .name = entry.name.isEmpty() ? entry.identifier : entry.name,
            .location = entry.filePath};
}

std::optional<WorkspaceApplication> toApplication(
    const std::optional<freedesktop::DesktopEntry>& entry) {
    if (!entry) {
        return std::nullopt;
    }
    return toApplication(*entry);
}

}  // namespace

X11Workspace::X11Workspace(std::shared_ptr<const freedesktop::DesktopEntries> entries,
                           std::shared_ptr<ActiveWindow> activeWindow)
    : entries_(std::move(entries)), activeWindow_(std::move(activeWindow)) {}

std::optional<QString> X11Workspace::frontmostApplicationIdentifier() const {
    return activeWindow_ ? activeWindow_->frontmostApplicationIdentifier() : std::nullopt;
}

FrontmostWindow X11Workspace::frontmostWindow() const {
    return activeWindow_ ? activeWindow_->frontmostWindow() : FrontmostWindow{};
}

std::optional<QString> X11Workspace::frontmostOtherApplicationIdentifier() const {
    return activeWindow_ ? activeWindow_->frontmostOtherApplicationIdentifier() : std::nullopt;
}

std::optional<WorkspaceApplication> X11Workspace::application(const QString& identifier) const {
    return toApplication(entries_->application(identifier));
}

bool X11Workspace::openApplication(const WorkspaceApplication& application) {
    const auto entry = entries_->application(application.identifier);
    return entry && freedesktop::ApplicationLauncher::launch(*entry);
}

std::optional<WorkspaceApplication> X11Workspace::applicationForURL(const QUrl& url) const {
    if (!url.isValid()) {
        return std::nullopt;
    }
    return toApplication(entries_->handlerForScheme(url.scheme()));
}

bool X11Workspace::openURL(const QUrl& url) {
    return applicationForURL(url) && freedesktop::ApplicationLauncher::openURL(url);
}

bool X11Workspace::minimizeWindow(std::uint64_t window) {
    return activeWindow_ && activeWindow_->iconify(static_cast<std::uint32_t>(window), false);
}

bool X11Workspace::minimizeApplicationOf(std::uint64_t window) {
    return activeWindow_ && activeWindow_->iconify(static_cast<std::uint32_t>(window), true);
}

std::vector<WorkspaceApplication> X11Workspace::runningApplications() const {
    std::vector<WorkspaceApplication> result;
    if (!activeWindow_) {
        return result;
    }
    for (const QString& identifier : activeWindow_->runningApplicationIdentifiers()) {
        // A window may name an application that has no desktop entry (a GTK application id, say);
        // it still runs, under its identifier.
        result.push_back(toApplication(entries_->application(identifier))
                             .value_or(WorkspaceApplication{
                                 .identifier = identifier, .name = identifier, .location = {}}));
    }
    return result;
}

std::vector<WorkspaceApplication> X11Workspace::installedApplications() const {
    std::vector<WorkspaceApplication> result;
    for (const auto& entry : entries_->listedApplications()) {
        result.push_back(toApplication(entry));
    }
    return result;
}

}  // namespace quillorbitex::x11
