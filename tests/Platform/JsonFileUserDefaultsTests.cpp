#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "Platform/JsonFileUserDefaults.h"
#include "support/InMemoryUserDefaults.h"

namespace quillorbitex {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class JsonFileUserDefaultsTest : public ::testing::Test {
protected:
    QString path() const { return JsonFileUserDefaults::filePathIn(dir_.filePath("prefs")); }
    QTemporaryDir dir_;
};

TEST_F(JsonFileUserDefaultsTest, ValuesKeepTheirTypesAcrossAReload) {
    const QByteArray binary("\x00\xff{not json\n", 12);
    {
        JsonFileUserDefaults defaults(path());
        defaults.setValue("flag", false);
        defaults.setValue("number", 0.25);
        defaults.setValue("whole", 3.0);
        defaults.setValue("text", QString::fromUtf8("true – ünïcode"));
        defaults.setValue("data", binary);
        defaults.setValue("gone", true);
        defaults.removeValue("gone");
        // On disk at once, while the object is still alive.
        const auto onDisk = QJsonDocument::fromJson(readFile(path())).object();
        EXPECT_EQ(onDisk.value("flag"), QJsonValue(false));
        EXPECT_FALSE(onDisk.contains("gone"));
    }
    JsonFileUserDefaults reloaded(path());
    EXPECT_EQ(reloaded.value("flag"), UserDefaults::Value(false));
    EXPECT_EQ(reloaded.value("number"), UserDefaults::Value(0.25));
    EXPECT_EQ(reloaded.value("whole"), UserDefaults::Value(3.0));
    EXPECT_EQ(reloaded.value("text"), UserDefaults::Value(QString::fromUtf8("true – ünïcode")));
    EXPECT_EQ(reloaded.value("data"), UserDefaults::Value(binary));
    EXPECT_FALSE(reloaded.value("gone").has_value());
    EXPECT_FALSE(reloaded.value("never").has_value());
    EXPECT_TRUE(reloaded.contains("flag"));  // false is a value, not an absence
    EXPECT_EQ(reloaded.storageDirectory(), dir_.filePath("prefs"));

    reloaded.removeAll();
    EXPECT_FALSE(JsonFileUserDefaults(path()).contains("number"));
}

TEST_F(JsonFileUserDefaultsTest, KeysAndTextsThatNeedEscapingReadBackAsWritten) {
    const QString awkward = QString::fromUtf8("quote \" backslash \\ tab \t line\n \u00fc \u65e5");
    const QByteArray bytes = QByteArray(3000, 'x') + QByteArray("\"\\\n\0", 4);
    {
        JsonFileUserDefaults defaults(path());
        defaults.setValue(awkward, awkward);
        defaults.setValue(awkward + "data", bytes);
        defaults.setValue("z", 1e-7);
    }
    const auto onDisk = QJsonDocument::fromJson(readFile(path())).object();
    EXPECT_EQ(onDisk.value(awkward).toString(), awkward);
    EXPECT_EQ(onDisk.keys().size(), 3);
    JsonFileUserDefaults reloaded(path());
    EXPECT_EQ(reloaded.value(awkward), UserDefaults::Value(awkward));
    EXPECT_EQ(reloaded.dataValue(awkward + "data"), bytes);
    EXPECT_EQ(reloaded.value("z"), UserDefaults::Value(1e-7));

    // Emptied, the file is still a document that reads back as empty.
    reloaded.removeAll();
    EXPECT_TRUE(QJsonDocument::fromJson(readFile(path())).isObject());
    EXPECT_FALSE(JsonFileUserDefaults(path()).contains(awkward));
}

TEST_F(JsonFileUserDefaultsTest, AnUnwritableFolderKeepsValuesInMemory) {
    writeFile(dir_.filePath("file"), "x");
    JsonFileUserDefaults defaults(dir_.filePath("file/sub/preferences.json"));
    defaults.setValue("flag", true);
    defaults.setValue("data", QByteArray("abc"));
    EXPECT_EQ(defaults.value("flag"), UserDefaults::Value(true));
    EXPECT_EQ(defaults.dataValue("data"), QByteArray("abc"));
}

TEST_F(JsonFileUserDefaultsTest, AnUnparsableFileIsKeptBeforeItIsReplaced) {
    QDir().mkpath(dir_.filePath("prefs"));
    writeFile(path(), "{\"flag\": tru");
    JsonFileUserDefaults defaults(path());
    EXPECT_FALSE(defaults.contains("flag"));
    defaults.setValue("other", 1.0);
    EXPECT_EQ(JsonFileUserDefaults(path()).value("other"), UserDefaults::Value(1.0));

    const QStringList copies =
        QDir(dir_.filePath("prefs")).entryList({"preferences.json.unreadable-*"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(readFile(dir_.filePath("prefs/" + copies[0])), QByteArray("{\"flag\": tru"));
}

TEST_F(JsonFileUserDefaultsTest, EntriesOfOtherShapesSurviveWrites) {
    QDir().mkpath(dir_.filePath("prefs"));
    writeFile(path(), R"({"list": [1, "two"], "object": {"a": 1}, "kept": "yes"})");
    JsonFileUserDefaults defaults(path());
    EXPECT_FALSE(defaults.contains("list"));  // no value of a known type
    defaults.setValue("new", false);
    const auto onDisk = QJsonDocument::fromJson(readFile(path())).object();
    EXPECT_EQ(onDisk.value("list").toArray().size(), 2);
    EXPECT_EQ(onDisk.value("object").toObject().value("a").toInt(), 1);
    EXPECT_EQ(onDisk.value("kept").toString(), QStringLiteral("yes"));
}

TEST(UserDefaults, BooleanReadingOfOtherTypes) {
    testing::InMemoryUserDefaults defaults;
    const std::vector<std::pair<UserDefaults::Value, bool>> cases = {
        {true, true},         {false, false},           {2.0, true},
        {0.0, false},         {QString("YES"), true},   {QString("  true"), true},
        {QString("7"), true}, {QString("no"), false},   {QString("0"), false},
        {QString(""), false}, {QByteArray("1"), false},
    };
    for (const auto& [value, expected] : cases) {
        defaults.setValue("k", value);
        EXPECT_EQ(defaults.boolValue("k"), expected) << value.index();
    }
    EXPECT_FALSE(defaults.boolValue("absent"));
    EXPECT_FALSE(defaults.numberValue("k").has_value());
    EXPECT_FALSE(defaults.stringValue("k").has_value());
}

}  // namespace
}  // namespace quillorbitex
