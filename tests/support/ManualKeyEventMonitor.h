#pragma once

#include <map>
#include <optional>

#include "Platform/KeyEventMonitor.h"

namespace quillorbitex::testing {

// Key presses injected by the test reach the installed handlers, in installation order.
class ManualKeyEventMonitor final : public KeyEventMonitor {
public:
    std::optional<Token> addKeyDownMonitor(Handler handler) override {
        if (refuseInstalls) {
            return std::nullopt;
        }
        handlers_.emplace(++lastToken_, std::move(handler));
        return lastToken_;
    }
    void removeMonitor(Token token) override { handlers_.erase(token); }

    // True when a handler heard (and so took) the press.
    bool press(const KeyEvent& event) {
        // A handler may remove handlers while it runs.
        const auto handlers = handlers_;
        for (const auto& [token, handler] : handlers) {
            if (handlers_.contains(token)) {
                handler(event);
            }
        }
        return !handlers.empty();
    }

    std::size_t installedCount() const { return handlers_.size(); }

    // Makes the platform refuse new handlers.
    bool refuseInstalls = false;

private:
    std::map<Token, Handler> handlers_;
    Token lastToken_ = 0;
};

}  // namespace quillorbitex::testing
