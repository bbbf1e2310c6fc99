#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Application/UpdateAppearanceCoordinator.h"

namespace quillorbitex {
namespace {

// The program's appearance: a setting, and the system's own look under "follow the system".
class FakeAppearance final : public UpdateAppearanceCoordinator::Target {
public:
    AppThemeOverride setting = AppThemeOverride::system;
    bool systemIsDark = false;

    AppThemeOverride appliedAppearance() const override { return setting; }
    bool isEffectivelyDark() const override {
        return setting == AppThemeOverride::system ? systemIsDark
                                                   : setting == AppThemeOverride::dark;
    }
    void applyAppearance(AppThemeOverride appearance) override { setting = appearance; }
};

// One step of a session: pin (the window shows), finish, the system turning dark or light, or the
// user choosing light.
enum class Step { pin, finish, systemDark, systemLight, userLight };

TEST(UpdateAppearanceCoordinator, PinsWhileTheWindowIsUpAndRestoresWhatWasSetBefore) {
    using enum AppThemeOverride;
    using enum Step;
    const struct {
        const char* name;
        AppThemeOverride initial;
        bool systemDark;
        std::vector<std::pair<Step, AppThemeOverride>> steps;  // and the setting after each
    } cases[] = {
        {"dark system", system, true, {{pin, dark}, {systemLight, dark}, {finish, system}}},
        // The second session pins the system's look of its own time, and its second pin must not
        // take the pinned look for the setting to go back to.
        {"two sessions",
         system,
         false,
         {{pin, light},
          {finish, system},
          {systemDark, system},
          {pin, dark},
          {pin, dark},
          {finish, system}}},
        // A session that never showed a window has nothing to give back.
        {"no window, following", system, true, {{finish, system}, {systemLight, system}}},
        {"user's choice kept", system, true, {{pin, dark}, {userLight, light}, {finish, light}}},
        {"ended once",
         dark,
         false,
         {{pin, dark}, {finish, dark}, {userLight, light}, {finish, light}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeAppearance appearance;
        appearance.setting = c.initial;
        appearance.systemIsDark = c.systemDark;
        UpdateAppearanceCoordinator coordinator(&appearance);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            switch (c.steps[i].first) {
                case pin:
                    coordinator.updaterWillShowWindow();
                    break;
                case finish:
                    coordinator.updaterWillFinishSession();
                    break;
                case systemDark:
                case systemLight:
                    appearance.systemIsDark = c.steps[i].first == systemDark;
                    break;
                case userLight:
                    appearance.applyAppearance(light);
                    break;
            }
            EXPECT_EQ(appearance.setting, c.steps[i].second) << "after step " << i;
        }
    }
}

}  // namespace
}  // namespace quillorbitex
