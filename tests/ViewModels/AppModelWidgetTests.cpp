#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// While the program runs, the file loses what the model holds: a rule list is damaged by a hand
// edit (a byte that is no UTF-8 in a name), or the file is left broken or replaced by a folder
// for longer than an editor takes. The model keeps every rule, and the file gets them back: the
// list at once, the file a few seconds after its last change; what was in the way is set aside.
TEST(AppModel, WhatTheFileLosesWhileTheProgramRunsIsWrittenBackFromWhatItHolds) {
    const auto rule = [](const char* name, GesturePattern pattern) {
        return testing::customRule(GestureDescriptor::directional(pattern),
                                   GestureAction::predefined(PredefinedAction::newTab),
                                   QString::fromUtf8(name));
    };
    const std::vector<GestureMapping> rules = {rule("Alpha", GesturePattern::leftThenUp),
                                               rule("Bravo", GesturePattern::rightThenUp),
                                               rule("Charlie", GesturePattern::rightThenDown)};
    const GestureDescriptor removed = GestureDescriptor::directional(GesturePattern::upThenDown);
    // Another instance writes the damaged list whole, as an editor saving the file does.
    const auto damageList = [](const QString& path, const QString& key, const char* from,
                               const char* to) {
        JsonFileUserDefaults other(path);
        const QByteArray list = other.dataValue(key).value_or(QByteArray());
        return list.contains(from) && other.setValue(key, QByteArray(list).replace(from, to));
    };
    const struct {
        const char* name;
        std::function<bool(const QString& path)> damage;
    } cases[] = {
        {"a rule's name",
         [&](const QString& path) {
             return damageList(path, Keys::customMappings, "Bravo", "Br\xffvo");
         }},
        {"a removed preset",
         [&](const QString& path) {
             return damageList(path, Keys::disabledBuiltInPatterns, "\"up\"", "\"u\xff\"");
         }},
        {"a trailing comma",
         [](const QString& path) {
             return testing::writeFile(path, testing::readFile(path).replace("\n}", ",\n}"));
         }},
        {"a folder", [](const QString& path) { return QFile::remove(path) && QDir().mkdir(path); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::AppModelTestEnvironment env;
        const QString folder = env.dir.filePath("prefs");
        const QString path = JsonFileUserDefaults::filePathIn(folder);
        {
            GestureSettingsStore stored(std::make_shared<JsonFileUserDefaults>(path));
            stored.setLanguageOverride(AppLanguageOverride::english);
            stored.setThemeOverride(AppThemeOverride::dark);
            stored.setCustomMappings(rules);
            stored.setDisabledBuiltInPatterns({removed});
        }
        AppModel::Platform platform = env.platform();
        platform.userDefaults = std::make_shared<JsonFileUserDefaults>(path);
        env.model = std::make_unique<AppModel>(env.config, env.store, false, platform,
                                               AppModel::Services{.statsStore = env.stats()});
        const AppModel& model = *env.model;
        // Read from a copy: reading the file itself would set aside what is in the way.
        const auto heldInFile = [&] {
            const QString copy = env.dir.filePath("copy.json");
            QFile::remove(copy);
            if (!QFileInfo(path).isFile() || !QFile::copy(path, copy)) {
                return false;
            }
            const GestureSettingsStore store(std::make_shared<JsonFileUserDefaults>(copy));
            return store.customMappings().size() == rules.size() &&
                   store.disabledBuiltInPatterns() == std::vector{removed} &&
                   store.themeOverride() == AppThemeOverride::dark;
        };
        ASSERT_EQ(model.customMappings().size(), rules.size());

        ASSERT_TRUE(c.damage(path));
        EXPECT_TRUE(testing::waitUntil([&] {
            QCoreApplication::processEvents();
            env.timeline->runUntilIdle();
            return heldInFile();
        }));
        EXPECT_EQ(model.customMappings().size(), rules.size());
        EXPECT_FALSE(model.mapping(removed).has_value());
        EXPECT_EQ(
            QDir(folder).entryList({"*.unreadable-*"}, QDir::AllEntries | QDir::System).size(), 1);
    }
}

}  // namespace
}  // namespace quillorbitex
