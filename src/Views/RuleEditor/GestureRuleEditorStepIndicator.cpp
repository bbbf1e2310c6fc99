#include "Views/RuleEditor/GestureRuleEditorStepIndicator.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/RuleEditor/GestureRuleEditorLabels.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kItemSpacing = 10;
constexpr int kLineSpacing = 6;
constexpr int kBarHeight = 4;

int rawValue(GestureRuleEditorStep step) {
    return static_cast<int>(step);
}

}  // namespace

GestureRuleEditorStepIndicator::GestureRuleEditorStepIndicator(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibilityIdentifier(*this, QStringLiteral("CustomGesture_StepIndicator"));
    retranslate();
}

void GestureRuleEditorStepIndicator::setCurrentStep(GestureRuleEditorStep step) {
    if (step != current_) {
        current_ = step;
        retranslate();
        update();
    }
}

void GestureRuleEditorStepIndicator::retranslate() {
    setAccessibleName(stepNumber(current_) + QLatin1Char(' ') + title(current_));
    updateGeometry();
    update();
}

QSize GestureRuleEditorStepIndicator::sizeHint() const {
    const QFontMetrics number(Theme::font(Theme::Font::captionMono));
    const QFontMetrics name(Theme::font(Theme::Font::captionText));
    int width = 0;
    for (const GestureRuleEditorStep step : allRuleEditorSteps) {
        width += std::max(number.horizontalAdvance(stepNumber(step)),
                          name.horizontalAdvance(title(step)));
    }
    width += kItemSpacing * (static_cast<int>(allRuleEditorSteps.size()) - 1);
    return {width, number.height() + name.height() + kBarHeight + 2 * kLineSpacing};
}

QSize GestureRuleEditorStepIndicator::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void GestureRuleEditorStepIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont numberFont = Theme::font(Theme::Font::captionMono);
    const QFont nameFont = Theme::font(Theme::Font::captionText);
    const int numberHeight = QFontMetrics(numberFont).height();
    const int nameHeight = QFontMetrics(nameFont).height();
    const int count = static_cast<int>(allRuleEditorSteps.size());
    const double itemWidth = (width() - kItemSpacing * (count - 1)) / static_cast<double>(count);

    for (int i = 0; i < count; ++i) {
        const GestureRuleEditorStep step = allRuleEditorSteps[static_cast<std::size_t>(i)];
        const bool reached = rawValue(current_) >= rawValue(step);
        const double left = i * (itemWidth + kItemSpacing);
        QRectF line(left, 0, itemWidth, numberHeight);

        painter.setFont(numberFont);
        painter.setPen(Theme::color(reached ? Token::accentText : Token::textSecondary, *this));
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, stepNumber(step));

        line.translate(0, numberHeight + kLineSpacing);
        line.setHeight(nameHeight);
        painter.setFont(nameFont);
        painter.setPen(
            Theme::color(step == current_ ? Token::textPrimary : Token::textSecondary, *this));
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetrics(nameFont).elidedText(title(step), Qt::ElideRight,
                                                           static_cast<int>(itemWidth)));

        QPainterPath bar;
        bar.addRoundedRect(QRectF(left, line.bottom() + kLineSpacing, itemWidth, kBarHeight),
                           kBarHeight / 2.0, kBarHeight / 2.0);
        painter.fillPath(bar,
                         Theme::color(reached ? Token::accentPrimary : Token::borderSubtle, *this));
    }
}

void GestureRuleEditorStepIndicator::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        update();
    }
}

}  // namespace quillorbitex
