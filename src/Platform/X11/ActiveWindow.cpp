#include "Platform/X11/ActiveWindow.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace quillorbitex::x11 {

namespace {

// Longest property read, in 32-bit units; application ids and class names are far shorter.
constexpr std::uint32_t kPropertyLength = 1024;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_get_property_cookie_t requestProperty(xcb_connection_t* connection, xcb_window_t window,
                                          xcb_atom_t property) {
    return xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                            kPropertyLength);
}

// The property's bytes; empty when the window or the property is gone (errors come back here as
// values, never through a process-wide handler).
QByteArray propertyBytes(xcb_connection_t* connection, xcb_get_property_cookie_t cookie) {
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE) {
        return {};
    }
    const int length = xcb_get_property_value_length(reply.get());
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
}

std::vector<std::uint32_t> cardinals(const QByteArray& bytes) {
    std::vector<std::uint32_t> values(static_cast<std::size_t>(bytes.size()) / 4);
    std::memcpy(values.data(), bytes.constData(), values.size() * 4);
    return values;
}

QString utf8Text(const QByteArray& bytes) {
    const auto end = bytes.indexOf('\0');
    return QString::fromUtf8(end < 0 ? bytes : bytes.left(end)).trimmed();
}

// _KDE_NET_WM_DESKTOP_FILE holds a desktop file name, sometimes with its folder or suffix.
QString desktopFileIdentifier(QString value) {
    value = value.mid(value.lastIndexOf(u'/') + 1);
    if (value.endsWith(u".desktop")) {
        value.chop(8);
    }
    return value;
}

}  // namespace

struct ActiveWindow::Atoms {
    xcb_atom_t activeWindow;
    xcb_atom_t clientList;
    xcb_atom_t pid;
    xcb_atom_t gtkApplicationId;
    xcb_atom_t kdeDesktopFile;
    xcb_atom_t changeState;
};

std::unique_ptr<ActiveWindow> ActiveWindow::connect(
    std::shared_ptr<const freedesktop::DesktopEntries> entries, QString ownIdentifier,
    const QString& displayName) {
    const QByteArray name = displayName.toLocal8Bit();
    int screenNumber = 0;
    xcb_connection_t* connection =
        xcb_connect(name.isEmpty() ? nullptr : name.constData(), &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<ActiveWindow>(new ActiveWindow(
        connection, screens.data->root, std::move(entries), std::move(ownIdentifier)));
}

ActiveWindow::ActiveWindow(xcb_connection_t* connection, std::uint32_t root,
                           std::shared_ptr<const freedesktop::DesktopEntries> entries,
                           QString ownIdentifier)
    : connection_(connection),
      root_(root),
      atoms_(std::make_unique<Atoms>(Atoms{
          .activeWindow = internAtom(connection, "_NET_ACTIVE_WINDOW"),
          .clientList = internAtom(connection, "_NET_CLIENT_LIST"),
          .pid = internAtom(connection, "_NET_WM_PID"),
          .gtkApplicationId = internAtom(connection, "_GTK_APPLICATION_ID"),
          .kdeDesktopFile = internAtom(connection, "_KDE_NET_WM_DESKTOP_FILE"),
          .changeState = internAtom(connection, "WM_CHANGE_STATE"),
      })),
      entries_(std::move(entries)),
      ownIdentifier_(std::move(ownIdentifier)) {
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    refresh();
    if (QCoreApplication::instance() != nullptr) {
        notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                      QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                         [this] { processEvents(); });
        // The entries are read off this thread; the window in front may have been asked about
        // before they were.
        entriesObservation_ = entries_->observeChanges([this, notifier = notifier_.get()] {
            QMetaObject::invokeMethod(
                notifier, [this] { refresh(); }, Qt::QueuedConnection);
        });
    }
}

ActiveWindow::~ActiveWindow() {
    entriesObservation_.reset();
    notifier_.reset();
    xcb_disconnect(connection_);
}

std::optional<QString> ActiveWindow::frontmostApplicationIdentifier() const {
    std::lock_guard lock(mutex_);
    return frontmost_;
}

FrontmostWindow ActiveWindow::frontmostWindow() const {
    std::lock_guard lock(mutex_);
    return FrontmostWindow{frontmostWindow_, frontmost_};
}

std::optional<QString> ActiveWindow::frontmostOtherApplicationIdentifier() const {
    std::lock_guard lock(mutex_);
    return lastOther_;
}

void ActiveWindow::processEvents() {
    // Reading replies can queue events that arrived meanwhile without the socket becoming
    // readable again, so keep going until a pass finds no change.
    while (true) {
        bool activeWindowChanged = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
                activeWindowChanged |=
                    notify->window == root_ && notify->atom == atoms_->activeWindow;
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection_) != 0) {
            // The server is gone; stop listening rather than spin on a dead socket.
            if (notifier_) {
                notifier_->setEnabled(false);
            }
            return;
        }
        if (!activeWindowChanged) {
            return;
        }
        refresh();
    }
}

void ActiveWindow::refresh() {
    const auto windows = cardinals(
        propertyBytes(connection_, requestProperty(connection_, root_, atoms_->activeWindow)));
    const bool hasWindow = !windows.empty() && windows.front() != XCB_WINDOW_NONE;
    std::optional<QString> identifier;
    if (hasWindow) {
        identifier = identify({windows.front()}).front();
    }
    std::lock_guard lock(mutex_);
    frontmostWindow_ = hasWindow ? windows.front() : 0;
    frontmost_ = identifier;
    // A window of an application without a desktop entry is still the last other one in front:
    // answering with the one before it would name an application the user did not mean.
    if (hasWindow && identifier != ownIdentifier_) {
        lastOther_ = identifier;
    }
}

bool ActiveWindow::iconify(std::uint32_t window, bool wholeApplication) {
    if (window == XCB_WINDOW_NONE) {
        // Read now rather than from the cached answer, which may be a moment old.
        const auto active = cardinals(
            propertyBytes(connection_, requestProperty(connection_, root_, atoms_->activeWindow)));
        window = active.empty() ? std::uint32_t{XCB_WINDOW_NONE} : active.front();
    }
    if (window == XCB_WINDOW_NONE) {
        return false;
    }
    std::vector<std::uint32_t> targets{window};
    if (wholeApplication) {
        // A window that names no application is minimized alone.
        if (const auto application = identify(targets).front()) {
            const auto windows = cardinals(propertyBytes(
                connection_, requestProperty(connection_, root_, atoms_->clientList)));
            const auto identifiers = identify(windows);
            for (std::size_t i = 0; i < windows.size(); ++i) {
                if (identifiers[i] == application && windows[i] != targets.front()) {
                    targets.push_back(windows[i]);
                }
            }
        }
    }
    constexpr std::uint32_t kIconicState = 3;
    for (const std::uint32_t target : targets) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = target;
        message.type = atoms_->changeState;
        message.data.data32[0] = kIconicState;
        xcb_send_event(connection_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
    }
    return xcb_flush(connection_) > 0;
}

std::vector<QString> ActiveWindow::runningApplicationIdentifiers() {
    const auto windows = cardinals(
        propertyBytes(connection_, requestProperty(connection_, root_, atoms_->clientList)));
    std::vector<QString> result;
    for (const auto& identifier : identify(windows)) {
        if (identifier && std::find(result.begin(), result.end(), *identifier) == result.end()) {
            result.push_back(*identifier);
        }
    }
    // The replies above may have queued a change of the active window.
    processEvents();
    return result;
}

std::vector<std::optional<QString>> ActiveWindow::identify(
    const std::vector<std::uint32_t>& windows) {
    struct Requests {
        xcb_get_property_cookie_t pid, gtk, kde, wmClass;
    };
    // Every request goes out before the first reply is awaited: one round trip for all windows.
    std::vector<Requests> requests;
    requests.reserve(windows.size());
    for (const std::uint32_t window : windows) {
        requests.push_back({requestProperty(connection_, window, atoms_->pid),
                            requestProperty(connection_, window, atoms_->gtkApplicationId),
                            requestProperty(connection_, window, atoms_->kdeDesktopFile),
                            requestProperty(connection_, window, XCB_ATOM_WM_CLASS)});
    }
    std::vector<std::optional<QString>> result;
    result.reserve(windows.size());
    for (const Requests& request : requests) {
        const auto pid = cardinals(propertyBytes(connection_, request.pid));
        const QString gtk = utf8Text(propertyBytes(connection_, request.gtk));
        const QString kde =
            desktopFileIdentifier(utf8Text(propertyBytes(connection_, request.kde)));
        const QByteArray wmClass = propertyBytes(connection_, request.wmClass);

        if (!ownIdentifier_.isEmpty() && !pid.empty() &&
            pid.front() == static_cast<std::uint32_t>(::getpid())) {
            result.emplace_back(ownIdentifier_);
        } else if (!gtk.isEmpty()) {
            result.emplace_back(gtk);
        } else if (!kde.isEmpty()) {
            result.emplace_back(kde);
        } else {
            // WM_CLASS: the instance name and the class name, each ending in a NUL (Latin-1).
            const QList<QByteArray> parts = wmClass.split('\0');
            const QString instanceName =
                parts.size() > 0 ? QString::fromLatin1(parts[0]) : QString();
            const QString className = parts.size() > 1 ? QString::fromLatin1(parts[1]) : QString();
            const auto entry = entries_->applicationForWindowClass(instanceName, className);
            result.push_back(entry ? std::optional<QString>(entry->identifier) : std::nullopt);
        }
    }
    return result;
}

}  // namespace quillorbitex::x11
