#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "Platform/EventTap.h"

namespace quillorbitex::testing {

// An EventTap whose events come from the test. Loops run on the real tap threads of the code
// under test; send() hands an event to the tap thread and waits for its verdict, so callbacks run
// where they would in production. Like a system tap, a stopped loop only returns once woken, and
// a loop returns by itself once no tap is attached to it.
class SimulatedEventTap final : public EventTap {
public:
    SimulatedEventTap();
    ~SimulatedEventTap() override;

    std::shared_ptr<TapHandle> createTap(TapCallback callback) override;
    std::shared_ptr<TapLoop> makeLoop() override;

    // Makes createTap() fail, as a system without permission does.
    void setRefusesTaps(bool refuses);
    std::size_t createdTapCount() const;
    // What the taps created from now on report as left to another program.
    void setSkippedModifierCombinations(std::vector<unsigned> combinations);

    // Delivers `event` on the tap thread to the newest tap that is valid, enabled and attached to
    // a running loop and returns its verdict; nothing when no tap sees the event (it then goes to
    // the applications unchanged).
    std::optional<TapVerdict> send(const TapEvent& event);
    // Every event that reached the applications: let through by a tap or seen by none.
    std::vector<TapEvent> passedEvents() const;
    // The thread that ran the last callback.
    std::thread::id lastCallbackThread() const;

    // Turns the newest tap off as the system does after a time-out or on user input, and tells
    // its callback so; nothing when there is no tap to tell.
    std::optional<TapVerdict> disableNewestTap(TapEventType reason);
    bool newestTapEnabled() const;
    // As if the newest tap's connection to the system broke: it detaches itself from its loop.
    void breakNewestTap();

    // Loop objects not yet destroyed; a tap thread drops its loop when it ends.
    std::size_t liveLoopCount() const;
    bool waitUntilNoLoopRuns(std::chrono::milliseconds timeout);
    bool waitUntilLiveLoopCount(std::size_t count, std::chrono::milliseconds timeout);

    // While set, a loop about to return (stopped, or left without taps) waits inside run() until
    // releaseHeldLoops(), so a test can let a new tap thread start before the old one has
    // finished.
    void setHoldsEndingLoops(bool holds);
    bool waitUntilHeldLoopCount(std::size_t count, std::chrono::milliseconds timeout);
    void releaseHeldLoops();
    // Ends every running loop; for cleaning up after a failed expectation.
    void stopAllLoops();

private:
    struct Shared;
    class Tap;
    class Loop;
    std::shared_ptr<Shared> shared_;
};

}  // namespace quillorbitex::testing
