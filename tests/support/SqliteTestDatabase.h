#pragma once

#include <sqlite3.h>

#include <QFile>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>

namespace quillorbitex::testing {

// A second, independent connection to the same file, for looking at and preparing it.
class RawDatabase {
public:
    explicit RawDatabase(const QString& path) {
        sqlite3_open(QFile::encodeName(path).constData(), &db_);
    }
    ~RawDatabase() { sqlite3_close(db_); }

    bool exec(const char* sql) {
        return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    std::int64_t integer(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        std::int64_t result = -1;
        if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            result = sqlite3_column_int64(statement, 0);
        }
        sqlite3_finalize(statement);
        return result;
    }

private:
    sqlite3* db_ = nullptr;
};

// The default file system of SQLite with a hook in its sleep, which SQLite calls only while it
// waits for a lock. Lets a test release a lock exactly when the store is waiting for it.
class SleepHookVfs {
public:
    explicit SleepHookVfs(std::function<void()> onSleep, bool skipSleeping = false) {
        skipSleeping_ = skipSleeping;
        base_ = sqlite3_vfs_find(nullptr);
        vfs_ = *base_;
        vfs_.zName = "quillorbitex-test-sleep-hook";
        vfs_.xSleep = &SleepHookVfs::sleep;
        hook_ = std::move(onSleep);
        sqlite3_vfs_register(&vfs_, /*makeDefault=*/1);
    }
    ~SleepHookVfs() {
        sqlite3_vfs_register(base_, 1);
        sqlite3_vfs_unregister(&vfs_);
        hook_ = nullptr;
    }

    static int sleepCount() { return sleeps_; }

private:
    static int sleep(sqlite3_vfs* vfs, int microseconds) {
        ++sleeps_;
        if (hook_) {
            hook_();
        }
        // SQLite counts its waiting time from what it asked for, not from the clock.
        return skipSleeping_ ? microseconds : base_->xSleep(vfs, microseconds);
    }

    static inline sqlite3_vfs* base_ = nullptr;
    static inline std::function<void()> hook_;
    static inline int sleeps_ = 0;
    static inline bool skipSleeping_ = false;
    sqlite3_vfs vfs_{};
};

}  // namespace quillorbitex::testing
