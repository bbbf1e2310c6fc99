#pragma once

#include <memory>

#include "Platform/Updater.h"
#include "Platform/UserDefaults.h"

namespace quillorbitex {

class UpdateAppearanceCoordinator;

// The program's side of updates: starting the updater at launch, mirroring the automatic-check
// preference into the updater's own setting, and the two actions the model runs for the check
// command and the automatic-check switch. Test runs never start the updater, never check and never
// write the updater's setting. Main thread.
class UpdateIntegration {
public:
    // The updater's own automatic-check setting in the preferences.
    static constexpr const char* automaticChecksKey = "SUEnableAutomaticChecks";

    // `isConfigured` is hasValidUpdateConfiguration() of the program's information. The
    // coordinator may be null.
    UpdateIntegration(bool isConfigured, bool isUITest, std::shared_ptr<UserDefaults> defaults,
                      std::shared_ptr<Updater> updater,
                      std::shared_ptr<UpdateAppearanceCoordinator> coordinator);

    // The model's `updateSupportAvailable`: the build carries a usable feed.
    bool updateSupportAvailable() const { return isConfigured_; }
    // Whether the window's menu offers "Check for Updates…": configured and not a test run.
    bool offersUpdateCommand() const { return isConfigured_ && !isUITest_; }

    // At launch, with the stored automatic-check preference: outside test runs the preference is
    // written as the updater's setting (configured or not) when that setting reads otherwise (an
    // absent one reads as on); with a usable feed the updater starts and is told the preference.
    void startUp(bool automaticChecksEnabled);
    // The model's check-for-updates action.
    void checkForUpdates();
    // The model's automatic-check action, run after the preference itself has been stored.
    void setAutomaticUpdateChecks(bool enabled);

private:
    bool isConfigured_;
    bool isUITest_;
    std::shared_ptr<UserDefaults> defaults_;
    std::shared_ptr<Updater> updater_;
    std::shared_ptr<UpdateAppearanceCoordinator> coordinator_;
};

}  // namespace quillorbitex
