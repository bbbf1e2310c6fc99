#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "Models/GestureJson.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "support/InMemoryUserDefaults.h"
#include "support/ManualExecutor.h"
#include "support/RuleFactory.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

using Keys = GestureSettingsStore::Keys;

// A list long enough to be encoded on the store's own thread; each round differs in every rule.
std::vector<GestureMapping> longList(int round) {
    return testing::templateRules(
        static_cast<int>(GestureSettingsStore::backgroundEncodingRuleCount) + 100, round);
}

TEST(GestureSettingsStore, LongRuleListsAreEncodedAsideAndTheNewestChangeIsWhatIsStored) {
    // Each step sets a long list of that round, or does one of these; `settle` lets the encoding
    // thread hand its list to the main thread, which does not take it yet.
    constexpr int reset = -1, shortList = -2, settle = -3;
    const std::vector<int> cases[] = {
        {0, 1, settle, 2, 3}, {0, settle, reset}, {0, settle, shortList}, {shortList, 1}};
    for (const auto& steps : cases) {
        // The store goes while its last list may still be encoded (a quit), or once it is stored.
        for (const bool quitAtOnce : {true, false}) {
            SCOPED_TRACE(::testing::PrintToString(steps) + (quitAtOnce ? " quitting" : ""));
            testing::ManualExecutor main;
            auto defaults = std::make_shared<testing::InMemoryUserDefaults>();
            auto store = std::make_unique<GestureSettingsStore>(defaults, &main);
            std::vector<GestureMapping> newest;
            for (const int step : steps) {
                if (step == settle) {
                    EXPECT_TRUE(quitAtOnce ||
                                testing::waitUntil([&] { return main.pendingCount() > 0; }));
                } else if (step == reset) {
                    store->reset();
                    newest.clear();
                } else {
                    newest = step == shortList ? testing::templateRules(1) : longList(step);
                    store->setCustomMappings(newest);
                }
            }
            const auto stored =
                newest.empty() ? std::nullopt : std::optional(GestureJson::encode(newest));
            // Reads give the newest list at once; the main thread's turn stores it, and only it.
            EXPECT_EQ(GestureJson::encode(store->customMappings()), GestureJson::encode(newest));
            if (!quitAtOnce) {
                EXPECT_TRUE(testing::waitUntil([&] {
                    main.runUntilIdle();
                    return defaults->dataValue(Keys::customMappings) == stored;
                }));
            }
            store.reset();
            // What the encoding thread left for the main thread finds the store gone.
            main.runUntilIdle();
            EXPECT_EQ(defaults->dataValue(Keys::customMappings), stored);
        }
    }
}

}  // namespace
}  // namespace quillorbitex
