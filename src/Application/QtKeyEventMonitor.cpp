#include "Application/QtKeyEventMonitor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <array>
#include <utility>

#include "Services/Keyboard/KeyCodeMap.h"

namespace quillorbitex {

namespace {

using K = KeyboardKeyToken;

// The keys Qt names by their unshifted character or function.
constexpr std::array<std::pair<int, KeyboardKeyToken>, 22> kNamedKeys = {{
    {Qt::Key_F1, K::f1},
    {Qt::Key_F2, K::f2},
    {Qt::Key_F3, K::f3},
    {Qt::Key_F4, K::f4},
    {Qt::Key_F5, K::f5},
    {Qt::Key_F6, K::f6},
    {Qt::Key_F7, K::f7},
    {Qt::Key_F8, K::f8},
    {Qt::Key_F9, K::f9},
    {Qt::Key_F10, K::f10},
    {Qt::Key_F11, K::f11},
    {Qt::Key_F12, K::f12},
    {Qt::Key_Tab, K::tab},
    // Shift+Tab arrives as Backtab.
    {Qt::Key_Backtab, K::tab},
    {Qt::Key_Space, K::space},
    {Qt::Key_Return, K::returnKey},
    {Qt::Key_Escape, K::escape},
    {Qt::Key_Backspace, K::deleteKey},
    {Qt::Key_Up, K::upArrow},
    {Qt::Key_Down, K::downArrow},
    {Qt::Key_Left, K::leftArrow},
    {Qt::Key_Right, K::rightArrow},
}};

std::optional<KeyboardKeyToken> tokenForQtKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<KeyboardKeyToken>(static_cast<int>(K::a) + (key - Qt::Key_A));
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<KeyboardKeyToken>(static_cast<int>(K::zero) + (key - Qt::Key_0));
    }
    for (const auto& [qtKey, token] : kNamedKeys) {
        if (qtKey == key) {
            return token;
        }
    }
    return std::nullopt;
}

bool isModifierKey(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
        case Qt::Key_Mode_switch:
            return true;
        default:
            return false;
    }
}

EventFlags flagsFor(Qt::KeyboardModifiers modifiers) {
    EventFlags flags = 0;
    if (modifiers.testFlag(Qt::ControlModifier)) {
        flags |= EventFlag::control;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        flags |= EventFlag::option;
    }
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        flags |= EventFlag::shift;
    }
    return flags;
}

}  // namespace

QtKeyEventMonitor::QtKeyEventMonitor(PhysicalKeyLookup lookup, QObject* parent)
    : QObject(parent), lookup_(std::move(lookup)) {}

QtKeyEventMonitor::~QtKeyEventMonitor() {
    handlers_.clear();
    updateInstallation();
}

std::optional<KeyEventMonitor::Token> QtKeyEventMonitor::addKeyDownMonitor(Handler handler) {
    if (QCoreApplication::instance() == nullptr || !handler) {
        return std::nullopt;
    }
    handlers_.emplace(++lastToken_, std::move(handler));
    updateInstallation();
    return lastToken_;
}

void QtKeyEventMonitor::removeMonitor(Token token) {
    handlers_.erase(token);
    updateInstallation();
}

void QtKeyEventMonitor::updateInstallation() {
    QCoreApplication* application = QCoreApplication::instance();
    const bool wanted = !handlers_.empty() && application != nullptr;
    if (wanted == installed_) {
        return;
    }
    if (wanted) {
        application->installEventFilter(this);
    } else if (application != nullptr) {
        application->removeEventFilter(this);
    }
    installed_ = wanted;
}

std::optional<KeyEvent> QtKeyEventMonitor::keyEvent(const QKeyEvent& event,
                                                    const PhysicalKeyLookup& lookup) {
    if (event.isAutoRepeat() || isModifierKey(event.key())) {
        return std::nullopt;
    }
    if (event.modifiers().testFlag(Qt::MetaModifier)) {
        // Super (and Hyper or Meta, which Qt folds into it) cannot be sent again, so a press that
        // holds it is no key of the table: recording it without would store another shortcut.
        return KeyEvent{KeyEventMonitor::unmappedKeyCode, flagsFor(event.modifiers())};
    }
    VirtualKeyCode code = KeyEventMonitor::unmappedKeyCode;
    if (event.nativeScanCode() != 0 && lookup) {
        code = lookup(event.nativeScanCode(), event.nativeModifiers())
                   .value_or(KeyEventMonitor::unmappedKeyCode);
    } else if (const auto token = tokenForQtKey(event.key())) {
        code = KeyCodeMap::keyCode(*token);
    }
    return KeyEvent{code, flagsFor(event.modifiers())};
}

bool QtKeyEventMonitor::eventFilter(QObject* watched, QEvent* event) {
    if (handlers_.empty()) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Claimed, so no shortcut acts on the key and the press itself comes here next.
            event->accept();
            return true;
        case QEvent::KeyPress: {
            if (const auto reported = keyEvent(*static_cast<QKeyEvent*>(event), lookup_)) {
                // A handler may remove handlers (its own included) while it runs.
                const auto handlers = handlers_;
                for (const auto& [token, handler] : handlers) {
                    if (handlers_.contains(token)) {
                        handler(*reported);
                    }
                }
            }
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace quillorbitex
