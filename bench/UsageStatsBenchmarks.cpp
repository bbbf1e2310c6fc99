// What one counted gesture costs the usage database's queue when the database already holds the
// counts of many rules (10,000 rows): the write, and whatever the queue does to know what to show.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <mutex>
#include <vector>

#include "Services/Stats/GestureUsageStatsStore.h"
#include "Services/Stats/QueuedGestureUsageStats.h"
#include "support/CollectingExecutor.h"

namespace quillorbitex {
namespace {

using bench::CollectingExecutor;

void fillRuleRows(const QString& path, int rows) {
    sqlite3* raw = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &raw);
    sqlite3_exec(raw,
                 "CREATE TABLE usage_stats (key TEXT PRIMARY KEY NOT NULL, value INTEGER NOT "
                 "NULL);"
                 "CREATE TABLE rule_trigger_counts (pattern_id TEXT PRIMARY KEY NOT NULL, "
                 "count INTEGER NOT NULL);",
                 nullptr, nullptr, nullptr);
    const std::string fill =
        "WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r LIMIT " +
        std::to_string(rows) +
        ") INSERT INTO rule_trigger_counts SELECT 'template:template-' || n, n FROM r;"
        "INSERT INTO usage_stats VALUES ('total_invocation_count', " +
        std::to_string(rows) + ");";
    sqlite3_exec(raw, fill.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(raw);
}

// One gesture of a rule already counted is handed over; timed is the queue's task for it.
void recordGestureWithManyRuleRows(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = GestureUsageStatsStore::databasePathIn(dir.path());
    fillRuleRows(path, static_cast<int>(state.range(0)));
    CollectingExecutor main;
    auto queue = std::make_shared<CollectingExecutor>();
    QueuedGestureUsageStats stats(
        [path](std::shared_ptr<ClosingDeadline> closing) {
            return std::make_shared<GestureUsageStatsStore>(path, std::move(closing));
        },
        queue, main, nullptr);
    stats.load();
    queue->runPending();
    main.runPending();

    const QString rule = QStringLiteral("template:template-42");
    for (auto _ : state) {
        stats.recordInvocation(rule);
        queue->runPending();
        state.PauseTiming();
        main.runPending();
        state.ResumeTiming();
    }
    state.counters["shownTotal"] = static_cast<double>(stats.totalInvocationCount());
}
BENCHMARK(recordGestureWithManyRuleRows)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillorbitex
