#include "Application/UpdateIntegration.h"

#include "Application/UpdateAppearanceCoordinator.h"

namespace quillorbitex {

UpdateIntegration::UpdateIntegration(bool isConfigured, bool isUITest,
                                     std::shared_ptr<UserDefaults> defaults,
                                     std::shared_ptr<Updater> updater,
                                     std::shared_ptr<UpdateAppearanceCoordinator> coordinator)
    : isConfigured_(isConfigured),
      isUITest_(isUITest),
      defaults_(std::move(defaults)),
      updater_(std::move(updater)),
      coordinator_(std::move(coordinator)) {}

void UpdateIntegration::startUp(bool automaticChecksEnabled) {
    if (isUITest_) {
        return;
    }
    // Written only when it differs from what is stored, an absent setting reading as on like the
    // preference itself: a start then writes nothing to a file the user has not changed, nor
    // over one that could not be read.
    const QString key = QString::fromLatin1(automaticChecksKey);
    if (defaults_ &&
        (!defaults_->contains(key) || defaults_->boolValue(key)) != automaticChecksEnabled) {
        defaults_->setValue(key, automaticChecksEnabled);
    }
    if (isConfigured_ && updater_) {
        updater_->start();
        updater_->setAutomaticallyChecksForUpdates(automaticChecksEnabled);
    }
}

void UpdateIntegration::checkForUpdates() {
    if (!offersUpdateCommand() || !updater_) {
        return;
    }
    if (coordinator_) {
        coordinator_->pinCurrentAppearance();
    }
    updater_->checkForUpdates();
}

void UpdateIntegration::setAutomaticUpdateChecks(bool enabled) {
    if (!offersUpdateCommand()) {
        return;
    }
    if (defaults_) {
        defaults_->setValue(QString::fromLatin1(automaticChecksKey), enabled);
    }
    if (updater_) {
        updater_->setAutomaticallyChecksForUpdates(enabled);
    }
}

}  // namespace quillorbitex
