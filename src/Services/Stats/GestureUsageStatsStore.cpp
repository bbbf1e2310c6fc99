#include "Services/Stats/GestureUsageStatsStore.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <set>
#include <tuple>

#include <sys/stat.h>

#include "Platform/AtomicFile.h"
#include "Platform/ProductFolder.h"
#include "Platform/RegularFile.h"
#include "Platform/SetAside.h"

namespace quillorbitex {

namespace {

constexpr int kOpenFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
constexpr int kBusyTimeoutMilliseconds = 1000;
// SQLite's own steps of waiting for a lock, ending at 50 ms so that a deadline set meanwhile is
// seen soon.
constexpr std::array kBusySteps = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50};
// The progress handler runs every so many virtual-machine instructions; an operation may run
// this many of them at most (some 20 million: a count is a few dozen, reading every rule row of
// the largest file the store accepts about a million). Counting instructions rather than time
// keeps a slow machine from taking a sound file for a hostile one.
constexpr int kProgressInterval = 1000;
constexpr int kMaxProgressCalls = 20000;
// The longest text or row the connection handles; a rule's identifier is a few dozen bytes.
constexpr int kMaxTextBytes = 1000000;
// The table check found something other than the tables this store writes. SQLite itself no
// longer uses this code.
constexpr int kForeignTables = SQLITE_FORMAT;
// The unwritten counts of the last run: a few entries, never more than this.
constexpr qint64 kMaxUnwrittenFileBytes = 4 * 1024 * 1024;
// Counts beyond this are no counts the store kept (and would lose precision as JSON numbers).
constexpr double kMaxUnwrittenCount = 9007199254740991.0;

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
// Clearing the counters keeps the notes of files whose counts were taken in (below).
constexpr const char* kClearCounters =
    "DELETE FROM usage_stats WHERE key NOT GLOB 'written_from_file:*';";
constexpr const char* kClearRules = "DELETE FROM rule_trigger_counts;";
constexpr const char* kBegin = "BEGIN IMMEDIATE;";
constexpr const char* kBeginReading = "BEGIN DEFERRED;";
constexpr const char* kCommit = "COMMIT;";
constexpr int kMaxMarkersRead = 1000;
constexpr const char* kReadMarkers =
    "SELECT key FROM usage_stats WHERE key GLOB 'written_from_file:*' LIMIT 1000;";
constexpr const char* kDeleteCounter = "DELETE FROM usage_stats WHERE key = ?;";
// Whatever the file holds under the two tables' names, or on them.
constexpr const char* kReadSchema =
    "SELECT type, lower(name), sql FROM sqlite_schema\n"
    "WHERE lower(name) IN ('usage_stats', 'rule_trigger_counts')\n"
    "   OR lower(tbl_name) IN ('usage_stats', 'rule_trigger_counts');";
constexpr const char* kReadColumns =
    "SELECT lower(name), upper(type), pk, hidden FROM pragma_table_xinfo(?);";

struct ExpectedColumn {
    const char* name;
    const char* type;
    int primaryKey;
};
const std::map<QString, std::vector<ExpectedColumn>> kExpectedTables = {
    {QStringLiteral("usage_stats"), {{"key", "TEXT", 1}, {"value", "INTEGER", 0}}},
    {QStringLiteral("rule_trigger_counts"), {{"pattern_id", "TEXT", 1}, {"count", "INTEGER", 0}}},
};

const QString kTotalKey = QStringLiteral("total_invocation_count");
// The total of the earlier file layout; only read, by the migration.
const QString kLegacyTotalKey = QStringLiteral("total_trigger_count");

const QString kFileName = QStringLiteral("gesture_usage.sqlite");
// Counts a run could not write wait in files of their own beside the database, one per run that
// ended so, each named once ("<database>.unwritten-<16 hex digits>.json"). Earlier versions kept
// them in one file ("<database>.unwritten.json"), which is still taken in.
const QString kEarlierUnwrittenSuffix = QStringLiteral(".unwritten.json");
const QString kUnwrittenPrefix = QStringLiteral(".unwritten-");
const QString kUnwrittenExtension = QStringLiteral(".json");
// A file's counts and the note that they were taken in ("written_from_file:<file name>") are
// written in one transaction; the file is removed after it. Whoever finds the note, or no longer
// finds the file, knows the counts are in the database: nothing is counted twice, also when the
// file stays (a process killed in between, or another instance that took the same file in).
const QString kMarkerPrefix = QStringLiteral("written_from_file:");
// Files of unwritten counts taken in at one start; any beyond wait for a later one.
constexpr int kMaxUnwrittenFiles = 64;

// SQLite copies the text before the bind returns.
const sqlite3_destructor_type kTransient =
    reinterpret_cast<sqlite3_destructor_type>(static_cast<std::intptr_t>(-1));

bool bindText(sqlite3_stmt* statement, int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text(statement, index, utf8.constData(), -1, kTransient) == SQLITE_OK;
}

QString columnText(sqlite3_stmt* statement, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
}

std::optional<std::int64_t> countValue(const QJsonValue& value) {
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number > kMaxUnwrittenCount ||
        std::trunc(number) != number) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(number);
}

// The counts left unwritten by a run: {"reset": bool, "total": n, "rules": {id: n, ...},
// "written": milliseconds since 1970}; files of earlier versions have no "written".
struct Unwritten {
    bool reset = false;
    GestureUsageStatsStoring::Counts counts;
    std::int64_t written = 0;
};

std::optional<Unwritten> decodeUnwritten(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    const QJsonValue reset = object.value(QStringLiteral("reset"));
    const auto total = countValue(object.value(QStringLiteral("total")));
    const QJsonValue rules = object.value(QStringLiteral("rules"));
    const QJsonValue writtenValue = object.value(QStringLiteral("written"));
    const auto written =
        writtenValue.isUndefined() ? std::optional<std::int64_t>(0) : countValue(writtenValue);
    if (!(reset.isBool() || reset.isUndefined()) || !total || !rules.isObject() || !written) {
        return std::nullopt;
    }
    Unwritten unwritten{reset.toBool(), {*total, {}}, *written};
    const QJsonObject ruleCounts = rules.toObject();
    for (auto it = ruleCounts.begin(); it != ruleCounts.end(); ++it) {
        const auto count = countValue(it.value());
        if (it.key().isEmpty() || !count) {
            return std::nullopt;
        }
        if (*count > 0) {
            unwritten.counts.perRule[it.key()] = *count;
        }
    }
    return unwritten;
}

QByteArray encodeUnwritten(bool reset, std::int64_t total,
                           const std::map<QString, std::int64_t>& perRule, std::int64_t written) {
    QJsonObject rules;
    for (const auto& [id, count] : perRule) {
        rules.insert(id, static_cast<double>(count));
    }
    QJsonObject object;
    object.insert(QStringLiteral("reset"), reset);
    object.insert(QStringLiteral("total"), static_cast<double>(total));
    object.insert(QStringLiteral("rules"), rules);
    object.insert(QStringLiteral("written"), static_cast<double>(written));
    return QJsonDocument(object).toJson();
}

}  // namespace

GestureUsageStatsStore::GestureUsageStatsStore(QString databasePath,
                                               std::shared_ptr<ClosingDeadline> closing)
    : databasePath_(std::move(databasePath)),
      closing_(closing ? std::move(closing) : std::make_shared<ClosingDeadline>()) {
    beginOperation();
    openDatabase();
    if (database_ != nullptr) {
        takeUnwrittenCountsOfLastRun();
        writePending();
    }
}

GestureUsageStatsStore::~GestureUsageStatsStore() {
    // Counts that could not be written during the run get a last chance, and what still cannot
    // be written (another program holding the file, the program closing) waits for the next run.
    beginOperation();
    writePending();
    if (database_ != nullptr && hasPending()) {
        keepUnwrittenCountsForNextRun();
    }
    closeConnection();
}

std::int64_t GestureUsageStatsStore::totalInvocationCount() const {
    beginOperation();
    return storedValue(kReadCounter, kTotalKey) + pendingCounts().total;
}

std::int64_t GestureUsageStatsStore::recordInvocation(
    const std::optional<QString>& matchedPatternID) {
    if (!matchedPatternID || matchedPatternID->isEmpty()) {
        return totalInvocationCount();
    }
    beginOperation();
    // Counted in memory first; what reaches the database leaves memory again.
    ++fallbackTotalTriggerCount_;
    ++fallbackRuleTriggerCounts_[*matchedPatternID];
    writePending();
    return totalInvocationCount();
}

std::int64_t GestureUsageStatsStore::triggerCount(const QString& patternID) const {
    beginOperation();
    const Counts pending = pendingCounts();
    const auto it = pending.perRule.find(patternID);
    return storedValue(kReadRule, patternID) + (it == pending.perRule.end() ? 0 : it->second);
}

void GestureUsageStatsStore::reset() {
    beginOperation();
    fallbackTotalTriggerCount_ = 0;
    fallbackRuleTriggerCounts_.clear();
    // The files of the last runs are still noted as taken in when the reset is written, so that
    // nobody counts them after it.
    for (EarlierCounts& earlier : earlier_) {
        earlier.reset = false;
        earlier.counts = {};
    }
    if (database_ == nullptr) {
        return;
    }
    // Until the file is cleared, what it holds no longer counts.
    resetPending_ = true;
    writePending();
}

GestureUsageStatsStoring::Counts GestureUsageStatsStore::waitingCounts() const {
    return pendingCounts();
}

std::optional<GestureUsageStatsStoring::Counts> GestureUsageStatsStore::allCounts() {
    beginOperation();
    // A damaged file is replaced at most once here; the new one is read in the second round.
    for (int round = 0; round < 2; ++round) {
        Counts counts;
        // Until a reset reaches the file, what it holds no longer counts.
        if (database_ != nullptr && !clearsFile()) {
            const int result = readCountsOfFile(counts);
            if (isDamage(result)) {
                if (result == kForeignTables) {
                    counts = {};  // nothing of a file this store did not write is taken over
                }
                if (startOverAfterDamage(counts)) {
                    continue;
                }
            }
            if (result != SQLITE_OK) {
                return std::nullopt;
            }
        }
        addCounts(counts, pendingCounts());
        return counts;
    }
    return std::nullopt;
}

bool GestureUsageStatsStore::hasUnwrittenCounts() const {
    return database_ != nullptr && hasPending();
}

void GestureUsageStatsStore::writeUnwrittenCounts() {
    beginOperation();
    writePending();
}

std::vector<QString> GestureUsageStatsStore::takeSetAsideFiles() {
    return std::exchange(setAsideFiles_, {});
}

void GestureUsageStatsStore::finishBy(Duration deadline) {
    closing_->moveTo(deadline);
}

QStringList GestureUsageStatsStore::unwrittenCountsNamePatterns(const QString& databasePath) {
    // Without a database not even a name relative to the working folder, which could be anywhere.
    if (databasePath.isEmpty()) {
        return {};
    }
    const QString name = QFileInfo(databasePath).fileName();
    return {name + kEarlierUnwrittenSuffix, name + kUnwrittenPrefix + '*' + kUnwrittenExtension};
}

int GestureUsageStatsStore::readCountsOfFile(Counts& counts) {
    if (prepareTables()) {
        return earlier_.empty() ? readFileCounts(counts) : readFileCountsAndNotes(counts);
    }
    // Tables that cannot be created (a full disk, a file that may not be written) leave a file
    // that can still be read; one without them holds no counts.
    if (isDamage(lastWriteFailure_)) {
        return lastWriteFailure_;
    }
    std::vector<QString> present;
    const int checked = checkTables(&present);
    if (checked != SQLITE_OK) {
        return checked;
    }
    return present.empty() ? SQLITE_OK : lastWriteFailure_;
}

int GestureUsageStatsStore::readFileCounts(Counts& counts) {
    sqlite3_stmt* total = readStatement(kReadCounter);
    sqlite3_stmt* rules = readStatement(kReadAllRules);
    if (total == nullptr || rules == nullptr) {
        return outcome(sqlite3_errcode(database_));
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
        return noteReadFailure(step);
    }
    int rows = 0;
    while ((step = sqlite3_step(rules)) == SQLITE_ROW) {
        if (++rows > kMaxRuleRows) {
            step = SQLITE_TOOBIG;
            break;
        }
        counts.perRule[columnText(rules, 0)] = sqlite3_column_int64(rules, 1);
    }
    sqlite3_reset(rules);
    if (step == SQLITE_DONE) {
        return SQLITE_OK;
    }
    const int result = step == SQLITE_TOOBIG ? step : noteReadFailure(step);
    if (result == SQLITE_TOOBIG) {
        // Rows past a bound are no counts this store wrote, and neither are those before them.
        counts.perRule.clear();
    }
    return result;
}

int GestureUsageStatsStore::readFileCountsAndNotes(Counts& counts) {
    // In one transaction: counts of an earlier run written (by another instance) between reading
    // the counts and reading the notes would be counted twice, or not at all.
    if (!execute(kBeginReading)) {
        return lastWriteFailure_;
    }
    int result = readFileCounts(counts);
    const auto markers = result == SQLITE_OK ? readMarkers() : std::nullopt;
    if (result == SQLITE_OK && !markers) {
        result = lastWriteFailure_;
    }
    // Nothing was written: ending the transaction only lets go of the file.
    sqlite3_exec(database_, kCommit, nullptr, nullptr, nullptr);
    if (markers) {
        forgetEarlierCountsWritten(*markers);
    }
    return result;
}

void GestureUsageStatsStore::forgetEarlierCountsWritten(const std::set<QString>& markers) {
    const QDir folder = QFileInfo(databasePath_).absoluteDir();
    std::erase_if(earlier_, [&](const EarlierCounts& earlier) {
        if (!markers.contains(kMarkerPrefix + earlier.fileName)) {
            return false;
        }
        QFile::remove(folder.filePath(earlier.fileName));
        return true;
    });
}

bool GestureUsageStatsStore::isDamage(int result) {
    return result == SQLITE_CORRUPT || result == SQLITE_NOTADB || result == SQLITE_TOOBIG ||
           result == kForeignTables;
}

bool GestureUsageStatsStore::startOverAfterDamage(const Counts& salvaged) {
    if (databasePath_.isEmpty()) {
        return false;  // counts in memory have no file to set aside
    }
    closeConnection();
    const bool moved = moveAside(databasePath_);
    if (moved && !clearsFile()) {
        // Kept in memory like any count not written yet, they go to the new file with the rest.
        fallbackTotalTriggerCount_ += salvaged.total;
        for (const auto& [id, count] : salvaged.perRule) {
            fallbackRuleTriggerCounts_[id] += count;
        }
    }
    // A new file starts empty; a reset still waiting has nothing left to clear.
    resetPending_ = resetPending_ && !moved;
    if (openConnection() && moved) {
        writePendingOnce();
    }
    return moved;
}

QString GestureUsageStatsStore::defaultDatabasePath() {
    return databasePathIn(productFolder(QStandardPaths::GenericDataLocation));
}

QString GestureUsageStatsStore::databasePathIn(const QString& directory) {
    return QDir(directory).filePath(kFileName);
}

void GestureUsageStatsStore::openDatabase() {
    if (!databasePath_.isEmpty()) {
        QDir().mkpath(QFileInfo(databasePath_).absolutePath());
    }
    if (!openConnection() || prepareTables()) {
        return;
    }
    // SQLite opens any file lazily; a foreign or damaged one shows only when the first statement
    // runs. Counting into nothing for ever would be worse than starting over, so the file is
    // kept under another name and a new database takes its place.
    if (isDamage(lastWriteFailure_) && startOverAfterDamage({})) {
        prepareTables();
    }
    // Any other failure (another connection holding the file longer than the busy timeout, a
    // read-only file) may pass: the connection stays and the next write tries again.
}

bool GestureUsageStatsStore::openConnection() {
    closeConnection();
    // Not an empty name: SQLite would make a file of its own for it in the temporary folder.
    const QByteArray path =
        databasePath_.isEmpty() ? QByteArrayLiteral(":memory:") : QFile::encodeName(databasePath_);
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(path.constData(), &handle, kOpenFlags, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        return false;
    }
    database_ = handle;
    // The file may come from anywhere: nothing in its schema runs with trust, no trigger or view
    // of it runs at all, and it can attach nothing.
    sqlite3_db_config(database_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(database_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(database_, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(database_, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_limit(database_, SQLITE_LIMIT_LENGTH, kMaxTextBytes);
    sqlite3_limit(database_, SQLITE_LIMIT_ATTACHED, 0);
    // Waits for a lock like a busy timeout of 1 s, but never past the closing deadline.
    sqlite3_busy_handler(database_, &GestureUsageStatsStore::onBusy, this);
    sqlite3_progress_handler(database_, kProgressInterval, &GestureUsageStatsStore::onProgress,
                             this);
    return true;
}

bool GestureUsageStatsStore::prepareTables() {
    if (tablesReady_) {
        return true;
    }
    if (database_ == nullptr) {
        return false;
    }
    if (const int checked = checkTables(); checked != SQLITE_OK) {
        return noteWriteFailure(checked);
    }
    if (!execute(kCreateCounterTable) || !execute(kCreateRuleTable)) {
        return false;
    }
    tablesReady_ = true;
    migrateLegacyCountersIfNeeded();
    return true;
}

int GestureUsageStatsStore::checkTables(std::vector<QString>* present) {
    sqlite3_stmt* schema = nullptr;
    int result = sqlite3_prepare_v2(database_, kReadSchema, -1, &schema, nullptr);
    std::vector<QString> tables;
    bool foreign = false;
    while (result == SQLITE_OK && (result = sqlite3_step(schema)) == SQLITE_ROW) {
        const QString type = columnText(schema, 0);
        const QString name = columnText(schema, 1);
        const bool ours = kExpectedTables.contains(name);
        if (type == QLatin1String("table") && ours &&
            !columnText(schema, 2).startsWith(QLatin1String("CREATE VIRTUAL"),
                                              Qt::CaseInsensitive)) {
            tables.push_back(name);
        } else if (type != QLatin1String("index") || ours) {
            // A view or a virtual table in a table's place, a trigger on one, or something
            // else under its name.
            foreign = true;
        }
        result = SQLITE_OK;
    }
    sqlite3_finalize(schema);
    if (result != SQLITE_DONE && result != SQLITE_OK) {
        return outcome(result);
    }
    if (foreign) {
        return kForeignTables;
    }
    for (const QString& table : tables) {
        sqlite3_stmt* columns = nullptr;
        result = sqlite3_prepare_v2(database_, kReadColumns, -1, &columns, nullptr);
        const std::vector<ExpectedColumn>& expected = kExpectedTables.at(table);
        std::size_t index = 0;
        if (result == SQLITE_OK && !bindText(columns, 1, table)) {
            result = SQLITE_ERROR;
        }
        while (result == SQLITE_OK && (result = sqlite3_step(columns)) == SQLITE_ROW) {
            foreign = foreign || index >= expected.size() ||
                      columnText(columns, 0) != QLatin1String(expected[index].name) ||
                      columnText(columns, 1) != QLatin1String(expected[index].type) ||
                      sqlite3_column_int(columns, 2) != expected[index].primaryKey ||
                      sqlite3_column_int(columns, 3) != 0;  // generated or hidden
            ++index;
            result = SQLITE_OK;
        }
        sqlite3_finalize(columns);
        if (result != SQLITE_DONE && result != SQLITE_OK) {
            return outcome(result);
        }
        if (foreign || index != expected.size()) {
            return kForeignTables;
        }
    }
    if (present != nullptr) {
        *present = std::move(tables);
    }
    return SQLITE_OK;
}

bool GestureUsageStatsStore::hasPending() const {
    return resetPending_ || fallbackTotalTriggerCount_ != 0 ||
           !fallbackRuleTriggerCounts_.empty() || !earlier_.empty();
}

bool GestureUsageStatsStore::clearsFile() const {
    return resetPending_ || std::any_of(earlier_.begin(), earlier_.end(),
                                        [](const EarlierCounts& earlier) { return earlier.reset; });
}

GestureUsageStatsStoring::Counts GestureUsageStatsStore::pendingCounts() const {
    Counts pending{fallbackTotalTriggerCount_, fallbackRuleTriggerCounts_};
    for (const EarlierCounts& earlier : earlier_) {
        addCounts(pending, earlier.counts);
    }
    return pending;
}

void GestureUsageStatsStore::addCounts(Counts& to, const Counts& from) {
    to.total += from.total;
    for (const auto& [id, count] : from.perRule) {
        to.perRule[id] += count;
    }
}

void GestureUsageStatsStore::writePending() {
    if (!hasPending() || database_ == nullptr) {
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
    // opening; whatever of it can still be read goes to the new one with the counts in memory
    // (nothing of tables this store did not write).
    if (isDamage(lastWriteFailure_)) {
        Counts salvaged;
        if (!clearsFile() && lastWriteFailure_ != kForeignTables) {
            readFileCounts(salvaged);
        }
        startOverAfterDamage(salvaged);
    }
}

bool GestureUsageStatsStore::writePendingOnce() {
    if (!prepareTables()) {
        return false;
    }
    // All or nothing: a file's counts only with the note that they were taken in, and a reset
    // only with what was counted after it.
    if (!execute(kBegin)) {
        return false;
    }
    std::optional<bool> markersRemain;
    if (!writePendingInTransaction(markersRemain) || !execute(kCommit)) {
        if (sqlite3_get_autocommit(database_) == 0) {
            sqlite3_exec(database_, "ROLLBACK;", nullptr, nullptr, nullptr);
        }
        return false;
    }
    if (markersRemain) {
        markersMayRemain_ = *markersRemain;
    }
    resetPending_ = false;
    fallbackTotalTriggerCount_ = 0;
    fallbackRuleTriggerCounts_.clear();
    const QDir folder = QFileInfo(databasePath_).absoluteDir();
    for (const EarlierCounts& earlier : std::exchange(earlier_, {})) {
        // Noted as taken in, a file that stays (one that cannot be removed) is never counted
        // again; its note goes once the file has gone.
        QFile::remove(folder.filePath(earlier.fileName));
    }
    return true;
}

bool GestureUsageStatsStore::writePendingInTransaction(std::optional<bool>& markersRemain) {
    const QDir folder = QFileInfo(databasePath_).absoluteDir();
    bool marked = false;
    for (const EarlierCounts& earlier : earlier_) {
        const QString marker = kMarkerPrefix + earlier.fileName;
        const auto written = hasCounter(marker);
        if (!written) {
            return false;
        }
        // Noted, or the file gone: another start (or another instance) took these counts in.
        if (*written || !exists(folder.filePath(earlier.fileName))) {
            continue;
        }
        if (!add(kIncrementCounter, kIncrementCounter, marker, 1) ||
            (earlier.reset && !(execute(kClearCounters) && execute(kClearRules))) ||
            !addCounts(earlier.counts)) {
            return false;
        }
        marked = true;
    }
    // The legacy counter goes too, so it is never migrated again.
    if (resetPending_ && !(execute(kClearCounters) && execute(kClearRules))) {
        return false;
    }
    if (!addCounts(Counts{fallbackTotalTriggerCount_, fallbackRuleTriggerCounts_})) {
        return false;
    }
    if (markersMayRemain_ || marked) {
        markersRemain = removeNotesOfRemovedFiles();
        return markersRemain.has_value();
    }
    return true;
}

bool GestureUsageStatsStore::addCounts(const Counts& counts) {
    if (counts.total > 0 && !add(kIncrementCounter, kAddToCounter, kTotalKey, counts.total)) {
        return false;
    }
    for (const auto& [id, count] : counts.perRule) {
        if (count > 0 && !add(kIncrementRule, kAddToRule, id, count)) {
            return false;
        }
    }
    return true;
}

std::optional<bool> GestureUsageStatsStore::hasCounter(const QString& key) {
    sqlite3_stmt* statement = readStatement(kReadCounter);
    if (statement == nullptr) {
        noteWriteFailure(sqlite3_errcode(database_));
        return std::nullopt;
    }
    int step = bindText(statement, 1, key) ? sqlite3_step(statement) : SQLITE_TOOBIG;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        noteWriteFailure(step);
        return std::nullopt;
    }
    return step == SQLITE_ROW;
}

std::optional<std::set<QString>> GestureUsageStatsStore::readMarkers() {
    sqlite3_stmt* statement = readStatement(kReadMarkers);
    if (statement == nullptr) {
        noteWriteFailure(sqlite3_errcode(database_));
        return std::nullopt;
    }
    std::set<QString> markers;
    int step = SQLITE_OK;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        markers.insert(columnText(statement, 0));
    }
    sqlite3_reset(statement);
    if (step != SQLITE_DONE) {
        noteWriteFailure(step);
        return std::nullopt;
    }
    return markers;
}

std::optional<bool> GestureUsageStatsStore::removeNotesOfRemovedFiles() {
    const QDir folder = QFileInfo(databasePath_).absoluteDir();
    const auto markers = readMarkers();
    if (!markers) {
        return std::nullopt;
    }
    std::vector<QString> gone;
    for (const QString& marker : *markers) {
        if (!exists(folder.filePath(marker.mid(kMarkerPrefix.size())))) {
            gone.push_back(marker);
        }
    }
    for (const QString& marker : gone) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(database_, kDeleteCounter, -1, &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            noteWriteFailure(sqlite3_errcode(database_));
            return std::nullopt;
        }
        const int result = bindText(statement, 1, marker) ? sqlite3_step(statement) : SQLITE_TOOBIG;
        sqlite3_finalize(statement);
        if (result != SQLITE_DONE) {
            noteWriteFailure(result);
            return std::nullopt;
        }
    }
    // A file that stays keeps its note; more notes than one reading takes are left for the next.
    return gone.size() < markers->size() ||
           markers->size() >= static_cast<std::size_t>(kMaxMarkersRead);
}

bool GestureUsageStatsStore::exists(const QString& path) {
    struct stat entry {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0;
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

bool GestureUsageStatsStore::moveAside(const QString& path) {
    // A journal left beside the old file must not be rolled into the new database.
    const QStringList journals = path == databasePath_
                                     ? QStringList{QStringLiteral("-journal"),
                                                   QStringLiteral("-wal"), QStringLiteral("-shm")}
                                     : QStringList();
    const auto target = SetAside::moveAside(path, journals);
    if (!target) {
        return false;
    }
    setAsideFiles_.push_back(*target);
    return true;
}

void GestureUsageStatsStore::takeUnwrittenCountsOfLastRun() {
    const QStringList patterns = unwrittenCountsNamePatterns(databasePath_);
    if (patterns.isEmpty()) {
        return;
    }
    const QDir folder = QFileInfo(databasePath_).absoluteDir();
    const QRegularExpression named(
        QStringLiteral("^%1(%2|%3[0-9a-f]{16}%4)$")
            .arg(QRegularExpression::escape(QFileInfo(databasePath_).fileName()),
                 QRegularExpression::escape(kEarlierUnwrittenSuffix),
                 QRegularExpression::escape(kUnwrittenPrefix),
                 QRegularExpression::escape(kUnwrittenExtension)));
    // Files whose counts are in the database already (the run that wrote them ended before it
    // removed them). Not looked for while the file is held: the write looks again anyway.
    const auto markers = tablesReady_ ? readMarkers() : std::nullopt;
    std::vector<std::pair<std::int64_t, EarlierCounts>> taken;
    for (const QString& name :
         folder.entryList(patterns, QDir::AllEntries | QDir::System | QDir::Hidden |
                                        QDir::NoDotAndDotDot | QDir::CaseSensitive)) {
        if (!named.match(name).hasMatch()) {
            continue;
        }
        if (taken.size() >= static_cast<std::size_t>(kMaxUnwrittenFiles)) {
            break;
        }
        const QString path = folder.filePath(name);
        // Anything may stand in its place; a FIFO opened the usual way would wait for a writer
        // for good, and with it the store's queue and the program's end.
        const RegularFile::Contents file = RegularFile::read(path, kMaxUnwrittenFileBytes);
        if (file.status == RegularFile::Status::absent) {
            continue;  // taken in and removed by another instance meanwhile
        }
        const std::optional<Unwritten> unwritten =
            file.status == RegularFile::Status::read ? decodeUnwritten(file.bytes) : std::nullopt;
        if (!unwritten) {
            moveAside(path);
            continue;
        }
        if (markers && markers->contains(kMarkerPrefix + name)) {
            QFile::remove(path);
            continue;
        }
        taken.push_back(
            {unwritten->written, EarlierCounts{name, unwritten->reset, unwritten->counts}});
    }
    // In the order the runs ended: a reset waiting in one clears what the runs before counted.
    std::sort(taken.begin(), taken.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first, a.second.fileName) < std::tie(b.first, b.second.fileName);
    });
    for (auto& [written, earlier] : taken) {
        if (earlier.reset) {
            for (EarlierCounts& before : earlier_) {
                before.reset = false;
                before.counts = {};
            }
        }
        earlier_.push_back(std::move(earlier));
    }
}

void GestureUsageStatsStore::keepUnwrittenCountsForNextRun() {
    // The counts taken in from the last runs are still in their files.
    if (databasePath_.isEmpty() || !(resetPending_ || fallbackTotalTriggerCount_ != 0 ||
                                     !fallbackRuleTriggerCounts_.empty())) {
        return;
    }
    // A name of its own: another instance on another display may be keeping its counts too, or
    // taking in earlier ones.
    const QString name = QFileInfo(databasePath_).fileName() + kUnwrittenPrefix +
                         QStringLiteral("%1").arg(QRandomGenerator::system()->generate64(), 16, 16,
                                                  QLatin1Char('0')) +
                         kUnwrittenExtension;
    AtomicFile::write(
        QFileInfo(databasePath_).absoluteDir().filePath(name),
        encodeUnwritten(resetPending_, fallbackTotalTriggerCount_, fallbackRuleTriggerCounts_,
                        QDateTime::currentMSecsSinceEpoch()));
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
    return clearsFile() ? 0 : integerValue(sql, key);
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
    if (!bound) {
        // A key longer than the connection takes can never be written; kept, it would be tried
        // again for ever.
        sqlite3_finalize(statement);
        return true;
    }
    const int result = sqlite3_step(statement);
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
    lastWriteFailure_ = noteReadFailure(result);
    return false;
}

int GestureUsageStatsStore::noteReadFailure(int result) {
    result = outcome(result);
    // Such as a table replaced under the connection (by a view, which it may not read): the
    // tables are checked again before the next write or reading of every count.
    if (result == SQLITE_ERROR || result == SQLITE_SCHEMA) {
        tablesReady_ = false;
    }
    return result;
}

int GestureUsageStatsStore::outcome(int result) const {
    result &= 0xff;
    return result == SQLITE_INTERRUPT && workLimitReached_ ? SQLITE_TOOBIG : result;
}

void GestureUsageStatsStore::beginOperation() const {
    progressCalls_ = 0;
    workLimitReached_ = false;
}

int GestureUsageStatsStore::onBusy(void* context, int attempts) {
    auto* self = static_cast<GestureUsageStatsStore*>(context);
    if (attempts == 0) {
        self->busyWaitedMilliseconds_ = 0;
    }
    const Duration untilFinish = self->closing_->value() - SteadyClock::shared().now();
    const auto index =
        std::min<std::size_t>(static_cast<std::size_t>(attempts), kBusySteps.size() - 1);
    const std::int64_t step = std::min(
        {static_cast<std::int64_t>(kBusySteps[index]),
         static_cast<std::int64_t>(kBusyTimeoutMilliseconds - self->busyWaitedMilliseconds_),
         std::chrono::ceil<std::chrono::milliseconds>(untilFinish).count()});
    if (step <= 0) {
        return 0;
    }
    // Through SQLite's own sleep, as its busy timeout would; the time is counted as asked, like
    // SQLite counts it.
    sqlite3_sleep(static_cast<int>(step));
    self->busyWaitedMilliseconds_ += static_cast<int>(step);
    return 1;
}

int GestureUsageStatsStore::onProgress(void* context) {
    auto* self = static_cast<GestureUsageStatsStore*>(context);
    if (SteadyClock::shared().now() >= self->closing_->value()) {
        return 1;
    }
    if (++self->progressCalls_ > kMaxProgressCalls) {
        self->workLimitReached_ = true;
        return 1;
    }
    return 0;
}

}  // namespace quillorbitex
