#include "Views/RuleEditor/ReviewStepView.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/GesturePathGlyph.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/RuleEditor/RuleEditorTextField.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using Font = Theme::Font;
using Overflow = ThemedTextLabel::Overflow;

constexpr int kGlyphSize = 56;

}  // namespace

ReviewStepView::ReviewStepView(GestureRuleEditorState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      heading_(new ThemedTextLabel(Font::heading2, Token::textPrimary, Overflow::wrap)),
      preview_(new ThemedTextLabel(Font::bodyMono, Token::textPrimary, Overflow::wrap)),
      gestureCard_(new QWidget),
      glyph_(new GesturePathGlyph(std::nullopt, kGlyphSize, Token::accentPrimary, false)),
      ruleLabel_(new ThemedTextLabel(Font::heading3, Token::textPrimary, Overflow::wrap)),
      disposition_(new ThemedTextLabel(Font::bodyText, Token::textSecondary, Overflow::wrap)),
      actionPreview_(new KeyCapGroup(std::nullopt, std::nullopt)),
      nameCaption_(new ThemedTextLabel(Font::captionText, Token::textSecondary, Overflow::wrap)),
      nameField_(new RuleEditorTextField),
      helper_(new ThemedTextLabel(Font::bodyText, Token::textSecondary, Overflow::wrap)) {
    preview_->setMaximumLength(ThemedTextLabel::actionTextLength);
    ruleLabel_->setMaximumLength(ThemedTextLabel::actionTextLength);
    disposition_->setMaximumLength(ThemedTextLabel::actionTextLength);
    setAccessibilityIdentifier(*preview_, QStringLiteral("CustomGesturePreview"));
    setAccessibilityIdentifier(*actionPreview_, QStringLiteral("CustomGesture_ActionPreview"));
    setAccessibilityIdentifier(*nameField_->lineEdit(),
                               QStringLiteral("CustomGesture_TemplateName"));
    setAccessibilityIdentifier(*helper_, QStringLiteral("CustomGesture_HelperText"));

    auto* cardTexts = new QVBoxLayout;
    cardTexts->setSpacing(4);
    cardTexts->addWidget(ruleLabel_);
    cardTexts->addWidget(disposition_);
    auto* card = new QHBoxLayout(gestureCard_);
    card->setContentsMargins(0, 0, 0, 0);
    card->setSpacing(12);
    card->addWidget(glyph_, 0, Qt::AlignVCenter);
    card->addLayout(cardTexts, 1);

    auto* name = new QVBoxLayout;
    name->setSpacing(10);
    name->addWidget(nameCaption_);
    name->addWidget(nameField_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(heading_);
    layout->addWidget(preview_);
    layout->addWidget(gestureCard_);
    layout->addWidget(actionPreview_, 0, Qt::AlignLeft);
    layout->addLayout(name);
    layout->addWidget(helper_);
    layout->addStretch();

    connect(nameField_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { state_.setRuleName(text); });
    refresh();
}

void ReviewStepView::refresh() {
    heading_->setText(L10n::string("Step 3: review and save"));
    preview_->setText(state_.previewText());
    const auto descriptor = state_.draftDescriptor();
    gestureCard_->setVisible(descriptor.has_value());
    glyph_->setPattern(descriptor);
    ruleLabel_->setText(state_.resolvedRuleDisplayLabel());
    disposition_->setText(state_.mappingDispositionLabel());
    const auto action = state_.resolvedAction();
    actionPreview_->setVisible(action.has_value());
    if (action) {
        actionPreview_->setAction(*action);
    }
    nameCaption_->setText(L10n::string("Rule Name (Optional)"));
    // The caption is no buddy: the field sits inside its frame, not beside it.
    nameField_->lineEdit()->setAccessibleName(nameCaption_->text());
    nameField_->lineEdit()->setPlaceholderText(L10n::string("Optional name for this rule"));
    nameField_->setText(state_.ruleName());
    helper_->setText(state_.reviewHelperText());
}

}  // namespace quillorbitex
