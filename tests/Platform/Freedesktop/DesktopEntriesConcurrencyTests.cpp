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

// Lookups and observers from several threads while applications are installed and removed: each
// lookup sees a whole reading (an application that never changes is always there), and once the
// changes stop every thread sees the last of them.
TEST(DesktopEntriesConcurrency, LookupsFromManyThreadsWhileFoldersChange) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString applications = dir.filePath("data/applications");
    ASSERT_TRUE(QDir().mkpath(applications + "/vendor"));
    const auto install = [&](const QString& relative) {
        QFile file(applications + u'/' + relative + QStringLiteral(".desktop"));
        return file.open(QIODevice::WriteOnly) &&
               file.write("[Desktop Entry]\nType=Application\nExec=true\n") > 0;
    };
    ASSERT_TRUE(install("stable"));
    XdgLocations locations;
    locations.dataHome = dir.filePath("data");
    locations.configHome = dir.filePath("config");
    locations.locale = QStringLiteral("C");
    const DesktopEntries entries(locations);

    std::atomic<bool> stop{false};
    std::atomic<int> missing{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!stop) {
                const auto observation = entries.observeChanges([] {});
                if (!entries.application(QStringLiteral("stable")) ||
                    entries.listedApplications().empty() ||
                    !entries.applicationForWindowClass(QString(), QStringLiteral("STABLE"))) {
                    ++missing;
                }
            }
        });
    }
    constexpr int kRounds = 20;
    for (int i = 0; i < kRounds; ++i) {
        const QString name = QStringLiteral("vendor/extra-%1").arg(i);
        ASSERT_TRUE(install(name));
        if (i > 0) {
            ASSERT_TRUE(QFile::remove(applications +
                                      QStringLiteral("/vendor/extra-%1.desktop").arg(i - 1)));
        }
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
