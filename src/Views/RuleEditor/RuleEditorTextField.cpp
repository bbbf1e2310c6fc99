#include "Views/RuleEditor/RuleEditorTextField.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr double kCornerRadius = 10;

}  // namespace

RuleEditorTextField::RuleEditorTextField(QWidget* parent)
    : QWidget(parent), lineEdit_(new QLineEdit(this)) {
    lineEdit_->setFrame(false);
    lineEdit_->setFont(Theme::font(Theme::Font::bodyText));
    lineEdit_->setAttribute(Qt::WA_MacShowFocusRect, false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->addWidget(lineEdit_);
    setFocusProxy(lineEdit_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    applyColors();
}

void RuleEditorTextField::setText(const QString& text) {
    if (lineEdit_->text() != text) {
        lineEdit_->setText(text);
    }
}

void RuleEditorTextField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius,
                         kCornerRadius);
    painter.fillPath(shape, Theme::color(Token::bgHover, *this));
    painter.setPen(QPen(Theme::color(Token::borderSubtle, *this), 1));
    painter.drawPath(shape);
}

void RuleEditorTextField::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyColors();
    }
}

void RuleEditorTextField::applyColors() {
    // The field draws its own background; the line edit only its text.
    QPalette palette = lineEdit_->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, Theme::color(Token::textPrimary, *this));
    palette.setColor(QPalette::PlaceholderText, Theme::color(Token::textTertiary, *this));
    lineEdit_->setPalette(palette);
    update();
}

}  // namespace quillorbitex
