#include "Services/Stats/GestureUsageStatsStore.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>

#include "Platform/ProductFolder.h"

namespace quillorbitex {

namespace {

constexpr int kOpenFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
constexpr int kBusyTimeoutMilliseconds = 1000;

constexpr const char* kCreateCounterTable =
    "CREATE TABLE IF NOT EXISTS usage_stats (\n"
    "    key TEXT PRIMARY KEY NOT NULL,\n"
    "    value INTEGER NOT NULL\n"
    ");";
constexpr const char* kCreateRuleTable =
    "CREATE TABLE IF NOT EXISTS rule_trigger_counts (\n"
    "    pattern_id TEXT PRIMARY KEY NOT NULL,\n"
    "    count INTEGER NOT NULL\n"
    ");";
constexpr const char* kIncrementCounter =
    "INSERT INTO usage_stats (key, value)\n"
    "VALUES (?, 1)\n"
    "ON CONFLICT(key) DO UPDATE SET value = value + 1;";
constexpr const char* kIncrementRule =
    "INSERT INTO rule_trigger_counts (pattern_id, count)\n"
    "VALUES (?, 1)\n"
    "ON CONFLICT(pattern_id) DO UPDATE SET count = count + 1;";
// Counts kept in memory while the file could not be written are added in one statement each.
constexpr const char* kAddToCounter =
    "INSERT INTO usage_stats (key, value)\n"
    "VALUES (?, ?)\n"
    "ON CONFLICT(key) DO UPDATE SET value = value + excluded.value;";
constexpr const char* kAddToRule =
    "INSERT INTO rule_trigger_counts (pattern_id, count)\n"
    "VALUES (?, ?)\n"
    "ON CONFLICT(pattern_id) DO UPDATE SET count = count + excluded.count;";
constexpr const char* kSetCounter =
    "INSERT INTO usage_stats (key, value)\n"
    "VALUES (?, ?)\n"
    "ON CONFLICT(key) DO UPDATE SET value = excluded.value;";
constexpr const char* kReadCounter = "SELECT value FROM usage_stats WHERE key = ? LIMIT 1;";
constexpr const char* kReadRule =
    "SELECT count FROM rule_trigger_counts WHERE pattern_id = ? LIMIT 1;";
constexpr const char* kReadAllRules = "SELECT pattern_id, count FROM rule_trigger_counts;";
constexpr const char* kClearCounters = "DELETE FROM usage_stats;";
constexpr const char* kClearRules = "DELETE FROM rule_trigger_counts;";

const QString kTotalKey = QStringLiteral("total_invocation_count");
// The total of the earlier file layout; only read, by the migration.
const QString kLegacyTotalKey = QStringLiteral("total_trigger_count");

const QString kFileName = QStringLiteral("gesture_usage.sqlite");

// SQLite copies the text before the bind returns.
const sqlite3_destructor_type kTransient =
    reinterpret_cast<sqlite3_destructor_type>(static_cast<std::intptr_t>(-1));

bool bindText(sqlite3_stmt* statement, int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text(statement, index, utf8.constData(), -1, kTransient) == SQLITE_OK;
}

}  // namespace

GestureUsageStatsStore::GestureUsageStatsStore(QString databasePath)
    : databasePath_(std::move(databasePath)) {
    openDatabase();
}

GestureUsageStatsStore::~GestureUsageStatsStore() {
    // Counts that could not be written during the run get a last chance.
    writePending();
    closeConnection();
}

std::int64_t GestureUsageStatsStore::totalInvocationCount() const {
    return storedValue(kReadCounter, kTotalKey) + fallbackTotalTriggerCount_;
}

std::int64_t GestureUsageStatsStore::recordInvocation(
    const std::optional<QString>& matchedPatternID) {
    if (!matchedPatternID || matchedPatternID->isEmpty()) {
        return totalInvocationCount();
    }
    // Counted in memory first; what reaches the database leaves memory again.
    ++fallbackTotalTriggerCount_;
    ++fallbackRuleTriggerCounts_[*matchedPatternID];
    writePending();
    return totalInvocationCount();
}

std::int64_t GestureUsageStatsStore::triggerCount(const QString& patternID) const {
    const auto it = fallbackRuleTriggerCounts_.find(patternID);
    const std::int64_t pending = it == fallbackRuleTriggerCounts_.end() ? 0 : it->second;
    return storedValue(kReadRule, patternID) + pending;
}

void GestureUsageStatsStore::reset() {
    fallbackTotalTriggerCount_ = 0;
    fallbackRuleTriggerCounts_.clear();
    if (database_ == nullptr) {
        return;
    }
    // Until the file is cleared, what it holds no longer counts.
    resetPending_ = true;
    writePending();
}

std::optional<GestureUsageStatsStoring::Counts> GestureUsageStatsStore::allCounts() {
    Counts counts;
    // Until a reset reaches the file, what it holds no longer counts.
    if (database_ != nullptr && !resetPending_) {
        if (!prepareTables()) {
            return std::nullopt;
        }
        const int result = readFileCounts(counts);
        if (isDamage(result) && startOverAfterDamage(counts)) {
            // What could be read was taken over by a new file and is among the counts below.
            counts = {};
        } else if (result != SQLITE_OK) {
            return std::nullopt;
        }
    }
    counts.total += fallbackTotalTriggerCount_;
    for (const auto& [id, pending] : fallbackRuleTriggerCounts_) {
        counts.perRule[id] += pending;
    }
    return counts;
}

int GestureUsageStatsStore::readFileCounts(Counts& counts) {
    sqlite3_stmt* total = readStatement(kReadCounter);
    sqlite3_stmt* rules = readStatement(kReadAllRules);
    if (total == nullptr || rules == nullptr) {
        return sqlite3_errcode(database_) & 0xff;
    }
    if (!bindText(total, 1, kTotalKey)) {
        return SQLITE_ERROR;
    }
    int step = sqlite3_step(total);
    if (step == SQLITE_ROW) {
        counts.total = sqlite3_column_int64(total, 0);
    }
    sqlite3_reset(total);
    sqlite3_clear_bindings(total);
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        return step & 0xff;
    }
    while ((step = sqlite3_step(rules)) == SQLITE_ROW) {
        const auto* id = reinterpret_cast<const char*>(sqlite3_column_text(rules, 0));
        counts.perRule[QString::fromUtf8(id)] = sqlite3_column_int64(rules, 1);
    }
    sqlite3_reset(rules);
    return step == SQLITE_DONE ? SQLITE_OK : step & 0xff;
}

bool GestureUsageStatsStore::isDamage(int result) {
    return result == SQLITE_CORRUPT || result == SQLITE_NOTADB;
}

bool GestureUsageStatsStore::startOverAfterDamage(const Counts& salvaged) {
    closeConnection();
    const bool moved = moveUnreadableFileAside();
    if (moved && !resetPending_) {
        // Kept in memory like any count not written yet, they go to the new file with the rest.
        fallbackTotalTriggerCount_ += salvaged.total;
        for (const auto& [id, count] : salvaged.perRule) {
            fallbackRuleTriggerCounts_[id] += count;
        }
    }
    // A new file starts empty; a reset still waiting has nothing left to clear.
    resetPending_ = resetPending_ && !moved;
    openConnection();
    return moved;
}

QString GestureUsageStatsStore::defaultDatabasePath() {
    return databasePathIn(productFolder(QStandardPaths::GenericDataLocation));
}

QString GestureUsageStatsStore::databasePathIn(const QString& directory) {
    return QDir(directory).filePath(kFileName);
}

void GestureUsageStatsStore::openDatabase() {
    QDir().mkpath(QFileInfo(databasePath_).absolutePath());
    if (!openConnection() || prepareTables()) {
        return;
    }
    // SQLite opens any file lazily; a foreign or damaged one shows only when the first statement
    // runs. Counting into nothing for ever would be worse than starting over, so the file is
    // kept under another name and a new database takes its place.
    const int error = sqlite3_errcode(database_) & 0xff;
    if ((error == SQLITE_NOTADB || error == SQLITE_CORRUPT) && moveUnreadableFileAside()) {
        if (openConnection()) {
            prepareTables();
        }
    }
    // Any other failure (another connection holding the file longer than the busy timeout, a
    // read-only file) may pass: the connection stays and the next write tries again.
}

bool GestureUsageStatsStore::openConnection() {
    closeConnection();
    const QByteArray path = QFile::encodeName(databasePath_);
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(path.constData(), &handle, kOpenFlags, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        return false;
    }
    database_ = handle;
    sqlite3_busy_timeout(database_, kBusyTimeoutMilliseconds);
    return true;
}

bool GestureUsageStatsStore::prepareTables() {
    if (tablesReady_) {
        return true;
    }
    if (!execute(kCreateCounterTable) || !execute(kCreateRuleTable)) {
        return false;
    }
    tablesReady_ = true;
    migrateLegacyCountersIfNeeded();
    return true;
}

void GestureUsageStatsStore::writePending() {
    const bool nothingPending =
        !resetPending_ && fallbackTotalTriggerCount_ == 0 && fallbackRuleTriggerCounts_.empty();
    if (nothingPending || database_ == nullptr) {
        return;
    }
    lastWriteFailure_ = SQLITE_OK;
    if (writePendingOnce()) {
        return;
    }
    // A connection opened while the file was read-only stays read-only, whatever happens to the
    // file; only a new one finds out whether it may write now.
    if (lastWriteFailure_ == SQLITE_READONLY && openConnection()) {
        writePendingOnce();
        return;
    }
    // A damaged page shows only when a statement reaches it. The file is kept aside as at
    // opening; whatever of it can still be read goes to the new one with the counts in memory.
    if (isDamage(lastWriteFailure_)) {
        Counts salvaged;
        if (!resetPending_) {
            readFileCounts(salvaged);
        }
        if (startOverAfterDamage(salvaged)) {
            writePendingOnce();
        }
    }
}

bool GestureUsageStatsStore::writePendingOnce() {
    if (!prepareTables()) {
        return false;
    }
    if (resetPending_) {
        // The legacy counter goes too, so it is never migrated again. Both deletes may run again
        // after a failure: nothing is added to the file before they have both succeeded.
        if (!execute(kClearCounters) || !execute(kClearRules)) {
            return false;
        }
        resetPending_ = false;
    }
    if (fallbackTotalTriggerCount_ > 0 &&
        add(kIncrementCounter, kAddToCounter, kTotalKey, fallbackTotalTriggerCount_)) {
        fallbackTotalTriggerCount_ = 0;
    }
    for (auto it = fallbackRuleTriggerCounts_.begin(); it != fallbackRuleTriggerCounts_.end();) {
        if (add(kIncrementRule, kAddToRule, it->first, it->second)) {
            it = fallbackRuleTriggerCounts_.erase(it);
        } else {
            ++it;
        }
    }
    return fallbackTotalTriggerCount_ == 0 && fallbackRuleTriggerCounts_.empty();
}

void GestureUsageStatsStore::closeConnection() {
    for (const auto& [sql, statement] : readStatements_) {
        sqlite3_finalize(statement);
    }
    readStatements_.clear();
    if (database_ != nullptr) {
        sqlite3_close(database_);
        database_ = nullptr;
    }
    tablesReady_ = false;
}

bool GestureUsageStatsStore::moveUnreadableFileAside() const {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = databasePath_ + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = databasePath_ + QStringLiteral(".unreadable-") + stamp + QLatin1Char('-') +
                 QString::number(n);
    }
    if (!QFile::rename(databasePath_, target)) {
        return false;
    }
    // A journal left beside the old file must not be rolled into the new database.
    for (const QString& suffix :
         {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(databasePath_ + suffix)) {
            QFile::rename(databasePath_ + suffix, target + suffix);
        }
    }
    return true;
}

void GestureUsageStatsStore::migrateLegacyCountersIfNeeded() {
    if (integerValue(kReadCounter, kTotalKey) != 0) {
        return;
    }
    const std::int64_t legacyTotal = integerValue(kReadCounter, kLegacyTotalKey);
    if (legacyTotal < 1) {
        return;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(database_, kSetCounter, -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return;
    }
    if (bindText(statement, 1, kTotalKey) &&
        sqlite3_bind_int64(statement, 2, legacyTotal) == SQLITE_OK) {
        sqlite3_step(statement);
    }
    sqlite3_finalize(statement);
}

std::int64_t GestureUsageStatsStore::storedValue(const char* sql, const QString& key) const {
    return resetPending_ ? 0 : integerValue(sql, key);
}

std::int64_t GestureUsageStatsStore::integerValue(const char* sql, const QString& key) const {
    sqlite3_stmt* statement = readStatement(sql);
    if (statement == nullptr) {
        return 0;
    }
    std::int64_t result = 0;
    if (bindText(statement, 1, key) && sqlite3_step(statement) == SQLITE_ROW) {
        result = sqlite3_column_int64(statement, 0);
    }
    // A statement left on its row would keep the file's read lock.
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return result;
}

sqlite3_stmt* GestureUsageStatsStore::readStatement(const char* sql) const {
    if (database_ == nullptr) {
        return nullptr;
    }
    if (const auto found = readStatements_.find(sql); found != readStatements_.end()) {
        return found->second;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(database_, sql, -1, &statement, nullptr) != SQLITE_OK) {
        // Such as a table not created yet; the next read tries again.
        sqlite3_finalize(statement);
        return nullptr;
    }
    readStatements_.emplace(sql, statement);
    return statement;
}

bool GestureUsageStatsStore::add(const char* incrementSql, const char* addSql, const QString& key,
                                 std::int64_t amount) {
    sqlite3_stmt* statement = nullptr;
    const char* sql = amount == 1 ? incrementSql : addSql;
    if (sqlite3_prepare_v2(database_, sql, -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return noteWriteFailure(sqlite3_errcode(database_));
    }
    const bool bound = bindText(statement, 1, key) &&
                       (amount == 1 || sqlite3_bind_int64(statement, 2, amount) == SQLITE_OK);
    const int result = bound ? sqlite3_step(statement) : SQLITE_MISUSE;
    sqlite3_finalize(statement);
    return result == SQLITE_DONE || noteWriteFailure(result);
}

bool GestureUsageStatsStore::execute(const char* sql) {
    if (database_ == nullptr) {
        return false;
    }
    const int result = sqlite3_exec(database_, sql, nullptr, nullptr, nullptr);
    return result == SQLITE_OK || noteWriteFailure(result);
}

bool GestureUsageStatsStore::noteWriteFailure(int result) {
    lastWriteFailure_ = result & 0xff;
    return false;
}

}  // namespace quillorbitex
