#pragma once

#include <QFrame>

class QVBoxLayout;

namespace quillorbitex {

// The theme's card: its contents 20 px in from every edge, on a rounded rectangle (radius 12) of
// the elevated background with a subtle 1 px outline. Contents go into contentLayout(), which
// keeps that padding.
class DarkCardFrame final : public QFrame {
    Q_OBJECT

public:
    static constexpr int contentPadding = 20;

    explicit DarkCardFrame(QWidget* parent = nullptr);

    // A vertical layout padded by contentPadding on every edge.
    QVBoxLayout* contentLayout() const { return layout_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* layout_;
};

}  // namespace quillorbitex
