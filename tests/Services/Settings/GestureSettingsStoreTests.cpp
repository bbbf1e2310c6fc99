#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <limits>
#include <set>

#include "Models/GestureJson.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Services/Settings/GesturePresets.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "support/ChildProcess.h"
#include "support/InMemoryUserDefaults.h"
#include "support/RuleFactory.h"

namespace quillorbitex {
namespace {

using Keys = GestureSettingsStore::Keys;

GestureMapping rule(GesturePattern pattern, std::optional<QString> name = std::nullopt,
                    GestureMappingSource source = GestureMappingSource::custom) {
    return GestureMapping(GestureDescriptor::directional(pattern),
                          GestureAction::openURL(QStringLiteral("https://example.org")),
                          QStringLiteral("notes"), std::move(name), source, true,
                          {GestureAppScopeRule("org.example.B", "B", false),
                           GestureAppScopeRule("org.example.A", "A", true)});
}

GestureMapping templateRule(double x) {
    return GestureMapping(GestureDescriptor::fromTemplate(
                              GestureTemplate(QStringLiteral("template-1"), QStringLiteral("Loop"),
                                              std::vector<GestureTemplatePoint>{{0, 0}, {x, 1}})),
                          GestureAction::predefined(PredefinedAction::closeTab), QString(),
                          std::nullopt, GestureMappingSource::custom, false, {});
}

// Sets all eight preferences away from their defaults.
void changeEverything(GestureSettingsStore& s) {
    s.setAutomaticUpdateCheckEnabled(false);
    s.setLanguageOverride(AppLanguageOverride::traditionalChinese);
    s.setCaptureEnabled(false);
    s.setHasCompletedOnboarding(true);
    s.setCustomMappings(
        {rule(GesturePattern::rightThenUp, QStringLiteral(" Mine ")), templateRule(0.5)});
    s.setDisabledBuiltInPatterns({GestureDescriptor::directional(GesturePattern::leftThenDown)});
    s.setGestureMatchingThreshold(0.3);
    s.setThemeOverride(AppThemeOverride::dark);
}

// A store over a real preferences file, reopened on demand as after a restart.
class GestureSettingsStoreTest : public ::testing::Test {
protected:
    QString folder() const { return dir_.filePath("config"); }
    QString filePath() const { return JsonFileUserDefaults::filePathIn(folder()); }

    GestureSettingsStore& reopen() {
        store_.reset();
        defaults_ = std::make_shared<JsonFileUserDefaults>(filePath());
        store_ = std::make_unique<GestureSettingsStore>(defaults_);
        return *store_;
    }
    GestureSettingsStore& store() { return store_ ? *store_ : reopen(); }
    UserDefaults& defaults() {
        store();
        return *defaults_;
    }

    QStringList keptCopies() const {
        return QDir(folder()).entryList({"*.unreadable-*"}, QDir::Files);
    }
    QByteArray readCopy(const QString& name) const {
        QFile file(QDir(folder()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    std::shared_ptr<JsonFileUserDefaults> defaults_;
    std::unique_ptr<GestureSettingsStore> store_;
};

void expectDefaults(const GestureSettingsStore& s) {
    EXPECT_TRUE(s.isAutomaticUpdateCheckEnabled());
    EXPECT_EQ(s.languageOverride(), AppLanguageOverride::system);
    EXPECT_TRUE(s.isCaptureEnabled());
    EXPECT_FALSE(s.hasCompletedOnboarding());
    EXPECT_TRUE(s.customMappings().empty());
    EXPECT_TRUE(s.disabledBuiltInPatterns().empty());
    EXPECT_EQ(s.gestureMatchingThreshold(), 0.18);
    EXPECT_EQ(s.themeOverride(), AppThemeOverride::system);
}

TEST_F(GestureSettingsStoreTest, ValuesSurviveAReloadWithTheirStoredTypesUntilAReset) {
    expectDefaults(store());
    EXPECT_FALSE(QFile::exists(filePath()));  // reading writes nothing
    changeEverything(store());

    auto& r = reopen();
    EXPECT_FALSE(r.isAutomaticUpdateCheckEnabled());
    EXPECT_EQ(r.languageOverride(), AppLanguageOverride::traditionalChinese);
    EXPECT_FALSE(r.isCaptureEnabled());
    EXPECT_TRUE(r.hasCompletedOnboarding());
    EXPECT_EQ(r.customMappings(),
              (std::vector<GestureMapping>{
                  rule(GesturePattern::rightThenUp, QStringLiteral("Mine")), templateRule(0.5)}));
    EXPECT_EQ(r.disabledBuiltInPatterns(),
              (std::vector<GestureDescriptor>{
                  GestureDescriptor::directional(GesturePattern::leftThenDown)}));
    EXPECT_EQ(r.gestureMatchingThreshold(), 0.3);
    EXPECT_EQ(r.themeOverride(), AppThemeOverride::dark);

    auto& d = defaults();
    EXPECT_EQ(d.value(Keys::captureEnabled), UserDefaults::Value(false));
    EXPECT_EQ(d.value(Keys::languageOverride), UserDefaults::Value(QString("traditionalChinese")));
    EXPECT_EQ(d.value(Keys::themeOverride), UserDefaults::Value(QString("dark")));
    EXPECT_EQ(d.value(Keys::matchingThreshold), UserDefaults::Value(0.3));
    ASSERT_TRUE(d.dataValue(Keys::customMappings));
    EXPECT_TRUE(
        GestureJson::decode<std::vector<GestureMapping>>(*d.dataValue(Keys::customMappings)));

    // A reset removes the eight keys and nothing else.
    d.setValue("gestureSomethingElse", true);
    r.reset();
    expectDefaults(reopen());
    QFile file(filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(file.readAll()).object().keys(),
              QStringList{"gestureSomethingElse"});
}

TEST_F(GestureSettingsStoreTest, DefaultsAreStoredAsAbsentKeysOnlyWhereTheyShouldBe) {
    auto& s = store();
    // true is stored as a value: absent and true read alike, but the key exists.
    s.setCaptureEnabled(true);
    EXPECT_EQ(defaults().value(Keys::captureEnabled), UserDefaults::Value(true));
    s.setGestureMatchingThreshold(0.18);
    EXPECT_TRUE(defaults().contains(Keys::matchingThreshold));

    s.setLanguageOverride(AppLanguageOverride::french);
    s.setLanguageOverride(AppLanguageOverride::system);
    EXPECT_FALSE(defaults().contains(Keys::languageOverride));
    s.setThemeOverride(AppThemeOverride::light);
    s.setThemeOverride(AppThemeOverride::system);
    EXPECT_FALSE(defaults().contains(Keys::themeOverride));

    s.setCustomMappings({rule(GesturePattern::upThenDown)});
    s.setCustomMappings({});
    EXPECT_FALSE(defaults().contains(Keys::customMappings));
    s.setDisabledBuiltInPatterns({GestureDescriptor::directional(GesturePattern::upThenDown)});
    s.setDisabledBuiltInPatterns({});
    EXPECT_FALSE(defaults().contains(Keys::disabledBuiltInPatterns));

    // Names no case, or not text at all: the default.
    defaults().setValue(Keys::languageOverride, QString("klingon"));
    defaults().setValue(Keys::themeOverride, true);
    EXPECT_EQ(store().languageOverride(), AppLanguageOverride::system);
    EXPECT_EQ(store().themeOverride(), AppThemeOverride::system);
    defaults().setValue(Keys::captureEnabled, QString("NO"));
    EXPECT_FALSE(store().isCaptureEnabled());
}

TEST_F(GestureSettingsStoreTest, TheThresholdIsAlwaysWithinItsBounds) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<double, double> cases[] = {
        {0.01, 0.05}, {0.05, 0.05},     {0.9, 0.4},         {0.4, 0.4},
        {0.2, 0.2},   {kInfinity, 0.4}, {-kInfinity, 0.05}, {kNaN, 0.18},
    };
    // Numbers JSON cannot hold can only be stored by other means: read through memory.
    auto memory = std::make_shared<testing::InMemoryUserDefaults>();
    GestureSettingsStore inMemory(memory);
    for (const auto& [written, stored] : cases) {
        store().setGestureMatchingThreshold(written);
        EXPECT_EQ(defaults().numberValue(Keys::matchingThreshold), stored) << written;
        EXPECT_EQ(reopen().gestureMatchingThreshold(), stored) << written;
        memory->setValue(Keys::matchingThreshold, written);
        EXPECT_EQ(inMemory.gestureMatchingThreshold(), stored) << written;
    }
    // A value of another type reads as the default.
    defaults().setValue(Keys::matchingThreshold, QString("0.3"));
    EXPECT_EQ(store().gestureMatchingThreshold(), 0.18);
}

TEST_F(GestureSettingsStoreTest, OneUnreadableRuleNeitherHidesNorLosesTheOthers) {
    const QByteArray stored = R"([
        {"pattern":{"type":"directional","directions":["up","down"]},
         "action":{"kind":"predefined","predefinedAction":"refresh"},"notes":"first"},
        {"pattern":{"type":"directional","directions":["up","down","left"]},
         "action":{"kind":"predefined","predefinedAction":"refresh"},"notes":"from a newer version"},
        {"pattern":{"type":"directional","directions":["left","up"]},
         "action":{"kind":"teleport"},"notes":"unknown action"},
        {"pattern":{"directions":["right","up"]},
         "action":{"kind":"openApp","bundleIdentifier":"org.example.Files"},"notes":"last"}])";
    defaults().setValue(Keys::customMappings, stored);

    const auto read = reopen().customMappings();
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].notes(), QStringLiteral("first"));
    EXPECT_EQ(read[1].notes(), QStringLiteral("last"));
    EXPECT_TRUE(read[1].isCustom());
    EXPECT_TRUE(keptCopies().isEmpty());  // reading changes nothing

    // Saving the readable rules back keeps a copy of everything that was stored first.
    store().setCustomMappings(read);
    const QStringList copies = keptCopies();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(copies[0].startsWith(Keys::customMappings));
    EXPECT_EQ(readCopy(copies[0]), stored);
    EXPECT_EQ(reopen().customMappings(), read);

    // Now everything stored is readable: later writes need no copy.
    store().setCustomMappings({});
    EXPECT_EQ(keptCopies().size(), 1);
    // The same damaged list again: it was kept already, so it is replaced at once.
    defaults().setValue(Keys::customMappings, stored);
    store().setCustomMappings(read);
    EXPECT_NE(defaults().dataValue(Keys::customMappings), stored);
    EXPECT_EQ(keptCopies().size(), 1);
}

TEST_F(GestureSettingsStoreTest, ABadByteInOneRuleLosesThatRuleAloneAndIsKeptAndNamedOnce) {
    const std::vector<GestureMapping> kept = {rule(GesturePattern::upThenDown, "First"),
                                              rule(GesturePattern::rightThenUp, "Last")};
    QByteArray stored = *GestureJson::encode(
        std::vector{kept[0], rule(GesturePattern::leftThenUp, "Sp?iled"), kept[1]});
    stored.replace('?', '\xff');
    defaults().setValue(Keys::customMappings, stored);
    defaults().setValue(Keys::languageOverride, QString("klingon"));

    auto& s = reopen();
    EXPECT_EQ(s.customMappings(), kept);
    // Each value that does not read whole is kept at start; neither is kept or named again.
    EXPECT_TRUE(s.keepUnreadableValues().empty());
    const QStringList copies = keptCopies();
    EXPECT_EQ(copies.filter(Keys::languageOverride + ".unreadable-").size(), 1);
    EXPECT_EQ(readCopy(copies.filter(Keys::customMappings + ".unreadable-").value(0)), stored);
    EXPECT_EQ(defaults_->takeSetAsideFiles().size(), 2U);
    s.keepUnreadableValues();
    s.setCustomMappings(kept);
    s.setLanguageOverride(AppLanguageOverride::german);
    EXPECT_TRUE(defaults_->takeSetAsideFiles().empty());
    EXPECT_EQ(keptCopies(), copies);
}

TEST_F(GestureSettingsStoreTest, EntriesEditedIntoOtherFormsAreKeptBeforeTheyAreReplaced) {
    const QByteArray rules = R"([{"pattern":{"type":"directional","directions":["up","down"]},
        "action":{"kind":"predefined","predefinedAction":"refresh"},"notes":"by hand"}])";
    struct Case {
        const QString& key;
        QByteArray entry;  // the JSON of the entry as edited into the file
        std::function<bool(GestureSettingsStore&)> readsAsDefault;
        std::function<void(GestureSettingsStore&)> write;
        QByteArray keptBytes = {};  // the copy of a text or data entry holds its bytes
    };
    const auto noRules = [](GestureSettingsStore& s) { return s.customMappings().empty(); };
    const auto noneDisabled = [](GestureSettingsStore& s) {
        return s.disabledBuiltInPatterns().empty();
    };
    const auto systemLanguage = [](GestureSettingsStore& s) {
        return s.languageOverride() == AppLanguageOverride::system;
    };
    const std::vector<Case> cases = {
        // The rule list as a plain array instead of the stored data form.
        {Keys::customMappings, rules, noRules,
         [](auto& s) { s.setCustomMappings({rule(GesturePattern::leftThenUp)}); }},
        {Keys::disabledBuiltInPatterns, R"({"type":"directional","directions":["up","down"]})",
         noneDisabled, [](auto& s) { s.setDisabledBuiltInPatterns({}); }},
        {Keys::customMappings, R"({"data":42})", noRules, [](auto& s) { s.reset(); }},
        {Keys::languageOverride, R"(["french"])", systemLanguage,
         [](auto& s) { s.setLanguageOverride(AppLanguageOverride::german); }},
        {Keys::languageOverride, R"("italian")", systemLanguage,
         [](auto& s) { s.setLanguageOverride(AppLanguageOverride::system); }, "italian"},
        {Keys::matchingThreshold, R"({"value":0.3})",
         [](auto& s) { return s.gestureMatchingThreshold() == 0.18; },
         [](auto& s) { s.setGestureMatchingThreshold(0.2); }},
        {Keys::captureEnabled, "null", [](auto& s) { return s.isCaptureEnabled(); },
         [](auto& s) { s.setCaptureEnabled(false); }},
        // Data that is no list, and text where data belongs: the copy holds the bytes themselves.
        {Keys::disabledBuiltInPatterns, R"({"data":"iVBORw0KGgoAAA=="})", noneDisabled,
         [](auto& s) { s.setDisabledBuiltInPatterns({}); },
         QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)},
        {Keys::customMappings, R"("[not data]")", noRules,
         [](auto& s) { s.setCustomMappings({rule(GesturePattern::upThenDown)}); }, "[not data]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString() + " = " + c.entry.toStdString());
        store_.reset();
        QDir(folder()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(folder()));
        QFile file(filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\"" + c.key.toUtf8() + "\": " + c.entry + "}");
        file.close();

        EXPECT_TRUE(c.readsAsDefault(reopen()));
        EXPECT_TRUE(keptCopies().isEmpty());  // reading changes nothing
        c.write(store());
        c.write(store());  // the replaced entry is kept once

        const QStringList copies = keptCopies();
        ASSERT_EQ(copies.size(), 1);
        EXPECT_TRUE(copies[0].startsWith(c.key + ".unreadable-"));
        // Named so that the user can be told.
        EXPECT_EQ(defaults_->takeSetAsideFiles(),
                  std::vector<QString>{QDir(folder()).filePath(copies[0])});
        if (c.keptBytes.isEmpty()) {
            const auto kept = QJsonDocument::fromJson("[" + readCopy(copies[0]) + "]").array();
            EXPECT_EQ(kept, QJsonDocument::fromJson("[" + c.entry + "]").array());
        } else {
            EXPECT_EQ(readCopy(copies[0]), c.keptBytes);
        }
        // Replaced: the key is gone or holds a value of a known type.
        reopen();
        EXPECT_EQ(defaults().storedBytes(c.key).has_value(), defaults().contains(c.key));
    }
}

// Copies of a preferences file behind a link, whole or of single entries, go beside its target.
TEST_F(GestureSettingsStoreTest, CopiesOfAFileBehindALinkAllGoBesideThatFile) {
    const QString elsewhere = dir_.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(QDir().mkpath(folder()));
    const QByteArray content =
        "{\n    \"gestureLanguageOverride\": \"klingon\",\n    \"spoiled\": \"\xff\"\n}\n";
    QFile file(elsewhere + "/mine.json");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    ASSERT_TRUE(QFile::link(elsewhere + "/mine.json", filePath()));

    reopen().setLanguageOverride(AppLanguageOverride::german);

    const QStringList copies = QDir(elsewhere).entryList({"*.unreadable-*"}, QDir::Files);
    ASSERT_EQ(copies.size(), 2);
    EXPECT_TRUE(copies[0].startsWith("gestureLanguageOverride.unreadable-") &&
                copies[1].startsWith("mine.json.unreadable-") && keptCopies().isEmpty());
    const std::vector<QString> named = defaults_->takeSetAsideFiles();
    EXPECT_EQ(QStringList(named.begin(), named.end()),
              QStringList({elsewhere + "/" + copies[1], elsewhere + "/" + copies[0]}));
    EXPECT_TRUE(QFileInfo(filePath()).isSymLink());
    EXPECT_EQ(reopen().languageOverride(), AppLanguageOverride::german);
}

TEST_F(GestureSettingsStoreTest, ListsWrittenRuleByRuleAreExactlyTheWholeListsJSON) {
    // Each save reuses the JSON of rules that did not change; what lands in the file must still
    // be the whole list's JSON after every kind of edit, a template redrawn under its old
    // identifier included.
    const std::vector<std::vector<GestureMapping>> saves = {
        {rule(GesturePattern::rightThenUp), templateRule(0.5)},
        {rule(GesturePattern::rightThenUp, QStringLiteral("Named")), templateRule(0.5)},
        {templateRule(0.5), rule(GesturePattern::rightThenDown)},
        {templateRule(0.75), rule(GesturePattern::rightThenDown)},
        {rule(GesturePattern::rightThenDown, std::nullopt, GestureMappingSource::builtIn)},
    };
    for (const auto& save : saves) {
        store().setCustomMappings(save);
        std::vector<GestureMapping> custom;
        for (const auto& mapping : save) {
            custom.emplace_back(mapping.pattern(), mapping.action(), mapping.notes(),
                                mapping.name(), GestureMappingSource::custom, mapping.isEnabled(),
                                mapping.appScopeRules());
        }
        EXPECT_EQ(defaults().dataValue(Keys::customMappings), GestureJson::encode(custom));
        EXPECT_EQ(store().customMappings(), custom);
    }

    // A list the store wrote itself and someone then edited by hand is kept all the same.
    defaults().setValue(Keys::customMappings, QByteArray("[1,2,3]"));
    store().setCustomMappings(saves.front());
    ASSERT_EQ(keptCopies().size(), 1);
    EXPECT_EQ(readCopy(keptCopies().front()), QByteArray("[1,2,3]"));
}

TEST(GestureSettingsStore, StoredDataStaysWhenNoCopyCanBeKept) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    for (const std::optional<QString>& folder :
         {std::optional<QString>(), std::optional<QString>(dir.filePath("file/sub"))}) {
        auto defaults = std::make_shared<testing::InMemoryUserDefaults>(folder);
        GestureSettingsStore store(defaults);
        const QByteArray damaged = R"([{"pattern":{}}])";
        defaults->setValue(Keys::customMappings, damaged);
        EXPECT_EQ(store.keepUnreadableValues(), std::vector<QString>{Keys::customMappings});
        store.setCustomMappings({rule(GesturePattern::upThenDown)});
        store.setCustomMappings({});
        EXPECT_EQ(defaults->dataValue(Keys::customMappings), damaged);
        // A reset is asked for, and goes ahead without a copy.
        store.reset();
        EXPECT_FALSE(defaults->contains(Keys::customMappings));
    }
}

TEST_F(GestureSettingsStoreTest, ARuleThatCannotBeWrittenKeepsThePreviousList) {
    store().setCustomMappings({rule(GesturePattern::upThenDown), templateRule(0.25)});
    const auto before = defaults().dataValue(Keys::customMappings);
    store().setCustomMappings(
        {rule(GesturePattern::leftThenUp), templateRule(std::numeric_limits<double>::infinity())});
    EXPECT_EQ(defaults().dataValue(Keys::customMappings), before);
    EXPECT_EQ(reopen().customMappings().size(), 2u);
    EXPECT_EQ(store().customMappings()[0].pattern(),
              GestureDescriptor::directional(GesturePattern::upThenDown));
}

// Two instances (the other in another process, as on a second display) change the rule lists at
// the same moment: each stores lists made from what it read before it took in the other's, also
// when one of them took in the other's lists with the first list it wrote. Changes of different
// rules are all kept, here and in the file; two changes of one rule end as the one written last.
// The removed presets merge as a set. Rules stored with empty notes (written by hand or by another
// build) are read with notes filled in, which is no change of theirs.
TEST_F(GestureSettingsStoreTest, RuleListsChangedByTwoInstancesAtOnceKeepBothChanges) {
    const auto named = [](const char* name, GesturePattern pattern, bool enabled = true,
                          std::optional<QString> notes = std::nullopt) {
        const auto action = GestureAction::predefined(PredefinedAction::newTab);
        return GestureMapping(GestureDescriptor::directional(pattern), action,
                              notes.value_or(GesturePresets::customNotes(action)),
                              QString::fromUtf8(name), GestureMappingSource::custom, enabled, {});
    };
    using Lists = std::pair<std::vector<GestureMapping>, std::vector<GestureDescriptor>>;
    const auto alpha = named("Alpha", GesturePattern::leftThenUp);
    const auto bravo = named("Bravo", GesturePattern::leftThenDown);
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto rightDown = GestureDescriptor::directional(GesturePattern::rightThenDown);
    const Lists base{{alpha, bravo}, {upDown}};
    const Lists withoutNotes{{named("Alpha", GesturePattern::leftThenUp, true, QString()),
                              named("Bravo", GesturePattern::leftThenDown, true, QString())},
                             {upDown}};
    const struct {
        const char* name;
        Lists there;
        Lists here;
        std::set<QString> rules;  // names, " (off)" after a disabled one's
        std::vector<GestureDescriptor> disabled;
        // What both read first, when not `base`.
        std::optional<Lists> stored = std::nullopt;
    } cases[] = {
        {"renames",
         {{named("Alpha 2", GesturePattern::leftThenUp), bravo}, {upDown}},
         {{alpha, named("Bravo 2", GesturePattern::leftThenDown)}, {upDown}},
         {"Alpha 2", "Bravo 2"},
         {upDown}},
        {"a rename and a rule switched off",
         {{named("Alpha 2", GesturePattern::leftThenUp), bravo}, {upDown}},
         {{alpha, named("Bravo", GesturePattern::leftThenDown, false)}, {upDown}},
         {"Alpha 2", "Bravo (off)"},
         {upDown}},
        {"a removal and an addition",
         {{bravo}, {upDown}},
         {{alpha, bravo, named("Charlie", GesturePattern::rightThenUp)}, {upDown}},
         {"Bravo", "Charlie"},
         {upDown}},
        {"one rule renamed twice",
         {{named("There", GesturePattern::leftThenUp), bravo}, {upDown}},
         {{named("Here", GesturePattern::leftThenUp), bravo}, {upDown}},
         {"Bravo", "Here"},
         {upDown}},
        {"presets removed and restored",
         {{alpha, bravo}, {upDown, rightDown}},
         {{alpha, bravo}, {}},
         {"Alpha", "Bravo"},
         {rightDown}},
        {"a preset restored there, a rule renamed here",
         {{alpha, bravo}, {}},
         {{alpha, named("Bravo 2", GesturePattern::leftThenDown)}, {upDown}},
         {"Alpha", "Bravo 2"},
         {}},
        {"a preset removed there, a rule added here",
         {{alpha, bravo}, {upDown, rightDown}},
         {{alpha, bravo, named("Charlie", GesturePattern::rightThenUp)}, {upDown}},
         {"Alpha", "Bravo", "Charlie"},
         {upDown, rightDown}},
        {"a preset restored there, a rule renamed and another preset removed here",
         {{alpha, bravo}, {}},
         {{alpha, named("Bravo 2", GesturePattern::leftThenDown)}, {upDown, rightDown}},
         {"Alpha", "Bravo 2"},
         {rightDown}},
        {"the last two rules removed, one on each side",
         {{bravo}, {upDown}},
         {{alpha}, {upDown}},
         {},
         {upDown}},
        {"renames of rules stored with empty notes",
         {{named("Alpha 2", GesturePattern::leftThenUp), bravo}, {upDown}},
         {{alpha, named("Bravo 2", GesturePattern::leftThenDown)}, {upDown}},
         {"Alpha 2", "Bravo 2"},
         {upDown},
         withoutNotes},
    };
    const auto store = [](GestureSettingsStore& instance, const Lists& lists) {
        instance.setCustomMappings(lists.first);
        instance.setDisabledBuiltInPatterns(lists.second);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store_.reset();
        QFile::remove(filePath());
        store(reopen(), c.stored.value_or(base));
        reopen().customMappings();
        this->store().disabledBuiltInPatterns();
        EXPECT_EQ(
            testing::runInChild([&] {
                GestureSettingsStore other(std::make_shared<JsonFileUserDefaults>(filePath()));
                store(other, c.there);
                return 0;
            }),
            0);
        store(this->store(), c.here);
        // Here, and as stored.
        for (const bool reopened : {false, true}) {
            GestureSettingsStore& instance = reopened ? reopen() : this->store();
            std::set<QString> rules;
            for (const auto& rule : instance.customMappings()) {
                rules.insert(*rule.name() + (rule.isEnabled() ? "" : " (off)"));
            }
            EXPECT_EQ(rules, c.rules) << reopened;
            EXPECT_EQ(instance.disabledBuiltInPatterns(), c.disabled) << reopened;
            // No list is stored empty: an empty one is an absent key.
            EXPECT_EQ(defaults().contains(Keys::customMappings), !c.rules.empty()) << reopened;
        }
    }
}

}  // namespace
}  // namespace quillorbitex
