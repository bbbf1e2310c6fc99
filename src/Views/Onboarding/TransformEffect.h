#pragma once

#include <QGraphicsEffect>
#include <QPointF>

namespace quillorbitex {

// Draws a widget faded, moved and scaled without touching its geometry, so its layout and its
// neighbours stay put, and drawing may leave the widget's own rectangle (the parent still clips).
// The widget keeps painting live underneath (a path drawing itself on, for one), and the effects of
// its children (a part's reveal, a button's shadow) are drawn inside it.
class TransformEffect final : public QGraphicsEffect {
    Q_OBJECT

public:
    // The point that stays put while scaling.
    enum class Anchor { topLeft, center };

    explicit TransformEffect(Anchor anchor, QObject* parent = nullptr);

    double opacity() const { return opacity_; }
    QPointF translation() const { return translation_; }
    double scale() const { return scale_; }
    // Opacity is kept within 0 and 1; moves and scales may overshoot, as springs do.
    void setState(double opacity, QPointF translation, double scale);

    QRectF boundingRectFor(const QRectF& sourceRect) const override;

protected:
    void draw(QPainter* painter) override;

private:
    QTransform transformFor(const QRectF& sourceRect) const;

    Anchor anchor_;
    double opacity_ = 1;
    QPointF translation_;
    double scale_ = 1;
};

}  // namespace quillorbitex
