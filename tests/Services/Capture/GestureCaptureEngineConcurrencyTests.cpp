#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "Services/Capture/GestureCaptureEngine.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

// The tap thread appends while the live analysis copies deltas and the overlays copy snapshots.
// Points are 3 apart, so each one is a render point and a stroke's render count equals its
// version. The stroke grows far past the reserved storage, so blocks are replaced while readers
// copy from them.
//
// Readers pause between copies, as the live analysis and the overlays do, and stop once the
// writer is done (after one last copy), so the test ends whatever the number of cores and however
// the lock is scheduled.
TEST(GestureCaptureEngineConcurrency, ReadersSeeEveryRenderPointOnceAndHeadersThatMatchThem) {
    constexpr int kPoints = 20000;
    constexpr auto kReaderPause = 100us;
    const auto pointAt = [](int i) { return Point{3.0 * i, 0}; };
    GestureCaptureEngine engine;
    engine.begin(pointAt(0));
    std::atomic<bool> writerDone{false};

    std::thread writer([&] {
        for (int i = 1; i <= kPoints; ++i) {
            engine.append(pointAt(i));
        }
        writerDone = true;
    });

    std::vector<Point> received;
    int deltaMismatches = 0;
    std::thread deltaReader([&] {
        std::vector<Point> buffer;
        std::int64_t cursor = 0;
        for (bool last = false; !last;) {
            last = writerDone.load();
            const auto header = engine.copyRenderDelta(cursor, buffer);
            if (!header || static_cast<std::int64_t>(header->version) != cursor ||
                (!buffer.empty() && buffer.back() != header->endPoint)) {
                deltaMismatches++;
            }
            received.insert(received.end(), buffer.begin(), buffer.end());
            std::this_thread::sleep_for(kReaderPause);
        }
    });

    int snapshotMismatches = 0;
    std::vector<Point> lastSnapshot;
    std::thread snapshotReader([&] {
        for (bool last = false; !last;) {
            last = writerDone.load();
            const auto header = engine.copyRenderSnapshot(lastSnapshot);
            if (!header || header->version != lastSnapshot.size() ||
                lastSnapshot.back() != header->endPoint) {
                snapshotMismatches++;
            }
            std::this_thread::sleep_for(kReaderPause);
        }
    });

    writer.join();
    deltaReader.join();
    snapshotReader.join();

    EXPECT_EQ(deltaMismatches, 0);
    EXPECT_EQ(snapshotMismatches, 0);
    ASSERT_EQ(received.size(), std::size_t{kPoints + 1});
    for (int i = 0; i <= kPoints; ++i) {
        ASSERT_EQ(received[i], pointAt(i)) << "at " << i;
    }
    EXPECT_EQ(lastSnapshot, received);

    const auto stroke = engine.end(pointAt(kPoints));
    ASSERT_TRUE(stroke);
    EXPECT_EQ(stroke->renderPoints, received);
}

}  // namespace
}  // namespace quillorbitex
