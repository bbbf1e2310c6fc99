#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>

#include "Localization/L10n.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Platform/TestFiles.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "support/RuleFactory.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

using Keys = GestureSettingsStore::Keys;

// Another instance over the same preferences changes one of them, each time replacing the file,
// or it is written in place; the model shows it, acts on it, and writes nothing back (a threshold
// out of bounds is shown clamped and stays as written).
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
    const struct {
        const char* name;
        std::function<void(GestureSettingsStore&, UserDefaults&)> change;
        std::function<bool()> shown;
    } cases[] = {
        {"a rule", [&](auto& s, auto&) { s.setCustomMappings({rule}); },
         [&] {
             return model.customMappings() == std::vector{rule} && model.mapping(rule.pattern());
         }},
        {"a threshold out of bounds",
         [](auto&, auto& d) { d.setValue(Keys::matchingThreshold, 0.5); },
         [&] { return model.matchingThreshold() == 0.4; }},
        {"the language", [](auto& s, auto&) { s.setLanguageOverride(AppLanguageOverride::french); },
         [] { return L10n::languageOverride() == AppLanguageOverride::french; }},
        {"the theme", [](auto& s, auto&) { s.setThemeOverride(AppThemeOverride::dark); },
         [&] { return env.appearance->isDark(); }},
        {"the theme written in place, as an editor may",
         [&](auto&, auto&) {
             testing::writeFile(path, testing::readFile(path).replace("\"dark\"", "\"light\""));
         },
         [&] { return !env.appearance->isDark(); }},
        {"capture off", [](auto& s, auto&) { s.setCaptureEnabled(false); },
         [&] { return model.monitorState() == GestureMonitorState::stopped(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto other = std::make_shared<JsonFileUserDefaults>(path);
        GestureSettingsStore store(other);
        c.change(store, *other);
        ASSERT_FALSE(other->hasUnsavedChanges());
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
