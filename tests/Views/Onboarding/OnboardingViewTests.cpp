#include "Views/Onboarding/OnboardingView.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <climits>

#include "Application/QtKeyEventMonitor.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/DashboardWindow.h"
#include "Views/Onboarding/OnboardingCustomizationStep.h"
#include "Views/Onboarding/OnboardingFooter.h"
#include "Views/Onboarding/OnboardingPermissionStep.h"
#include "Views/Onboarding/OnboardingProgressBar.h"
#include "Views/Onboarding/OnboardingViewModel.h"
#include "Views/Onboarding/OnboardingWelcomeStep.h"
#include "Views/Onboarding/PermissionBlock.h"
#include "Views/Onboarding/SpringCurve.h"
#include "Views/RuleEditor/CustomGestureWizard.h"
#include "Views/SidebarView.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"
#include "Views/Theme/Theme.h"
#include "support/Contrast.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using Keys = GestureSettingsStore::Keys;
using Kind = StatusPill::State::Kind;
using Token = ThemePalette::Token;
using namespace testing;

// An onboarding over a stand-in page with a text field of its own, in a window of the
// dashboard's size.
class OnboardingViewTest : public WidgetTest {
protected:
    OnboardingView& open(bool testMode = true) {
        env.config.isUITest = testMode;
        AppModel& model = env.build();
        window = std::make_unique<QWidget>();
        window->resize(1100, 780);
        auto* layout = new QVBoxLayout(window.get());
        page = new QLineEdit(window.get());
        layout->addWidget(page);
        view = new OnboardingView(
            model,
            [this] {
                ++completions;
                env.model->completeOnboarding();
            },
            window.get());
        window->show();
        settle();
        return *view;
    }

    void press(const char* identifier) {
        auto* button = view->findChild<QAbstractButton*>(QString::fromLatin1(identifier));
        ASSERT_NE(button, nullptr) << identifier;
        ASSERT_TRUE(button->isVisible()) << identifier;
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    bool shown(const char* identifier) const {
        auto* widget = view->findChild<QWidget*>(QString::fromLatin1(identifier));
        return widget != nullptr && widget->isVisible();
    }

    // The step views that exist and are on screen.
    QStringList stepsOnScreen() const {
        QStringList names;
        for (auto* step : view->findChildren<OnboardingStepView*>()) {
            if (step->isVisible()) {
                names << step->objectName();
            }
        }
        return names;
    }

    template <typename Step>
    Step& step() const {
        auto* current = dynamic_cast<Step*>(view->currentStepView());
        EXPECT_NE(current, nullptr);
        return *current;
    }

    std::unique_ptr<QWidget> window;
    QPointer<OnboardingView> view;
    QLineEdit* page = nullptr;
    int completions = 0;
};

// How far apart two colours are, summed over the channels.
int colourDistance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// The progress bar's segments as drawn: P the current step, M one done, H one to come.
QString segments(QWidget& bar) {
    const QImage image = bar.grab().toImage();
    QString drawn;
    for (int i = 0; i < 3; ++i) {
        const QColor c = image.pixelColor(image.width() * (2 * i + 1) / 6, image.height() - 4);
        std::pair<int, char> nearest{INT_MAX, '?'};
        for (const auto& [token, mark] : {std::pair{Token::accentPrimary, 'P'},
                                          {Token::accentMuted, 'M'},
                                          {Token::bgHover, 'H'}}) {
            nearest = std::min(nearest, {colourDistance(c, Theme::color(token, bar)), mark});
        }
        drawn += QLatin1Char(nearest.second);
    }
    return drawn;
}

TEST_F(OnboardingViewTest, WalksForwardAndBackThroughTheSteps) {
    OnboardingView& v = open();
    EXPECT_EQ(v.geometry(), window->rect());
    const char* const next = OnboardingFooter::nextIdentifier;
    const char* const back = OnboardingFooter::backIdentifier;
    const struct {
        const char* press;
        const char* step;
        int number;
        const char* buttons;  // B back, N next, C complete
        const char* segments;
    } walk[] = {
        {nullptr, "OnboardingWelcomeStep", 1, "N", "PHH"},
        {next, "OnboardingPermissionStep", 2, "BN", "PPH"},
        {next, "OnboardingCustomizationStep", 3, "BC", "PPP"},
        {back, "OnboardingPermissionStep", 2, "BN", "PPH"},
        {back, "OnboardingWelcomeStep", 1, "N", "PHH"},
    };
    for (const auto& w : walk) {
        SCOPED_TRACE(w.step);
        if (w.press != nullptr) {
            press(w.press);
        }
        // Steps that were left are gone, not just hidden.
        EXPECT_EQ(stepsOnScreen(), QStringList{QString::fromLatin1(w.step)});
        EXPECT_EQ(v.findChildren<OnboardingStepView*>().size(), 1);
        EXPECT_TRUE(v.currentStepView()->isRevealed());
        EXPECT_EQ(v.footer()->counterText(), QStringLiteral("Step %1 of 3").arg(w.number));
        // The counter is small text: readable on the card in both appearances.
        for (const ThemedTextLabel* text : v.footer()->findChildren<ThemedTextLabel*>()) {
            for (const bool dark : {false, true}) {
                EXPECT_GE(testing::contrastRatio(ThemePalette::color(text->colorToken(), dark),
                                                 ThemePalette::color(Token::bgElevated, dark)),
                          4.5)
                    << text->text().toStdString();
            }
        }
        const QString buttons = QString::fromLatin1(w.buttons);
        EXPECT_EQ(shown(back), buttons.contains('B'));
        EXPECT_EQ(shown(next), buttons.contains('N'));
        EXPECT_EQ(shown(OnboardingFooter::completeIdentifier), buttons.contains('C'));
        EXPECT_EQ(segments(*v.progressBar()), QString::fromLatin1(w.segments));
    }
    EXPECT_FALSE(env.model->hasCompletedOnboarding());
    EXPECT_EQ(completions, 0);
}

TEST_F(OnboardingViewTest, WelcomeListsEveryPresetWithItsOwnAction) {
    // A removed preset and an overridden one are listed all the same, with the preset's action.
    OnboardingView& v = open();
    env.model->removeMapping(GestureDescriptor::directional(GesturePattern::leftThenUp));
    env.model->mappingStore()->upsertCustomMapping(
        GesturePattern::upThenDown, GestureAction::predefined(PredefinedAction::quitApp),
        std::nullopt);
    env.model->syncMappingsFromStore();
    ASSERT_EQ(env.model->customMappings().size(), 1U);
    v.restart();
    settle();

    auto& welcome = step<OnboardingWelcomeStep>();
    EXPECT_EQ(welcome.rowLabels(), (QStringList{"Up -> Down", "Left -> Up", "Left -> Down"}));
    QStringList actions;
    // Key cap groups are plain widgets without their own meta-object.
    for (const QWidget* widget : welcome.findChildren<QWidget*>()) {
        if (const auto* keys = dynamic_cast<const KeyCapGroup*>(widget)) {
            actions << keys->tokenLabel().value_or(QStringLiteral("(caps)"));
        }
    }
    EXPECT_EQ(actions, (QStringList{"Refresh", "Previous Tab", "Next Tab"}));
}

TEST_F(OnboardingViewTest, AccessStepFollowsTheModel) {
    env.trust->setTrusted(false);
    open(false);
    ASSERT_EQ(env.model->accessibilityPermission(), PermissionState::denied);
    // Trusted from now on, but nobody has looked yet: entering the step looks.
    env.trust->setTrusted(true);
    press(OnboardingFooter::nextIdentifier);
    auto& access = step<OnboardingPermissionStep>();
    EXPECT_EQ(access.accessBlock()->title(), QStringLiteral("X Display"));
    EXPECT_EQ(access.accessBlock()->pillState(), StatusPill::State::green("Granted"));
    EXPECT_EQ(access.accessBlock()->detail(), detail(PermissionState::granted));
    EXPECT_EQ(access.monitorBlock()->pillState(), StatusPill::State::green("Running"));
    // No settings application on this desktop (yet): the button offers nothing.
    EXPECT_FALSE(access.settingsButton()->isEnabled());
    env.workspace->addApplication(
        {QStringLiteral("org.gnome.Settings"), QStringLiteral("Settings"), QString()});

    // Each block shows what the model says; the pills take the colour of its state.
    const struct {
        const char* name;
        std::function<void()> change;
        Kind access;
        Kind monitor;
    } changes[] = {
        {"capture switched off", [&] { env.model->setCaptureEnabled(false); }, Kind::green,
         Kind::amber},
        {"capture back on", [&] { env.model->setCaptureEnabled(true); }, Kind::green, Kind::green},
        {"access lost, seen by the next look",
         [&] {
             env.trust->setTrusted(false);
             env.model->refreshPermissions();
         },
         Kind::red, Kind::red},
        {"access back after Check Again",
         [&] {
             env.trust->setTrusted(true);
             QTest::mouseClick(access.checkAgainButton(), Qt::LeftButton);
             env.timeline->advance(600ms);
         },
         Kind::green, Kind::green},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        c.change();
        settle();
        EXPECT_EQ(access.accessBlock()->pillState().kind(), c.access);
        EXPECT_EQ(access.accessBlock()->detail(), detail(env.model->accessibilityPermission()));
        EXPECT_EQ(access.monitorBlock()->pillState().kind(), c.monitor);
        EXPECT_EQ(access.monitorBlock()->pillState().label(), env.model->monitorState().title());
        EXPECT_EQ(access.monitorBlock()->detail(), env.model->monitorState().detail());
    }

    // Both buttons stay while access is granted; settings open the desktop's settings.
    EXPECT_TRUE(access.checkAgainButton()->isVisible() && access.checkAgainButton()->isEnabled());
    EXPECT_TRUE(access.settingsButton()->isEnabled());
    QTest::mouseClick(access.settingsButton(), Qt::LeftButton);
    ASSERT_EQ(env.workspace->openedApplications().size(), 1U);
    EXPECT_EQ(env.workspace->openedApplications()[0].identifier,
              QStringLiteral("org.gnome.Settings"));
}

// In every language each block of the access step keeps its buttons whole and inside it, and its
// explanation a readable column: the buttons go under the text where they do not fit beside it.
TEST_F(OnboardingViewTest, AccessStepBlocksFitEveryLanguage) {
    open();
    press(OnboardingFooter::nextIdentifier);
    auto& access = step<OnboardingPermissionStep>();
    for (const AppLanguageOverride language : allCases<AppLanguageOverride>()) {
        SCOPED_TRACE(std::string(rawValue(language)));
        env.model->setLanguageOverride(language);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window.get(), &change);
        settle();
        for (const PermissionBlock* block : {access.accessBlock(), access.monitorBlock()}) {
            for (const QAbstractButton* button : block->findChildren<QAbstractButton*>()) {
                const QRect bounds(button->mapTo(block, QPoint()), button->size());
                EXPECT_TRUE(!button->isVisible() || block->rect().contains(bounds))
                    << button->text().toStdString();
                EXPECT_GE(button->width(), button->sizeHint().width())
                    << button->text().toStdString();
            }
            const ThemedTextLabel* title = nullptr;
            const ThemedTextLabel* detail = nullptr;
            for (const ThemedTextLabel* text : block->findChildren<ThemedTextLabel*>()) {
                (text->text() == block->title() ? title : detail) = text;
            }
            ASSERT_TRUE(title != nullptr && detail != nullptr);
            EXPECT_GE(detail->width(), 300) << detail->text().toStdString();
            // The pill stands 8 beside the title, centred on it, while both fit the text column.
            const QWidget* pill = block->findChild<StatusPill*>();
            const int titleEnd = title->x() + title->sizeHint().width();
            if (titleEnd + 8 + pill->width() <= detail->geometry().right() + 1) {
                EXPECT_EQ(pill->x(), titleEnd + 8) << title->text().toStdString();
                EXPECT_NEAR(pill->geometry().center().y(), title->geometry().center().y(), 1);
            }
        }
    }
}

TEST_F(OnboardingViewTest, CustomizationCountsTheCustomRulesAsTheyChange) {
    open();
    press(OnboardingFooter::nextIdentifier);
    press(OnboardingFooter::nextIdentifier);
    auto& customization = step<OnboardingCustomizationStep>();
    EXPECT_EQ(customization.exampleText(), QStringLiteral("Example: Right -> Down"));
    EXPECT_EQ(customization.countText(), QStringLiteral("No custom rules saved yet."));

    // A scoped preset becomes a custom rule.
    env.model->replaceAppScopeRules({GestureAppScopeRule("org.mozilla.firefox", "Firefox", false)},
                                    kUpDown);
    EXPECT_EQ(customization.countText(), QStringLiteral("1 custom rule(s) saved."));
    env.model->replaceAppScopeRules({}, kUpDown);
    EXPECT_EQ(customization.countText(), QStringLiteral("No custom rules saved yet."));

    // The notes and the empty count read the same in every language; the rest is translated.
    env.model->setLanguageOverride(AppLanguageOverride::german);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window.get(), &change);
    EXPECT_EQ(customization.countText(), QStringLiteral("No custom rules saved yet."));
    EXPECT_EQ(customization.notes(),
              (QStringList{"Custom mappings override built-ins with the same path",
                           "Changes take effect immediately"}));
    EXPECT_NE(customization.exampleText(), QStringLiteral("Example: Right -> Down"));
    EXPECT_NE(view->footer()->counterText(), QStringLiteral("Step 3 of 3"));
}

TEST_F(OnboardingViewTest, KeyboardFocusStaysInside) {
    OnboardingView& v = open();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    v.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), v.footer()->primaryButton());

    // Tab and Shift+Tab cycle through the onboarding's own buttons only.
    for (const auto& [key, presses] : {std::pair{Qt::Key_Tab, 7}, {Qt::Key_Backtab, 7}}) {
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            EXPECT_TRUE(v.isAncestorOf(focus)) << focus->metaObject()->className();
            EXPECT_NE(focus, page);
        }
    }

    // Leaving a step whose button had focus hands it to the footer, not to the page beneath.
    press(OnboardingFooter::nextIdentifier);
    auto& access = step<OnboardingPermissionStep>();
    access.settingsButton()->setFocus();
    press(OnboardingFooter::backIdentifier);
    EXPECT_TRUE(v.isAncestorOf(QApplication::focusWidget()));

    // The keyboard alone walks the flow: the focused button's successor takes the focus.
    ASSERT_EQ(v.viewModel().currentStep(), OnboardingStep::welcome);
    v.footer()->primaryButton()->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        settle();
    }
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(env.model->hasCompletedOnboarding());
}

TEST(OnboardingInTheDashboard, CoversTheWindowUntilCompletedAndComesBackFromTheMenu) {
    const AnimationsOff animationsOff;
    AppModelTestEnvironment env;
    env.config.isUITest = true;
    AppModel& model = env.build();
    ASSERT_TRUE(model.showOnboarding());
    DashboardWindow window(model, false, &env.main);
    OnboardingView* onboarding = OnboardingView::install(*window.contentView(), model);
    window.resize(1100, 780);
    window.show();
    QCoreApplication::processEvents();

    ContentView& content = *window.contentView();
    const auto covered = [&] {
        return onboarding->isVisible() && onboarding->geometry() == content.rect() &&
               !content.dashboard()->isEnabled() && !content.sidebar()->isEnabled();
    };
    // The card's filled buttons, which cast shadows of their own, are drawn.
    const auto primaryDrawn = [&] {
        QAbstractButton* primary = onboarding->footer()->primaryButton();
        const QImage shot = window.grab().toImage();
        const QColor centre = shot.pixelColor(primary->mapTo(&window, primary->rect().center()) +
                                              QPoint(0, primary->height() / 3));
        return colourDistance(centre, Theme::color(Token::accentPrimary, *primary)) < 40;
    };
    EXPECT_TRUE(covered());
    EXPECT_TRUE(primaryDrawn());

    // Completed from its last step: gone, the page usable, the flag stored.
    onboarding->viewModel().nextStep();
    onboarding->viewModel().nextStep();
    QTest::mouseClick(onboarding->footer()->primaryButton(), Qt::LeftButton);
    EXPECT_FALSE(onboarding->isVisible());
    EXPECT_TRUE(content.dashboard()->isEnabled() && content.sidebar()->isEnabled());
    EXPECT_EQ(env.defaults->values[GestureSettingsStore::Keys::onboardingCompleted],
              UserDefaults::Value(true));

    // The window menu brings it back, from its first step, on a larger window too.
    window.resize(1400, 900);
    window.reopenOnboardingAction()->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(covered());
    EXPECT_EQ(onboarding->viewModel().currentStep(), OnboardingStep::welcome);
    EXPECT_TRUE(primaryDrawn());
    EXPECT_LE((onboarding->card()->geometry().center() - content.rect().center()).manhattanLength(),
              2);
}

// Every warning Qt prints while it is in scope.
class QtWarnings {
public:
    QtWarnings() { previous_ = qInstallMessageHandler(&QtWarnings::record); }
    ~QtWarnings() { qInstallMessageHandler(previous_); }
    static QStringList& printed() {
        static QStringList messages;
        return messages;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext&, const QString& message) {
        // The offscreen platform's own notice when a window is shown is no fault of a window.
        if (type != QtDebugMsg && type != QtInfoMsg &&
            !message.startsWith(QLatin1String("This plugin does not support"))) {
            printed() << message;
        }
    }
    QtMessageHandler previous_ = nullptr;
};

TEST(OnboardingInTheDashboard, NoTransitionPrintsAQtWarning) {
    Theme::setAnimationsEnabled(true);
    AppModelTestEnvironment env;
    env.config.isUITest = true;
    AppModel& model = env.build();
    DashboardWindow window(model, false, &env.main);
    OnboardingView* onboarding = OnboardingView::install(*window.contentView(), model);
    window.resize(1100, 780);
    QtWarnings warnings;
    QtWarnings::printed().clear();
    // Draws the window as the animations run, so that every frame of each transition is painted.
    const auto run = [&](std::chrono::milliseconds span) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < span.count()) {
            window.grab();
            QTest::qWait(10);
        }
    };
    const auto press = [&](const char* identifier) {
        auto* button = onboarding->findChild<QAbstractButton*>(QString::fromLatin1(identifier));
        ASSERT_TRUE(button != nullptr && button->isVisible()) << identifier;
        QTest::mouseClick(button, Qt::LeftButton);
    };
    window.show();
    run(700ms);
    press(OnboardingFooter::nextIdentifier);
    run(700ms);
    // Interrupted: back before the step has arrived.
    press(OnboardingFooter::nextIdentifier);
    run(50ms);
    press(OnboardingFooter::backIdentifier);
    run(700ms);
    press(OnboardingFooter::nextIdentifier);
    run(700ms);
    press(OnboardingFooter::completeIdentifier);
    run(600ms);
    EXPECT_FALSE(onboarding->isVisible());

    // The rule editor's sheet, over the dashboard, through its steps and back.
    auto* editor = new CustomGestureWizard(
        GestureRuleEditorContext::open(GestureRuleEditorMode::newRule, std::nullopt), model,
        {env.workspace, std::make_shared<QtKeyEventMonitor>()}, &window);
    editor->show();
    model.seedCapturedGestureDraft(kUpDown);
    run(600ms);
    QAbstractButton* next = editor->nextButton();
    QAbstractButton* back = editor->backButton();
    for (QAbstractButton* button : {next, back, next}) {
        QTest::mouseClick(button, Qt::LeftButton);
        run(400ms);
    }
    editor->reject();
    run(300ms);
    QtWarnings::printed().removeDuplicates();
    EXPECT_EQ(QtWarnings::printed(), QStringList{});
}

// ---- OnboardingViewModel -----------------------------------------------------------------------

using Edge = OnboardingViewModel::Edge;
using Step = OnboardingStep;

TEST(OnboardingViewModel, MovesOneStepAtATimeAndStopsAtEitherEnd) {
    // n: next, p: previous.
    const struct {
        const char* presses;
        Step step;
        Edge direction;
        int changes;
    } cases[] = {
        {"p", Step::welcome, Edge::trailing, 0},
        {"nnn", Step::customization, Edge::trailing, 2},
        {"np", Step::welcome, Edge::leading, 2},
        // At the end nothing changes, not even the direction of the last move.
        {"npp", Step::welcome, Edge::leading, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("presses: ") + c.presses);
        OnboardingViewModel model;
        QSignalSpy changes(&model, &OnboardingViewModel::currentStepChanged);
        for (const char* p = c.presses; *p != '\0'; ++p) {
            *p == 'n' ? model.nextStep() : model.previousStep();
        }
        EXPECT_EQ(model.currentStep(), c.step);
        EXPECT_EQ(model.animationDirection(), c.direction);
        EXPECT_EQ(changes.count(), c.changes);
    }
}

TEST(OnboardingViewModel, TheDirectionIsSetBeforeTheStepIsAnnounced) {
    OnboardingViewModel model;
    std::vector<Edge> seen;
    QObject::connect(&model, &OnboardingViewModel::currentStepChanged,
                     [&](Step) { seen.push_back(model.animationDirection()); });
    model.nextStep();
    model.previousStep();
    model.nextStep();
    model.reset();
    EXPECT_EQ(seen, (std::vector{Edge::trailing, Edge::leading, Edge::trailing, Edge::trailing}));
    EXPECT_EQ(model.currentStep(), Step::welcome);
}

TEST(SpringCurve, SettlesWithinItsAnimationAndStaysThere) {
    for (const SpringCurve curve : {SpringCurve{0.6, 0.78}, SpringCurve{0.4, 1.0}}) {
        SCOPED_TRACE(curve.responseSeconds);
        SCOPED_TRACE(curve.dampingFraction);
        EXPECT_EQ(curve.value(0), 0);
        EXPECT_EQ(curve.value(-1), 0);
        const double settled = curve.settlingTime().count() / 1000.0;
        EXPECT_LT(settled, 1.5);
        double peak = 0;
        for (double t = 0; t < settled * 3; t += 0.005) {
            const double v = curve.value(t);
            peak = std::max(peak, v);
            if (t >= settled) {
                EXPECT_NEAR(v, 1, 0.001) << "at " << t;
            }
        }
        // An underdamped spring overshoots a little, a critically damped one not at all.
        if (curve.dampingFraction < 1) {
            EXPECT_GT(peak, 1.0);
            EXPECT_LT(peak, 1.05);
        } else {
            EXPECT_LE(peak, 1.0);
        }
    }
}

}  // namespace
}  // namespace quillorbitex
