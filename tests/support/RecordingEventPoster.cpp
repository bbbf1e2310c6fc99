#include "support/RecordingEventPoster.h"

#include <mutex>

namespace quillorbitex::testing {

struct RecordingEventPoster::Shared {
    mutable std::mutex mutex;
    std::set<SyntheticEventType> failingTypes;
    std::set<SyntheticEventType> failingPosts;
    std::vector<SyntheticEvent> posted;
    std::vector<std::uint64_t> postedWindows;
    std::uint64_t deliveringTo = 0;
    int openDeliveries = 0;

    std::optional<SyntheticEvent> make(SyntheticEvent event) const {
        std::lock_guard lock(mutex);
        if (failingTypes.contains(event.type)) {
            return std::nullopt;
        }
        return event;
    }
};

class RecordingEventPoster::Source final : public EventSource {
public:
    explicit Source(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

    std::optional<SyntheticEvent> makeMouseEvent(SyntheticEventType type, Point location) override {
        SyntheticEvent event;
        event.type = type;
        event.location = location;
        return shared_->make(event);
    }
    std::optional<SyntheticEvent> makeKeyboardEvent(VirtualKeyCode keyCode, bool keyDown) override {
        SyntheticEvent event;
        event.type = keyDown ? SyntheticEventType::keyDown : SyntheticEventType::keyUp;
        event.keyCode = keyCode;
        return shared_->make(event);
    }
    bool post(const SyntheticEvent& event) override {
        std::lock_guard lock(shared_->mutex);
        if (shared_->failingPosts.contains(event.type)) {
            return false;
        }
        shared_->posted.push_back(event);
        shared_->postedWindows.push_back(shared_->deliveringTo);
        return true;
    }
    void beginKeyboardDelivery(std::uint64_t window) override {
        std::lock_guard lock(shared_->mutex);
        shared_->deliveringTo = window;
        ++shared_->openDeliveries;
    }
    void endKeyboardDelivery() override {
        std::lock_guard lock(shared_->mutex);
        shared_->deliveringTo = 0;
        --shared_->openDeliveries;
    }

private:
    std::shared_ptr<Shared> shared_;
};

RecordingEventPoster::RecordingEventPoster() : shared_(std::make_shared<Shared>()) {}

std::shared_ptr<EventSource> RecordingEventPoster::createSource() {
    return std::make_shared<Source>(shared_);
}

void RecordingEventPoster::setFailsCreating(SyntheticEventType type, bool fails) {
    std::lock_guard lock(shared_->mutex);
    if (fails) {
        shared_->failingTypes.insert(type);
    } else {
        shared_->failingTypes.erase(type);
    }
}

void RecordingEventPoster::setFailsPosting(SyntheticEventType type, bool fails) {
    std::lock_guard lock(shared_->mutex);
    if (fails) {
        shared_->failingPosts.insert(type);
    } else {
        shared_->failingPosts.erase(type);
    }
}

std::vector<SyntheticEvent> RecordingEventPoster::postedEvents() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->posted;
}

std::vector<std::uint64_t> RecordingEventPoster::postedEventWindows() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->postedWindows;
}

int RecordingEventPoster::openDeliveries() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->openDeliveries;
}

}  // namespace quillorbitex::testing
