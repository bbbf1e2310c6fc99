#include "Views/Onboarding/InfoRow.h"

#include <QHBoxLayout>

#include "Views/Components/ThemedTextLabel.h"

namespace quillorbitex {

InfoRow::InfoRow(OnboardingSymbol::Shape symbol, const QString& text, QWidget* parent)
    : QWidget(parent) {
    auto* label = new ThemedTextLabel(Theme::Font::bodyText, ThemePalette::Token::textSecondary,
                                      ThemedTextLabel::Overflow::wrap, this);
    label->setText(text);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(new OnboardingSymbol(symbol, 14, ThemePalette::Token::statusGreen, this), 0,
                      Qt::AlignVCenter);
    layout->addWidget(label, 1);
}

QString InfoRow::text() const {
    const auto* label = findChild<ThemedTextLabel*>();
    return label ? label->text() : QString();
}

}  // namespace quillorbitex
