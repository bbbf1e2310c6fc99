#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>

#include "Localization/L10n.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Platform/TestFiles.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "support/ChildProcess.h"
#include "support/RuleFactory.h"

namespace quillorbitex {
namespace {

using Keys = GestureSettingsStore::Keys;

// Another instance over the same preferences changes one of them; the model shows it, acts on it,
// and writes nothing back (a threshold out of bounds is shown clamped and stays as written).
TEST(AppModel, ShowsWhatAnotherInstanceWritesToThePreferencesWithoutWritingItBack) {
    testing::AppModelTestEnvironment env;
    const QString path = JsonFileUserDefaults::filePathIn(env.dir.filePath("prefs"));
    auto defaults = std::make_shared<JsonFileUserDefaults>(path);
    defaults->setValue(Keys::languageOverride, QStringLiteral("english"));
    AppModel::Platform platform = env.platform();
    platform.userDefaults = defaults;
    env.model = std::make_unique<AppModel>(env.config, env.store, false, platform,
                                           AppModel::Services{.statsStore = env.stats()});
    AppModel& model = *env.model;

    const GestureMapping rule =
        testing::customRule(GestureDescriptor::directional(GesturePattern::rightThenUp),
                            GestureAction::openURL(QStringLiteral("https://example.org")));
    using Change = std::function<void(GestureSettingsStore&, UserDefaults&)>;
    const struct {
        const char* name;
        Change change;
        std::function<bool()> shown;
    } cases[] = {
        {"a rule", [&](GestureSettingsStore& s, UserDefaults&) { s.setCustomMappings({rule}); },
         [&] {
             return model.customMappings() == std::vector{rule} && model.mapping(rule.pattern());
         }},
        {"a threshold out of bounds",
         [](GestureSettingsStore&, UserDefaults& d) { d.setValue(Keys::matchingThreshold, 0.5); },
         [&] { return model.matchingThreshold() == 0.4; }},
        {"the language",
         [](GestureSettingsStore& s, UserDefaults&) {
             s.setLanguageOverride(AppLanguageOverride::french);
         },
         [&] {
             return model.languageOverride() == AppLanguageOverride::french &&
                    L10n::languageOverride() == AppLanguageOverride::french;
         }},
        {"the theme",
         [](GestureSettingsStore& s, UserDefaults&) { s.setThemeOverride(AppThemeOverride::dark); },
         [&] { return env.appearance->isDark(); }},
        {"capture off", [](GestureSettingsStore& s, UserDefaults&) { s.setCaptureEnabled(false); },
         [&] { return model.monitorState() == GestureMonitorState::stopped(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(testing::runInChild([&] {
                      auto other = std::make_shared<JsonFileUserDefaults>(path);
                      GestureSettingsStore store(other);
                      c.change(store, *other);
                      return other->hasUnsavedChanges() ? 1 : 0;
                  }),
                  0);
        const QByteArray written = testing::readFile(path);
        EXPECT_TRUE(testing::waitUntil([&] {
            QCoreApplication::processEvents();
            env.timeline->runUntilIdle();
            return c.shown();
        }));
        EXPECT_TRUE(testing::readFile(path) == written) << "written back";
    }
}

}  // namespace
}  // namespace quillorbitex
