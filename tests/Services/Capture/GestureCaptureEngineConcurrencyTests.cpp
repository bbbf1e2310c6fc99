#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "Services/Capture/GestureCaptureEngine.h"

namespace quillorbitex {
namespace {

// The tap thread appends while the live analysis copies deltas and the overlays copy snapshots.
// Points are 3 apart, so each one is a render point and a stroke's render count equals its
// version.
TEST(GestureCaptureEngineConcurrency, ReadersSeeEveryRenderPointOnceAndHeadersThatMatchThem) {
    constexpr int kPoints = 20000;
    const auto pointAt = [](int i) { return Point{3.0 * i, 0}; };
    GestureCaptureEngine engine;
    engine.begin(pointAt(0));

    std::thread writer([&] {
        for (int i = 1; i <= kPoints; ++i) {
            engine.append(pointAt(i));
        }
    });

    std::vector<Point> received;
    int mismatches = 0;
    std::thread deltaReader([&] {
        std::vector<Point> buffer;
        std::int64_t cursor = 0;
        while (received.size() < kPoints + 1) {
            const auto header = engine.copyRenderDelta(cursor, buffer);
            if (!header || static_cast<std::int64_t>(header->version) != cursor ||
                (!buffer.empty() && buffer.back() != header->endPoint)) {
                mismatches++;
                break;
            }
            received.insert(received.end(), buffer.begin(), buffer.end());
        }
    });

    int snapshotMismatches = 0;
    std::thread snapshotReader([&] {
        std::vector<Point> buffer;
        for (std::size_t seen = 0; seen < kPoints + 1;) {
            const auto header = engine.copyRenderSnapshot(buffer);
            if (!header || header->version != buffer.size() || buffer.back() != header->endPoint) {
                snapshotMismatches++;
                break;
            }
            seen = buffer.size();
        }
    });

    writer.join();
    deltaReader.join();
    snapshotReader.join();

    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(snapshotMismatches, 0);
    ASSERT_EQ(received.size(), std::size_t{kPoints + 1});
    for (int i = 0; i <= kPoints; ++i) {
        ASSERT_EQ(received[i], pointAt(i)) << "at " << i;
    }

    const auto stroke = engine.end(pointAt(kPoints));
    ASSERT_TRUE(stroke);
    EXPECT_EQ(stroke->renderPoints, received);
}

}  // namespace
}  // namespace quillorbitex
