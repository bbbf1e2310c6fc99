#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Application/UpdateAppearanceCoordinator.h"
#include "Application/UpdateIntegration.h"
#include "support/InMemoryUserDefaults.h"
#include "support/RecordingUpdater.h"

namespace quillorbitex {
namespace {

using Calls = std::vector<std::string>;

class PinCounter final : public UpdateAppearanceCoordinator::Target {
public:
    int applied = 0;
    AppThemeOverride appliedAppearance() const override { return AppThemeOverride::system; }
    bool isEffectivelyDark() const override { return true; }
    void applyAppearance(AppThemeOverride) override { ++applied; }
};

struct Harness {
    Harness(bool configured, bool uiTest)
        : integration(configured, uiTest, defaults, updater,
                      std::make_shared<UpdateAppearanceCoordinator>(&appearance)) {}

    std::optional<bool> mirroredSetting() const {
        const auto value =
            defaults->value(QString::fromLatin1(UpdateIntegration::automaticChecksKey));
        if (!value) {
            return std::nullopt;
        }
        EXPECT_TRUE(std::holds_alternative<bool>(*value)) << "stored as a Boolean";
        return defaults->boolValue(QString::fromLatin1(UpdateIntegration::automaticChecksKey));
    }

    std::shared_ptr<testing::InMemoryUserDefaults> defaults =
        std::make_shared<testing::InMemoryUserDefaults>();
    std::shared_ptr<testing::RecordingUpdater> updater =
        std::make_shared<testing::RecordingUpdater>();
    PinCounter appearance;
    UpdateIntegration integration;
};

TEST(UpdateIntegration, LaunchStartsAndMirrorsOnlyOutsideTestRuns) {
    const struct {
        const char* name;
        bool configured;
        bool uiTest;
        bool preference;
        Calls updaterCalls;
        std::optional<bool> mirrored;
        bool offersCommand;
    } cases[] = {
        {"configured, automatic checks on",
         true,
         false,
         true,
         {"start", "automatic=on"},
         true,
         true},
        {"configured, automatic checks off",
         true,
         false,
         false,
         {"start", "automatic=off"},
         false,
         true},
        // The setting is written even without a feed, so it is in place once one is configured.
        {"not configured", false, false, true, {}, true, false},
        {"not configured, off", false, false, false, {}, false, false},
        {"test run with a feed", true, true, true, {}, std::nullopt, false},
        {"test run without a feed", false, true, false, {}, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h(c.configured, c.uiTest);
        h.integration.startUp(c.preference);
        EXPECT_EQ(h.updater->calls(), c.updaterCalls);
        EXPECT_EQ(h.mirroredSetting(), c.mirrored);
        EXPECT_EQ(h.integration.updateSupportAvailable(), c.configured);
        EXPECT_EQ(h.integration.offersUpdateCommand(), c.offersCommand);
    }
}

TEST(UpdateIntegration, ActionsReachTheUpdaterOnlyWhenConfiguredOutsideTestRuns) {
    const struct {
        const char* name;
        bool configured;
        bool uiTest;
        bool acts;
    } cases[] = {
        {"configured", true, false, true},
        {"not configured", false, false, false},
        {"test run", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h(c.configured, c.uiTest);
        h.integration.checkForUpdates();
        h.integration.setAutomaticUpdateChecks(false);
        EXPECT_EQ(h.mirroredSetting(), c.acts ? std::optional(false) : std::nullopt);
        h.integration.setAutomaticUpdateChecks(true);
        if (c.acts) {
            EXPECT_EQ(h.updater->calls(), (Calls{"check", "automatic=off", "automatic=on"}));
            EXPECT_EQ(h.mirroredSetting(), true);
            // The check pins the appearance before the window can appear.
            EXPECT_EQ(h.appearance.applied, 1);
        } else {
            EXPECT_TRUE(h.updater->calls().empty());
            EXPECT_EQ(h.mirroredSetting(), std::nullopt);
            EXPECT_EQ(h.appearance.applied, 0);
        }
    }
}

}  // namespace
}  // namespace quillorbitex
