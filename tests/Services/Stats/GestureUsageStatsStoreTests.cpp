#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "Platform/TestFiles.h"
#include "Services/Stats/GestureUsageStatsStore.h"
#include "support/ChildProcess.h"
#include "support/SqliteTestDatabase.h"

namespace quillorbitex {
namespace {

const QString kUpDown = QStringLiteral("directional:up-down");
const QString kLeftUp = QStringLiteral("directional:left-up");

using testing::RawDatabase;
using testing::SleepHookVfs;

class GestureUsageStatsStoreTest : public ::testing::Test {
protected:
    QString path() const { return GestureUsageStatsStore::databasePathIn(dir_.filePath("data")); }
    // The files of counts that runs could not write.
    QStringList unwrittenFiles() const {
        return QDir(dir_.filePath("data"))
            .entryList(GestureUsageStatsStore::unwrittenCountsNamePatterns(path()),
                       QDir::AllEntries | QDir::System | QDir::Hidden);
    }
    QTemporaryDir dir_;
};

TEST_F(GestureUsageStatsStoreTest, CountsSurviveReopening) {
    {
        GestureUsageStatsStore store(path());
        EXPECT_EQ(store.totalInvocationCount(), 0);
        EXPECT_EQ(store.triggerCount(kUpDown), 0);
        EXPECT_EQ(store.recordInvocation(kUpDown), 1);
        EXPECT_EQ(store.recordInvocation(kUpDown), 2);
        EXPECT_EQ(store.recordInvocation(kLeftUp), 3);
        // Nothing to count: the total comes back unchanged.
        EXPECT_EQ(store.recordInvocation(std::nullopt), 3);
        EXPECT_EQ(store.recordInvocation(QString()), 3);
    }
    GestureUsageStatsStore reopened(path());
    EXPECT_EQ(reopened.totalInvocationCount(), 3);
    EXPECT_EQ(reopened.triggerCount(kUpDown), 2);
    EXPECT_EQ(reopened.triggerCount(kLeftUp), 1);
    EXPECT_EQ(reopened.triggerCount(QStringLiteral("template:template-0000000000000001")), 0);

    reopened.reset();
    EXPECT_EQ(reopened.totalInvocationCount(), 0);
    EXPECT_EQ(GestureUsageStatsStore(path()).triggerCount(kUpDown), 0);
}

TEST_F(GestureUsageStatsStoreTest, TheEarlierTotalIsMigratedOnce) {
    QDir().mkpath(dir_.filePath("data"));
    {
        RawDatabase raw(path());
        // The smallest earlier total there is.
        ASSERT_TRUE(
            raw.exec("CREATE TABLE usage_stats (key TEXT PRIMARY KEY NOT NULL, value "
                     "INTEGER NOT NULL);"
                     "INSERT INTO usage_stats VALUES ('total_trigger_count', 1);"));
    }
    {
        GestureUsageStatsStore store(path());
        EXPECT_EQ(store.totalInvocationCount(), 1);
        EXPECT_EQ(store.recordInvocation(kUpDown), 2);
    }
    RawDatabase raw(path());
    EXPECT_EQ(raw.integer("SELECT value FROM usage_stats WHERE key = 'total_trigger_count';"), 1);
    // Both totals present: the newer one counts; after a reset, neither comes back.
    ASSERT_TRUE(raw.exec("UPDATE usage_stats SET value = 3 WHERE key = 'total_invocation_count';"));
    GestureUsageStatsStore store(path());
    EXPECT_EQ(store.totalInvocationCount(), 3);
    store.reset();
    EXPECT_EQ(GestureUsageStatsStore(path()).totalInvocationCount(), 0);
}

TEST_F(GestureUsageStatsStoreTest, AFolderThatCannotBeCreatedCountsInMemory) {
    QFile blocker(dir_.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QString unreachable = dir_.filePath("file/Quillorbitex/gesture_usage.sqlite");
    GestureUsageStatsStore store(unreachable);
    EXPECT_EQ(store.recordInvocation(kUpDown), 1);
    EXPECT_EQ(store.recordInvocation(kUpDown), 2);
    EXPECT_EQ(store.recordInvocation(QString()), 2);
    EXPECT_EQ(store.triggerCount(kUpDown), 2);
    EXPECT_EQ(store.triggerCount(kLeftUp), 0);
    store.reset();
    EXPECT_EQ(store.totalInvocationCount(), 0);
    EXPECT_EQ(store.triggerCount(kUpDown), 0);
    EXPECT_FALSE(QFile::exists(unreachable));
}

TEST_F(GestureUsageStatsStoreTest, AFileThatIsNoDatabaseIsMovedAsideAndCountingGoesOn) {
    QDir().mkpath(dir_.filePath("data"));
    const QByteArray foreign =
        QByteArray("these are not the counts you are looking for\n").repeated(40);
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(foreign);
        QFile journal(path() + "-journal");
        ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
        journal.write("stale");
    }
    {
        GestureUsageStatsStore store(path());
        EXPECT_EQ(store.recordInvocation(kUpDown), 1);
    }
    EXPECT_EQ(GestureUsageStatsStore(path()).triggerCount(kUpDown), 1);  // on disk

    const QStringList kept =
        QDir(dir_.filePath("data")).entryList({"gesture_usage.sqlite.unreadable-*"}, QDir::Files);
    const QStringList databases = kept.filter(QRegularExpression("unreadable-[0-9-]+$"));
    ASSERT_EQ(databases.size(), 1);
    QFile moved(QDir(dir_.filePath("data")).filePath(databases[0]));
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), foreign);
    // The stale journal must not be rolled into the new database (SQLite may also drop it).
    EXPECT_FALSE(QFile::exists(path() + "-journal"));
}

// A page of the per-rule table is overwritten after the counts were stored. Reading every count
// (as the program does first) or writing one notices it: the file is moved aside, and a new one
// starts with what could still be read (the total) and the counts in memory.
TEST_F(GestureUsageStatsStoreTest, ADamagedPageOfTheRuleCountsStartsANewFile) {
    for (const bool readFirst : {true, false}) {
        const QString dataDir = dir_.filePath(readFirst ? "read" : "write");
        const QString file = GestureUsageStatsStore::databasePathIn(dataDir);
        std::int64_t page = 0;
        std::int64_t pageSize = 0;
        {
            GestureUsageStatsStore store(file);
            for (int i = 0; i < 3; ++i) {
                store.recordInvocation(kLeftUp);
            }
            RawDatabase raw(file);
            page = raw.integer(
                "SELECT rootpage FROM sqlite_master WHERE name = "
                "'rule_trigger_counts';");
            pageSize = raw.integer("PRAGMA page_size;");
        }
        QFile damaged(file);
        ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
        ASSERT_TRUE(damaged.seek((page - 1) * pageSize));
        damaged.write(QByteArray(int(pageSize), '\xff'));
        damaged.close();

        GestureUsageStatsStore store(file);
        if (readFirst) {
            const auto all = store.allCounts();
            ASSERT_TRUE(all.has_value());
            EXPECT_EQ(all->total, 3);
        }
        EXPECT_EQ(store.recordInvocation(kUpDown), 4) << readFirst;
        const QStringList kept = QDir(dataDir).entryList({"*.unreadable-*"}, QDir::Files);
        ASSERT_EQ(kept.size(), 1) << readFirst;
        QFile moved(QDir(dataDir).filePath(kept[0]));
        ASSERT_TRUE(moved.open(QIODevice::ReadOnly) && moved.seek((page - 1) * pageSize));
        EXPECT_EQ(moved.read(pageSize), QByteArray(int(pageSize), '\xff'));
        RawDatabase raw(file);  // the new file, while the store is open
        EXPECT_EQ(raw.integer("SELECT value FROM usage_stats WHERE key = "
                              "'total_invocation_count';"),
                  4);
        EXPECT_EQ(raw.integer("SELECT count FROM rule_trigger_counts WHERE pattern_id = "
                              "'directional:up-down';"),
                  1);
    }
}

TEST_F(GestureUsageStatsStoreTest, ASecondConnectionsWriteLockIsWaitedFor) {
    bool released = false;
    RawDatabase* holder = nullptr;
    SleepHookVfs vfs([&] {
        if (holder != nullptr && !released) {
            released = holder->exec("COMMIT;");
        }
    });
    GestureUsageStatsStore store(path());
    RawDatabase holding(path());
    holder = &holding;
    ASSERT_TRUE(holding.exec("BEGIN EXCLUSIVE;"));

    const int sleepsBefore = SleepHookVfs::sleepCount();
    EXPECT_EQ(store.recordInvocation(kUpDown), 1);
    EXPECT_TRUE(released);
    EXPECT_GT(SleepHookVfs::sleepCount(), sleepsBefore);
    EXPECT_EQ(store.triggerCount(kUpDown), 1);
}

// The default file system of SQLite, opening databases read-only while `readOnly` is set, as it
// does for a file it may not write (a mode root, which runs the tests in CI, never meets).
class ReadOnlySwitchVfs {
public:
    ReadOnlySwitchVfs() {
        base_ = sqlite3_vfs_find(nullptr);
        vfs_ = *base_;
        vfs_.zName = "quillorbitex-test-read-only";
        vfs_.xOpen = &ReadOnlySwitchVfs::open;
        sqlite3_vfs_register(&vfs_, /*makeDefault=*/1);
    }
    ~ReadOnlySwitchVfs() {
        sqlite3_vfs_register(base_, 1);
        sqlite3_vfs_unregister(&vfs_);
    }

    static inline bool readOnly = false;

private:
    static int open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags,
                    int* outFlags) {
        if (readOnly && (flags & SQLITE_OPEN_MAIN_DB) != 0) {
            flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
        }
        return base_->xOpen(base_, name, file, flags, outFlags);
    }

    static inline sqlite3_vfs* base_ = nullptr;
    sqlite3_vfs vfs_{};
};

TEST_F(GestureUsageStatsStoreTest, AFileOpenedReadOnlyIsWrittenOnceItMayBeWrittenAgain) {
    GestureUsageStatsStore(path()).recordInvocation(kUpDown);
    ReadOnlySwitchVfs vfs;
    ReadOnlySwitchVfs::readOnly = true;
    GestureUsageStatsStore store(path());
    EXPECT_EQ(store.recordInvocation(kUpDown), 2);
    ReadOnlySwitchVfs::readOnly = false;
    EXPECT_EQ(store.recordInvocation(kLeftUp), 3);
    // Written while the store is still open, the count kept in memory too.
    RawDatabase raw(path());
    EXPECT_EQ(raw.integer("SELECT value FROM usage_stats WHERE key = 'total_invocation_count';"),
              3);
    EXPECT_EQ(raw.integer("SELECT count FROM rule_trigger_counts WHERE pattern_id = "
                          "'directional:up-down';"),
              2);
}

// Another connection holds the file (longer than the store waits, whose waits are skipped here)
// at start-up and again later. Nothing counted in the meantime may be lost: what could not be
// written waits in memory and reaches the file once it is free. (While the file is held it
// cannot be read either, so the counts are checked only when it is free.)
TEST_F(GestureUsageStatsStoreTest, CountsMadeWhileTheFileIsHeldReachItLater) {
    SleepHookVfs vfs(nullptr, /*skipSleeping=*/true);
    QDir().mkpath(dir_.filePath("data"));
    RawDatabase holder(path());
    ASSERT_TRUE(holder.exec("BEGIN EXCLUSIVE;"));

    enum class Do { record, reset, release, hold };
    struct Step {
        Do what;
        QString pattern;
        std::int64_t total;  // once the file is free
        std::int64_t upDown;
    };
    const std::vector<Step> steps = {
        {Do::record, kUpDown, 1, 1},  // at start-up the tables could not be created
        {Do::release, {}, 1, 1},
        {Do::record, kLeftUp, 2, 1},  // tables created, the earlier count written too
        {Do::hold, {}, 2, 1},
        {Do::record, kUpDown, 3, 2},
        {Do::record, kUpDown, 4, 3},
        {Do::release, {}, 4, 3},
        {Do::record, kLeftUp, 5, 3},
        {Do::hold, {}, 5, 3},
        {Do::reset, {}, 0, 0},
        {Do::record, kUpDown, 1, 1},
        {Do::release, {}, 1, 1},  // the reset has not reached the file yet
        {Do::record, kUpDown, 2, 2},
        {Do::hold, {}, 2, 2},
        {Do::record, kLeftUp, 3, 2},
        {Do::release, {}, 3, 2},  // the last count is written when the store closes
    };
    bool held = true;
    bool resetWaits = false;
    {
        GestureUsageStatsStore store(path());
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const Step& step = steps[i];
            std::optional<std::int64_t> returned;
            switch (step.what) {
                case Do::record:
                    returned = store.recordInvocation(step.pattern);
                    resetWaits = resetWaits && held;
                    break;
                case Do::reset:
                    store.reset();
                    resetWaits = true;
                    break;
                case Do::release:
                    ASSERT_TRUE(holder.exec("COMMIT;"));
                    held = false;
                    break;
                case Do::hold:
                    ASSERT_TRUE(holder.exec("BEGIN EXCLUSIVE;"));
                    held = true;
                    break;
            }
            const auto all = store.allCounts();
            if (held) {
                // Only part of the counts is known, unless a reset the file has not seen yet
                // makes reading it needless.
                EXPECT_EQ(all.has_value(), resetWaits) << "step " << i;
                continue;
            }
            if (returned) {
                EXPECT_EQ(*returned, step.total) << "step " << i;
            }
            EXPECT_EQ(store.totalInvocationCount(), step.total) << "step " << i;
            EXPECT_EQ(store.triggerCount(kUpDown), step.upDown) << "step " << i;
            ASSERT_TRUE(all.has_value()) << "step " << i;
            EXPECT_EQ(all->total, step.total) << "step " << i;
            EXPECT_EQ(all->perRule.contains(kUpDown) ? all->perRule.at(kUpDown) : 0, step.upDown)
                << "step " << i;
        }
    }
    ASSERT_FALSE(held);
    GestureUsageStatsStore reopened(path());
    EXPECT_EQ(reopened.totalInvocationCount(), 3);
    EXPECT_EQ(reopened.triggerCount(kUpDown), 2);
    EXPECT_EQ(reopened.triggerCount(kLeftUp), 1);
    EXPECT_TRUE(QDir(dir_.filePath("data")).entryList({"*.unreadable-*"}).isEmpty());
}

// A file made to look like the database, and what the store must make of it: after one count of
// up-then-down, the total and that rule's count.
struct CraftedFile {
    const char* what;
    std::string sql;
    bool setAside;
    std::int64_t total;
    std::int64_t upDown;
};

// Opens the store on `file` and counts once; what did not go as `crafted` says, one line each.
std::string problemsWithCraftedFile(const QString& file, const CraftedFile& crafted) {
    std::string problems;
    const auto expect = [&](bool holds, const std::string& what) {
        problems += holds ? "" : what + "\n";
    };
    const QDir folder = QFileInfo(file).dir();
    {
        GestureUsageStatsStore store(file);
        expect(store.allCounts().has_value(), "every count can be read");
        expect(store.recordInvocation(kUpDown) == crafted.total, "the total");
        expect(store.triggerCount(kUpDown) == crafted.upDown, "the up-then-down count");
        const std::vector<QString> told = store.takeSetAsideFiles();
        const QStringList kept = folder.entryList({"*.unreadable-*"}, QDir::Files);
        expect(told.size() == (crafted.setAside ? 1u : 0u) &&
                   kept.size() == static_cast<qsizetype>(told.size()) &&
                   (told.empty() || told[0] == folder.filePath(kept[0])),
               "the file set aside is named");
        expect(store.takeSetAsideFiles().empty(), "and named once");
    }
    expect(RawDatabase(file).integer("SELECT count FROM rule_trigger_counts WHERE pattern_id = "
                                     "'directional:up-down';") == crafted.upDown,
           "the file holds the count");
    return problems;
}

// The store must neither spin nor grow on a crafted file (each case runs in a child that an alarm
// ends). Tables that are not the plain ones the store writes are moved aside and nothing of them is
// taken over; more rule rows than the store reads are moved aside with their total taken over.
TEST_F(GestureUsageStatsStoreTest, CraftedFilesNeitherHangNorAreTrusted) {
    const std::string endless = "WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r)";
    const std::string counterTable =
        "CREATE TABLE usage_stats (key TEXT PRIMARY KEY NOT NULL, value INTEGER NOT NULL);";
    const std::string ruleTable =
        "CREATE TABLE rule_trigger_counts (pattern_id TEXT PRIMARY KEY NOT NULL,"
        "                                  count INTEGER NOT NULL);";
    const std::string tables = counterTable + ruleTable +
                               "INSERT INTO usage_stats VALUES ('total_invocation_count', 5);"
                               "INSERT INTO rule_trigger_counts VALUES ('directional:up-down', 5);";
    const std::vector<CraftedFile> cases = {
        {"an endless view in the rule table's place",
         counterTable + "CREATE VIEW rule_trigger_counts (pattern_id, count) AS " + endless +
             " SELECT 'template:' || n, n FROM r;",
         true, 1, 1},
        {"an endless view in the counter table's place",
         ruleTable + "CREATE VIEW usage_stats (key, value) AS " + endless +
             " SELECT 'total_invocation_count', n FROM r;",
         true, 1, 1},
        {"a trigger running an endless query on every insert",
         tables + "CREATE VIEW endless AS " + endless +
             " SELECT n FROM r;"
             "CREATE TRIGGER spin BEFORE INSERT ON usage_stats BEGIN "
             "SELECT max(n) FROM endless; END;",
         true, 1, 1},
        {"a generated column",
         counterTable + "CREATE TABLE rule_trigger_counts (pattern_id TEXT PRIMARY KEY NOT NULL,"
                        " count INTEGER NOT NULL, twice INTEGER AS (count * 2));",
         true, 1, 1},
        {"a virtual table",
         counterTable + "CREATE VIRTUAL TABLE rule_trigger_counts USING fts5(pattern_id, count);",
         true, 1, 1},
        {"more rule rows than the store reads",
         tables + "INSERT INTO rule_trigger_counts SELECT 'template:' || n, 1 FROM (" + endless +
             " SELECT n FROM r LIMIT " + std::to_string(GestureUsageStatsStore::kMaxRuleRows) +
             ");",
         true, 6, 1},
        {"an index of its own on the rule counts",
         tables + "CREATE INDEX by_count ON rule_trigger_counts (count);", false, 6, 6},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const QString file =
            GestureUsageStatsStore::databasePathIn(dir_.filePath(QString::number(i)));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(RawDatabase(file).exec(cases[i].sql.c_str())) << cases[i].what;
        EXPECT_EXIT(
            {
                alarm(5);
                const std::string problems = problemsWithCraftedFile(file, cases[i]);
                std::fputs(problems.c_str(), stderr);
                std::_Exit(problems.empty() ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "")
            << cases[i].what;
    }
}

// Another program holds the file when the store closes, after its deadline: the store waits for
// nothing more and keeps what it could not write (a reset included) beside the database, which the
// next store counts once. Anything but counts there (a FIFO too) is set aside and counts nothing.
TEST_F(GestureUsageStatsStoreTest, CountsLeftUnwrittenAtTheEndAreCountedOnceAtTheNextStart) {
    SleepHookVfs vfs(nullptr, /*skipSleeping=*/true);
    GestureUsageStatsStore(path()).recordInvocation(kLeftUp);
    {
        RawDatabase holder(path());
        auto store = std::make_unique<GestureUsageStatsStore>(path());
        ASSERT_TRUE(holder.exec("BEGIN EXCLUSIVE;"));
        store->reset();
        store->recordInvocation(kUpDown);
        EXPECT_TRUE(store->hasUnwrittenCounts());
        store->finishBy(SteadyClock::shared().now());
        const int sleepsBeforeClosing = SleepHookVfs::sleepCount();
        store = nullptr;
        EXPECT_EQ(SleepHookVfs::sleepCount(), sleepsBeforeClosing);
        ASSERT_TRUE(holder.exec("COMMIT;"));
    }
    for (int start = 0; start < 2; ++start) {
        GestureUsageStatsStore next(path());
        EXPECT_EQ(next.totalInvocationCount(), 1) << start;
        EXPECT_EQ(next.triggerCount(kUpDown), 1) << start;
        EXPECT_EQ(next.triggerCount(kLeftUp), 0) << start;
        EXPECT_TRUE(unwrittenFiles().empty()) << start;
    }

    // Also in the one file earlier versions kept them in.
    const QString unwritten = path() + ".unwritten.json";
    const char* const contents[] = {"not counts at all", R"({"total": -3, "rules": {}})",
                                    R"({"total": 1, "rules": {"": 1}})", nullptr /* a FIFO */};
    for (const char* content : contents) {
        const bool fifo = content == nullptr;
        ASSERT_TRUE(fifo ? ::mkfifo(QFile::encodeName(unwritten).constData(), 0600) == 0
                         : testing::writeFile(unwritten, content));
        // In a child: a store that opened a FIFO the usual way would wait for a writer for good.
        const auto result = testing::runInChild(
            [&] {
                GestureUsageStatsStore store(path());
                const std::vector<QString> told = store.takeSetAsideFiles();
                struct stat kept {};
                const bool keptAside =
                    told.size() == 1u &&
                    ::lstat(QFile::encodeName(told[0]).constData(), &kept) == 0 &&
                    (fifo ? S_ISFIFO(kept.st_mode) : testing::readFile(told[0]) == content);
                return store.totalInvocationCount() == 1 && keptAside &&
                               !QFileInfo::exists(unwritten)
                           ? 0
                           : 1;
            },
            std::chrono::seconds(10));
        EXPECT_EQ(result, 0) << (fifo ? "a FIFO" : content);
    }
}

// Counts that runs could not write stay in their files until they are in the database, so a start
// killed (kill -9) while the database is held loses none. They count once: for the first of two
// instances that took them in to write, not when found again after they were written (their file's
// writer killed before it removed it). Instances ending while the database is held keep a file
// each.
TEST_F(GestureUsageStatsStoreTest, CountsOfEarlierRunsAreNeitherLostNorCountedTwice) {
    SleepHookVfs vfs(nullptr, /*skipSleeping=*/true);
    GestureUsageStatsStore(path()).recordInvocation(kLeftUp);
    RawDatabase holder(path());
    // Counts one and ends while the file is held; a store made then when none is given.
    const auto closeWhileHeld = [&](std::unique_ptr<GestureUsageStatsStore> store) {
        ASSERT_TRUE(holder.exec("BEGIN EXCLUSIVE;"));
        if (!store) {
            store = std::make_unique<GestureUsageStatsStore>(path());
        }
        store->recordInvocation(kUpDown);
        store->finishBy(SteadyClock::shared().now());
        store = nullptr;
        ASSERT_TRUE(holder.exec("COMMIT;"));
    };
    closeWhileHeld(nullptr);
    ASSERT_EQ(unwrittenFiles().size(), 1);
    const QString kept = QDir(dir_.filePath("data")).filePath(unwrittenFiles().front());
    const QByteArray keptBytes = testing::readFile(kept);
    ASSERT_TRUE(holder.exec("BEGIN EXCLUSIVE;"));
    EXPECT_FALSE(testing::runInChild([&] {
        GestureUsageStatsStore taking(path());
        ::raise(SIGKILL);
        return 0;
    }));
    auto first = std::make_unique<GestureUsageStatsStore>(path());
    auto second = std::make_unique<GestureUsageStatsStore>(path());
    ASSERT_TRUE(holder.exec("COMMIT;"));

    EXPECT_EQ(first->recordInvocation(kUpDown), 3);
    ASSERT_TRUE(testing::writeFile(kept, keptBytes));
    EXPECT_EQ(GestureUsageStatsStore(path()).totalInvocationCount(), 3);
    // Found again while the database is held, they are all that is known to wait; once it can be
    // read, they are found in it, before anything is written.
    ASSERT_TRUE(testing::writeFile(kept, keptBytes));
    ASSERT_TRUE(holder.exec("BEGIN EXCLUSIVE;"));
    auto foundWhileHeld = std::make_unique<GestureUsageStatsStore>(path());
    EXPECT_EQ(foundWhileHeld->waitingCounts(),
              (GestureUsageStatsStoring::Counts{1, {{kUpDown, 1}}}));
    ASSERT_TRUE(holder.exec("COMMIT;"));
    EXPECT_EQ(foundWhileHeld->allCounts(),
              (GestureUsageStatsStoring::Counts{3, {{kUpDown, 2}, {kLeftUp, 1}}}));
    foundWhileHeld = nullptr;
    // The first's next write drops the note of the file, which has gone; the second's finds
    // neither.
    EXPECT_EQ(first->recordInvocation(kUpDown), 4);
    EXPECT_EQ(second->recordInvocation(kUpDown), 5);
    closeWhileHeld(std::move(second));
    closeWhileHeld(nullptr);
    EXPECT_EQ(unwrittenFiles().size(), 2);
    first = nullptr;
    EXPECT_EQ(GestureUsageStatsStore(path()).recordInvocation(kUpDown), 8);
    EXPECT_TRUE(unwrittenFiles().empty());
    EXPECT_EQ(RawDatabase(path()).integer("SELECT count(*) FROM usage_stats;"), 1);
}

// Opening a store takes statements too, each of which may wait for a file another program holds.
// A store opened once the program is closing waits for none of them, and what it took over from
// the last run is kept for the next one.
TEST_F(GestureUsageStatsStoreTest, AStoreOpenedAfterItsClosingDeadlineWaitsForNothing) {
    SleepHookVfs vfs(nullptr, /*skipSleeping=*/true);
    GestureUsageStatsStore(path()).recordInvocation(kLeftUp);
    ASSERT_TRUE(testing::writeFile(path() + ".unwritten.json",
                                   R"({"total": 2, "rules": {"directional:up-down": 2}})"));
    {
        RawDatabase holder(path());
        ASSERT_TRUE(holder.exec("BEGIN EXCLUSIVE;"));
        const auto closing = std::make_shared<ClosingDeadline>();
        closing->moveTo(SteadyClock::shared().now());
        const int sleepsBefore = SleepHookVfs::sleepCount();
        GestureUsageStatsStore(path(), closing);
        EXPECT_EQ(SleepHookVfs::sleepCount(), sleepsBefore);
        ASSERT_TRUE(holder.exec("COMMIT;"));
    }
    GestureUsageStatsStore next(path());
    EXPECT_EQ(next.totalInvocationCount(), 3);
    EXPECT_EQ(next.triggerCount(kUpDown), 2);
}

// Without a path (no folder could be had for the database) the counts live in memory for the run:
// no file in the working folder, wherever that is, is read, removed, set aside or written.
TEST_F(GestureUsageStatsStoreTest, AnEmptyPathCountsInMemoryOnly) {
    const testing::WorkingFolder working(dir_.path());
    ASSERT_TRUE(working.entered());
    for (const QByteArray& content :
         {QByteArray(R"({"total": 5, "rules": {"directional:up-down": 5}})"),
          QByteArray("not counts at all")}) {
        ASSERT_TRUE(testing::writeFile(QStringLiteral(".unwritten.json"), content));
        for (int run = 0; run < 2; ++run) {
            GestureUsageStatsStore store(QString{});
            EXPECT_EQ(store.totalInvocationCount(), 0) << content.constData();
            EXPECT_EQ(store.recordInvocation(kUpDown), 1) << content.constData();
            EXPECT_EQ(store.triggerCount(kUpDown), 1) << content.constData();
            EXPECT_EQ(store.allCounts(), (GestureUsageStatsStoring::Counts{1, {{kUpDown, 1}}}));
            EXPECT_TRUE(store.takeSetAsideFiles().empty()) << content.constData();
        }
        EXPECT_EQ(
            QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList(QStringLiteral(".unwritten.json")));
        EXPECT_EQ(testing::readFile(QStringLiteral(".unwritten.json")), content);
    }
}

}  // namespace
}  // namespace quillorbitex
