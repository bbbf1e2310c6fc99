#include "Views/RuleEditor/ActionStepView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Models/ActionLabels.h"
#include "Models/GestureLabels.h"
#include "Models/PredefinedActionCatalog.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/GesturePathGlyph.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/PickerRow.h"
#include "Views/Components/PlainText.h"
#include "Views/Components/SegmentedPicker.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/RuleEditor/GestureRuleEditorLabels.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/RuleEditor/RuleEditorTextField.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using Font = Theme::Font;
using Overflow = ThemedTextLabel::Overflow;
using Kind = GestureActionEditorKind;

constexpr int kGestureGlyphSize = 44;

// Sentences too long for one line; kept whole so that each stays one table key.
// clang-format off
constexpr const char* kPredefinedIntro = L10N_KEY("Choose a reusable action Quillorbitex should send when the gesture matches.");
constexpr const char* kAppHelp = L10N_KEY("Store the target app by its application ID so the rule stays stable across launches.");
constexpr const char* kURLHelp = L10N_KEY("Use a full URL including the scheme, for example https:// or mailto:.");
// clang-format on

ThemedTextLabel* paragraph(Token color = Token::textSecondary) {
    return new ThemedTextLabel(Font::bodyText, color, Overflow::wrap);
}

QVBoxLayout* column(QWidget* owner, int spacing) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

}  // namespace

ActionStepView::ActionStepView(GestureRuleEditorState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      heading_(new ThemedTextLabel(Font::heading2, Token::textPrimary, Overflow::wrap)),
      summary_(paragraph()),
      kindPicker_(new SegmentedPicker),
      previewCaption_(new ThemedTextLabel(Font::captionText, Token::textSecondary, Overflow::wrap)),
      actionPreview_(new KeyCapGroup(std::nullopt, std::nullopt)),
      previewPlaceholder_(paragraph()) {
    setAccessibilityIdentifier(*kindPicker_, QStringLiteral("CustomGesture_ActionTypePicker"));
    setAccessibilityIdentifier(*actionPreview_, QStringLiteral("CustomGesture_ActionPreview"));
    setPickerRows(*kindPicker_,
                  pickerRows<GestureActionEditorKind>([](Kind kind) { return title(kind); }));

    auto* preview = new QVBoxLayout;
    preview->setSpacing(8);
    preview->addWidget(previewCaption_);
    preview->addWidget(actionPreview_, 0, Qt::AlignLeft);
    preview->addWidget(previewPlaceholder_);

    auto* layout = column(this, 16);
    layout->addWidget(heading_);
    layout->addWidget(summary_);
    layout->addWidget(kindPicker_, 0, Qt::AlignLeft);
    layout->addWidget(buildShortcutEditor());
    layout->addWidget(buildPredefinedEditor());
    layout->addWidget(buildAppEditor());
    layout->addWidget(buildURLEditor());
    layout->addLayout(preview);
    layout->addStretch();

    connect(kindPicker_, &SegmentedPicker::activated, this, [this](int index) {
        if (const auto kind = pickedOption<GestureActionEditorKind>(*kindPicker_, index)) {
            state_.setActionKind(*kind);
        }
    });
    refresh();
}

QWidget* ActionStepView::buildShortcutEditor() {
    shortcutEditor_ = new QWidget;
    gestureRow_ = new QWidget;
    gestureGlyph_ =
        new GesturePathGlyph(std::nullopt, kGestureGlyphSize, Token::accentPrimary, false);
    gestureName_ = new ThemedTextLabel(Font::heading3, Token::textPrimary, Overflow::wrap);
    gestureTarget_ = paragraph();
    recordButton_ = new AccentButton;
    clearShortcutButton_ = new GhostButton;
    shortcutValue_ = new ThemedTextLabel(Font::bodyMono, Token::textPrimary, Overflow::wrap);
    shortcutStatus_ = paragraph();
    setAccessibilityIdentifier(*recordButton_,
                               QStringLiteral("CustomGesture_RecordShortcutButton"));
    setAccessibilityIdentifier(*clearShortcutButton_,
                               QStringLiteral("CustomGesture_ClearShortcutButton"));
    setAccessibilityIdentifier(*shortcutValue_, QStringLiteral("CustomGesture_ShortcutValue"));
    setAccessibilityIdentifier(*shortcutStatus_, QStringLiteral("CustomGesture_ShortcutStatus"));

    auto* gestureTexts = new QVBoxLayout;
    gestureTexts->setSpacing(4);
    gestureTexts->addWidget(gestureName_);
    gestureTexts->addWidget(gestureTarget_);
    auto* row = new QHBoxLayout(gestureRow_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(gestureGlyph_, 0, Qt::AlignVCenter);
    row->addLayout(gestureTexts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(recordButton_);
    buttons->addWidget(clearShortcutButton_);
    buttons->addStretch();

    auto* layout = column(shortcutEditor_, 16);
    layout->addWidget(gestureRow_);
    layout->addLayout(buttons);
    layout->addWidget(shortcutValue_);
    layout->addWidget(shortcutStatus_);

    connect(recordButton_, &QPushButton::clicked, this,
            [this] { state_.toggleShortcutRecording(); });
    connect(clearShortcutButton_, &QPushButton::clicked, this, [this] { state_.clearShortcut(); });
    return shortcutEditor_;
}

QWidget* ActionStepView::buildPredefinedEditor() {
    predefinedEditor_ = new QWidget;
    predefinedIntro_ = paragraph();
    predefinedLabel_ = new ThemedTextLabel(Font::captionText, Token::textSecondary, Overflow::wrap);
    predefinedPicker_ = new QComboBox;
    predefinedNotes_ = paragraph();
    setAccessibilityIdentifier(*predefinedPicker_,
                               QStringLiteral("CustomGesture_PredefinedActionPicker"));
    predefinedPicker_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // On Linux a drop-down is announced by its value; its title comes through the buddy.
    predefinedLabel_->setBuddy(predefinedPicker_);

    auto* picker = new QHBoxLayout;
    picker->setSpacing(10);
    picker->addWidget(predefinedLabel_, 0, Qt::AlignVCenter);
    picker->addWidget(predefinedPicker_);
    picker->addStretch();
    auto* layout = column(predefinedEditor_, 14);
    layout->addWidget(predefinedIntro_);
    layout->addLayout(picker);
    layout->addWidget(predefinedNotes_);

    connect(predefinedPicker_, &QComboBox::activated, this, [this](int index) {
        if (const auto action = pickedOption<PredefinedAction>(*predefinedPicker_, index)) {
            state_.setSelectedPredefinedAction(*action);
        }
    });
    return predefinedEditor_;
}

QWidget* ActionStepView::buildAppEditor() {
    appEditor_ = new QWidget;
    appIntro_ = paragraph();
    runningAppLabel_ = new ThemedTextLabel(Font::captionText, Token::textSecondary, Overflow::wrap);
    runningAppPicker_ = new QComboBox;
    appField_ = new RuleEditorTextField;
    useFrontmostButton_ = new GhostButton;
    appHelp_ = paragraph();
    appValidation_ = new ThemedTextLabel(Font::captionText, Token::statusRedText, Overflow::wrap);
    setAccessibilityIdentifier(*runningAppPicker_, QStringLiteral("CustomGesture_OpenAppPicker"));
    setAccessibilityIdentifier(*appField_->lineEdit(),
                               QStringLiteral("CustomGesture_OpenAppBundleField"));
    runningAppPicker_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    runningAppLabel_->setBuddy(runningAppPicker_);
    // A sample identifier, not a text: the same in every language.
    appField_->lineEdit()->setPlaceholderText(QStringLiteral("org.example.App"));

    auto* picker = new QHBoxLayout;
    picker->setSpacing(10);
    picker->addWidget(runningAppLabel_, 0, Qt::AlignVCenter);
    picker->addWidget(runningAppPicker_, 1);
    auto* field = new QHBoxLayout;
    field->setSpacing(10);
    field->addWidget(appField_, 1);
    field->addWidget(useFrontmostButton_);
    auto* layout = column(appEditor_, 14);
    layout->addWidget(appIntro_);
    layout->addLayout(picker);
    layout->addLayout(field);
    layout->addWidget(appHelp_);
    layout->addWidget(appValidation_);

    connect(runningAppPicker_, &QComboBox::activated, this, [this](int index) {
        state_.setRunningAppSelection(runningAppPicker_->itemData(index).toString());
    });
    connect(appField_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { state_.setOpenAppBundleIdentifier(text); });
    connect(useFrontmostButton_, &QPushButton::clicked, this,
            [this] { state_.useFrontmostApplication(); });
    return appEditor_;
}

QWidget* ActionStepView::buildURLEditor() {
    urlEditor_ = new QWidget;
    urlIntro_ = paragraph();
    urlField_ = new RuleEditorTextField;
    urlHelp_ = paragraph();
    urlValidation_ = new ThemedTextLabel(Font::captionText, Token::statusRedText, Overflow::wrap);
    setAccessibilityIdentifier(*urlField_->lineEdit(),
                               QStringLiteral("CustomGesture_OpenURLField"));
    urlField_->lineEdit()->setPlaceholderText(QStringLiteral("https://example.com"));

    auto* layout = column(urlEditor_, 14);
    layout->addWidget(urlIntro_);
    layout->addWidget(urlField_);
    layout->addWidget(urlHelp_);
    layout->addWidget(urlValidation_);

    connect(urlField_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { state_.setOpenURLString(text); });
    return urlEditor_;
}

void ActionStepView::reloadApplications() {
    const QSignalBlocker blocker(runningAppPicker_);
    runningAppPicker_->clear();
    runningAppPicker_->addItem(L10n::string("Choose a running app"), QString());
    for (const GestureAppScopeChoice& choice : state_.model().availableAppScopeChoices()) {
        runningAppPicker_->addItem(choice.displayName, choice.bundleIdentifier);
    }
}

void ActionStepView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Applications may have been installed or removed since the step was last in view.
    appEditorShown_ = false;
    state_.lookUpAgain();
    refresh();
}

void ActionStepView::refresh() {
    const Kind kind = state_.actionKind();
    heading_->setText(L10n::string("Step 2: choose the action"));
    summary_->setText(state_.actionStepSummary());
    {
        const QSignalBlocker blocker(kindPicker_);
        setPickerRows(*kindPicker_,
                      pickerRows<GestureActionEditorKind>([](Kind k) { return title(k); }));
        selectOption(*kindPicker_, kind);
    }
    kindPicker_->setAccessibleName(L10n::string("Action Type"));
    shortcutEditor_->setVisible(kind == Kind::keyboardShortcut);
    predefinedEditor_->setVisible(kind == Kind::predefined);
    appEditor_->setVisible(kind == Kind::openApp);
    urlEditor_->setVisible(kind == Kind::openURL);

    // Shortcut.
    const auto descriptor = state_.draftDescriptor();
    gestureRow_->setVisible(descriptor.has_value());
    gestureGlyph_->setPattern(descriptor);
    gestureName_->setText(descriptor ? displayLabel(*descriptor) : QString());
    gestureTarget_->setText(state_.shortcutTargetText());
    recordButton_->setText(buttonText(state_.recordButtonTitle()));
    clearShortcutButton_->setText(buttonText(L10n::string("Clear")));
    clearShortcutButton_->setEnabled(state_.canClearShortcut());
    shortcutValue_->setText(state_.shortcutValueText());
    shortcutValue_->setColorToken(state_.isRecordingShortcut() ? Token::accentText
                                                               : Token::textPrimary);
    const auto& status = state_.shortcutStatusMessage();
    shortcutStatus_->setVisible(status.has_value());
    shortcutStatus_->setText(status.value_or(QString()));

    // Ready-made command.
    predefinedIntro_->setText(L10n::string(kPredefinedIntro));
    predefinedLabel_->setText(L10n::string("Preset Action"));
    predefinedPicker_->setAccessibleName(L10n::string("Preset Action"));
    {
        const QSignalBlocker blocker(predefinedPicker_);
        setPickerRows(*predefinedPicker_, pickerRows<PredefinedAction>(
                                              [](PredefinedAction a) { return displayLabel(a); }));
        selectOption(*predefinedPicker_, state_.selectedPredefinedAction());
    }
    predefinedNotes_->setText(
        PredefinedActionCatalog::defaultNotes(state_.selectedPredefinedAction()));

    // Application.
    // Applications come and go: the list is read when its editor comes into view, not on every
    // keystroke.
    if (kind == Kind::openApp && !appEditorShown_) {
        reloadApplications();
    }
    appEditorShown_ = kind == Kind::openApp;
    appIntro_->setText(L10n::string("Pick a running app or enter an application ID manually."));
    runningAppLabel_->setText(L10n::string("Running Apps"));
    runningAppPicker_->setAccessibleName(L10n::string("Running Apps"));
    if (runningAppPicker_->count() > 0) {
        const QSignalBlocker blocker(runningAppPicker_);
        runningAppPicker_->setItemText(0, L10n::string("Choose a running app"));
        runningAppPicker_->setCurrentIndex(
            runningAppPicker_->findData(state_.runningAppSelection()));
    }
    appField_->setText(state_.openAppBundleIdentifier());
    // Named after the kind chosen above, which is what the field holds.
    appField_->lineEdit()->setAccessibleName(title(Kind::openApp));
    useFrontmostButton_->setText(buttonText(L10n::string("Use Frontmost")));
    appHelp_->setText(L10n::string(kAppHelp));
    appValidation_->setText(state_.openAppValidationText());
    appValidation_->setColorToken(state_.isOpenAppValid() && !state_.hasFrontmostNotice()
                                      ? Token::textSecondary
                                      : Token::statusRedText);

    // URL.
    urlIntro_->setText(L10n::string("Enter a URL to open when the gesture matches."));
    urlField_->setText(state_.openURLString());
    urlField_->lineEdit()->setAccessibleName(title(Kind::openURL));
    urlHelp_->setText(L10n::string(kURLHelp));
    urlValidation_->setText(state_.openURLValidationText());
    urlValidation_->setColorToken(state_.isOpenURLValid() ? Token::textSecondary
                                                          : Token::statusRedText);

    // What a save would store.
    previewCaption_->setText(L10n::string("Selected Action").toUpper());
    const auto action = state_.resolvedAction();
    actionPreview_->setVisible(action.has_value());
    if (action) {
        actionPreview_->setAction(*action);
    }
    previewPlaceholder_->setVisible(!action.has_value());
    previewPlaceholder_->setText(L10n::string("Choose an action before continuing."));
}

}  // namespace quillorbitex
