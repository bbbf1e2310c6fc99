#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <future>
#include <iterator>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "Platform/JsonFileUserDefaults.h"
#include "Platform/TestFiles.h"
#include "support/FileLockHolder.h"
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

// Whether `step` returns while another process still holds the lock, however long that is; the
// lock is let go only when it did not (so that the step can end).
template <typename Step>
bool returnsWhileHeld(testing::FileLockHolder& lock, Step step) {
    auto done = std::async(std::launch::async, std::move(step));
    if (done.wait_for(testing::kDefaultWaitTimeout) == std::future_status::ready) {
        return true;
    }
    lock.release();
    return false;
}

std::size_t openDescriptors() {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                      std::filesystem::directory_iterator()));
}

// Another process keeps the lock: a change neither waits for it here (it returns while the lock is
// still held) nor fails at once. Held past the writer's wait, the change is unsaved, the storage
// said to be in use, and no descriptor is left open by the tries. Held past the object's end,
// which does not wait for it either, the change is kept beside the file, and the next write takes
// it in: that of the next start, or that of another instance running meanwhile.
TEST(JsonFileUserDefaults, AChangeWhileAnotherProcessKeepsTheLockIsNotWaitedForNorLost) {
    QTemporaryDir dir;
    const QString path = JsonFileUserDefaults::filePathIn(dir.path());
    enum class Held { briefly, pastTheWritersWait, pastTheEnd, pastTheEndWhileAnotherRuns };
    for (const Held held : {Held::briefly, Held::pastTheWritersWait, Held::pastTheEnd,
                            Held::pastTheEndWhileAnotherRuns}) {
        SCOPED_TRACE(static_cast<int>(held));
        ASSERT_TRUE(testing::writeFile(path, R"({"rules": {"data": "YWJj"}, "threshold": 0.2})"));
        auto own = std::make_optional<JsonFileUserDefaults>(path);
        JsonFileUserDefaults other(path);
        testing::FileLockHolder lock(path);
        ASSERT_TRUE(lock.held());
        const std::size_t descriptors = openDescriptors();
        EXPECT_TRUE(returnsWhileHeld(lock, [&] {
            EXPECT_TRUE(own->setValue("language", QString("german")));
            EXPECT_TRUE(own->setValue("threshold", 0.25));
        }));
        EXPECT_FALSE(own->hasUnsavedChanges());
        EXPECT_EQ(JsonFileUserDefaults(path).value("threshold"), UserDefaults::Value(0.2));
        if (held == Held::pastTheWritersWait) {
            EXPECT_TRUE(testing::waitUntil([&] { return own->hasUnsavedChanges(); }));
            EXPECT_TRUE(own->isStorageInUse());
            EXPECT_FALSE(own->saveUnsavedChanges());
            EXPECT_TRUE(testing::waitUntil([&] { return openDescriptors() == descriptors; }))
                << openDescriptors() << " descriptors open, " << descriptors << " before";
        }
        if (held >= Held::pastTheEnd) {
            EXPECT_TRUE(returnsWhileHeld(lock, [&] { own.reset(); }));
        }
        lock.release();
        if (held == Held::pastTheEnd) {
            // Started again as the program starts: its mergers set, then its observer.
            JsonFileUserDefaults next(path);
            next.setChangeObserver([](const std::vector<QString>&) {});
            EXPECT_EQ(next.value("threshold"), UserDefaults::Value(0.25));
        }
        if (held == Held::pastTheEndWhileAnotherRuns) {
            EXPECT_TRUE(other.setValue("theme", QString("dark")));
            EXPECT_EQ(other.value("threshold"), UserDefaults::Value(0.25));
        }
        EXPECT_TRUE(testing::waitUntil([&] {
            return (!own || own->saveUnsavedChanges()) &&
                   JsonFileUserDefaults(path).value("threshold") == UserDefaults::Value(0.25);
        }));
        EXPECT_FALSE(own && own->isStorageInUse());
        EXPECT_EQ(JsonFileUserDefaults(path).dataValue("rules"), QByteArray("abc"));
        EXPECT_EQ(QDir(dir.path()).entryList({"*.unsaved-*"}), QStringList());
    }
}

}  // namespace
}  // namespace quillorbitex
