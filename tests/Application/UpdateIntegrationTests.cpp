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

TEST(UpdateIntegration, ReachesTheUpdaterAndItsSettingOnlyWhenConfiguredOutsideTestRuns) {
    const struct {
        const char* name;
        bool configured;
        bool uiTest;
        bool preference;
        Calls atStart;
        std::optional<bool> mirroredAtStart;
        bool acts;
    } cases[] = {
        // An absent setting reads as on, so only a preference that is off needs writing.
        {"configured, on", true, false, true, {"start", "automatic=on"}, std::nullopt, true},
        {"configured, off", true, false, false, {"start", "automatic=off"}, false, true},
        {"not configured", false, false, true, {}, std::nullopt, false},
        // The setting is written even without a feed, so it is in place once one is configured.
        {"not configured, off", false, false, false, {}, false, false},
        {"test run with a feed", true, true, true, {}, std::nullopt, false},
        {"test run without a feed", false, true, false, {}, std::nullopt, false},
    };
    const QString key = QString::fromLatin1(UpdateIntegration::automaticChecksKey);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto defaults = std::make_shared<testing::InMemoryUserDefaults>();
        auto updater = std::make_shared<testing::RecordingUpdater>();
        PinCounter appearance;
        UpdateIntegration integration(c.configured, c.uiTest, defaults, updater,
                                      std::make_shared<UpdateAppearanceCoordinator>(&appearance));
        const auto mirrored = [&]() -> std::optional<bool> {
            const auto value = defaults->value(key);
            if (!value) {
                return std::nullopt;
            }
            EXPECT_TRUE(std::holds_alternative<bool>(*value)) << "stored as a Boolean";
            return defaults->boolValue(key);
        };

        integration.startUp(c.preference);
        EXPECT_EQ(updater->calls(), c.atStart);
        EXPECT_EQ(mirrored(), c.mirroredAtStart);
        EXPECT_EQ(integration.updateSupportAvailable(), c.configured);
        EXPECT_EQ(integration.offersUpdateCommand(), c.acts);

        integration.checkForUpdates();
        integration.setAutomaticUpdateChecks(!c.preference);
        Calls expected = c.atStart;
        if (c.acts) {
            expected.insert(expected.end(),
                            {"check", c.preference ? "automatic=off" : "automatic=on"});
        }
        EXPECT_EQ(updater->calls(), expected);
        EXPECT_EQ(mirrored(), c.acts ? std::optional(!c.preference) : c.mirroredAtStart);
        // A check pins the appearance before the updater's window can appear.
        EXPECT_EQ(appearance.applied, c.acts ? 1 : 0);
    }
}

}  // namespace
}  // namespace quillorbitex
