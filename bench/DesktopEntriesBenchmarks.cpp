// Looking up installed applications when the applications folder holds links back to itself
// (`lN -> .`) or to "/", trees a careless package or user can leave behind. A lookup should cost
// the same whatever the number of links, reading the whole folder again should stay in the
// milliseconds, and folders that keep changing (/tmp, reached through the link to "/") should
// cost their own listing, not a reading of everything.
//   build/default/bench/bench_DesktopEntriesBenchmarks
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <thread>

#include "Platform/Freedesktop/DesktopEntries.h"

namespace quillorbitex::freedesktop {
namespace {

constexpr int kApplications = 200;

// A data folder with `kApplications` entries and `links` links to its own applications folder,
// and on request one to "/".
struct LinkedTree {
    explicit LinkedTree(int links, bool linkToRoot = false) {
        const QString applications = dir.filePath("data/applications");
        QDir().mkpath(applications);
        for (int i = 0; i < kApplications; ++i) {
            QFile file(applications + QStringLiteral("/app-%1.desktop").arg(i));
            if (file.open(QIODevice::WriteOnly)) {
                file.write("[Desktop Entry]\nType=Application\nName=App " + QByteArray::number(i) +
                           "\nExec=app-" + QByteArray::number(i) + " %U\nStartupWMClass=App-" +
                           QByteArray::number(i) + "\n");
            }
        }
        for (int i = 0; i < links; ++i) {
            const QByteArray link = QFile::encodeName(applications + QStringLiteral("/l%1").arg(i));
            if (::symlink(".", link.constData()) != 0) {
                valid = false;
            }
        }
        if (linkToRoot &&
            ::symlink("/", QFile::encodeName(applications + QStringLiteral("/root")).constData()) !=
                0) {
            valid = false;
        }
        locations.dataHome = dir.filePath("data");
        locations.configHome = dir.filePath("config");
        locations.locale = QStringLiteral("C");
    }

    QTemporaryDir dir;
    XdgLocations locations;
    bool valid = true;
};

// One lookup of an application by its window class, as the active window's changes ask it.
void BM_WindowClassLookup(benchmark::State& state) {
    LinkedTree tree(static_cast<int>(state.range(0)));
    if (!tree.valid) {
        state.SkipWithError("cannot make links");
        return;
    }
    const DesktopEntries entries(tree.locations);
    entries.applicationForWindowClass(QString(), QStringLiteral("App-1"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            entries.applicationForWindowClass(QString(), QStringLiteral("App-199")));
    }
}
BENCHMARK(BM_WindowClassLookup)->Arg(0)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

// The same lookup from the main thread, which answers from the entries read so far and never waits
// for the reader once the first reading is done.
void BM_WindowClassLookupOnTheMainThread(benchmark::State& state) {
    LinkedTree tree(static_cast<int>(state.range(0)));
    if (!tree.valid) {
        state.SkipWithError("cannot make links");
        return;
    }
    const DesktopEntries entries(tree.locations, std::this_thread::get_id());
    while (entries.lastReading().count == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            entries.applicationForWindowClass(QString(), QStringLiteral("App-199")));
    }
}
BENCHMARK(BM_WindowClassLookupOnTheMainThread)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

// The lookup an active window's change makes, with a link to "/" among the applications: the
// stamps of every folder visited are compared, and what changed meanwhile (the machine's own
// temporary files) is listed again; the lookup waits for both. `readings` is the share of lookups
// that found a change.
void BM_WindowClassLookupWithALinkToTheRoot(benchmark::State& state) {
    LinkedTree tree(0, true);
    if (!tree.valid) {
        state.SkipWithError("cannot make links");
        return;
    }
    const DesktopEntries entries(tree.locations);
    const std::size_t first = entries.lastReading().count;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            entries.applicationForWindowClass(QString(), QStringLiteral("App-199")));
    }
    state.counters["readings"] =
        benchmark::Counter(static_cast<double>(entries.lastReading().count - first),
                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WindowClassLookupWithALinkToTheRoot)->Unit(benchmark::kMillisecond);

// Reading the folder from nothing: the first lookup after the object is made.
void BM_FirstReading(benchmark::State& state) {
    LinkedTree tree(static_cast<int>(state.range(0)));
    if (!tree.valid) {
        state.SkipWithError("cannot make links");
        return;
    }
    for (auto _ : state) {
        const DesktopEntries entries(tree.locations);
        benchmark::DoNotOptimize(entries.application(QStringLiteral("app-7")));
    }
}
BENCHMARK(BM_FirstReading)->Arg(0)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillorbitex::freedesktop
