#pragma once

#include <QAbstractButton>

#include "Application/ThemePalette.h"
#include "Views/Theme/EasedProgress.h"

namespace quillorbitex {

// An on/off switch: a capsule track, tinted when on, with a white knob that slides between its
// ends. It is a checkable button, so clicks, the space bar, toggled() and assistive technology
// work as for any check box; give it an accessible name (the text of the label beside it), since
// it draws no text itself.
//
// The knob eases over 0.15 s whichever way the state changed (a click, setChecked() from the
// model); with the theme's animations off it jumps. Disabled, the whole switch fades to 45 %.
class ToggleSwitch final : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int animationMilliseconds = 150;

    explicit ToggleSwitch(QWidget* parent = nullptr);

    // The colour of the track when on; accentPrimary by default.
    ThemePalette::Token tint() const { return tint_; }
    void setTint(ThemePalette::Token tint);

    // Where the knob is drawn now: 0 at the off end, 1 at the on end.
    double position() const { return knob_.progress(); }
    // The track's colour drawn now, between the off colour and the tint.
    QColor currentTrackColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    ThemePalette::Token tint_ = ThemePalette::Token::accentPrimary;
    EasedProgress knob_;
};

}  // namespace quillorbitex
