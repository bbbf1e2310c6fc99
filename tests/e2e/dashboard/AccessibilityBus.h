#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

namespace quillorbitex::testing {

// One object of an application's accessibility tree as AT-SPI publishes it, with its subtree.
struct AccessibleObject {
    QString service;
    QString path;
    QString role;
    QString name;
    QString description;
    std::vector<AccessibleObject> children;

    // The first object of the subtree, in depth-first order, for which `matches` holds. Subtrees
    // whose root `skip` holds are not searched.
    const AccessibleObject* find(
        const std::function<bool(const AccessibleObject&)>& matches,
        const std::function<bool(const AccessibleObject&)>& skip = {}) const;
    // The first object with this role and accessible name: what a screen reader announces.
    const AccessibleObject* findByRoleAndName(const QString& wantedRole,
                                              const QString& wantedName) const;
};

// An event a program sent on the accessibility bus: its kind ("accessible-description" for a
// property change) and the object it is about.
struct AccessibleEvent {
    QString kind;
    QString service;
    QString path;
};

// The events received; Qt's D-Bus connections deliver signals to a slot.
class AccessibleEventLog : public QObject {
    Q_OBJECT

public:
    std::vector<AccessibleEvent> events;

public Q_SLOTS:
    void received(const QDBusMessage& message);
};

// What a program answered to a request that changes something: that it was carried out (and, for
// requests that say so, whether it succeeded), or the error it was refused with.
struct BusAnswer {
    bool done = false;
    QString refusal;
};

// What a screen reader sees of the programs of a session: the accessibility bus that
// at-spi-bus-launcher announces on the session bus, read through the AT-SPI D-Bus interfaces.
// Qt publishes its widgets there (with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1): their roles, their
// accessible names and descriptions, their labels, and where they are on screen. Every call is
// bounded.
class AccessibilityBus {
public:
    // Asks the session bus at `sessionBusAddress` for the accessibility bus until it answers or
    // `timeout` has passed.
    AccessibilityBus(const QString& sessionBusAddress, std::chrono::milliseconds timeout);
    ~AccessibilityBus();
    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;

    ::testing::AssertionResult connected() const;

    // A snapshot of the whole tree of the application whose root is named `name`.
    std::optional<AccessibleObject> application(const QString& name) const;
    // The object's rectangle in root-window pixels.
    std::optional<QRect> extents(const AccessibleObject& object) const;
    // The names of the objects that label it (its labelled-by relation), which a screen reader
    // announces with it.
    QStringList labels(const AccessibleObject& object) const;
    // What a screen reader announces for the object now.
    QString name(const AccessibleObject& object) const;
    // Whether the object is in that AT-SPI state (ATSPI_STATE_*, such as 12 for focused).
    bool hasState(const AccessibleObject& object, uint state) const;
    std::optional<double> currentValue(const AccessibleObject& object) const;

    // What an assistive technology asks of an object: its action of that name ("Press",
    // "Toggle", ...), the keyboard focus, a new value.
    BusAnswer doAction(const AccessibleObject& object, const QString& action) const;
    BusAnswer grabFocus(const AccessibleObject& object) const;
    BusAnswer setCurrentValue(const AccessibleObject& object, double value) const;

    // Asks the programs for their property changes (of names, descriptions, values), as a screen
    // reader does: programs send events only of the kinds some listener registered for.
    ::testing::AssertionResult listenForPropertyChanges();
    // Whether a property change of this kind ("accessible-description") about the object has
    // come, waiting for it until `timeout` has passed. Qt hands received events on while its
    // events are processed, which this does.
    bool waitForPropertyChange(const QString& kind, const AccessibleObject& object,
                               std::chrono::milliseconds timeout);

private:
    QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                      const QString& method, const QList<QVariant>& arguments = {}) const;
    QString property(const QString& service, const QString& path, const QString& name) const;
    AccessibleObject read(const QString& service, const QString& path, int depth) const;

    QString sessionConnectionName_;
    QString busConnectionName_;
    QString failure_;
    AccessibleEventLog events_;
};

}  // namespace quillorbitex::testing
