#pragma once

#include <QWidget>

namespace quillorbitex {

// A borderless rounded tile on the hover background, which the onboarding's sample rows and cards
// stand on.
class HoverTile final : public QWidget {
public:
    HoverTile(double cornerRadius, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double cornerRadius_;
};

}  // namespace quillorbitex
