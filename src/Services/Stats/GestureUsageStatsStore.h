#pragma once

#include <QString>
#include <map>

#include "Services/Stats/GestureUsageStatsStoring.h"

struct sqlite3;

namespace quillorbitex {

// The usage counts in a small SQLite database, opened once at construction. A file that is not
// an SQLite database is moved aside (kept as "<name>.unreadable-<time>") and a new database is
// started in its place. When no database can be opened at all, the store counts in memory for
// the rest of the run. Main thread only.
class GestureUsageStatsStore final : public GestureUsageStatsStoring {
public:
    explicit GestureUsageStatsStore(QString databasePath);
    ~GestureUsageStatsStore() override;

    GestureUsageStatsStore(const GestureUsageStatsStore&) = delete;
    GestureUsageStatsStore& operator=(const GestureUsageStatsStore&) = delete;

    std::int64_t totalInvocationCount() const override;
    std::int64_t recordInvocation(const std::optional<QString>& matchedPatternID) override;
    std::int64_t triggerCount(const QString& patternID) const override;
    void reset() override;

    const QString& databasePath() const { return databasePath_; }

    // "$XDG_DATA_HOME/Quillorbitex/gesture_usage.sqlite", or the same below the temporary folder
    // when there is no data folder.
    static QString defaultDatabasePath();
    // "gesture_usage.sqlite" inside `directory`.
    static QString databasePathIn(const QString& directory);

private:
    enum class OpenResult { opened, notADatabase, failed };

    void openDatabase();
    OpenResult openConnection();
    void closeConnection();
    bool moveUnreadableFileAside() const;
    void migrateLegacyCountersIfNeeded();
    std::int64_t integerValue(const char* sql, const QString& key) const;
    void increment(const char* sql, const QString& key);
    // Runs one statement without parameters; false when it failed.
    bool execute(const char* sql);

    QString databasePath_;
    sqlite3* database_ = nullptr;
    std::int64_t fallbackTotalTriggerCount_ = 0;
    std::map<QString, std::int64_t> fallbackRuleTriggerCounts_;
};

}  // namespace quillorbitex
