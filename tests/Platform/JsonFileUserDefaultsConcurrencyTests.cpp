#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <mutex>
#include <set>
#include <thread>

#include "Platform/JsonFileUserDefaults.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

TEST(JsonFileUserDefaults, LargeFilesAreWrittenOffTheCallersThreadAndEndWithTheNewestValues) {
    QTemporaryDir dir;
    const QString path = JsonFileUserDefaults::filePathIn(dir.path());
    const QByteArray rules(1 << 20, 'r');
    std::mutex mutex;
    std::set<std::thread::id> writers;
    {
        JsonFileUserDefaults defaults(path);
        defaults.setSaveObserver([&] {
            const std::lock_guard lock(mutex);
            writers.insert(std::this_thread::get_id());
        });
        for (int i = 0; i < 20; ++i) {
            EXPECT_TRUE(defaults.setValue("rules", rules + QByteArray::number(i)));
            EXPECT_TRUE(defaults.setValue("count", double(i)));
            EXPECT_EQ(defaults.dataValue("rules"), rules + QByteArray::number(i));
        }
        // On a busy machine the writer may not have begun yet; leaving now would have the end
        // write on this thread, which says nothing of where the writes go.
        EXPECT_TRUE(testing::waitUntil([&] {
            const std::lock_guard lock(mutex);
            return !writers.empty();
        }));
    }
    const JsonFileUserDefaults reloaded(path);
    EXPECT_EQ(reloaded.dataValue("rules"), rules + "19");
    EXPECT_EQ(reloaded.numberValue("count"), 19.0);
    const std::lock_guard lock(mutex);
    EXPECT_FALSE(writers.empty());
    EXPECT_FALSE(writers.contains(std::this_thread::get_id()));
}

TEST(JsonFileUserDefaults, ALargeWriteThatFailsIsToldAndMadeUpForAtTheEnd) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("prefs");
    QFile(folder).open(QIODevice::WriteOnly);  // a file where the folder belongs
    const QByteArray rules(1 << 20, 'r');
    std::promise<void> told;
    {
        JsonFileUserDefaults defaults(JsonFileUserDefaults::filePathIn(folder));
        defaults.setSaveObserver([&] { told.set_value(); });
        defaults.setValue("rules", rules);
        ASSERT_EQ(told.get_future().wait_for(std::chrono::seconds(10)), std::future_status::ready);
        EXPECT_TRUE(defaults.hasUnsavedChanges());
        defaults.setSaveObserver({});
        QFile::remove(folder);
    }
    EXPECT_EQ(JsonFileUserDefaults(JsonFileUserDefaults::filePathIn(folder)).dataValue("rules"),
              rules);
}

// Instances writing at the same time lose nothing, also one whose values are large enough for its
// writer thread and that takes in here what the other writes meanwhile: each write holds the lock
// from its reading of the file to its rename. (A write that gives up waiting for the lock goes
// with a later one.)
TEST(JsonFileUserDefaults, InstancesWritingAtTheSameTimeLoseNothing) {
    QTemporaryDir dir;
    const QString path = JsonFileUserDefaults::filePathIn(dir.path());
    constexpr int kWrites = 40;
    const QByteArray rules(1 << 20, 'r');
    {
        JsonFileUserDefaults large(path);
        auto small = std::async(std::launch::async, [&path] {
            JsonFileUserDefaults defaults(path);
            for (int i = 0; i < kWrites; ++i) {
                defaults.setValue(QString::number(i), double(i));
            }
            return testing::waitUntil([&] { return defaults.saveUnsavedChanges(); });
        });
        for (int i = 0; i < 20; ++i) {
            large.setValue("rules", rules + QByteArray::number(i));
            large.takeInChanges();
        }
        EXPECT_TRUE(small.get());
        // Merged with all the other wrote, which the writer thread must not pass for known.
        large.setValue("rules", rules + "20");
        EXPECT_TRUE(testing::waitUntil([&] {
            large.takeInChanges();
            return large.numberValue(QString::number(kWrites - 1)) == kWrites - 1;
        }));
    }
    const JsonFileUserDefaults reloaded(path);
    EXPECT_EQ(reloaded.dataValue("rules"), rules + "20");
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(reloaded.numberValue(QString::number(i)), double(i)) << i;
    }
}

}  // namespace
}  // namespace quillorbitex
