#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "Models/GestureAction.h"
#include "Models/KeyboardShortcutDescriptor.h"

namespace quillorbitex {

// What an action sends: for a keyboard shortcut a row of key caps, the keys it presses named as on
// this desktop's keyboards ("Ctrl", "Shift", "Alt", then the key); for any other action one
// rounded token with the action's label. A token too long for its place (an "Open" with a long
// URL) is shortened in the middle and shows its whole text as tooltip, so a rule's row never grows
// past the window. Draws itself; colours are resolved when drawn.
class KeyCapGroup final : public QWidget {
    Q_OBJECT

public:
    // A token wider than this is shortened even when there is room.
    static constexpr int maximumTokenWidth = 280;

    explicit KeyCapGroup(const GestureAction& action, QWidget* parent = nullptr);
    // A token when `actionLabel` is given, whatever `shortcut` holds; else the caps of `shortcut`;
    // else nothing at all.
    KeyCapGroup(std::optional<KeyboardShortcutDescriptor> shortcut,
                std::optional<QString> actionLabel, QWidget* parent = nullptr);

    void setAction(const GestureAction& action);
    // Names the keys and actions in the current language again.
    void retranslate();
    // The removed preset's caps are drawn faded.
    void setContentOpacity(double opacity);

    // The caps' texts in order; empty when it shows a token or nothing.
    const QStringList& capLabels() const { return caps_; }
    // The token's whole text, when it shows one.
    const std::optional<QString>& tokenLabel() const { return token_; }
    // The token's text as drawn at the current width.
    QString displayedTokenText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    QSize capSize(const QString& label) const;
    int tokenHeight() const;
    int tokenTextWidth() const;

    std::optional<GestureAction> action_;
    std::optional<KeyboardShortcutDescriptor> shortcut_;
    std::optional<QString> fixedLabel_;
    QStringList caps_;
    std::optional<QString> token_;
    double opacity_ = 1;
    QFont capFont_;
    QFont tokenFont_;
    QSize sizeHint_;
};

}  // namespace quillorbitex
