#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

#include "Platform/EventPoster.h"

namespace quillorbitex::testing {

// An EventPoster that records every event posted through any of its sources, in order.
class RecordingEventPoster final : public EventPoster {
public:
    RecordingEventPoster();

    std::shared_ptr<EventSource> createSource() override;

    // Makes the sources fail to create events of `type`.
    void setFailsCreating(SyntheticEventType type, bool fails);
    // Makes posting events of `type` send nothing and report it.
    void setFailsPosting(SyntheticEventType type, bool fails);

    std::vector<SyntheticEvent> postedEvents() const;
    // For each posted event, the window of the keyboard delivery it went out in (0: none).
    std::vector<std::uint64_t> postedEventWindows() const;
    // Deliveries begun and not ended yet.
    int openDeliveries() const;

private:
    struct Shared;
    class Source;
    std::shared_ptr<Shared> shared_;
};

}  // namespace quillorbitex::testing
