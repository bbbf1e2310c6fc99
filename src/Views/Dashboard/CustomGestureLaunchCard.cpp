#include "Views/Dashboard/CustomGestureLaunchCard.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/PlainText.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Theme/AccentButton.h"

namespace quillorbitex {

CustomGestureLaunchCard::CustomGestureLaunchCard(QWidget* parent)
    : QWidget(parent),
      title_(new ThemedTextLabel(Theme::Font::heading2, ThemePalette::Token::textPrimary,
                                 ThemedTextLabel::Overflow::elideRight, this)),
      description_(new ThemedTextLabel(Theme::Font::bodyText, ThemePalette::Token::textSecondary,
                                       ThemedTextLabel::Overflow::wrap, this)),
      createButton_(new AccentButton({}, false, this)) {
    const QString identifier = QStringLiteral("CustomGesture_OpenWizardButton");
    setAccessibilityIdentifier(*createButton_, identifier);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    texts->addWidget(title_);
    texts->addWidget(description_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addLayout(texts, 1);
    layout->addWidget(createButton_, 0, Qt::AlignVCenter);
    connect(createButton_, &QPushButton::clicked, this,
            &CustomGestureLaunchCard::createRuleRequested);
    retranslate();
}

void CustomGestureLaunchCard::retranslate() {
    title_->setText(L10n::string("Rule Editor"));
    // The key stays one literal: the translation check reads keys that way.
    // clang-format off
    description_->setText(L10n::string(
"Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override."));
    // clang-format on
    createButton_->setText(buttonText(L10n::string("Create Rule")));
}

}  // namespace quillorbitex
