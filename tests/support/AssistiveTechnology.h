#pragma once

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace quillorbitex::testing {

// Offscreen, no assistive technology is ever connected. While one of these lives, one is: Qt's
// accessibility is on as the AT-SPI bridge turns it on when a screen reader starts
// (QAccessible::isActive() holds and the activation observers hear it), and the events Qt would
// send it are recorded instead. The header needs Qt's private include folders.
class ConnectedAssistiveTechnology {
public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object;
    };

    ConnectedAssistiveTechnology() : previous_(QAccessible::installUpdateHandler(&record)) {
        recorder() = this;
        platform()->setActive(true);
    }
    ~ConnectedAssistiveTechnology() {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(previous_);
        recorder() = nullptr;
    }
    ConnectedAssistiveTechnology(const ConnectedAssistiveTechnology&) = delete;
    ConnectedAssistiveTechnology& operator=(const ConnectedAssistiveTechnology&) = delete;

    const std::vector<Event>& events() const { return events_; }
    void clearEvents() { events_.clear(); }
    // Whether an event of this type about `object` came since the events were last cleared.
    bool heard(QAccessible::Event type, const QObject* object) const {
        return std::any_of(events_.begin(), events_.end(), [&](const Event& event) {
            return event.type == type && event.object == object;
        });
    }

private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static ConnectedAssistiveTechnology*& recorder() {
        static ConnectedAssistiveTechnology* current = nullptr;
        return current;
    }
    static void record(QAccessibleEvent* event) {
        if (ConnectedAssistiveTechnology* current = recorder()) {
            current->events_.push_back({event->type(), event->object()});
        }
    }

    QAccessible::UpdateHandler previous_;
    std::vector<Event> events_;
};

}  // namespace quillorbitex::testing
