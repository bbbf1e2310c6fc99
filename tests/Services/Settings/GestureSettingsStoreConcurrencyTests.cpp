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

std::vector<GestureMapping> shortList() {
    return {GestureMapping(GestureDescriptor::directional(GesturePattern::upThenDown),
                           GestureAction::predefined(PredefinedAction::newTab), QString(),
                           std::nullopt, GestureMappingSource::custom, true, {})};
}

std::optional<QByteArray> encoded(const std::optional<std::vector<GestureMapping>>& rules) {
    return rules ? GestureJson::encode(*rules) : std::nullopt;
}

TEST(GestureSettingsStore, LongRuleListsAreEncodedAsideAndTheNewestChangeIsWhatIsStored) {
    const struct {
        const char* name;
        // `settle` lets the encoding thread finish what it has (when the test waits for it).
        std::function<void(GestureSettingsStore&, const std::function<void()>& settle)> changes;
        // What the preferences hold in the end; nothing for no list at all.
        std::optional<std::vector<GestureMapping>> stored;
    } cases[] = {
        {"several long lists in a row",
         [](GestureSettingsStore& s, const std::function<void()>& settle) {
             for (int round = 0; round < 4; ++round) {
                 s.setCustomMappings(longList(round));
                 if (round == 1) {
                     settle();
                 }
             }
         },
         longList(3)},
        {"a reset after a long list",
         [](GestureSettingsStore& s, const std::function<void()>& settle) {
             s.setCustomMappings(longList(0));
             settle();
             s.reset();
         },
         std::nullopt},
        {"a short list after a long one",
         [](GestureSettingsStore& s, const std::function<void()>& settle) {
             s.setCustomMappings(longList(0));
             settle();
             s.setCustomMappings(shortList());
         },
         shortList()},
        {"a long list after a short one",
         [](GestureSettingsStore& s, const std::function<void()>&) {
             s.setCustomMappings(shortList());
             s.setCustomMappings(longList(1));
         },
         longList(1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The store goes while its last list may still be encoded (the program quits), or once
        // the main thread has stored it.
        for (const bool quitAtOnce : {true, false}) {
            SCOPED_TRACE(quitAtOnce ? "quitting at once" : "waiting for the main thread");
            testing::ManualExecutor main;
            auto defaults = std::make_shared<testing::InMemoryUserDefaults>();
            auto store = std::make_unique<GestureSettingsStore>(defaults, &main);
            int storedLater = 0;
            store->setDeferredWriteObserver([&storedLater] { ++storedLater; });

            // Settling waits until the encoding thread has passed its list to the main thread,
            // without letting the main thread take it yet.
            const auto settle = [&] {
                if (!quitAtOnce) {
                    EXPECT_TRUE(testing::waitUntil([&] { return main.pendingCount() > 0; }));
                }
            };
            c.changes(*store, settle);
            // Reads give the newest list at once, whether or not it is stored yet.
            EXPECT_EQ(encoded(store->customMappings()),
                      encoded(c.stored.value_or(std::vector<GestureMapping>{})));
            if (!quitAtOnce && c.stored && c.stored->size() > 1) {
                // The caller's thread only handed the list over; its own turn stores it.
                EXPECT_NE(defaults->dataValue(Keys::customMappings), encoded(c.stored));
                EXPECT_TRUE(testing::waitUntil([&] {
                    main.runUntilIdle();
                    return storedLater > 0;
                }));
                EXPECT_EQ(defaults->dataValue(Keys::customMappings), encoded(c.stored));
            }
            if (!quitAtOnce) {
                main.runUntilIdle();
                EXPECT_EQ(defaults->dataValue(Keys::customMappings), encoded(c.stored));
            }
            store.reset();
            // What the encoding thread left for the main thread finds the store gone.
            main.runUntilIdle();
            EXPECT_EQ(defaults->dataValue(Keys::customMappings), encoded(c.stored));
            EXPECT_EQ(GestureSettingsStore(defaults).customMappings().size(),
                      c.stored ? c.stored->size() : 0U);
        }
    }
}

}  // namespace
}  // namespace quillorbitex
