#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "Platform/CurrentValueSubject.h"

namespace quillorbitex {

// Whether a compositing manager blends windows with what lies beneath them. Without one a
// translucent window shows its transparent parts as a dark rectangle, so overlays are cut to the
// shape of what they draw instead. Main thread only; cheap enough to ask on every frame.
class CompositingManagerWatch {
public:
    virtual ~CompositingManagerWatch() = default;

    virtual bool isCompositing() const = 0;

    // Calls `handler` each time a compositing manager starts or stops, for as long as the
    // subscription lasts: a window shown meanwhile must change how it is drawn.
    [[nodiscard]] Subscription observeChanges(std::function<void()> handler) const {
        const std::uint64_t id = observers_->nextID++;
        observers_->handlers.emplace(id, std::move(handler));
        return Subscription([weak = std::weak_ptr<Observers>(observers_), id] {
            if (const auto observers = weak.lock()) {
                observers->handlers.erase(id);
            }
        });
    }

protected:
    // For implementations, once isCompositing() gives the new answer.
    void notifyChange() const {
        std::vector<std::uint64_t> ids;
        for (const auto& [id, handler] : observers_->handlers) {
            ids.push_back(id);
        }
        // A handler may end its own or another subscription.
        for (const std::uint64_t id : ids) {
            const auto found = observers_->handlers.find(id);
            if (found != observers_->handlers.end()) {
                const auto handler = found->second;
                handler();
            }
        }
    }

private:
    struct Observers {
        std::uint64_t nextID = 0;
        std::map<std::uint64_t, std::function<void()>> handlers;
    };
    std::shared_ptr<Observers> observers_ = std::make_shared<Observers>();
};

}  // namespace quillorbitex
