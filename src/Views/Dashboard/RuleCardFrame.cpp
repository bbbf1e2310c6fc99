#include "Views/Dashboard/RuleCardFrame.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/FlowLayout.h"
#include "Views/Components/FocusChain.h"
#include "Views/Dashboard/GestureRuleRowContent.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr double kCornerRadius = 10;

}  // namespace

RuleCardFrame::RuleCardFrame(const GestureDescriptor& pattern, QWidget* parent)
    : QWidget(parent), contentLine_(new QHBoxLayout), buttonLine_(new FlowLayout(8, 8)) {
    const QString identifier = gestureRuleRowIdentifier(pattern);
    setAccessibilityIdentifier(*this, identifier);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    contentLine_->setSpacing(14);
    layout->addLayout(contentLine_);
    layout->addLayout(buttonLine_);
}

std::vector<QWidget*> RuleCardFrame::tabStops() const {
    return tabStopsIn(*layout());
}

void RuleCardFrame::setHeld(bool held) {
    if (held == held_) {
        return;
    }
    held_ = held;
    if (held) {
        minimumHeightBeforeHold_ = minimumHeight();
        maximumHeightBeforeHold_ = maximumHeight();
        // The lists place the card at this height, and its own layout places nothing.
        setFixedHeight(height());
        layout()->setEnabled(false);
        return;
    }
    setMinimumHeight(minimumHeightBeforeHold_);
    setMaximumHeight(maximumHeightBeforeHold_);
    layout()->setEnabled(true);
    // Now: a disabled layout takes no requests, so none may be on its way.
    layout()->invalidate();
    layout()->activate();
}

void RuleCardFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Theme::paintPanel(painter, *this, kCornerRadius, ThemePalette::Token::bgElevated);
}

}  // namespace quillorbitex
