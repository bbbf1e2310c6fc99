#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/CaptureToggleWidget.h"
#include "Views/Components/CapsuleLabel.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/Dashboard/RemovedPresetRuleRow.h"
#include "Views/Dashboard/RuleCardFrame.h"
#include "Views/Dashboard/SectionHeader.h"
#include "Views/DashboardHeaderBar.h"
#include "Views/DashboardWindow.h"
#include "Views/SidebarView.h"
#include "Views/Theme/Theme.h"
#include "support/Contrast.h"
#include "support/RuleFactory.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using Token = ThemePalette::Token;
using testing::settle;

constexpr auto kSections = allCases<DashboardSection>();

// A window over a model in test mode, its scroll guard on the environment's virtual time.
class DashboardWindowTest : public testing::WidgetTest {
protected:
    DashboardWindowTest() { env.config.isUITest = true; }

    DashboardWindow& open(bool offersUpdateCommand = false) {
        AppModel& model = env.model ? *env.model : env.build();
        window = std::make_unique<DashboardWindow>(model, offersUpdateCommand, &env.main);
        window->resize(1100, 760);
        window->show();
        settle();
        return *window;
    }

    DashboardView& dashboard() const { return *window->contentView()->dashboard(); }
    SidebarView& sidebar() const { return *window->contentView()->sidebar(); }
    QScrollBar& scrollBar() const { return *dashboard().scrollArea()->verticalScrollBar(); }

    // Gives every section tall contents, so that the page scrolls past each of them.
    void fillSections(int height = 900) {
        for (const DashboardSection section : kSections) {
            auto* filler = new QWidget();
            filler->setFixedHeight(height);
            dashboard().sectionContentLayout(section)->addWidget(filler);
        }
        settle();
        ASSERT_GT(scrollBar().maximum(), 3 * height);
    }

    std::vector<QString> sidebarValues() const {
        std::vector<QString> values;
        for (const DashboardSection section : kSections) {
            values.push_back(sidebar().row(section)->property("accessibilityValue").toString());
        }
        return values;
    }

    std::unique_ptr<DashboardWindow> window;
};

TEST_F(DashboardWindowTest, SectionsComeInOrderEachUnderItsHeaderWithRoomForItsContent) {
    open();
    const struct {
        DashboardSection section;
        const char* title;
    } expected[] = {
        {DashboardSection::overview, "Overview"},
        {DashboardSection::customGestures, "Custom Rules"},
        {DashboardSection::activeGestures, "Preset Rules"},
        {DashboardSection::debugging, "Capture Debug"},
    };
    int previousTop = -1;
    for (const auto& [section, title] : expected) {
        SCOPED_TRACE(title);
        QWidget* wrapper = dashboard().sectionWidget(section);
        EXPECT_GT(wrapper->y(), previousTop);
        previousTop = wrapper->y();
        EXPECT_EQ(dashboard().sectionHeader(section)->title(), QString::fromUtf8(title));
        EXPECT_FALSE(dashboard().sectionHeader(section)->subtitle().isEmpty());

        // What a section's content adds sits inside the section, below its header.
        auto* content = new QWidget();
        content->setFixedHeight(40);
        dashboard().sectionContentLayout(section)->addWidget(content);
        settle();
        EXPECT_EQ(content->parentWidget(), wrapper);
        EXPECT_GT(content->y(), dashboard().sectionHeader(section)->geometry().bottom());
    }
}

TEST_F(DashboardWindowTest, TheSidebarFollowsTheSectionNearestTheAnchorLine) {
    open();
    fillSections();
    // The page scrolled so that one section's top lies `offset` below the top of the view; that
    // section is the one nearest the anchor line.
    using S = DashboardSection;
    const std::pair<S, int> cases[] = {
        {S::customGestures, 88},
        {S::activeGestures, 400},
        // The section above is far off the top (it is at least its filler high); the one below,
        // 150 under the line, is nearer.
        {S::debugging, 88 + 150},
        {S::activeGestures, -300},
        {S::overview, 24}};
    for (const auto& [section, offset] : cases) {
        SCOPED_TRACE(::testing::Message() << rawValue(section) << " at " << offset);
        scrollBar().setValue(dashboard().sectionWidget(section)->y() - offset);
        EXPECT_EQ(dashboard().selectedSection(), section);
        EXPECT_EQ(sidebar().selectedSection(), section);
        std::vector<QString> values(kSections.size(), QStringLiteral("unselected"));
        values[static_cast<std::size_t>(section)] = QStringLiteral("selected");
        EXPECT_EQ(sidebarValues(), values);
    }
}

TEST_F(DashboardWindowTest, TiesKeepTheFirstSectionAndAnEmptyMapChangesNothing) {
    open();
    dashboard().updateSelectedSection({{DashboardSection::debugging, 88}});
    ASSERT_EQ(dashboard().selectedSection(), DashboardSection::debugging);
    dashboard().updateSelectedSection({});
    EXPECT_EQ(dashboard().selectedSection(), DashboardSection::debugging);
    dashboard().updateSelectedSection(
        {{DashboardSection::customGestures, 78}, {DashboardSection::activeGestures, 98}});
    EXPECT_EQ(dashboard().selectedSection(), DashboardSection::customGestures);
}

TEST_F(DashboardWindowTest, SidebarClicksScrollToTheSectionAndHoldTheSelectionBriefly) {
    open();
    fillSections();
    for (const DashboardSection section : kSections) {
        SCOPED_TRACE(rawValue(section));
        QTest::mouseClick(sidebar().row(section), Qt::LeftButton);
        EXPECT_EQ(sidebar().selectedSection(), section);
        EXPECT_EQ(scrollBar().value(),
                  std::min(dashboard().sectionWidget(section)->y(), scrollBar().maximum()));
        // Scrolling during the guard does not move the selection ...
        EXPECT_TRUE(dashboard().isProgrammaticScroll());
        scrollBar().setValue(scrollBar().value() + 700);
        EXPECT_EQ(sidebar().selectedSection(), section);
        // ... and once it is down, the next scroll does.
        env.main.advance(DashboardView::scrollGuard);
        EXPECT_FALSE(dashboard().isProgrammaticScroll());
    }
    scrollBar().setValue(0);
    EXPECT_EQ(sidebar().selectedSection(), DashboardSection::overview);

    // The current section clicked again scrolls back to its top.
    scrollBar().setValue(300);
    env.main.advance(DashboardView::scrollGuard);
    QTest::mouseClick(sidebar().row(DashboardSection::overview), Qt::LeftButton);
    EXPECT_EQ(scrollBar().value(), dashboard().sectionWidget(DashboardSection::overview)->y());
}

TEST_F(DashboardWindowTest, TheFirstClicksGuardEndsOnItsOwnTimeEvenAfterASecondClick) {
    open();
    fillSections();
    QTest::mouseClick(sidebar().row(DashboardSection::activeGestures), Qt::LeftButton);
    env.main.advance(200ms);
    QTest::mouseClick(sidebar().row(DashboardSection::debugging), Qt::LeftButton);
    env.main.advance(149ms);
    EXPECT_TRUE(dashboard().isProgrammaticScroll());
    env.main.advance(1ms);
    EXPECT_FALSE(dashboard().isProgrammaticScroll());
    // No re-evaluation when the guard falls: the clicked section stays until the next scroll.
    EXPECT_EQ(sidebar().selectedSection(), DashboardSection::debugging);
}

TEST_F(DashboardWindowTest, TheCaptureCardSwitchesCaptureAndFollowsTheModel) {
    AppModel& model = env.build();
    ASSERT_TRUE(model.isCaptureEnabled());
    open();
    CaptureToggleWidget* card = sidebar().captureToggle();
    auto* toggle = card->findChild<QAbstractButton*>(QStringLiteral("CaptureToggleControl"));
    ASSERT_NE(toggle, nullptr);

    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_FALSE(model.isCaptureEnabled());
    EXPECT_EQ(model.monitorState(), GestureMonitorState::stopped());
    EXPECT_EQ(card->dotColor(), Theme::color(Token::textTertiary, *card));

    model.setCaptureEnabled(true);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(card->dotColor(), Theme::color(Token::statusGreen, *card));
}

TEST_F(DashboardWindowTest, TheWindowMenuOffersUpdateChecksOnlyWhenTheProgramDoes) {
    for (const bool offered : {false, true}) {
        SCOPED_TRACE(offered);
        DashboardWindow& w = open(offered);
        QSignalSpy checks(&w, &DashboardWindow::checkForUpdatesRequested);
        std::vector<QString> entries;
        for (const QAction* action : w.applicationMenu()->actions()) {
            entries.push_back(action->text());
        }
        if (offered) {
            EXPECT_EQ(entries, (std::vector<QString>{QStringLiteral("Check for Updates…"),
                                                     QStringLiteral("Reopen Onboarding")}));
            w.checkForUpdatesAction()->trigger();
            EXPECT_EQ(checks.count(), 1);
        } else {
            EXPECT_EQ(entries, std::vector<QString>{QStringLiteral("Reopen Onboarding")});
        }
    }
}

// The onboarding layer's cover is tested with the onboarding itself.
TEST_F(DashboardWindowTest, EachShowingIsReported) {
    DashboardWindow& w = open();
    QSignalSpy appeared(&w, &DashboardWindow::appeared);
    w.hide();
    w.show();
    EXPECT_EQ(appeared.count(), 1);
}

TEST_F(DashboardWindowTest, TextsFollowTheLanguageOverride) {
    open(true);
    const auto texts = [&] {
        return std::vector{
            dashboard().sectionHeader(DashboardSection::overview)->title(),
            sidebar().row(sidebar().selectedSection())->property("accessibilityValue").toString(),
            dashboard().headerBar()->checkForUpdatesButton()->text(),
            window->reopenOnboardingAction()->text()};
    };
    const auto english = texts();
    env.model->setLanguageOverride(AppLanguageOverride::japanese);
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_NE(texts()[i], english[i]);
    }
}

// Custom rules of every look: a shortcut, a disabled one with two application rules, a long name
// opening a URL and a name just short of the line beside its capsules.
void storeRulesOfEveryLook(AppModel& model) {
    const std::vector<GestureAppScopeRule> twoApps{
        {QStringLiteral("org.gnome.Nautilus"), QStringLiteral("Files & Folders"), true},
        {QStringLiteral("firefox-esr"), QStringLiteral("Firefox ESR"), false}};
    model.mappingStore()->replaceCustomMappings({
        testing::customRule(GestureDescriptor::directional(GesturePattern::rightThenUp),
                            GestureAction::keyboardShortcut(
                                {KeyboardKeyToken::t,
                                 {ModifierKey::command, ModifierKey::shift, ModifierKey::option}}),
                            QStringLiteral("Reopen")),
        testing::customRule(GestureDescriptor::directional(GesturePattern::upThenDown),
                            GestureAction::predefined(PredefinedAction::refresh),
                            QStringLiteral("Saved Gesture 1"), false, twoApps),
        testing::customRule(
            GestureDescriptor::directional(GesturePattern::leftThenDown),
            GestureAction::openURL(QStringLiteral("https://example.org/board")),
            QStringLiteral("Open the team's shared planning board for the week in a new window"),
            false, {twoApps.front()}),
        testing::customRule(GestureDescriptor::directional(GesturePattern::rightThenDown),
                            GestureAction::openApp(QStringLiteral("org.gnome.Nautilus")),
                            QStringLiteral("Open files and folders in the file manager"), false,
                            {twoApps.front()}),
    });
}

// A rule card's name is broken over lines only when it is wider than its whole line, and then
// nothing stands beside it: the capsules go beside the name when both fit, else under it.
void expectNamesWrapOnlyOnALineOfTheirOwn(const QWidget& page) {
    for (const auto* card : page.findChildren<RuleCardFrame*>()) {
        if (!card->isVisibleTo(&page)) {
            continue;
        }
        const ThemedTextLabel* name = nullptr;
        for (const auto* label : card->findChildren<ThemedTextLabel*>()) {
            if (label->isVisibleTo(card) && label->text() == card->accessibleName()) {
                name = label;
            }
        }
        ASSERT_NE(name, nullptr) << card->accessibleName().toStdString();
        // One line, in whatever fonts its characters come from.
        if (name->height() <= name->heightForWidth(QWIDGETSIZE_MAX)) {
            continue;
        }
        EXPECT_GT(name->oneLineWidth(), name->width()) << name->text().toStdString();
        for (const auto* capsule : card->findChildren<CapsuleLabel*>()) {
            if (capsule->isVisibleTo(card)) {
                EXPECT_FALSE(capsule->geometry().top() < name->geometry().bottom() &&
                             name->geometry().top() < capsule->geometry().bottom())
                    << capsule->text().toStdString() << " beside the wrapped name "
                    << name->text().toStdString();
            }
        }
    }
}

// At the window's least size and at 1100 px, in every language, each control and value of the
// page lies inside the page's view (the page never scrolls sideways), no text is cut short, rule
// names wrap only on a line of their own, and every section's name fits the sidebar's column.
TEST_F(DashboardWindowTest, EveryLanguageFitsThePageAtTheLeastAndAWiderWindowSize) {
    AppModel& model = env.build();
    storeRulesOfEveryLook(model);
    model.syncMappingsFromStore();
    open(true);
    const QWidget& viewport = *dashboard().scrollArea()->viewport();
    QWidget& page = *dashboard().scrollArea()->widget();
    const QSize least = window->minimumSizeHint();
    std::vector<std::pair<int, AppLanguageOverride>> sizes;
    for (const int width : {least.width(), 1100}) {
        for (const AppLanguageOverride language : allCases<AppLanguageOverride>()) {
            sizes.emplace_back(width, language);
        }
    }
    for (const auto& [width, language] : sizes) {
        SCOPED_TRACE(std::string(rawValue(language)) + " at " + std::to_string(width));
        window->resize(width, least.height());
        model.setLanguageOverride(language);
        // Another language's texts reach the page's length through more levels than one settle.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                settle();
                return page.height() >= page.heightForWidth(page.width());
            },
            2000));
        if (width == least.width()) {
            ASSERT_EQ(window->contentView()->size(), ContentView::minimumContentSize);
        }
        expectNamesWrapOnlyOnALineOfTheirOwn(page);
        for (const DashboardSection section : kSections) {
            EXPECT_FALSE(sidebar().isTitleElided(section)) << title(section).toStdString();
        }
        for (QWidget* widget : page.findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window.get())) {
                continue;
            }
            const QRect bounds(widget->mapTo(&viewport, QPoint()), widget->size());
            EXPECT_TRUE(bounds.left() >= 0 && bounds.right() < viewport.width())
                << widget->metaObject()->className() << " " << widget->objectName().toStdString()
                << " " << widget->accessibleName().toStdString() << " spans " << bounds.left()
                << ".." << bounds.right() << " of " << viewport.width();
            if (const auto* label = qobject_cast<ThemedTextLabel*>(widget)) {
                EXPECT_FALSE(label->isElided()) << label->text().toStdString();
            }
            if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
                EXPECT_GE(button->width(), button->sizeHint().width())
                    << button->text().toStdString();
            }
        }
    }
}

// Small text reads at 4.5:1 against what is drawn behind it, in both appearances: every capsule,
// every action token and every label up to the body size.
TEST_F(DashboardWindowTest, SmallTextReadsAgainstWhatIsDrawnBehindIt) {
    AppModel& model = env.build();
    storeRulesOfEveryLook(model);
    model.syncMappingsFromStore();
    model.removeMapping(GestureDescriptor::directional(GesturePattern::leftThenUp));
    const QPalette before = QApplication::palette();
    open();
    QWidget& page = *dashboard().scrollArea()->widget();
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        QApplication::setPalette(ThemePalette::qtPalette(dark));
        settle();
        const QImage image = page.grab().toImage();
        // Text in `token` on what is drawn at `local` of `widget`.
        const auto reads = [&](const QWidget& widget, ThemePalette::Token token, QPoint local) {
            return testing::contrastRatio(ThemePalette::color(token, dark),
                                          image.pixelColor(widget.mapTo(&page, local)));
        };
        int capsules = 0;
        for (const CapsuleLabel* capsule : page.findChildren<CapsuleLabel*>()) {
            if (capsule->isVisibleTo(&page)) {
                ++capsules;
                EXPECT_GE(reads(*capsule, capsule->textColorToken(), {2, capsule->height() / 2}),
                          4.5)
                    << capsule->text().toStdString();
            }
        }
        EXPECT_GE(capsules, 8);
        int tokens = 0;
        for (const KeyCapGroup* group : page.findChildren<KeyCapGroup*>()) {
            // A removed preset's are faded on purpose.
            if (group->isVisibleTo(&page) && group->tokenLabel() &&
                qobject_cast<RemovedPresetRuleRow*>(group->parentWidget()) == nullptr) {
                ++tokens;
                EXPECT_GE(testing::strongestContrast(
                              image.copy(QRect(group->mapTo(&page, QPoint()), group->size())),
                              image.pixelColor(group->mapTo(
                                  &page, QPoint(group->width() - 6, group->height() / 2)))),
                          4.5);
            }
        }
        EXPECT_GE(tokens, 3);
        for (const ThemedTextLabel* label : page.findChildren<ThemedTextLabel*>()) {
            if (label->isVisibleTo(&page) && !label->text().isEmpty() &&
                label->font().pixelSize() <= 14) {
                EXPECT_GE(reads(*label, label->colorToken(), {0, 0}), 4.5)
                    << label->text().toStdString();
            }
        }
    }
    QApplication::setPalette(before);
}

// The onboarding dims the whole window, the menu bar outside the content included, and the bar
// cannot be used until the onboarding is done.
TEST_F(DashboardWindowTest, TheOnboardingShadesTheMenuBar) {
    open();
    window->contentView()->setOnboardingLayer(new QWidget);
    QMenuBar* bar = window->menuBar();
    const auto shade = [&] { return bar->findChild<QWidget*>("OnboardingMenuBarShade"); };
    for (const bool onboarding : {true, false}) {
        if (onboarding) {
            env.model->reopenOnboarding();
        } else {
            env.model->completeOnboarding();
        }
        settle();
        EXPECT_EQ(bar->isEnabled(), !onboarding);
        EXPECT_EQ(shade() != nullptr && shade()->isVisible(), onboarding);
        if (onboarding) {
            ASSERT_NE(shade(), nullptr);
            EXPECT_EQ(shade()->geometry(), bar->rect());
        }
    }
}

// ---- Header bar -------------------------------------------------------------------------------

TEST(DashboardHeaderBar, TheUpdateButtonWorksOnlyWithAFeedAndAnAction) {
    const struct {
        bool updateSupportAvailable;
        bool actionInstalled;
        bool enabled;
    } cases[] = {{false, true, false}, {true, false, false}, {true, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.updateSupportAvailable << " " << c.actionInstalled);
        testing::AppModelTestEnvironment env;
        env.config.isUITest = true;
        AppModel model(env.config, env.store, c.updateSupportAvailable, env.platform());
        int checks = 0;
        if (c.actionInstalled) {
            model.configureUpdateActions([&checks] { ++checks; }, [](bool) {});
        }
        DashboardHeaderBar bar(model);
        QAbstractButton* button = bar.checkForUpdatesButton();
        EXPECT_EQ(button->objectName(), QStringLiteral("Overview_CheckForUpdatesButton"));
        EXPECT_EQ(button->isEnabled(), c.enabled);
        bar.show();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(checks, c.enabled ? 1 : 0);
    }
}

TEST(DashboardHeaderBar, InvisibleElementsCarryThePermissionAndMonitorStates) {
    testing::AppModelTestEnvironment env;
    env.trust->setTrusted(false);
    AppModel& model = env.build();
    DashboardHeaderBar bar(model);
    const auto labels = [&] {
        return std::pair(bar.accessibilityStatus()->accessibleName(),
                         bar.monitorStatus()->accessibleName());
    };
    // A blocked monitor shows its title only, never the message.
    EXPECT_EQ(labels(), std::pair(QStringLiteral("Accessibility: Denied"),
                                  QStringLiteral("Monitor: Blocked")));

    env.trust->setTrusted(true);
    model.refreshPermissions();
    EXPECT_EQ(labels(), std::pair(QStringLiteral("Accessibility: Granted"),
                                  QStringLiteral("Monitor: Running")));

    model.setCaptureEnabled(false);
    EXPECT_EQ(labels().second, QStringLiteral("Monitor: Stopped"));

    model.setLanguageOverride(AppLanguageOverride::german);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&bar, &change);
    EXPECT_NE(labels().first, QStringLiteral("Accessibility: Granted"));
    EXPECT_NE(labels().second, QStringLiteral("Monitor: Stopped"));
    EXPECT_EQ(bar.accessibilityStatus()->size(), QSize(1, 1));
}

}  // namespace
}  // namespace quillorbitex
