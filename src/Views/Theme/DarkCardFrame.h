#pragma once

#include <QFrame>

namespace quillorbitex {

// The theme's card: its contents 20 px in from every edge, on a rounded rectangle (radius 12) of
// the elevated background with a subtle 1 px outline. Put a layout on it; the layout keeps the
// margin.
class DarkCardFrame final : public QFrame {
    Q_OBJECT

public:
    static constexpr int contentPadding = 20;

    explicit DarkCardFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillorbitex
