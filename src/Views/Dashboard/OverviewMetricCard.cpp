#include "Views/Dashboard/OverviewMetricCard.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Views/Components/ThemedTextLabel.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kPadding = 18;
constexpr int kSpacing = 8;
constexpr double kCornerRadius = 14;
constexpr int kValuePixels = 28;

}  // namespace

OverviewMetricCard::OverviewMetricCard(const QString& title, const QString& value,
                                       const QString& detail, QWidget* parent)
    : QFrame(parent),
      title_(new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                                 ThemedTextLabel::Overflow::wrap, this)),
      value_(new ThemedTextLabel(Theme::Font::heading1, Token::textPrimary,
                                 ThemedTextLabel::Overflow::none, this)),
      detail_(new ThemedTextLabel(Theme::Font::bodyText, Token::textSecondary,
                                  ThemedTextLabel::Overflow::wrap, this)) {
    setFrameShape(QFrame::NoFrame);
    setMinimumHeight(minimumCardHeight);
    // Cards share the row's width equally, whatever their texts.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    QFont titleFont = title_->font();
    titleFont.setCapitalization(QFont::AllUppercase);
    title_->setFont(titleFont);
    // A long title in a narrow card shrinks a little rather than breaking inside a word.
    title_->setMinimumShrinkPixelSize(9);
    value_->setFont(Theme::systemFont(kValuePixels, QFont::DemiBold));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    layout->setSpacing(kSpacing);
    layout->addWidget(title_);
    layout->addWidget(value_);
    layout->addWidget(detail_);
    layout->addStretch(1);
    setTexts(title, value, detail);
}

void OverviewMetricCard::setTexts(const QString& title, const QString& value,
                                  const QString& detail) {
    title_->setText(title);
    value_->setText(value);
    detail_->setText(detail);
    setAccessibleName(title + QStringLiteral(": ") + value);
}

QString OverviewMetricCard::title() const {
    return title_->text();
}

QString OverviewMetricCard::value() const {
    return value_->text();
}

QString OverviewMetricCard::detail() const {
    return detail_->text();
}

void OverviewMetricCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Theme::paintPanel(painter, *this, kCornerRadius, Token::bgElevated);
}

}  // namespace quillorbitex
