// The rule editor as a user drives it: a real model on the simulated tap, strokes drawn through
// the tap, buttons clicked, and keys sent as key events to the focused widget, where the
// application-wide key monitor hears them.
#include "Views/RuleEditor/CustomGestureWizard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextDocumentFragment>

#include "Application/QtKeyEventMonitor.h"
#include "Models/ActionLabels.h"
#include "Services/Capture/GestureClassifier.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/SegmentedPicker.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/Dashboard/DebugTraceCanvas.h"
#include "Views/Dashboard/EditableGestureRuleRow.h"
#include "Views/RuleEditor/ActionStepView.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/RuleEditor/GestureStepView.h"
#include "Views/RuleEditor/ReviewStepView.h"
#include "Views/RuleEditor/RuleEditorPresenter.h"
#include "Views/RuleEditor/RuleEditorTextField.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"
#include "Views/Theme/Theme.h"
#include "support/Contrast.h"
#include "support/StrokeShapes.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using namespace testing;
using Mode = GestureRuleEditorMode;
using Step = GestureRuleEditorStep;

const GestureDescriptor kRightDown = GestureDescriptor::directional(GesturePattern::rightThenDown);
const KeyboardShortcutDescriptor kControlShiftK{KeyboardKeyToken::k,
                                                {ModifierKey::control, ModifierKey::shift}};

// Where a key typed now goes.
QWidget* keyTarget(QWidget* window) {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused : window;
}

class RuleEditorWidget : public WidgetTest {
protected:
    void SetUp() override {
        env.workspace->addApplication({"org.example.Notes", "Notes", "/apps/notes.desktop"});
        env.workspace->setSchemeHandler("https", {"web", "Web Browser", "/apps/web.desktop"});
        env.build();
    }
    void TearDown() override {
        delete wizard.data();
        settle();
    }

    CustomGestureWizard& open(Mode mode, std::optional<GestureMapping> mapping = std::nullopt) {
        wizard = new CustomGestureWizard(GestureRuleEditorContext::open(mode, std::move(mapping)),
                                         *env.model, {env.workspace, keys, &env.main});
        wizard->show();
        wizard->activateWindow();
        settle();
        return *wizard;
    }

    // A new rule's editor on its action step, the gesture seeded.
    CustomGestureWizard& openAtActionStep() {
        CustomGestureWizard& editor = open(Mode::newRule);
        env.model->seedCapturedGestureDraft(kUpDown);
        settle();
        click(editor.nextButton());
        return editor;
    }

    void storeRule(const GestureMapping& rule) {
        env.store->replaceCustomMappings({rule});
        env.model->syncMappingsFromStore();
    }

    void click(QAbstractButton* button) {
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << button->text().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(keyTarget(wizard), key, modifiers);
        settle();
    }

    void chooseKind(GestureActionEditorKind kind) {
        SegmentedPicker* picker = wizard->actionStep()->kindPicker();
        click(picker->segment(static_cast<int>(kind)));
    }

    // Types the text, then pauses.
    void typeInto(RuleEditorTextField* field, const QString& text) {
        field->lineEdit()->setFocus();
        QTest::keyClicks(field->lineEdit(), text);
        pauseTyping();
    }

    void pauseTyping() {
        env.main.advance(GestureRuleEditorState::typingPause);
        settle();
    }

    std::shared_ptr<QtKeyEventMonitor> keys = std::make_shared<QtKeyEventMonitor>();
    QPointer<CustomGestureWizard> wizard;
};

TEST_F(RuleEditorWidget, CreatesARuleFromADrawnStrokeAndARecordedShortcut) {
    CustomGestureWizard& editor = open(Mode::newRule);
    EXPECT_FALSE(editor.backButton()->isVisible());
    click(editor.gestureStep()->captureButton());
    env.drawStroke(circle({500, 500}, 80, 48));
    settle();
    ASSERT_TRUE(env.model->capturedGestureDraft().has_value());
    EXPECT_EQ(editor.gestureStep()->trace()->points(), env.model->capturedGestureDraft()->points);
    // The preview's placeholder gives way to the gesture.
    for (const ThemedTextLabel* text : editor.gestureStep()->findChildren<ThemedTextLabel*>()) {
        EXPECT_FALSE(text->isVisible() && text->text().startsWith("Capture a gesture to preview"));
    }
    click(editor.nextButton());

    ActionStepView* action = editor.actionStep();
    click(action->recordButton());
    // A modifier on its own and a key's repeats do not end the recording.
    press(Qt::Key_Control, Qt::ControlModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_J, Qt::NoModifier, "j", true);
    QApplication::sendEvent(keyTarget(wizard), &repeat);
    EXPECT_TRUE(editor.state().isRecordingShortcut());
    press(Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(editor.state().isRecordingShortcut());
    EXPECT_EQ(action->shortcutValue()->text(), displayLabel(kControlShiftK));
    EXPECT_EQ(action->actionPreview()->capLabels().size(), 3);
    click(editor.nextButton());

    // Return in the name field presses no button: the sheet stays on the review step.
    typeInto(editor.reviewStep()->nameField(), "Loop");
    press(Qt::Key_Return);
    ASSERT_TRUE(wizard);
    EXPECT_EQ(editor.state().step(), Step::review);
    click(editor.saveButton());

    EXPECT_FALSE(wizard) << "a saved rule closes the sheet";
    ASSERT_EQ(env.model->customMappings().size(), 1u);
    const GestureMapping& saved = env.model->customMappings().front();
    EXPECT_EQ(saved.action(), GestureAction::keyboardShortcut(kControlShiftK));
    EXPECT_EQ(saved.name(), "Loop");
    ASSERT_NE(saved.pattern().gestureTemplate(), nullptr);
    EXPECT_EQ(saved.pattern().gestureTemplate()->name(), "Loop");
    EXPECT_FALSE(env.model->isAwaitingGestureCapture());
}

// What the recorder refuses or cancels is the editor state's; here, that the keys reach it.
TEST_F(RuleEditorWidget, KeysReachTheRecorderWhileItListensAndEscapeClosesOtherwise) {
    CustomGestureWizard& editor = openAtActionStep();
    ActionStepView* action = editor.actionStep();
    for (const auto& [key, status] :
         {std::pair{Qt::Key_Comma, "That key combination could not be captured."},
          {Qt::Key_Escape, "Shortcut capture cancelled."}}) {
        SCOPED_TRACE(status);
        click(action->recordButton());
        press(key);
        ASSERT_TRUE(wizard) << "the key went to the recorder, not the sheet";
        EXPECT_FALSE(editor.state().isRecordingShortcut());
        EXPECT_EQ(action->shortcutStatus()->text(), status);
    }
    click(action->recordButton());
    press(Qt::Key_F5);
    click(action->clearShortcutButton());
    EXPECT_FALSE(editor.nextButton()->isEnabled());
    EXPECT_TRUE(action->previewPlaceholder()->isVisible());

    press(Qt::Key_Escape);
    EXPECT_FALSE(wizard);
    EXPECT_FALSE(env.model->capturedGestureDraft().has_value());
}

TEST_F(RuleEditorWidget, NoTextFieldKeepsTheFocusWhileRecording) {
    CustomGestureWizard& editor = openAtActionStep();
    chooseKind(GestureActionEditorKind::openURL);
    typeInto(editor.actionStep()->urlField(), "https://");
    chooseKind(GestureActionEditorKind::keyboardShortcut);
    editor.state().startShortcutRecording();
    settle();
    QWidget* focused = QApplication::focusWidget();
    EXPECT_TRUE(focused == nullptr || !focused->testAttribute(Qt::WA_InputMethodEnabled));
    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(editor.state().openURLString(), "https://");
}

// What each input is told is the editor state's; here, how the line under the field looks.
TEST_F(RuleEditorWidget, AWrongInputIsToldInRedAndARightOneReadablyAndOnlyItEnablesNext) {
    CustomGestureWizard& editor = openAtActionStep();
    ActionStepView* action = editor.actionStep();
    chooseKind(GestureActionEditorKind::openApp);
    typeInto(action->appField(), "org.example.Missing");
    const ThemePalette::Token wrong = action->appValidation()->colorToken();
    EXPECT_EQ(ThemePalette::textOn(ThemePalette::Token::statusRed), wrong);
    EXPECT_FALSE(editor.nextButton()->isEnabled());

    chooseKind(GestureActionEditorKind::openURL);
    typeInto(action->urlField(), "https://example.com");
    EXPECT_EQ(action->urlValidation()->text(), "Handled by Web Browser");
    EXPECT_NE(action->urlValidation()->colorToken(), wrong);
    EXPECT_TRUE(editor.nextButton()->isEnabled());
    // Either line is small text on the sheet: readable in both appearances.
    for (const ThemePalette::Token line : {wrong, action->urlValidation()->colorToken()}) {
        for (const bool dark : {false, true}) {
            EXPECT_GE(contrastRatio(ThemePalette::color(line, dark),
                                    ThemePalette::color(ThemePalette::Token::bgPrimary, dark)),
                      4.5);
        }
    }
}

TEST_F(RuleEditorWidget, ChangingTheActionKeepsTheGesture) {
    storeRule(GestureMapping(kRightDown, GestureAction::keyboardShortcut(kControlShiftK), {},
                             "Tabs", GestureMappingSource::custom, true, {}));
    CustomGestureWizard& editor = open(Mode::overrideCommand, env.model->mapping(kRightDown));
    EXPECT_EQ(editor.actionStep()->shortcutValue()->text(), displayLabel(kControlShiftK));
    chooseKind(GestureActionEditorKind::predefined);
    QComboBox* picker = editor.actionStep()->predefinedPicker();
    picker->setCurrentIndex(picker->findData(QStringLiteral("newTab")));
    Q_EMIT picker->activated(picker->currentIndex());
    click(editor.nextButton());
    click(editor.saveButton());

    EXPECT_FALSE(wizard);
    ASSERT_EQ(env.model->customMappings().size(), 1u);
    EXPECT_EQ(env.model->customMappings().front().pattern(), kRightDown);
    EXPECT_EQ(env.model->customMappings().front().action(),
              GestureAction::predefined(PredefinedAction::newTab));
}

// How many labels of `step` show `text`, each shortened in the middle, whole in its tooltip (whose
// middle is left out past 2,000 characters).
int expectShortenedWithWholeTooltip(const QWidget& step, const QString& text) {
    int shortened = 0;
    for (const ThemedTextLabel* label : step.findChildren<ThemedTextLabel*>()) {
        if (label->isVisibleTo(&step) && label->text().contains(text)) {
            ++shortened;
            EXPECT_LE(label->displayedText().size(), ThemedTextLabel::actionTextLength)
                << label->text().left(40).toStdString();
            const QString tip = QTextDocumentFragment::fromHtml(label->toolTip())
                                    .toPlainText()
                                    .remove(QChar(0x200B));
            EXPECT_TRUE(text.size() <= 1000
                            ? tip.contains(text)
                            : tip.contains(text.left(500)) && tip.contains(text.right(500)))
                << tip.left(60).toStdString();
        }
    }
    return shortened;
}

// The sheet is as tall as the step shown needs, within the screen, its footer always in view; a
// long URL is shortened on the review step.
TEST_F(RuleEditorWidget, TheSheetFollowsTheStepWithinTheScreen) {
    CustomGestureWizard& editor = open(Mode::newRule);
    const int available = editor.screen()->availableGeometry().height();
    const auto footerInView = [&] {
        const QRect back(editor.cancelButton()->mapTo(&editor, QPoint()),
                         editor.cancelButton()->size());
        return editor.rect().contains(back);
    };
    // What the step holds does not matter to the sheet, only how tall it is.
    auto* tallBlock = new QWidget;
    tallBlock->setFixedHeight(available + 400);
    editor.gestureStep()->layout()->addWidget(tallBlock);
    env.model->seedCapturedGestureDraft(kUpDown);
    settle();
    const int gestureHeight = editor.height();
    EXPECT_LE(gestureHeight, available);
    EXPECT_TRUE(footerInView());
    EXPECT_GT(editor.stepScrollArea()->verticalScrollBar()->maximum(), 0);

    click(editor.nextButton());
    EXPECT_LT(editor.height(), gestureHeight);
    chooseKind(GestureActionEditorKind::openURL);
    const QString url = QStringLiteral("https://example.com/") + QString(1500, QLatin1Char('u'));
    editor.actionStep()->urlField()->lineEdit()->setText(url);
    Q_EMIT editor.actionStep()->urlField()->lineEdit()->textEdited(url);
    pauseTyping();
    click(editor.nextButton());
    ASSERT_EQ(editor.state().step(), Step::review);
    EXPECT_LE(editor.height(), available);
    EXPECT_TRUE(footerInView());
    EXPECT_EQ(expectShortenedWithWholeTooltip(*editor.reviewStep(), url), 1);
    click(editor.backButton());
    click(editor.backButton());
    EXPECT_EQ(editor.height(), gestureHeight);
}

// The gesture step shortens a rule's very long action as the review step does, so it needs no
// scrolling and the preview stays in view.
TEST_F(RuleEditorWidget, TheGestureStepShortensALongActionAndKeepsThePreviewInView) {
    const QString stored = QStringLiteral("https://example.org/") + QString(5000, QLatin1Char('a'));
    storeRule(GestureMapping(kUpDown, GestureAction::openURL(stored), {}, "Docs",
                             GestureMappingSource::custom, true, {}));
    // The current action; the existing one, back from the action step; what the gesture sends.
    for (const Mode mode : {Mode::overrideGesture, Mode::overrideCommand, Mode::newRule}) {
        SCOPED_TRACE(static_cast<int>(mode));
        CustomGestureWizard& editor =
            open(mode, mode == Mode::newRule ? std::nullopt : env.model->mapping(kUpDown));
        if (mode == Mode::overrideCommand) {
            click(editor.backButton());
        } else if (mode == Mode::newRule) {
            env.model->seedCapturedGestureDraft(kUpDown);
            settle();
        }
        ASSERT_EQ(editor.state().step(), Step::gesture);
        EXPECT_EQ(expectShortenedWithWholeTooltip(*editor.gestureStep(), stored), 1);
        EXPECT_EQ(editor.stepScrollArea()->verticalScrollBar()->maximum(), 0);
        delete wizard.data();
    }
}

TEST_F(RuleEditorWidget, EveryWayOutDisarmsAndStopsListening) {
    struct Case {
        const char* label;
        std::function<void(CustomGestureWizard&)> leave;
    };
    const std::vector<Case> cases = {
        {"close", [](CustomGestureWizard& w) { w.closeButton()->click(); }},
        {"cancel", [](CustomGestureWizard& w) { w.cancelButton()->click(); }},
        {"window manager", [](CustomGestureWizard& w) { w.close(); }},
        {"window beneath closes", [](CustomGestureWizard& w) { delete &w; }},
    };
    for (const auto& [label, leave] : cases) {
        for (const bool armed : {true, false}) {
            SCOPED_TRACE(::testing::Message() << label << (armed ? ", armed" : ", with a draft"));
            CustomGestureWizard& editor = open(Mode::newRule);
            if (armed) {
                click(editor.gestureStep()->captureButton());
            } else {
                env.model->seedCapturedGestureDraft(kUpDown);
            }
            env.model->setCapturedKeyboardShortcutDraft(kControlShiftK);
            editor.state().startShortcutRecording();
            ASSERT_EQ(env.model->isAwaitingGestureCapture(), armed);
            leave(editor);
            settle();
            EXPECT_FALSE(wizard);
            EXPECT_FALSE(env.model->isAwaitingGestureCapture());
            EXPECT_FALSE(env.model->capturedGestureDraft().has_value());
            EXPECT_FALSE(env.model->capturedKeyboardShortcutDraft().has_value());
            // The key monitor is gone: keys reach widgets again.
            QLineEdit field;
            field.show();
            field.setFocus();
            QTest::keyClick(&field, Qt::Key_K);
            EXPECT_EQ(field.text(), "k");
        }
    }
}

// The dashboard's buttons open a modal editor over the window, with a fresh context each time.
TEST_F(RuleEditorWidget, TheDashboardsButtonsOpenAnEditorForWhatTheyAsk) {
    QWidget window;
    auto* dashboard = new DashboardView(*env.model, &env.main, &window);
    RuleEditorPresenter presenter(*env.model, {env.workspace, keys, &env.main}, window);
    presenter.followRequestsOf(*dashboard);
    window.show();
    const auto rowButton = [&](const QString& text) -> QPushButton* {
        for (auto* row : dashboard->findChildren<EditableGestureRuleRow*>()) {
            for (auto* button : row->findChildren<QPushButton*>()) {
                if (row->mapping().pattern() == kUpDown && button->text() == text) {
                    return button;
                }
            }
        }
        return nullptr;
    };
    struct Case {
        QPushButton* button;
        Mode mode;
        bool withRule;
    };
    const Case cases[] = {
        {dashboard->findChild<QPushButton*>(QStringLiteral("CustomGesture_OpenWizardButton")),
         Mode::newRule, false},
        {rowButton("Change Action"), Mode::overrideCommand, true},
        {rowButton("Change Action"), Mode::overrideCommand, true},
        {rowButton("Change Gesture"), Mode::overrideGesture, true},
    };
    QSet<QUuid> contexts;
    for (const Case& c : cases) {
        ASSERT_NE(c.button, nullptr);
        c.button->click();
        CustomGestureWizard* editor = presenter.editor();
        ASSERT_NE(editor, nullptr);
        SCOPED_TRACE(static_cast<int>(c.mode));
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->parentWidget(), &window);
        EXPECT_EQ(editor->windowModality(), Qt::WindowModal);
        EXPECT_EQ(editor->state().mode(), c.mode);
        EXPECT_EQ(editor->state().context().mapping,
                  c.withRule ? env.model->mapping(kUpDown) : std::nullopt);
        contexts.insert(editor->state().context().id);
        editor->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(presenter.editor(), nullptr);
    }
    EXPECT_EQ(contexts.size(), 4);
}

}  // namespace
}  // namespace quillorbitex
