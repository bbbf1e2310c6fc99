#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "Services/Settings/GestureMappingStore.h"

namespace quillorbitex {
namespace {

// Recognition passes on other threads read the store while the main thread edits it. Each pass
// takes one snapshot and must find its lists whole and consistent with each other.
TEST(GestureMappingStoreConcurrency, PassesSeeWholeSnapshotsWhileTheMainThreadEdits) {
    GestureMappingStore store;
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto newTab = GestureAction::predefined(PredefinedAction::newTab);
    std::atomic<bool> done{false};
    std::atomic<int> inconsistent{0};
    std::atomic<long> passes{0};

    std::vector<std::thread> readers;
    for (int r = 0; r < 3; ++r) {
        readers.emplace_back([&] {
            while (!done.load()) {
                const auto snapshot = store.snapshot();
                const bool removed = snapshot->isDisabledBuiltInPattern(upDown);
                const bool overridden = snapshot->firstCustomMapping(upDown) != nullptr;
                const auto resolved =
                    snapshot->resolvedMapping(GesturePattern::upThenDown, std::nullopt);
                if ((removed && overridden) || resolved.has_value() == removed ||
                    (resolved && (resolved->action() == newTab) != overridden)) {
                    ++inconsistent;
                }
                ++passes;
            }
        });
    }

    for (int i = 0; i < 2000; ++i) {
        switch (i % 3) {
            case 0:
                store.removeMapping(upDown);
                break;
            case 1:
                store.restoreBuiltInMapping(upDown);
                break;
            case 2:
                store.replaceCustomMappings(
                    {GestureMapping(upDown, newTab, QStringLiteral("n"), std::nullopt,
                                    GestureMappingSource::custom, true, {})});
                break;
        }
    }
    done.store(true);
    for (auto& reader : readers) {
        reader.join();
    }
    EXPECT_EQ(inconsistent.load(), 0);
    EXPECT_GT(passes.load(), 0);
}

}  // namespace
}  // namespace quillorbitex
