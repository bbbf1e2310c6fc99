#include "Views/Components/ModalWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QWidget>

namespace quillorbitex {

namespace {

// Whether `window` is `ancestor` or was opened over it, through its parents' windows.
bool isOver(const QWidget* window, const QWidget* ancestor) {
    for (const QWidget* current = window; current != nullptr;
         current = current->parentWidget() != nullptr ? current->parentWidget()->window()
                                                      : nullptr) {
        if (current == ancestor) {
            return true;
        }
    }
    return false;
}

QWidget* blockingModalWindow(const QWidget& widget) {
    const QWidget* window = widget.window();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* modal : windows) {
        if (modal == window || !modal->isVisible() || modal->windowModality() == Qt::NonModal) {
            continue;
        }
        const QWidget* parent = modal->parentWidget();
        // Qt makes a window-modal window without a parent application-modal.
        const bool windowModal = modal->windowModality() == Qt::WindowModal && parent != nullptr;
        if (windowModal ? isOver(parent->window(), window) : !isOver(window, modal)) {
            return modal;
        }
    }
    return nullptr;
}

// AT-SPI's path of the objects an application publishes, each at <path>/<id>, and the name Qt's
// bridge gives its connection to the accessibility bus. The bridge registers the path on that
// connection once assistive technology is active.
const QString kAccessiblePath = QStringLiteral("/org/a11y/atspi/accessible");
const QString kBridgeConnection = QStringLiteral("a11y");
// Further than any parent chain of ours: a broken chain cannot hold the event loop.
constexpr int kMostParents = 64;

// The widget an object of the bus belongs to: its own, or for what is not a widget (a menu's
// action, a list's row) its nearest parent's.
QWidget* widgetAt(const QString& path) {
    const QString prefix = kAccessiblePath + QLatin1Char('/');
    if (!path.startsWith(prefix)) {
        return nullptr;
    }
    bool number = false;
    const QAccessible::Id id = path.mid(prefix.size()).toUInt(&number);
    QAccessibleInterface* object = number ? QAccessible::accessibleInterface(id) : nullptr;
    for (int step = 0; object != nullptr && object->isValid() && step < kMostParents; ++step) {
        if (auto* widget = qobject_cast<QWidget*>(object->object())) {
            return widget;
        }
        object = object->parent();
    }
    return nullptr;
}

// AT-SPI reads with Get… (properties too), Contains and Is…; everything else acts.
bool onlyReads(const QDBusMessage& message) {
    const QString member = message.member();
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties")) {
        return member == QLatin1String("Get") || member == QLatin1String("GetAll");
    }
    return member.startsWith(QLatin1String("Get")) || member.startsWith(QLatin1String("Is")) ||
           member == QLatin1String("Contains") || member == QLatin1String("Introspect");
}

class AssistiveChangeGuard final : public QDBusVirtualObject,
                                   public QAccessible::ActivationObserver {
public:
    explicit AssistiveChangeGuard(QObject& owner) : QDBusVirtualObject(&owner) {
        QAccessible::installActivationObserver(this);
        standInFrontSoon();
    }

    ~AssistiveChangeGuard() override { QAccessible::removeActivationObserver(this); }

    AssistiveChangeGuard(const AssistiveChangeGuard&) = delete;
    AssistiveChangeGuard& operator=(const AssistiveChangeGuard&) = delete;

    void accessibilityActiveChanged(bool active) override {
        if (active) {
            standInFrontSoon();
        }
    }

    QString introspect(const QString& path) const override {
        return bridge_ ? bridge_->introspect(path) : QString();
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (!bridge_) {
            return false;
        }
        if (!onlyReads(message)) {
            if (const QWidget* widget = widgetAt(message.path());
                widget != nullptr && isBlockedByModalWindow(*widget)) {
                connection.send(message.createErrorReply(
                    QDBusError::AccessDenied,
                    QStringLiteral("A modal window is open over this object's window.")));
                return true;
            }
        }
        return bridge_->handleMessage(message, connection);
    }

private:
    // The bridge registers its adaptor right after it reports itself active, in the same call.
    void standInFrontSoon() {
        QMetaObject::invokeMethod(
            this, [this] { standInFront(); }, Qt::QueuedConnection);
    }

    void standInFront() {
        QDBusConnection bus(kBridgeConnection);
        if (!bus.isConnected()) {
            return;
        }
        QObject* registered = bus.objectRegisteredAt(kAccessiblePath);
        auto* bridge = qobject_cast<QDBusVirtualObject*>(registered);
        if (registered == this || bridge == nullptr) {
            return;
        }
        bus.unregisterObject(kAccessiblePath);
        if (!bus.registerVirtualObject(kAccessiblePath, this, QDBusConnection::SubPath)) {
            // Never leave the program unreachable.
            bus.registerVirtualObject(kAccessiblePath, bridge, QDBusConnection::SubPath);
            return;
        }
        bridge_ = bridge;
    }

    QPointer<QDBusVirtualObject> bridge_;
};

}  // namespace

bool isBlockedByModalWindow(const QWidget& widget) {
    return blockingModalWindow(widget) != nullptr;
}

QWidget* modalWindowInFrontOf(const QWidget& widget) {
    QWidget* front = nullptr;
    // Each step is a window the last one does not block; no longer a chain than there are windows.
    for (qsizetype step = QApplication::topLevelWidgets().size(); step > 0; --step) {
        QWidget* next = blockingModalWindow(front != nullptr ? *front : widget);
        if (next == nullptr) {
            break;
        }
        front = next;
    }
    return front;
}

void refuseAssistiveChangesBehindModalWindows(QObject& owner) {
    new AssistiveChangeGuard(owner);
}

}  // namespace quillorbitex
