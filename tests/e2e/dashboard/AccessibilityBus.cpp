#include "AccessibilityBus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <algorithm>

#include "support/X11TestSession.h"

namespace quillorbitex::testing {

namespace {

const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
// A healthy program answers at once; a stuck one must not hold the test past its own timeout.
constexpr int kCallTimeoutMilliseconds = 5000;
// Deeper than any widget tree of ours: a cycle in a broken tree cannot recurse for ever.
constexpr int kMaximumDepth = 64;
// ATSPI_RELATION_LABELLED_BY.
constexpr uint kLabelledBy = 2;
const QString kObjectEvents = QStringLiteral("org.a11y.atspi.Event.Object");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kValue = QStringLiteral("org.a11y.atspi.Value");

BusAnswer answerOf(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
        return {false, reply.errorName()};
    }
    const bool replied = reply.type() == QDBusMessage::ReplyMessage;
    // A request whose answer carries no value succeeded by being answered.
    return {replied && (reply.arguments().isEmpty() || reply.arguments().front().toBool()), {}};
}

}  // namespace

const AccessibleObject* AccessibleObject::find(
    const std::function<bool(const AccessibleObject&)>& matches,
    const std::function<bool(const AccessibleObject&)>& skip) const {
    if (skip && skip(*this)) {
        return nullptr;
    }
    if (matches(*this)) {
        return this;
    }
    for (const AccessibleObject& child : children) {
        if (const AccessibleObject* found = child.find(matches, skip)) {
            return found;
        }
    }
    return nullptr;
}

const AccessibleObject* AccessibleObject::findByRoleAndName(const QString& wantedRole,
                                                            const QString& wantedName) const {
    return find([&](const AccessibleObject& object) {
        return object.role == wantedRole && object.name == wantedName;
    });
}

AccessibilityBus::AccessibilityBus(const QString& sessionBusAddress,
                                   std::chrono::milliseconds timeout)
    : sessionConnectionName_(QStringLiteral("qx-session-bus")),
      busConnectionName_(QStringLiteral("qx-accessibility-bus")) {
    QString address;
    waitUntil(
        [&] {
            QDBusConnection session =
                QDBusConnection::connectToBus(sessionBusAddress, sessionConnectionName_);
            if (!session.isConnected()) {
                failure_ = session.lastError().message();
                QDBusConnection::disconnectFromBus(sessionConnectionName_);
                return false;
            }
            const QDBusMessage reply =
                session.call(QDBusMessage::createMethodCall(
                                 QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                 QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
                             QDBus::Block, kCallTimeoutMilliseconds);
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                failure_ = reply.errorMessage();
                return false;
            }
            address = reply.arguments().front().toString();
            return !address.isEmpty();
        },
        timeout, std::chrono::milliseconds{50});
    if (address.isEmpty()) {
        failure_ = QStringLiteral("no accessibility bus on the session bus: ") + failure_;
        return;
    }
    const QDBusConnection bus = QDBusConnection::connectToBus(address, busConnectionName_);
    if (!bus.isConnected()) {
        failure_ = QStringLiteral("cannot connect to the accessibility bus at ") + address + ": " +
                   bus.lastError().message();
        return;
    }
    failure_.clear();
}

AccessibilityBus::~AccessibilityBus() {
    QDBusConnection::disconnectFromBus(busConnectionName_);
    QDBusConnection::disconnectFromBus(sessionConnectionName_);
}

::testing::AssertionResult AccessibilityBus::connected() const {
    if (!failure_.isEmpty()) {
        return ::testing::AssertionFailure() << failure_.toStdString();
    }
    return ::testing::AssertionSuccess();
}

QDBusMessage AccessibilityBus::call(const QString& service, const QString& path,
                                    const QString& interface, const QString& method,
                                    const QList<QVariant>& arguments) const {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection(busConnectionName_)
        .call(message, QDBus::Block, kCallTimeoutMilliseconds);
}

QString AccessibilityBus::property(const QString& service, const QString& path,
                                   const QString& name) const {
    const QDBusMessage reply =
        call(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
             QStringLiteral("Get"), {kAccessible, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().front().value<QDBusVariant>().variant().toString();
}

AccessibleObject AccessibilityBus::read(const QString& service, const QString& path,
                                        int depth) const {
    AccessibleObject object;
    object.service = service;
    object.path = path;
    object.name = property(service, path, QStringLiteral("Name"));
    object.description = property(service, path, QStringLiteral("Description"));
    const QDBusMessage role = call(service, path, kAccessible, QStringLiteral("GetRoleName"));
    if (role.type() == QDBusMessage::ReplyMessage && !role.arguments().isEmpty()) {
        object.role = role.arguments().front().toString();
    }
    if (depth >= kMaximumDepth) {
        return object;
    }
    const QDBusMessage children = call(service, path, kAccessible, QStringLiteral("GetChildren"));
    if (children.type() != QDBusMessage::ReplyMessage || children.arguments().isEmpty()) {
        return object;
    }
    // a(so): the bus name and object path of each child.
    const auto list = children.arguments().front().value<QDBusArgument>();
    std::vector<std::pair<QString, QString>> references;
    list.beginArray();
    while (!list.atEnd()) {
        QString childService;
        QDBusObjectPath childPath;
        list.beginStructure();
        list >> childService >> childPath;
        list.endStructure();
        references.emplace_back(childService, childPath.path());
    }
    list.endArray();
    for (const auto& [childService, childPath] : references) {
        object.children.push_back(read(childService, childPath, depth + 1));
    }
    return object;
}

std::optional<AccessibleObject> AccessibilityBus::application(const QString& name) const {
    if (!failure_.isEmpty()) {
        return std::nullopt;
    }
    // Every program on the bus publishes its root at the same path; no registry is needed.
    const QDBusMessage names =
        call(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
             QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
    if (names.type() != QDBusMessage::ReplyMessage || names.arguments().isEmpty()) {
        return std::nullopt;
    }
    for (const QString& service : names.arguments().front().toStringList()) {
        if (service.startsWith(QLatin1Char(':')) &&
            property(service, kRootPath, QStringLiteral("Name")) == name) {
            return read(service, kRootPath, 0);
        }
    }
    return std::nullopt;
}

std::optional<QRect> AccessibilityBus::extents(const AccessibleObject& object) const {
    // Coordinate type 0: the screen's.
    const QDBusMessage reply =
        call(object.service, object.path, QStringLiteral("org.a11y.atspi.Component"),
             QStringLiteral("GetExtents"), {QVariant::fromValue(0u)});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    const auto box = reply.arguments().front().value<QDBusArgument>();
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    box.beginStructure();
    box >> x >> y >> width >> height;
    box.endStructure();
    return QRect(x, y, width, height);
}

QStringList AccessibilityBus::labels(const AccessibleObject& object) const {
    // a(ua(so)): each relation's type and the bus name and object path of its targets.
    const QDBusMessage reply =
        call(object.service, object.path, kAccessible, QStringLiteral("GetRelationSet"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    const auto relations = reply.arguments().front().value<QDBusArgument>();
    QStringList names;
    relations.beginArray();
    while (!relations.atEnd()) {
        uint type = 0;
        relations.beginStructure();
        relations >> type;
        relations.beginArray();
        while (!relations.atEnd()) {
            QString service;
            QDBusObjectPath path;
            relations.beginStructure();
            relations >> service >> path;
            relations.endStructure();
            if (type == kLabelledBy) {
                names << property(service, path.path(), QStringLiteral("Name"));
            }
        }
        relations.endArray();
        relations.endStructure();
    }
    relations.endArray();
    return names;
}

::testing::AssertionResult AccessibilityBus::listenForPropertyChanges() {
    QDBusConnection bus(busConnectionName_);
    if (!bus.connect(QString(), QString(), kObjectEvents, QStringLiteral("PropertyChange"),
                     &events_, SLOT(received(QDBusMessage)))) {
        return ::testing::AssertionFailure() << bus.lastError().message().toStdString();
    }
    // The registry tells the programs, which then send events of this kind; a program started
    // later asks the registry when it starts.
    const QDBusMessage registered =
        call(QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry"),
             QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("RegisterEvent"),
             {QStringLiteral("object:property-change")});
    if (registered.type() != QDBusMessage::ReplyMessage) {
        return ::testing::AssertionFailure()
               << "the registry refused a listener: " << registered.errorMessage().toStdString();
    }
    return ::testing::AssertionSuccess();
}

bool AccessibilityBus::waitForPropertyChange(const QString& kind, const AccessibleObject& object,
                                             std::chrono::milliseconds timeout) {
    return waitUntil(
        [&] {
            QCoreApplication::processEvents();
            return std::any_of(events_.events.begin(), events_.events.end(),
                               [&](const AccessibleEvent& event) {
                                   return event.kind == kind && event.service == object.service &&
                                          event.path == object.path;
                               });
        },
        timeout, std::chrono::milliseconds{20});
}

void AccessibleEventLog::received(const QDBusMessage& message) {
    // (s kind, i, i, v any_data, (so) application): the kind comes first.
    const QList<QVariant> arguments = message.arguments();
    events.push_back({arguments.isEmpty() ? QString() : arguments.front().toString(),
                      message.service(), message.path()});
}

QString AccessibilityBus::name(const AccessibleObject& object) const {
    return property(object.service, object.path, QStringLiteral("Name"));
}

bool AccessibilityBus::hasState(const AccessibleObject& object, uint state) const {
    const QDBusMessage reply =
        call(object.service, object.path, kAccessible, QStringLiteral("GetState"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return false;
    }
    // au: the states as bits of consecutive 32-bit words.
    const auto words = qdbus_cast<QList<uint>>(reply.arguments().front());
    const auto word = static_cast<qsizetype>(state / 32);
    return word < words.size() && (words.at(word) & (1u << (state % 32))) != 0;
}

std::optional<double> AccessibilityBus::currentValue(const AccessibleObject& object) const {
    const QDBusMessage reply = call(object.service, object.path, kProperties, QStringLiteral("Get"),
                                    {kValue, QStringLiteral("CurrentValue")});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return reply.arguments().front().value<QDBusVariant>().variant().toDouble();
}

BusAnswer AccessibilityBus::doAction(const AccessibleObject& object, const QString& action) const {
    const QString actions = QStringLiteral("org.a11y.atspi.Action");
    const QDBusMessage list =
        call(object.service, object.path, actions, QStringLiteral("GetActions"));
    if (list.type() != QDBusMessage::ReplyMessage || list.arguments().isEmpty()) {
        return answerOf(list);
    }
    // a(sss): each action's name, description and key binding, in the order DoAction counts.
    const auto entries = list.arguments().front().value<QDBusArgument>();
    int index = 0;
    int found = -1;
    entries.beginArray();
    while (!entries.atEnd()) {
        QString name;
        QString description;
        QString keyBinding;
        entries.beginStructure();
        entries >> name >> description >> keyBinding;
        entries.endStructure();
        if (name == action && found < 0) {
            found = index;
        }
        ++index;
    }
    entries.endArray();
    if (found < 0) {
        return {false, QStringLiteral("no action ") + action};
    }
    return answerOf(
        call(object.service, object.path, actions, QStringLiteral("DoAction"), {found}));
}

BusAnswer AccessibilityBus::grabFocus(const AccessibleObject& object) const {
    return answerOf(call(object.service, object.path, QStringLiteral("org.a11y.atspi.Component"),
                         QStringLiteral("GrabFocus")));
}

BusAnswer AccessibilityBus::setCurrentValue(const AccessibleObject& object, double value) const {
    // Through the property, as libatspi sets it.
    return answerOf(
        call(object.service, object.path, kProperties, QStringLiteral("Set"),
             {kValue, QStringLiteral("CurrentValue"), QVariant::fromValue(QDBusVariant(value))}));
}

}  // namespace quillorbitex::testing
