#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "Platform/AtomicFile.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Platform/TestFiles.h"
#include "support/ChildProcess.h"
#include "support/FileLockHolder.h"
#include "support/InMemoryUserDefaults.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

using testing::readFile;

class JsonFileUserDefaultsTest : public ::testing::Test {
protected:
    QString path() const { return JsonFileUserDefaults::filePathIn(dir_.filePath("prefs")); }
    void writeFile(const QByteArray& content) const {
        QDir().mkpath(dir_.filePath("prefs"));
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QTemporaryDir dir_;
};

TEST_F(JsonFileUserDefaultsTest, ValuesKeepTheirTypesAcrossAReload) {
    const std::pair<const char*, UserDefaults::Value> values[] = {
        {"flag", false},
        {"number", 0.25},
        {"whole", 3.0},
        {"text", QString::fromUtf8("true – ünïcode")},
        {"data", QByteArray("\x00\xff{not json\n", 12)},
    };
    {
        JsonFileUserDefaults defaults(path());
        for (const auto& [key, value] : values) {
            defaults.setValue(key, value);
        }
        defaults.setValue("gone", true);
        defaults.removeValue("gone");
        // On disk at once, while the object is still alive.
        const auto onDisk = QJsonDocument::fromJson(readFile(path())).object();
        EXPECT_EQ(onDisk.value("flag"), QJsonValue(false));
        EXPECT_FALSE(onDisk.contains("gone"));
    }
    JsonFileUserDefaults reloaded(path());
    for (const auto& [key, value] : values) {
        EXPECT_EQ(reloaded.value(key), value) << key;
    }
    EXPECT_FALSE(reloaded.value("gone").has_value());
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

TEST_F(JsonFileUserDefaultsTest, WritesThatFailSaySoAndAreMadeUpForByTheNextOneOrAtTheEnd) {
    // A file where the folder must be stops every write, whoever runs the test.
    const QString blocker = dir_.filePath("file");
    const QString filePath = blocker + "/sub/preferences.json";
    const auto block = [&](bool blocked) {
        QDir(blocker).removeRecursively();
        QFile::remove(blocker);
        blocked ? QFile(blocker).open(QIODevice::WriteOnly) : QDir().mkpath(blocker);
    };
    block(true);
    {
        JsonFileUserDefaults defaults(filePath);
        EXPECT_FALSE(defaults.setValue("data", QByteArray("abc")));
        EXPECT_FALSE(defaults.removeValue("absent")) << "earlier changes still wait";
        EXPECT_TRUE(defaults.hasUnsavedChanges());
        EXPECT_EQ(defaults.dataValue("data"), QByteArray("abc"));

        block(false);
        EXPECT_TRUE(defaults.setValue("flag", true));
        EXPECT_FALSE(defaults.hasUnsavedChanges());
        EXPECT_EQ(JsonFileUserDefaults(filePath).dataValue("data"), QByteArray("abc"));

        block(true);
        EXPECT_FALSE(defaults.setValue("flag", false));
        block(false);
    }
    EXPECT_EQ(JsonFileUserDefaults(filePath).value("flag"), UserDefaults::Value(false));
}

// Without a folder for the preferences the path is empty: the values then live in memory, with
// nothing unsaved to report or try again, and no file appears in the working folder.
TEST_F(JsonFileUserDefaultsTest, WithoutAPathTheValuesLiveInMemoryAndNothingIsWritten) {
    const testing::WorkingFolder working(dir_.path());
    ASSERT_TRUE(working.entered());
    {
        EXPECT_FALSE(AtomicFile::write(QString(), "{}"));
        EXPECT_EQ(AtomicFile::resolvedPath(QString()), QString());
        JsonFileUserDefaults defaults{QString()};
        EXPECT_TRUE(defaults.setValue("flag", true));
        EXPECT_TRUE(defaults.setValue("data", QByteArray(300 * 1024, 'x')));  // a large write too
        EXPECT_TRUE(defaults.removeValue("flag"));
        EXPECT_EQ(defaults.dataValue("data"), QByteArray(300 * 1024, 'x'));
        EXPECT_FALSE(defaults.hasUnsavedChanges());
        EXPECT_TRUE(defaults.saveUnsavedChanges());
        EXPECT_EQ(defaults.storageDirectory(), std::nullopt);
    }
    EXPECT_EQ(
        QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList());
}

TEST_F(JsonFileUserDefaultsTest, WhatIsNotAFileIsMovedAsideUnopenedAndTheFileWrittenAnew) {
    // namesTaken: links that lead nowhere at the names a move now tries first, which must stay.
    for (const auto& [name, fifo, namesTaken] :
         {std::tuple{"a FIFO", true, false},
          {"a folder", false, false},
          {"a folder, the first names taken by links that lead nowhere", false, true}}) {
        SCOPED_TRACE(name);
        QDir(dir_.filePath("prefs")).removeRecursively();
        QDir().mkpath(dir_.filePath("prefs"));
        const QByteArray path = QFile::encodeName(this->path());
        ASSERT_EQ(fifo ? ::mkfifo(path, 0600) : ::mkdir(path, 0700), 0);
        QStringList takenNames;
        for (int second = 0; namesTaken && second < 3; ++second) {
            takenNames.append(this->path() + ".unreadable-" +
                              QDateTime::currentDateTimeUtc().addSecs(second).toString(
                                  QStringLiteral("yyyyMMdd-HHmmss")));
            ASSERT_TRUE(QFile::link("nowhere", takenNames.back()));
        }
        auto reading = std::async(std::launch::async, [&] {
            return std::make_unique<JsonFileUserDefaults>(this->path());
        });
        if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "reading blocked";
            ::close(::open(path, O_WRONLY | O_NONBLOCK));  // lets a blocked open() return
        }
        const auto defaults = reading.get();

        const std::vector<QString> setAside = defaults->takeSetAsideFiles();
        ASSERT_EQ(setAside.size(), 1U);
        EXPECT_TRUE(setAside[0].startsWith(this->path() + ".unreadable-"));
        struct stat kept {};
        ASSERT_EQ(::lstat(QFile::encodeName(setAside[0]), &kept), 0);
        EXPECT_FALSE(S_ISREG(kept.st_mode));
        EXPECT_TRUE(defaults->setValue("flag", true));
        EXPECT_TRUE(QFileInfo(this->path()).isFile());
        for (const QString& taken : takenNames) {
            EXPECT_EQ(QFileInfo(taken).symLinkTarget(), dir_.filePath("prefs/nowhere"));
        }
    }
}

TEST_F(JsonFileUserDefaultsTest, WhatCannotBeReadIsKeptAsideAndTheRestRead) {
    const QByteArray data = QByteArray(R"(    "data": {"data": "YWJj"},)");
    const struct {
        const char* name;
        QByteArray content;
        std::vector<const char*> read;
    } cases[] = {
        {"cut off", "{\"flag\": tru", {}},
        {"a bad byte in a text",
         "{\n" + data + "\n    \"flag\": true,\n    \"text\": \"caf\xe9\"\n}\n",
         {"data", "flag"}},
        // Between the tokens a bad byte carries nothing; the entry beside it is read.
        {"a bad byte between entries",
         "{\n" + data + "\n    \"flag\": true,\xff\n    \"text\": \"caf\xc3\xa9\"\n}\n",
         {"data", "flag", "text"}},
        {"a bad byte after a data entry",
         "{\n" + data + "\xff\n    \"flag\": true\n}\n",
         {"data", "flag"}},
        // A bad byte in place of a closing quote breaks that line's entry alone.
        {"a text cut off by a bad byte",
         "{\n" + data + "\n    \"text\": \"caf\xff\n    \"flag\": true\n}\n",
         {"data", "flag"}},
        {"a bad byte inside a literal", "{\n" + data + "\n    \"flag\": tr\xffue\n}\n", {"data"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir_.filePath("prefs")).removeRecursively();
        writeFile(c.content);
        JsonFileUserDefaults defaults(path());
        std::vector<const char*> read;
        for (const char* key : {"data", "flag", "text"}) {
            if (defaults.contains(key)) {
                read.push_back(key);
            }
        }
        EXPECT_EQ(read, c.read);
        if (defaults.contains("flag")) {
            // A value written as it is changes nothing, so the file stays as it was.
            EXPECT_TRUE(defaults.setValue("flag", true));
            EXPECT_EQ(readFile(path()), c.content);
        }
        EXPECT_TRUE(defaults.setValue("other", 1.0));
        EXPECT_EQ(JsonFileUserDefaults(path()).value("other"), UserDefaults::Value(1.0));

        const QStringList copies =
            QDir(dir_.filePath("prefs")).entryList({"preferences.json.unreadable-*"}, QDir::Files);
        ASSERT_EQ(copies.size(), 1);
        EXPECT_EQ(readFile(dir_.filePath("prefs/" + copies[0])), c.content);
        EXPECT_EQ(defaults.takeSetAsideFiles(),
                  std::vector<QString>{dir_.filePath("prefs/" + copies[0])});
    }
}

TEST_F(JsonFileUserDefaultsTest, NoCharacterAnEntryMayHoldIsTakenForABadByte) {
    // Every character of the private use area, U+F8FF last, in a key and in a value.
    QString every;
    for (char16_t c = 0xE000; c <= 0xF8FF; ++c) {
        every.append(QChar(c));
    }
    const QByteArray text = every.toUtf8();
    const QByteArray layouts[] = {
        "{\n    \"k" + text + "\": \"" + text +
            "\",\n    \"spoiled\": \"\xff\",\n"
            "    \"flag\": true\n}\n",
        // On one line, and with the bad byte in a key.
        "{\"k" + text + "\": \"" + text + "\", \"spo\xc0\xafiled\": 1, \"flag\": true}",
    };
    for (const QByteArray& content : layouts) {
        SCOPED_TRACE(content.right(40).toStdString());
        writeFile(content);
        JsonFileUserDefaults defaults(path());
        EXPECT_EQ(defaults.value("k" + every), UserDefaults::Value(every));
        EXPECT_EQ(defaults.takeSetAsideFiles().size(), 1U);
        // Written again, the file holds what was read: all but the spoiled entry.
        defaults.setValue("written", true);
        QStringList keys = QJsonDocument::fromJson(readFile(path())).object().keys();
        EXPECT_EQ(keys, QStringList({"flag", "k" + every, "written"}));
    }
}

TEST_F(JsonFileUserDefaultsTest, EntriesOfOtherShapesSurviveWritesAndReadAsTheirJson) {
    writeFile(R"({"list": [1, "two"], "object": {"a": 1}, "nothing": null, "kept": "yes"})");
    JsonFileUserDefaults defaults(path());
    EXPECT_FALSE(defaults.contains("list"));  // no value of a known type
    EXPECT_EQ(defaults.storedBytes("list"), QByteArray(R"([1,"two"])"));
    EXPECT_EQ(defaults.storedBytes("object"), QByteArray(R"({"a":1})"));
    EXPECT_EQ(defaults.storedBytes("nothing"), QByteArray("null"));
    EXPECT_EQ(defaults.storedBytes("kept"), QByteArray("yes"));
    EXPECT_FALSE(defaults.storedBytes("absent").has_value());
    defaults.setValue("new", false);
    EXPECT_EQ(QJsonDocument::fromJson(readFile(path())).object(),
              QJsonDocument::fromJson(
                  R"({"list": [1, "two"], "object": {"a": 1}, "nothing": null, "kept": "yes",
                      "new": false})")
                  .object());
}

// Two instances over one file, both made before either changes anything: the other changes or
// removes a key, then this one changes one. What the other wrote stays, in the file and in this
// one's memory. A change made while another process holds the lock is not waited for here, also
// when the other changed the same key, and reaches the file once the lock is free.
TEST_F(JsonFileUserDefaultsTest, InstancesSharingTheFileKeepEachOthersChanges) {
    const struct {
        const char* otherKey;
        std::optional<UserDefaults::Value> other;  // none: removed
        const char* ownKey;
        UserDefaults::Value own;
        bool locked;
    } cases[] = {
        {"rules", QByteArray("[{\"rule\": 1}]"), "theme", QString("dark"), false},
        {"threshold", 0.3, "language", QString("french"), false},
        {"language", std::nullopt, "threshold", 0.25, false},
        {"theme", QString("dark"), "language", QString("french"), true},
        {"threshold", 0.3, "threshold", 0.25, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.otherKey + std::string(" there, ") + c.ownKey + (c.locked ? " locked" : ""));
        writeFile(R"({"language": "german", "threshold": 0.2})");
        JsonFileUserDefaults own(path());
        std::vector<QString> told;
        own.setChangeObserver([&](const std::vector<QString>& keys) { told = keys; });
        // The other instance is another process, as on a second display.
        EXPECT_EQ(testing::runInChild([&] {
                      JsonFileUserDefaults other(path());
                      return (c.other ? other.setValue(c.otherKey, *c.other)
                                      : other.removeValue(c.otherKey))
                                 ? 0
                                 : 1;
                  }),
                  0);
        std::optional<testing::FileLockHolder> lock;
        if (c.locked) {
            ASSERT_TRUE(lock.emplace(path()).held());
        }
        EXPECT_TRUE(own.setValue(c.ownKey, c.own));
        EXPECT_FALSE(own.hasUnsavedChanges());
        lock.reset();
        const bool same = std::string_view(c.otherKey) == c.ownKey;
        // Taken in once the write, wherever it was done, is over.
        EXPECT_TRUE(testing::waitUntil([&] {
            own.takeInChanges();
            return JsonFileUserDefaults(path()).value(c.ownKey) == c.own && (same || !told.empty());
        }));
        EXPECT_EQ(told, same ? std::vector<QString>{} : std::vector<QString>{c.otherKey});
        EXPECT_TRUE(own.saveUnsavedChanges());
        const JsonFileUserDefaults reloaded(path());
        for (const auto* defaults : {&std::as_const(own), &reloaded}) {
            EXPECT_EQ(defaults->value(c.otherKey), same ? std::optional(c.own) : c.other);
            EXPECT_EQ(defaults->value(c.ownKey), std::optional(c.own));
        }
    }
}

// While the program runs, the file is edited by hand into one that does not parse, emptied,
// removed or replaced by a folder. Nothing of it is taken in as the absence of every value: the
// values held stay, a removed file is written again at once, and the next change, or the end of the
// object without one, writes every value held (what was in the way kept aside first).
TEST_F(JsonFileUserDefaultsTest, AFileBrokenOrRemovedMeanwhileIsNotTakenAsOneWithoutValues) {
    const QByteArray stored =
        R"({"rules": {"data": "YWJj"}, "theme": "dark", "onboarded": true, "threshold": 0.2})";
    const QByteArray broken = R"({"rules": {"data": "YWJj"}, "theme": "dark",})";
    enum class Damage { trailingComma, emptied, removed, folder };
    const struct {
        const char* name;
        Damage damage;
    } cases[] = {
        {"a trailing comma", Damage::trailingComma},
        {"emptied", Damage::emptied},
        {"removed", Damage::removed},
        {"replaced by a folder", Damage::folder},
    };
    const auto damage = [&](Damage how) {
        switch (how) {
            case Damage::trailingComma:
                return testing::writeFile(path(), broken);
            case Damage::emptied:
                return testing::writeFile(path(), QByteArray());
            case Damage::removed:
                return QFile::remove(path());
            case Damage::folder:
                return QFile::remove(path()) && QDir().mkdir(path());
        }
        return false;
    };
    const auto expectEverything = [](const UserDefaults& defaults, double threshold) {
        EXPECT_EQ(defaults.dataValue("rules"), QByteArray("abc"));
        EXPECT_EQ(defaults.stringValue("theme"), "dark");
        EXPECT_TRUE(defaults.boolValue("onboarded"));
        EXPECT_EQ(defaults.numberValue("threshold"), threshold);
    };
    for (const auto& c : cases) {
        for (const bool changed : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (changed ? ", then a change" : ", then the end"));
            QDir(dir_.filePath("prefs")).removeRecursively();
            writeFile(stored);
            auto own = std::make_optional<JsonFileUserDefaults>(path());
            std::vector<QString> told;
            own->setChangeObserver([&](const std::vector<QString>& keys) { told = keys; });
            EXPECT_EQ(testing::runInChild([&] { return damage(c.damage) ? 0 : 1; }), 0);
            own->takeInChanges();
            EXPECT_TRUE(told.empty());
            expectEverything(*own, 0.2);
            if (c.damage == Damage::removed) {
                expectEverything(JsonFileUserDefaults(path()), 0.2);
            }
            if (changed) {
                EXPECT_TRUE(own->setValue("threshold", 0.19));
                expectEverything(*own, 0.19);
            }
            own.reset();
            expectEverything(JsonFileUserDefaults(path()), changed ? 0.19 : 0.2);
            const QFileInfoList setAside = QDir(dir_.filePath("prefs"))
                                               .entryInfoList({"preferences.json.unreadable-*"},
                                                              QDir::AllEntries | QDir::System);
            const bool keptAside = c.damage == Damage::trailingComma || c.damage == Damage::folder;
            ASSERT_EQ(setAside.size(), keptAside ? 1 : 0);
            for (const QFileInfo& entry : setAside) {
                EXPECT_EQ(entry.isDir(), c.damage == Damage::folder);
                if (entry.isFile()) {
                    EXPECT_EQ(readFile(entry.filePath()), broken);
                }
            }
        }
    }
}

// A file of changes kept by an instance that ended, which cannot be read (garbage, another shape,
// a FIFO), is moved aside by the first write and named once; later writes neither read it again
// nor name it again, and the file's own values are written all the same.
TEST_F(JsonFileUserDefaultsTest, KeptChangesThatCannotBeReadAreSetAsideOnce) {
    const std::pair<const char*, std::function<bool(const QString&)>> cases[] = {
        {"garbage",
         [](const QString& kept) { return testing::writeFile(kept, "{\"threshold\": "); }},
        {"another shape", [](const QString& kept) { return testing::writeFile(kept, "[1, 2]"); }},
        {"a FIFO",
         [](const QString& kept) { return ::mkfifo(QFile::encodeName(kept), 0600) == 0; }},
    };
    for (const auto& [name, make] : cases) {
        SCOPED_TRACE(name);
        QDir(dir_.filePath("prefs")).removeRecursively();
        writeFile(R"({"threshold": 0.2})");
        const QString kept = path() + ".unsaved-0123456789abcdef";
        ASSERT_TRUE(make(kept));
        JsonFileUserDefaults defaults(path());
        EXPECT_TRUE(defaults.setValue("flag", true));
        EXPECT_FALSE(QFileInfo::exists(kept));
        const std::vector<QString> setAside = defaults.takeSetAsideFiles();
        ASSERT_EQ(setAside.size(), 1U);
        EXPECT_TRUE(setAside[0].startsWith(kept + ".unreadable-"));
        EXPECT_TRUE(defaults.setValue("flag", false));
        EXPECT_TRUE(defaults.takeSetAsideFiles().empty());
        const JsonFileUserDefaults reloaded(path());
        EXPECT_EQ(reloaded.value("threshold"), UserDefaults::Value(0.2));
        EXPECT_EQ(reloaded.value("flag"), UserDefaults::Value(false));
    }
}

TEST(UserDefaults, TypedReadingOfStoredValues) {
    testing::InMemoryUserDefaults defaults;
    const std::pair<UserDefaults::Value, bool> cases[] = {
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
    const std::pair<UserDefaults::Value, QByteArray> bytes[] = {
        {QByteArray("\x01", 1), QByteArray("\x01", 1)},
        {QString("ü"), QByteArray("\xc3\xbc")},
        {false, "false"},
        {0.1, "0.10000000000000001"},
    };
    for (const auto& [value, expected] : bytes) {
        defaults.setValue("k", value);
        EXPECT_EQ(defaults.storedBytes("k"), expected) << value.index();
    }
}

}  // namespace
}  // namespace quillorbitex
