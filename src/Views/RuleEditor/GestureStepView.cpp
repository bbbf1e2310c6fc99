#include "Views/RuleEditor/GestureStepView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Models/GestureLabels.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/GesturePathGlyph.h"
#include "Views/Components/PlainText.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Dashboard/DebugTraceCanvas.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using Font = Theme::Font;
using Overflow = ThemedTextLabel::Overflow;

constexpr int kPreviewColumnWidth = 320;
constexpr int kGlyphSize = 56;

}  // namespace

GestureStepView::GestureStepView(GestureRuleEditorState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      heading_(new ThemedTextLabel(Font::heading2, Token::textPrimary, Overflow::wrap)),
      summary_(new ThemedTextLabel(Font::bodyText, Token::textSecondary, Overflow::wrap)),
      captureButton_(new AccentButton),
      clearButton_(new GhostButton),
      status_(new ThemedTextLabel(Font::bodyMono, Token::textPrimary, Overflow::wrap)),
      disposition_(new ThemedTextLabel(Font::bodyText, Token::textSecondary, Overflow::wrap)),
      previewHeading_(new ThemedTextLabel(Font::heading3, Token::textPrimary, Overflow::wrap)),
      trace_(new DebugTraceCanvas),
      gestureCard_(new QWidget),
      glyph_(new GesturePathGlyph(std::nullopt, kGlyphSize, Token::accentPrimary, false)),
      gestureName_(new ThemedTextLabel(Font::heading3, Token::textPrimary, Overflow::wrap)),
      gestureDisposition_(
          new ThemedTextLabel(Font::bodyText, Token::textSecondary, Overflow::wrap)),
      placeholder_(new ThemedTextLabel(Font::bodyText, Token::textSecondary, Overflow::wrap)) {
    // An action can be thousands of characters long (a URL); these lines show it shortened in the
    // middle, as the review step does, so the preview stays in view.
    for (ThemedTextLabel* text : {disposition_, gestureName_, gestureDisposition_}) {
        text->setMaximumLength(ThemedTextLabel::actionTextLength);
    }
    setAccessibilityIdentifier(*captureButton_,
                               QStringLiteral("CustomGesture_CaptureGestureButton"));
    setAccessibilityIdentifier(*clearButton_, QStringLiteral("CustomGesture_ClearGestureButton"));
    setAccessibilityIdentifier(*status_, QStringLiteral("CustomGesture_GestureStatusValue"));
    setAccessibilityIdentifier(*trace_, QStringLiteral("CustomGesture_CapturedTrace"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(captureButton_);
    buttons->addWidget(clearButton_);
    buttons->addStretch();

    auto* left = new QVBoxLayout;
    left->setSpacing(16);
    left->addWidget(heading_);
    left->addWidget(summary_);
    left->addLayout(buttons);
    left->addWidget(status_);
    left->addWidget(disposition_);
    left->addStretch();

    auto* cardTexts = new QVBoxLayout;
    cardTexts->setSpacing(4);
    cardTexts->addWidget(gestureName_);
    cardTexts->addWidget(gestureDisposition_);
    auto* card = new QHBoxLayout(gestureCard_);
    card->setContentsMargins(0, 0, 0, 0);
    card->setSpacing(12);
    card->addWidget(glyph_, 0, Qt::AlignVCenter);
    card->addLayout(cardTexts, 1);

    auto* rightColumn = new QWidget;
    rightColumn->setMaximumWidth(kPreviewColumnWidth);
    auto* right = new QVBoxLayout(rightColumn);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(12);
    right->addWidget(previewHeading_);
    right->addWidget(trace_);
    right->addWidget(gestureCard_);
    right->addWidget(placeholder_);
    right->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(24);
    layout->addLayout(left, 1);
    layout->addWidget(rightColumn, 1, Qt::AlignTop);

    connect(captureButton_, &QPushButton::clicked, this, [this] { state_.toggleGestureCapture(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { state_.clearGesture(); });
    refresh();
}

void GestureStepView::refresh() {
    const AppModel& model = state_.model();
    heading_->setText(L10n::string("Step 1: choose the gesture"));
    summary_->setText(state_.gestureStepSummary());
    captureButton_->setText(buttonText(state_.gestureCaptureButtonTitle()));
    captureButton_->setEnabled(state_.canToggleGestureCapture());
    clearButton_->setText(buttonText(L10n::string("Clear")));
    clearButton_->setEnabled(state_.canClearGesture());
    status_->setText(state_.gestureStatusLabel());
    status_->setColorToken(state_.isGestureStatusArmed() ? Token::accentText : Token::textPrimary);
    disposition_->setText(state_.gestureDispositionText());

    previewHeading_->setText(L10n::string("Preview"));
    const auto& draft = model.capturedGestureDraft();
    trace_->setPoints(draft ? draft->points : std::vector<Point>{});
    const auto descriptor = state_.draftDescriptor();
    gestureCard_->setVisible(descriptor.has_value());
    placeholder_->setVisible(!descriptor.has_value());
    glyph_->setPattern(descriptor);
    gestureName_->setText(descriptor ? displayLabel(*descriptor) : QString());
    gestureDisposition_->setText(state_.mappingDispositionLabel());
    placeholder_->setText(
        L10n::string("Capture a gesture to preview the rule before you save it."));
}

}  // namespace quillorbitex
