#include "Application/QtKeyEventMonitor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>

namespace quillorbitex {
namespace {

constexpr EventFlags kControlShift = EventFlag::control | EventFlag::shift;

struct Press {
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode = 0;
    bool autoRepeat = false;
};

TEST(QtKeyEventMonitor, ReportsThePhysicalKeyAndTheModifiersThatAreSent) {
    // Stands in for the X keyboard map: scan code 10 is the 1 key, 61 a punctuation key.
    const QtKeyEventMonitor::PhysicalKeyLookup lookup =
        [](unsigned scanCode, unsigned) -> std::optional<VirtualKeyCode> {
        if (scanCode == 10) {
            return 18;
        }
        return std::nullopt;
    };
    struct Case {
        const char* label;
        Press press;
        std::optional<KeyEvent> reported;
    };
    const std::vector<Case> cases = {
        {"Shift+1 by its key", Press{Qt::Key_Exclam, Qt::ShiftModifier, 10},
         KeyEvent{18, EventFlag::shift}},
        {"a key the map does not name", Press{Qt::Key_Slash, Qt::NoModifier, 61},
         KeyEvent{KeyEventMonitor::unmappedKeyCode, 0}},
        {"no scan code: Qt's key", Press{Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier},
         KeyEvent{40, kControlShift}},
        {"no scan code: a shifted character", Press{Qt::Key_Exclam, Qt::ShiftModifier},
         KeyEvent{KeyEventMonitor::unmappedKeyCode, EventFlag::shift}},
        {"Shift+Tab", Press{Qt::Key_Backtab, Qt::ShiftModifier}, KeyEvent{48, EventFlag::shift}},
        {"Alt is option", Press{Qt::Key_F5, Qt::AltModifier}, KeyEvent{96, EventFlag::option}},
        {"Super cannot be sent", Press{Qt::Key_1, Qt::MetaModifier | Qt::ControlModifier, 10},
         KeyEvent{KeyEventMonitor::unmappedKeyCode, EventFlag::control}},
        {"a modifier alone", Press{Qt::Key_Control, Qt::ControlModifier, 37}, std::nullopt},
        {"a repeat", Press{Qt::Key_K, Qt::NoModifier, 45, true}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const QKeyEvent event(QEvent::KeyPress, c.press.key, c.press.modifiers, c.press.scanCode, 0,
                              0, QString(), c.press.autoRepeat);
        EXPECT_EQ(QtKeyEventMonitor::keyEvent(event, lookup), c.reported);
    }
}

TEST(QtKeyEventMonitor, TakesEveryKeyAndShortcutWhileListening) {
    QWidget window;
    auto* field = new QLineEdit(&window);
    int shortcutFired = 0;
    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+K")), &window);
    shortcut->setContext(Qt::ApplicationShortcut);
    QObject::connect(shortcut, &QShortcut::activated, [&] { ++shortcutFired; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 5000));
    field->setFocus();
    // The shortcut works before anyone listens.
    QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(shortcutFired, 1);

    QtKeyEventMonitor monitor;
    std::vector<KeyEvent> heard;
    const auto first = monitor.addKeyDownMonitor([&](const KeyEvent& e) { heard.push_back(e); });
    // A handler that removes itself (and the other) while it runs.
    std::optional<KeyEventMonitor::Token> second;
    second = monitor.addKeyDownMonitor([&](const KeyEvent&) {
        monitor.removeMonitor(*second);
        monitor.removeMonitor(*first);
    });
    ASSERT_TRUE(first && second);

    QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shortcutFired, 1);
    EXPECT_TRUE(field->text().isEmpty());
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard.front(), (KeyEvent{40, kControlShift}));

    // Both handlers are gone: keys and shortcuts work again.
    QTest::keyClick(field, Qt::Key_A);
    QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field->text(), "a");
    EXPECT_EQ(shortcutFired, 2);
    EXPECT_EQ(heard.size(), 1u);
}

}  // namespace
}  // namespace quillorbitex
