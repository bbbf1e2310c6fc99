#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "Services/Stats/ClosingDeadline.h"
#include "Services/Stats/GestureUsageStatsStoring.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quillorbitex {

// The usage counts in a small SQLite database, opened once at construction. A file that is not
// an SQLite database, or whose two tables are not the plain tables this store writes (a view, a
// virtual table, other columns, a trigger on them), is moved aside (kept as
// "<name>.unreadable-<time>") and a new database is started in its place; so is one found damaged
// later, by a write or by reading every count, or whose reading does not end within the store's
// bounds, and what could still be read from it goes to the new one with the counts in memory.
// When no connection can be made at all, the store counts in memory for the rest of the run.
//
// The file is opened defensively: no trigger or view runs, the schema is not trusted, and every
// operation has a bound of work and of rows read, so a crafted file can make it neither spin nor
// grow.
//
// A connection whose tables cannot be created yet, or whose writes fail (another connection
// holding the file longer than the busy timeout), is kept (one that cannot write because it was
// opened while the file was read-only is opened again at the next write): the counts that could
// not be written wait in memory, are included in what the store reports, and are written with the
// next write that succeeds. What is still unwritten when the store is destroyed is kept beside
// the database, in a file of its own ("<name>.unwritten-<hex>.json"), and counted at the next
// start: that file stays until its counts are in the database, written in one transaction with a
// note of the file's name, so that they are counted once, also when the process is killed before
// they are written or before the file is removed, and when two instances (two displays) share the
// database. An empty path counts in memory only: no file is read, written or moved anywhere.
//
// One thread at a time (finishBy() excepted): the program keeps it on a queue of its own
// (QueuedGestureUsageStats), as every statement may wait for the file.
class GestureUsageStatsStore final : public GestureUsageStatsStoring {
public:
    // `closing` binds opening too: whoever shares it can end the store's waiting while it is being
    // built. None: a deadline of its own, set only through finishBy().
    explicit GestureUsageStatsStore(QString databasePath,
                                    std::shared_ptr<ClosingDeadline> closing = nullptr);
    ~GestureUsageStatsStore() override;

    GestureUsageStatsStore(const GestureUsageStatsStore&) = delete;
    GestureUsageStatsStore& operator=(const GestureUsageStatsStore&) = delete;

    std::int64_t totalInvocationCount() const override;
    std::int64_t recordInvocation(const std::optional<QString>& matchedPatternID) override;
    std::int64_t triggerCount(const QString& patternID) const override;
    void reset() override;
    std::optional<Counts> allCounts() override;
    Counts waitingCounts() const override;
    bool hasUnwrittenCounts() const override;
    void writeUnwrittenCounts() override;
    std::vector<QString> takeSetAsideFiles() override;
    void finishBy(Duration deadline) override;

    const QString& databasePath() const { return databasePath_; }
    // The names (wildcard patterns, as QDir takes them) of the files beside the database in which
    // counts not written when a store closed wait for the next start; none for an empty path.
    static QStringList unwrittenCountsNamePatterns(const QString& databasePath);

    // "$XDG_DATA_HOME/Quillorbitex/gesture_usage.sqlite", or the same below the temporary folder
    // when there is no data folder.
    static QString defaultDatabasePath();
    // "gesture_usage.sqlite" inside `directory`.
    static QString databasePathIn(const QString& directory);

    // The most rule rows one reading takes; a file holding more is no file this store wrote.
    static constexpr int kMaxRuleRows = 100000;

private:
    void openDatabase();
    // False when SQLite gives no connection at all.
    bool openConnection();
    void closeConnection();
    // Checks the tables, then creates them (and migrates) once; false while that fails.
    bool prepareTables();
    // SQLITE_OK when both tables are absent or the plain tables this store writes (those present
    // then in `present`); SQLITE_CORRUPT when either is anything else; another code when the file
    // could not be read.
    int checkTables(std::vector<QString>* present = nullptr);
    bool moveAside(const QString& path);
    // Reads the total and every rule's count from the file into `counts`, as far as it gets;
    // SQLite's primary result code.
    int readFileCounts(Counts& counts);
    // The same, also while the tables cannot be created: a file without them holds no counts.
    int readCountsOfFile(Counts& counts);
    // Reads the counts as readFileCounts() does, and forgets the counts of earlier runs that the
    // file holds already: their files were taken in while the notes could not be read (the file
    // held), or another instance wrote them since.
    int readFileCountsAndNotes(Counts& counts);
    // Drops the counts of earlier runs whose notes are among `markers` and removes their files.
    void forgetEarlierCountsWritten(const std::set<QString>& markers);
    static bool isDamage(int result);
    // Moves a damaged file aside, opens a new one and writes `salvaged` (what could still be read
    // from the old file) to it with the counts not written yet. False when the file could not be
    // moved (and is open again).
    bool startOverAfterDamage(const Counts& salvaged);
    void migrateLegacyCountersIfNeeded();
    // Writes a pending reset and the counts kept in memory to the file, as far as it can; what
    // fails stays in memory for the next try.
    void writePending();
    // One try of the above on the current connection, in one transaction; true when nothing is
    // left in memory.
    bool writePendingOnce();
    // The statements of that transaction; `markersRemain` tells, when the notes of files taken in
    // were looked at, whether any is left.
    bool writePendingInTransaction(std::optional<bool>& markersRemain);
    // Adds `counts` to the file; false when a statement failed.
    bool addCounts(const Counts& counts);
    static void addCounts(Counts& to, const Counts& from);
    // Whether the counter table has a row for `key`; nothing when it could not be read.
    std::optional<bool> hasCounter(const QString& key);
    // The notes of files taken in (as many as one reading takes); nothing when they could not be
    // read.
    std::optional<std::set<QString>> readMarkers();
    // Removes the notes of taken files that are gone; whether any note is left, nothing when that
    // failed.
    std::optional<bool> removeNotesOfRemovedFiles();
    static bool exists(const QString& path);
    bool hasPending() const;
    // A reset waits (the store's own, or one in the counts of an earlier run): what the file holds
    // no longer counts.
    bool clearsFile() const;
    // What waits in memory and in the files of earlier runs.
    Counts pendingCounts() const;
    // The counts that earlier runs could not write, from their files, which stay until the counts
    // are in the database.
    void takeUnwrittenCountsOfLastRun();
    // Writes the store's own unwritten counts to a new file.
    void keepUnwrittenCountsForNextRun();
    // What the file holds for `key`; 0 while a reset has not reached it.
    std::int64_t storedValue(const char* sql, const QString& key) const;
    std::int64_t integerValue(const char* sql, const QString& key) const;
    // The reading statement for `sql`, prepared once per connection: every rule row reads its
    // count when it is built, so a dashboard of hundreds of rules must not compile the query for
    // each. Nothing when it cannot be prepared (yet).
    sqlite3_stmt* readStatement(const char* sql) const;
    // Adds `amount` to the row of `key`; false when nothing was written.
    bool add(const char* incrementSql, const char* addSql, const QString& key, std::int64_t amount);
    // Runs one statement without parameters; false when it failed.
    bool execute(const char* sql);
    // Keeps the primary result code of a failed statement; returns false.
    bool noteWriteFailure(int result);
    // The primary result code of a failed read (see outcome()).
    int noteReadFailure(int result);
    // SQLite's primary result code for `result`, where work cut short by the store's own bound
    // counts as damage: a file whose reading does not end is no database this store wrote.
    int outcome(int result) const;
    // Starts the bound of work of one operation.
    void beginOperation() const;

    static int onBusy(void* store, int attempts);
    static int onProgress(void* store);

    QString databasePath_;
    sqlite3* database_ = nullptr;
    // Keyed by the statement text's address (the fixed texts above); finalised with the connection.
    mutable std::map<const char*, sqlite3_stmt*> readStatements_;
    bool tablesReady_ = false;
    // Why the last statement of writePending() or prepareTables() failed (SQLITE_OK when none did).
    int lastWriteFailure_ = 0;
    bool resetPending_ = false;
    // Counts not (yet) in the file: all of them when there is no connection, else those whose
    // write failed.
    std::int64_t fallbackTotalTriggerCount_ = 0;
    std::map<QString, std::int64_t> fallbackRuleTriggerCounts_;
    // Counts of earlier runs taken in from their files (named here), oldest first; a reset
    // waiting in one has cleared the counts of those before it, and the store's own reset those
    // of all.
    struct EarlierCounts {
        QString fileName;
        bool reset = false;
        Counts counts;
    };
    std::vector<EarlierCounts> earlier_;
    // Notes of taken files may be left in the database; each goes once its file has gone.
    bool markersMayRemain_ = true;
    std::vector<QString> setAsideFiles_;

    // After it nothing waits for the file or works on it.
    const std::shared_ptr<ClosingDeadline> closing_;
    // The busy wait of the current statement, as asked of SQLite's sleep.
    mutable int busyWaitedMilliseconds_ = 0;
    // Calls of the progress handler in the current operation, and whether it stopped one.
    mutable int progressCalls_ = 0;
    mutable bool workLimitReached_ = false;
};

}  // namespace quillorbitex
