#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <optional>

#include "Platform/KeyEventMonitor.h"

class QKeyEvent;

namespace quillorbitex {

// The key monitor of a Qt application: an event filter on the application object that sees every
// key press before the window or control it is addressed to. While any handler is installed it
// takes every key press, and claims its shortcut check so that no keyboard shortcut of a window can
// act on it either.
//
// The key is the physical key, not the character: the lookup maps the event's native scan code and
// modifier state to a key-code-table code (on X11, x11::qtPhysicalKeyLookup). Events without
// native information (synthetic ones, platforms without a lookup) fall back to Qt's key, which only
// knows the keys whose unshifted character it reports. Control, Alt and Shift become the control,
// option and shift flags; a press holding Super, Hyper or Meta is reported as an unmapped key,
// since no shortcut can send those modifiers.
class QtKeyEventMonitor final : public QObject, public KeyEventMonitor {
    Q_OBJECT

public:
    using PhysicalKeyLookup = std::function<std::optional<VirtualKeyCode>(
        unsigned nativeScanCode, unsigned nativeModifiers)>;

    explicit QtKeyEventMonitor(PhysicalKeyLookup lookup = {}, QObject* parent = nullptr);
    ~QtKeyEventMonitor() override;

    std::optional<Token> addKeyDownMonitor(Handler handler) override;
    void removeMonitor(Token token) override;

    // What a handler hears of a key press: nothing for a modifier on its own or a repeat.
    static std::optional<KeyEvent> keyEvent(const QKeyEvent& event,
                                            const PhysicalKeyLookup& lookup);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateInstallation();

    PhysicalKeyLookup lookup_;
    std::map<Token, Handler> handlers_;
    Token lastToken_ = 0;
    bool installed_ = false;
};

}  // namespace quillorbitex
