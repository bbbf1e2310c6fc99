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

// A large write merges on its thread while another instance writes another key and values are
// taken in on the caller's thread: neither instance's last value is lost.
TEST(JsonFileUserDefaults, ALargeWriteKeepsWhatAnotherInstanceWritesMeanwhile) {
    QTemporaryDir dir;
    const QString path = JsonFileUserDefaults::filePathIn(dir.path());
    const QByteArray rules(1 << 20, 'r');
    {
        JsonFileUserDefaults large(path);
        // Another instance; in this process, so that the sanitizer sees both.
        JsonFileUserDefaults other(path);
        for (int i = 0; i < 20; ++i) {
            EXPECT_TRUE(large.setValue("rules", rules + QByteArray::number(i)));
            EXPECT_TRUE(other.setValue("count", double(i)));
            large.takeInChanges();
        }
        EXPECT_TRUE(testing::waitUntil([&] {
            large.takeInChanges();
            return large.numberValue("count") == 19.0;
        }));
        EXPECT_EQ(large.dataValue("rules"), rules + "19");
    }
    const JsonFileUserDefaults reloaded(path);
    EXPECT_EQ(reloaded.dataValue("rules"), rules + "19");
    EXPECT_EQ(reloaded.numberValue("count"), 19.0);
}

}  // namespace
}  // namespace quillorbitex
