#include "Models/GestureMonitorState.h"

#include "Localization/L10n.h"

namespace quillorbitex {

QString GestureMonitorState::title() const {
    switch (kind_) {
        case Kind::blocked:
            return L10n::string("Blocked");
        case Kind::stopped:
            return L10n::string("Stopped");
        case Kind::running:
            return L10n::string("Running");
    }
    return {};
}

QString GestureMonitorState::detail() const {
    switch (kind_) {
        case Kind::blocked:
            return message_;
        case Kind::stopped:
            return L10n::string("Gesture capture is turned off.");
        case Kind::running:
            return L10n::string("Secondary-click drag gestures are being monitored.");
    }
    return {};
}

QString GestureMonitorState::encodedValue() const {
    switch (kind_) {
        case Kind::blocked:
            return QStringLiteral("blocked:") + message_;
        case Kind::stopped:
            return QStringLiteral("stopped");
        case Kind::running:
            return QStringLiteral("running");
    }
    return {};
}

}  // namespace quillorbitex
