#include "Views/Theme/DarkCardFrame.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr double kCornerRadius = 12;

}  // namespace

DarkCardFrame::DarkCardFrame(QWidget* parent) : QFrame(parent), layout_(new QVBoxLayout(this)) {
    setFrameShape(QFrame::NoFrame);
    layout_->setContentsMargins(contentPadding, contentPadding, contentPadding, contentPadding);
}

void DarkCardFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Theme::paintPanel(painter, *this, kCornerRadius, ThemePalette::Token::bgElevated);
}

}  // namespace quillorbitex
