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

// One step of a session, and the setting expected after it.
enum class Step { pin, finish, systemTurnsDark, systemTurnsLight, userChoosesLight };

struct Expectation {
    Step step;
    AppThemeOverride after;
};

void run(UpdateAppearanceCoordinator& coordinator, FakeAppearance& appearance, Step step) {
    switch (step) {
        case Step::pin:
            coordinator.updaterWillShowWindow();
            break;
        case Step::finish:
            coordinator.updaterWillFinishSession();
            break;
        case Step::systemTurnsDark:
            appearance.systemIsDark = true;
            break;
        case Step::systemTurnsLight:
            appearance.systemIsDark = false;
            break;
        case Step::userChoosesLight:
            appearance.applyAppearance(AppThemeOverride::light);
            break;
    }
}

TEST(UpdateAppearanceCoordinator, PinsWhileTheWindowIsUpAndRestoresWhatWasSetBefore) {
    using enum AppThemeOverride;
    const struct {
        const char* name;
        AppThemeOverride initial;
        bool systemDark;
        std::vector<Expectation> steps;
    } cases[] = {
        {"following a dark system: pinned dark, then following again",
         system,
         true,
         {{Step::pin, dark}, {Step::systemTurnsLight, dark}, {Step::finish, system}}},
        // The second pin must not take the pinned look for the setting to go back to.
        {"following the system, pinned twice in one session",
         system,
         false,
         {{Step::pin, light}, {Step::pin, light}, {Step::finish, system}}},
        {"following the system across two sessions",
         system,
         false,
         {{Step::pin, light},
          {Step::finish, system},
          {Step::systemTurnsDark, system},
          {Step::pin, dark},
          {Step::pin, dark},
          {Step::finish, system}}},
        {"a fixed dark choice survives the session",
         dark,
         false,
         {{Step::pin, dark}, {Step::pin, dark}, {Step::finish, dark}}},
        // A session that never showed a window has nothing to give back.
        {"a session without a window leaves a fixed choice alone",
         dark,
         false,
         {{Step::finish, dark}}},
        {"a session without a window leaves following the system alone",
         system,
         true,
         {{Step::finish, system}, {Step::systemTurnsLight, system}}},
        {"the user's own choice during the session is kept",
         system,
         true,
         {{Step::pin, dark}, {Step::userChoosesLight, light}, {Step::finish, light}}},
        {"an ended session is not ended twice",
         dark,
         false,
         {{Step::pin, dark},
          {Step::finish, dark},
          {Step::userChoosesLight, light},
          {Step::finish, light}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeAppearance appearance;
        appearance.setting = c.initial;
        appearance.systemIsDark = c.systemDark;
        UpdateAppearanceCoordinator coordinator(&appearance);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            run(coordinator, appearance, c.steps[i].step);
            EXPECT_EQ(appearance.setting, c.steps[i].after) << "after step " << i;
        }
    }
}

}  // namespace
}  // namespace quillorbitex
