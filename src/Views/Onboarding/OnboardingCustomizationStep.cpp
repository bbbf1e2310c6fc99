#include "Views/Onboarding/OnboardingCustomizationStep.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Models/GestureLabels.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/GesturePathGlyph.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Onboarding/HoverTile.h"
#include "Views/Onboarding/InfoRow.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using namespace std::chrono_literals;

constexpr double kCardCornerRadius = 12;

}  // namespace

OnboardingCustomizationStep::OnboardingCustomizationStep(AppModel& model, QWidget* parent)
    : OnboardingStepView(model, identifier, parent) {
    auto* card = new HoverTile(kCardCornerRadius, this);
    example_ = new ThemedTextLabel(Theme::Font::heading3, Token::textPrimary,
                                   ThemedTextLabel::Overflow::wrap, card);
    keys_ = new KeyCapGroup(GestureAction::predefined(PredefinedAction::newTab), card);
    count_ = new ThemedTextLabel(Theme::Font::bodyText, Token::textSecondary,
                                 ThemedTextLabel::Overflow::wrap, card);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    texts->addWidget(example_);
    texts->addWidget(keys_, 0, Qt::AlignLeft);
    texts->addWidget(count_);
    auto* cardLayout = new QHBoxLayout(card);
    cardLayout->setContentsMargins(16, 16, 16, 16);
    cardLayout->setSpacing(20);
    cardLayout->addWidget(
        new GesturePathGlyph(GestureDescriptor::directional(GesturePattern::suggestedCustomPattern),
                             72, Token::accentPrimary, true, card),
        0, Qt::AlignVCenter);
    cardLayout->addLayout(texts, 1);
    addPart(card);
    addReveal(card, 26, 0.97, {0.54, 0.82}, 200ms);

    // These two notes are shown as written, in every language.
    auto* notes = new QWidget(this);
    overrideNote_ =
        new InfoRow(OnboardingSymbol::Shape::checkmarkCircle,
                    QStringLiteral("Custom mappings override built-ins with the same path"), notes);
    immediateNote_ = new InfoRow(OnboardingSymbol::Shape::checkmarkCircle,
                                 QStringLiteral("Changes take effect immediately"), notes);
    auto* notesLayout = new QVBoxLayout(notes);
    notesLayout->setContentsMargins(0, 0, 0, 0);
    notesLayout->setSpacing(8);
    notesLayout->addWidget(overrideNote_);
    notesLayout->addWidget(immediateNote_);
    addPart(notes);
    addReveal(notes, 22, 0.98, {0.5, 0.84}, 320ms);

    connect(&model, &AppModel::customMappingsChanged, this,
            &OnboardingCustomizationStep::refreshCount);
    retranslate();
}

QString OnboardingCustomizationStep::exampleText() const {
    return example_->text();
}

QString OnboardingCustomizationStep::countText() const {
    return count_->text();
}

QStringList OnboardingCustomizationStep::notes() const {
    return {overrideNote_->text(), immediateNote_->text()};
}

void OnboardingCustomizationStep::retranslate() {
    setHeroTexts(L10n::string("Make It Yours"),
                 L10n::string("Override built-ins or add gesture rules for shortcuts, apps, "
                              "links, and preset actions."));
    example_->setText(
        L10n::format("Example: %@", displayLabel(GesturePattern::suggestedCustomPattern)));
    keys_->retranslate();
    refreshCount();
}

void OnboardingCustomizationStep::refreshCount() {
    const auto count = static_cast<qint64>(model().customMappings().size());
    // The empty case is shown as written, in every language.
    count_->setText(count > 0 ? L10n::format("%lld custom rule(s) saved.", count)
                              : QStringLiteral("No custom rules saved yet."));
}

}  // namespace quillorbitex
