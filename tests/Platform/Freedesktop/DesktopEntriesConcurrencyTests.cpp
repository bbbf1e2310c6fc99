#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <thread>
#include <vector>

#include "Platform/Freedesktop/DesktopEntries.h"

namespace quillorbitex::freedesktop {
namespace {

// Lookups and observers on several threads while applications come and go: each sees a whole
// reading (the application that never changes is always there), and at the end the last change.
TEST(DesktopEntriesConcurrency, LookupsFromManyThreadsWhileFoldersChange) {
    QTemporaryDir dir;
    const QString applications = dir.filePath("data/applications");
    ASSERT_TRUE(QDir().mkpath(applications + "/vendor"));
    const auto file = [&](const QString& name) { return applications + u'/' + name + ".desktop"; };
    const auto install = [&](const QString& name) {
        QFile entry(file(name));
        return entry.open(QIODevice::WriteOnly) &&
               entry.write("[Desktop Entry]\nType=Application\nExec=true\n") > 0;
    };
    ASSERT_TRUE(install("stable"));
    XdgLocations locations;
    locations.dataHome = dir.filePath("data");
    locations.configHome = dir.filePath("config");
    locations.locale = "C";
    const DesktopEntries entries(locations);

    std::atomic<bool> stop{false};
    std::atomic<int> missing{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!stop) {
                const auto observation = entries.observeChanges([] {});
                missing += !entries.application("stable") || entries.listedApplications().empty() ||
                           !entries.applicationForWindowClass({}, "STABLE");
            }
        });
    }
    constexpr int kRounds = 20;
    for (int i = 0; i < kRounds; ++i) {
        EXPECT_TRUE(install(QStringLiteral("vendor/extra-%1").arg(i)));
        EXPECT_TRUE(i == 0 || QFile::remove(file(QStringLiteral("vendor/extra-%1").arg(i - 1))));
        entries.application(QStringLiteral("vendor-extra-%1").arg(i));
    }
    stop = true;
    for (std::thread& reader : readers) {
        reader.join();
    }
    EXPECT_EQ(missing, 0);
    EXPECT_TRUE(entries.application(QStringLiteral("vendor-extra-%1").arg(kRounds - 1)));
    EXPECT_FALSE(entries.application(QStringLiteral("vendor-extra-%1").arg(kRounds - 2)));
}

}  // namespace
}  // namespace quillorbitex::freedesktop
