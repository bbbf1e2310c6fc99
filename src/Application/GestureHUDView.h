#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

#include "Application/OverlayPanelContent.h"
#include "Models/LiveHUDState.h"
#include "Platform/Geometry.h"

namespace quillorbitex {

// The HUD card: a rounded card with what the stroke would do (title) over the rule or action that
// would run (detail), both in the accent colour once the stroke matches a rule. Main thread only.
class GestureHUDView final : public OverlayPanelContent {
public:
    static constexpr double kCornerRadius = 16;

    void setHost(OverlayPanel* host) { host_ = host; }
    void setBounds(const Size& bounds);
    const Size& bounds() const { return bounds_; }

    // Without a state the card says that the stroke is being analysed.
    void update(const std::optional<LiveHUDState>& state, double backingScale);

    const QString& title() const { return title_; }
    const QString& detail() const { return detail_; }
    bool isHighlighted() const { return highlighted_; }
    double backingScale() const { return backingScale_; }

    QColor titleColor(const QPalette& palette) const;
    QColor detailColor(const QPalette& palette) const;
    static QColor fillColor(const QPalette& palette);
    static QColor borderColor(const QPalette& palette);
    // Where the lines go, in the card's coordinates: the title above the middle, the detail below.
    Rect titleFrame() const;
    Rect detailFrame() const;
    static QFont titleFont();
    static QFont detailFont();

    void paint(QPainter& painter, const QRect& area, const QPalette& palette, bool shaped) override;
    QRegion shape() override;

private:
    void announceChanges();

    OverlayPanel* host_ = nullptr;
    Size bounds_;
    QString title_;
    QString detail_;
    bool highlighted_ = false;
    double backingScale_ = 2;
};

}  // namespace quillorbitex
