#include "Views/Dashboard/DashboardPreferencesCard.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/PickerRow.h"
#include "Views/Components/SegmentedPicker.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Components/ToggleSwitch.h"
#include "Views/Dashboard/OverviewPresentation.h"
#include "Views/Theme/DarkCardFrame.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kCardSpacing = 18;
constexpr int kRowSpacing = 8;

ThemedTextLabel* rowTitle(QWidget* parent) {
    return new ThemedTextLabel(Theme::Font::heading3, Token::textPrimary,
                               ThemedTextLabel::Overflow::none, parent);
}

ThemedTextLabel* note(QWidget* parent) {
    return new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                               ThemedTextLabel::Overflow::wrap, parent);
}

// A row of the card: its controls, then its note.
QVBoxLayout* addRow(QVBoxLayout* card) {
    auto* row = new QVBoxLayout;
    row->setSpacing(kRowSpacing);
    card->addLayout(row);
    return row;
}

// A title on the left and a control on the right of one line.
QHBoxLayout* titleLine(QVBoxLayout* row, QWidget* title, QWidget* trailing) {
    auto* line = new QHBoxLayout;
    line->setSpacing(kRowSpacing);
    line->addWidget(title);
    line->addStretch(1);
    line->addWidget(trailing);
    row->addLayout(line);
    return line;
}

}  // namespace

DashboardPreferencesCard::DashboardPreferencesCard(AppModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setAccessibilityIdentifier(*this, QStringLiteral("DashboardPreferencesCard"));
    auto* frame = new DarkCardFrame(this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    QVBoxLayout* card = frame->contentLayout();
    card->setSpacing(kCardSpacing);

    heading_ = new ThemedTextLabel(Theme::Font::heading2, Token::textPrimary,
                                   ThemedTextLabel::Overflow::none, frame);
    card->addWidget(heading_);

    QVBoxLayout* row = addRow(card);
    thresholdTitle_ = rowTitle(frame);
    thresholdValue_ = new ThemedTextLabel(Theme::Font::bodyMono, Token::textSecondary,
                                          ThemedTextLabel::Overflow::none, frame);
    titleLine(row, thresholdTitle_, thresholdValue_);
    thresholdSlider_ = new QSlider(Qt::Horizontal, frame);
    setAccessibilityIdentifier(*thresholdSlider_,
                               QStringLiteral("Overview_MatchingThresholdSlider"));
    thresholdSlider_->setRange(thresholdSliderMinimum, thresholdSliderMaximum);
    thresholdSlider_->setSingleStep(1);
    thresholdSlider_->setPageStep(1);
    QPalette tint = thresholdSlider_->palette();
    // The accent is the same in both appearances, so it can be set once.
    tint.setColor(QPalette::Highlight, ThemePalette::color(Token::accentPrimary, false));
    thresholdSlider_->setPalette(tint);
    row->addWidget(thresholdSlider_);
    thresholdNote_ = note(frame);
    row->addWidget(thresholdNote_);

    row = addRow(card);
    updateTitle_ = rowTitle(frame);
    updateSwitch_ = new ToggleSwitch(frame);
    setAccessibilityIdentifier(*updateSwitch_,
                               QStringLiteral("Overview_AutomaticUpdateChecksToggle"));
    titleLine(row, updateTitle_, updateSwitch_);
    updateNote_ = note(frame);
    row->addWidget(updateNote_);

    row = addRow(card);
    loginTitle_ = rowTitle(frame);
    loginSwitch_ = new ToggleSwitch(frame);
    setAccessibilityIdentifier(*loginSwitch_, QStringLiteral("Overview_OpenAtLoginToggle"));
    titleLine(row, loginTitle_, loginSwitch_);
    loginNote_ = note(frame);
    row->addWidget(loginNote_);

    row = addRow(card);
    languageTitle_ = rowTitle(frame);
    row->addWidget(languageTitle_);
    languagePicker_ = new QComboBox(frame);
    setAccessibilityIdentifier(*languagePicker_, QStringLiteral("Overview_LanguageOverridePicker"));
    languagePicker_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // As tall as the theme's segmented picker below it.
    languagePicker_->setMinimumHeight(28);
    languagePicker_->setPalette(tint);
    // On Linux a drop-down is announced by its value; its title comes through the buddy.
    languageTitle_->setBuddy(languagePicker_);
    row->addWidget(languagePicker_, 0, Qt::AlignLeft);
    languageNote_ = note(frame);
    row->addWidget(languageNote_);

    row = addRow(card);
    themeTitle_ = rowTitle(frame);
    row->addWidget(themeTitle_);
    themePicker_ = new SegmentedPicker(frame);
    setAccessibilityIdentifier(*themePicker_, QStringLiteral("Overview_ThemeOverridePicker"));
    row->addWidget(themePicker_, 0, Qt::AlignLeft);
    themeNote_ = note(frame);
    row->addWidget(themeNote_);

    // The controls write the model; the model's signals bring its values back, so what shows is
    // what the model kept.
    connect(thresholdSlider_, &QSlider::valueChanged, this,
            [this](int hundredths) { model_.setMatchingThreshold(hundredths / 100.0); });
    connect(updateSwitch_, &QAbstractButton::toggled, this, [this](bool on) {
        model_.setAutomaticUpdateCheckEnabled(on);
        showAutomaticUpdateChecks();
    });
    connect(loginSwitch_, &QAbstractButton::toggled, this, [this](bool on) {
        model_.setOpenAtLoginEnabled(on);
        // The model signals nothing when the login item stayed as it was, so show what it holds.
        showOpenAtLogin();
    });
    connect(languagePicker_, &QComboBox::activated, this, [this](int index) {
        if (const auto language = pickedOption<AppLanguageOverride>(*languagePicker_, index)) {
            model_.setLanguageOverride(*language);
        }
    });
    connect(themePicker_, &SegmentedPicker::activated, this, [this](int index) {
        if (const auto theme = pickedOption<AppThemeOverride>(*themePicker_, index)) {
            model_.setThemeOverride(*theme);
        }
    });

    connect(&model_, &AppModel::matchingThresholdChanged, this,
            &DashboardPreferencesCard::showThreshold);
    connect(&model_, &AppModel::isAutomaticUpdateCheckEnabledChanged, this,
            &DashboardPreferencesCard::showAutomaticUpdateChecks);
    connect(&model_, &AppModel::isOpenAtLoginEnabledChanged, this,
            &DashboardPreferencesCard::showOpenAtLogin);
    connect(&model_, &AppModel::openAtLoginErrorMessageChanged, this,
            &DashboardPreferencesCard::showOpenAtLogin);
    connect(&model_, &AppModel::languageOverrideChanged, this,
            &DashboardPreferencesCard::showLanguage);
    connect(&model_, &AppModel::themeOverrideChanged, this, &DashboardPreferencesCard::showTheme);

    retranslate();
    showThreshold();
    showAutomaticUpdateChecks();
}

void DashboardPreferencesCard::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void DashboardPreferencesCard::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The update actions are installed without a signal; look again whenever the card appears.
    showAutomaticUpdateChecks();
}

void DashboardPreferencesCard::retranslate() {
    heading_->setText(L10n::string("Preferences"));
    thresholdTitle_->setText(L10n::string("Freeform gesture threshold"));
    thresholdSlider_->setAccessibleName(thresholdTitle_->text());
    thresholdNote_->setText(L10n::string(
        "Lower values are stricter. Raise this if drawn logos or symbols need more tolerance."));
    updateTitle_->setText(L10n::string("Automatically check for updates"));
    updateSwitch_->setAccessibleName(updateTitle_->text());
    updateNote_->setText(
        L10n::string("Turn this off to stop background update checks. You can still use Check "
                     "for Updates… whenever you want."));
    loginTitle_->setText(L10n::string("Open at Login"));
    loginSwitch_->setAccessibleName(loginTitle_->text());
    languageTitle_->setText(L10n::string("Language"));
    languagePicker_->setAccessibleName(languageTitle_->text());
    languageNote_->setText(L10n::string(
        "Choose System to follow the desktop's language, or force a specific app language."));
    themeTitle_->setText(L10n::string("Theme"));
    themePicker_->setAccessibleName(themeTitle_->text());
    themeNote_->setText(
        L10n::string("Choose System to follow the desktop, or force Light or Dark "
                     "for the app and the update windows."));
    {
        const QSignalBlocker blocker(languagePicker_);
        setPickerRows(*languagePicker_,
                      pickerRows<AppLanguageOverride>(
                          [](AppLanguageOverride language) { return displayLabel(language); }));
    }
    {
        const QSignalBlocker blocker(themePicker_);
        setPickerRows(*themePicker_,
                      pickerRows<AppThemeOverride>(&OverviewPresentation::themeLabel));
    }
    showLanguage();
    showTheme();
    showOpenAtLogin();
}

void DashboardPreferencesCard::showThreshold() {
    thresholdValue_->setText(model_.matchingThresholdSummary());
    const QSignalBlocker blocker(thresholdSlider_);
    thresholdSlider_->setValue(static_cast<int>(std::lround(model_.matchingThreshold() * 100)));
}

void DashboardPreferencesCard::showAutomaticUpdateChecks() {
    const QSignalBlocker blocker(updateSwitch_);
    updateSwitch_->setChecked(model_.isAutomaticUpdateCheckEnabled());
    updateSwitch_->setEnabled(OverviewPresentation::automaticUpdateSwitchEnabled(model_));
}

void DashboardPreferencesCard::showOpenAtLogin() {
    {
        const QSignalBlocker blocker(loginSwitch_);
        loginSwitch_->setChecked(model_.isOpenAtLoginEnabled());
    }
    const OverviewPresentation::Note shown = OverviewPresentation::openAtLoginNote(model_);
    loginNote_->setText(shown.text);
    loginNote_->setColorToken(shown.color);
}

void DashboardPreferencesCard::showLanguage() {
    const QSignalBlocker blocker(languagePicker_);
    selectOption(*languagePicker_, model_.languageOverride());
}

void DashboardPreferencesCard::showTheme() {
    const QSignalBlocker blocker(themePicker_);
    selectOption(*themePicker_, model_.themeOverride());
}

}  // namespace quillorbitex
