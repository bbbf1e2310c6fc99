#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "Platform/Executor.h"

namespace quillorbitex {

// Ends a subscription when destroyed or reset.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    ~Subscription() { cancel(); }
    Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, nullptr)) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            cancel();
            cancel_ = std::exchange(other.cancel_, nullptr);
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    void cancel() {
        if (cancel_) {
            std::exchange(cancel_, nullptr)();
        }
    }

private:
    std::function<void()> cancel_;
};

// Holds a current value and tells subscribers about every new one. A new subscriber hears the
// current value first. Subscribers are called on the sending thread, or through the executor they
// subscribed with.
template <typename T>
class CurrentValueSubject {
public:
    using Receiver = std::function<void(const T&)>;

    explicit CurrentValueSubject(T initial = T{}) : state_(std::make_shared<State>()) {
        state_->value = std::move(initial);
    }

    T value() const {
        std::lock_guard lock(state_->mutex);
        return state_->value;
    }

    void send(T value) {
        std::map<std::uint64_t, std::shared_ptr<Receiver>> receivers;
        {
            std::lock_guard lock(state_->mutex);
            state_->value = value;
            receivers = state_->receivers;
        }
        for (auto& [id, receiver] : receivers) {
            (*receiver)(value);
        }
    }

    [[nodiscard]] Subscription subscribe(Receiver receiver, Executor* executor = nullptr) {
        if (executor != nullptr) {
            receiver = [executor, inner = std::move(receiver)](const T& v) {
                executor->async([inner, v] { inner(v); });
            };
        }
        auto shared = std::make_shared<Receiver>(std::move(receiver));
        std::uint64_t id = 0;
        T current;
        {
            std::lock_guard lock(state_->mutex);
            id = state_->nextId++;
            state_->receivers.emplace(id, shared);
            current = state_->value;
        }
        (*shared)(current);
        std::weak_ptr<State> weak = state_;
        return Subscription([weak, id] {
            if (auto state = weak.lock()) {
                std::lock_guard lock(state->mutex);
                state->receivers.erase(id);
            }
        });
    }

private:
    struct State {
        mutable std::mutex mutex;
        T value;
        std::uint64_t nextId = 0;
        std::map<std::uint64_t, std::shared_ptr<Receiver>> receivers;
    };
    std::shared_ptr<State> state_;
};

}  // namespace quillorbitex
