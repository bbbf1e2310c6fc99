#pragma once

#include <QFrame>

#include "Views/Theme/EasedProgress.h"

class QAbstractButton;

namespace quillorbitex {

class AppModel;
class ThemedTextLabel;

// The sidebar's capture card: a "Capture" caption with a status dot (green and glowing while
// capture is on, tertiary grey while off) over the switch that turns capture on and off. The
// switch writes the model's capture flag; the card follows the flag from wherever it changes,
// easing over 0.2 s.
class CaptureToggleWidget final : public QFrame {
    Q_OBJECT

public:
    explicit CaptureToggleWidget(AppModel& model, QWidget* parent = nullptr);

    // The switch ("CaptureToggleControl").
    QAbstractButton* toggle() const { return switch_; }
    // The dot's colour and its glow's opacity as drawn now.
    QColor dotColor() const;
    double glowOpacity() const;
    double progress() const { return progress_.progress(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void followModel();

    AppModel& model_;
    ThemedTextLabel* caption_;
    QWidget* dot_;
    QAbstractButton* switch_;
    // 0 off, 1 on, eased in between; drives the dot and the switch together.
    EasedProgress progress_;
};

}  // namespace quillorbitex
