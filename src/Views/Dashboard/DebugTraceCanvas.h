#pragma once

#include <QSizeF>
#include <QWidget>
#include <vector>

#include "Platform/Geometry.h"

namespace quillorbitex {

// A panel 180 px high, as wide as its parent offers, that draws one stroke scaled and centred to
// fit, with a mark at its start and a ringed mark at its end; with fewer than two points it says
// "No gesture path yet". It draws whatever points it is given and keeps nothing else, so the
// debugging section and the rule editor can both show strokes in it. Colours and the text follow
// the appearance and the language of the moment.
class DebugTraceCanvas final : public QWidget {
    Q_OBJECT

public:
    static constexpr int fixedHeight = 180;
    // Between the panel's edge and the drawing area.
    static constexpr double padding = 12;
    // Between the drawing area's edge and the stroke's bounds.
    static constexpr double inset = 18;

    explicit DebugTraceCanvas(std::vector<Point> points = {}, QWidget* parent = nullptr);

    const std::vector<Point>& points() const { return points_; }
    void setPoints(std::vector<Point> points);

    // The stroke fitted into a drawing area of `area` (origin top-left, y down): one scale for
    // both axes, `inset` in from every side, centred; a span under 1 counts as 1, and an area
    // under twice the inset leaves 1 to fit into. Empty for fewer than two points.
    static std::vector<QPointF> normalizedPoints(const std::vector<Point>& points, QSizeF area);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::vector<Point> points_;
};

}  // namespace quillorbitex
