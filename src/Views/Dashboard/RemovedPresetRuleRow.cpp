#include "Views/Dashboard/RemovedPresetRuleRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Models/GestureLabels.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/ActionTypeBadge.h"
#include "Views/Components/FlowLayout.h"
#include "Views/Components/GesturePathGlyph.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/PlainText.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Dashboard/GestureRuleRowContent.h"
#include "Views/Dashboard/RuleStatusCapsule.h"
#include "Views/Theme/AccentButton.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kGlyphSize = 44;
constexpr double kKeyCapOpacity = 0.55;

}  // namespace

RemovedPresetRuleRow::RemovedPresetRuleRow(const AppModel& model, GestureDescriptor pattern,
                                           GestureAction action, QWidget* parent)
    : RuleCardFrame(pattern, parent),
      model_(&model),
      pattern_(std::move(pattern)),
      action_(std::move(action)) {
    glyph_ = new GesturePathGlyph(pattern_, kGlyphSize, Token::textTertiary, false, this);
    nameLabel_ = new ThemedTextLabel(Theme::Font::heading3, Token::textPrimary,
                                     ThemedTextLabel::Overflow::wrap, this);
    badge_ = new ActionTypeBadge(action_, this);
    removedCapsule_ = new RuleStatusCapsule(QString(), Token::statusRed, this);
    sentenceLabel_ = new ThemedTextLabel(Theme::Font::bodyText, Token::textSecondary,
                                         ThemedTextLabel::Overflow::wrap, this);
    sentenceLabel_->setMaximumLength(ThemedTextLabel::actionTextLength);
    countLabel_ = new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                                      ThemedTextLabel::Overflow::elideRight, this);
    keyCaps_ = new KeyCapGroup(action_, this);
    keyCaps_->setContentOpacity(kKeyCapOpacity);

    // As in the editable row: the name wraps and the capsules flow under it when they must.
    auto* titleLine = new FlowLayout(8, 4);
    titleLine->addWidget(nameLabel_);
    titleLine->addWidget(badge_);
    titleLine->addWidget(removedCapsule_);
    auto* textColumn = new QVBoxLayout;
    textColumn->setSpacing(4);
    textColumn->addLayout(titleLine);
    textColumn->addWidget(sentenceLabel_);
    textColumn->addWidget(countLabel_);

    contentLine()->addWidget(glyph_, 0, Qt::AlignVCenter);
    contentLine()->addLayout(textColumn, 1);
    contentLine()->addSpacing(12);
    contentLine()->addWidget(keyCaps_, 0, Qt::AlignVCenter);

    restoreButton_ = new AccentButton({}, false, this);
    buttonLine()->addWidget(restoreButton_);
    connect(restoreButton_, &QPushButton::clicked, this, &RemovedPresetRuleRow::restoreRequested);

    retranslate();
}

RemovedPresetRuleRow::~RemovedPresetRuleRow() = default;

void RemovedPresetRuleRow::refreshInvocationCount() {
    const qint64 count = model_->triggerCount(pattern_);
    if (count != invocationCount_) {
        invocationCount_ = count;
        countLabel_->setText(invocationCountText(count));
    }
}

void RemovedPresetRuleRow::retranslate() {
    nameLabel_->setText(displayLabel(pattern_));
    setAccessibleName(nameLabel_->text());
    badge_->retranslate();
    removedCapsule_->setText(L10n::string("Removed"));
    sentenceLabel_->setText(
        L10n::string("This preset rule is currently removed from the active set."));
    keyCaps_->retranslate();
    restoreButton_->setText(buttonText(L10n::string("Restore")));
    invocationCount_ = -1;
    refreshInvocationCount();
}

}  // namespace quillorbitex
