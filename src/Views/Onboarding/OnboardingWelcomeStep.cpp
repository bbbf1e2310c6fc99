#include "Views/Onboarding/OnboardingWelcomeStep.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Models/GestureLabels.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/GesturePathGlyph.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Onboarding/HoverTile.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using namespace std::chrono_literals;

constexpr double kRowCornerRadius = 10;

}  // namespace

OnboardingWelcomeStep::OnboardingWelcomeStep(AppModel& model, QWidget* parent)
    : OnboardingStepView(model, identifier, parent) {
    auto* list = new QWidget(this);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(6);
    int index = 0;
    for (const GestureMapping& preset : model.builtInMappings()) {
        auto* row = new HoverTile(kRowCornerRadius, list);
        row->setObjectName(QStringLiteral("OnboardingPresetRow-") + preset.pattern().id());
        auto* glyph = new GesturePathGlyph(preset.pattern(), 32, Token::accentPrimary, false, row);
        auto* label = new ThemedTextLabel(Theme::Font::heading3, Token::textPrimary,
                                          ThemedTextLabel::Overflow::elideRight, row);
        auto* keys = new KeyCapGroup(preset.action(), row);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(14, 10, 14, 10);
        layout->setSpacing(14);
        layout->addWidget(glyph);
        layout->addWidget(label, 1);
        layout->addWidget(keys);
        listLayout->addWidget(row);
        rows_.push_back({label, keys});
        // All rows start together; later rows travel farther.
        addReveal(row, 18 + 8 * index, 0.97, {0.54, 0.82}, 200ms);
        ++index;
    }
    addPart(list);
    retranslate();
}

QStringList OnboardingWelcomeStep::rowLabels() const {
    QStringList labels;
    for (const Row& row : rows_) {
        labels << row.label->text();
    }
    return labels;
}

void OnboardingWelcomeStep::retranslate() {
    setHeroTexts(L10n::string("Draw. Fire. Repeat."),
                 L10n::string("Map right-button mouse strokes to shortcuts, apps, links, and "
                              "preset actions."));
    const std::vector<GestureMapping>& presets = model().builtInMappings();
    for (std::size_t i = 0; i < rows_.size() && i < presets.size(); ++i) {
        rows_[i].label->setText(displayLabel(presets[i].pattern()));
        rows_[i].keys->retranslate();
    }
}

}  // namespace quillorbitex
