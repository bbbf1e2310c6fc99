#include "Views/Dashboard/OverviewSectionContent.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QSlider>
#include <QTest>

#include "Application/WaylandSession.h"
#include "Localization/L10n.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/Components/SegmentedPicker.h"
#include "Views/Components/StatusSummaryView.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Components/ToggleSwitch.h"
#include "Views/Dashboard/DashboardPreferencesCard.h"
#include "Views/Dashboard/OverviewMetricCard.h"
#include "Views/Theme/GhostButton.h"
#include "Views/Theme/Theme.h"
#include "support/StrokeShapes.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using namespace testing;
using Token = ThemePalette::Token;

enum Metric { builtIns, custom, invocations, threshold, capture };

// The section as the dashboard holds it, shown offscreen, over a model on test doubles.
struct Overview {
    explicit Overview(bool updateSupport = false, bool trusted = true, bool wayland = false) {
        env.trust->setTrusted(trusted);
        AppModelPlatform platform = env.platform();
        platform.waylandSession = wayland;
        env.model =
            std::make_unique<AppModel>(env.config, env.store, updateSupport, std::move(platform),
                                       AppModel::Services{.statsStore = env.stats()});
        env.timeline->runUntilIdle();
        section = std::make_unique<OverviewSectionContent>(*env.model);
        section->resize(740, 900);
        section->show();
    }

    AppModel& model() { return *env.model; }
    DashboardPreferencesCard& card() { return *section->preferencesCard(); }
    const OverviewMetricCard& metric(Metric which) { return *section->metricCard(which); }

    // What the dashboard window does when the model's language changes.
    void switchLanguage(AppLanguageOverride language) {
        model().setLanguageOverride(language);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(section.get(), &change);
    }

    AppModelTestEnvironment env;
    // Goes before the model it shows.
    std::unique_ptr<OverviewSectionContent> section;
};

class OverviewSectionTest : public ::testing::Test {
protected:
    AnimationsOff animationsOff;
};

TEST_F(OverviewSectionTest, MetricsFollowTheModel) {
    struct Case {
        const char* name;
        std::function<void(Overview&)> act;
        Metric metric;
        const char* value;
        const char* detail;
    };
    const Case cases[] = {
        {"a matched stroke is counted",
         [](Overview& t) {
             t.env.drawStroke(testing::polyline({{400, 400}, {400, 300}, {400, 400}}, 4));
         },
         invocations, "1", "All gestures"},
        {"the threshold keeps two decimals", [](auto& t) { t.model().setMatchingThreshold(0.05); },
         threshold, "0.05", "Freeform matching"},
        {"capture off", [](auto& t) { t.model().setCaptureEnabled(false); }, capture, "Off",
         "Stopped"},
        {"capture on but blocked",
         [](auto& t) {
             t.env.trust->setTrusted(false);
             t.model().refreshPermissions();
         },
         capture, "On", "Blocked"},
        {"disabling a preset leaves the preset count",
         [](auto& t) { t.model().setGestureEnabled(false, kUpDown); }, builtIns, "3", "Ready now"},
        {"an edited preset counts as custom",
         [](auto& t) { t.model().renameRule(QStringLiteral("Reload"), kUpDown); }, custom, "1",
         "Overrides and custom rules"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Overview overview;
        c.act(overview);
        EXPECT_EQ(overview.metric(c.metric).value(), QString::fromUtf8(c.value));
        EXPECT_EQ(overview.metric(c.metric).detail(), QString::fromUtf8(c.detail));
    }
}

TEST_F(OverviewSectionTest, ThresholdSliderWritesTheModelWithinItsRange) {
    Overview o;
    QSlider& slider = *o.card().thresholdSlider();
    ASSERT_EQ(&slider,
              o.section->findChild<QSlider*>(QStringLiteral("Overview_MatchingThresholdSlider")));
    struct Case {
        const char* name;
        std::function<void()> act;
        double model;
        const char* shown;
    };
    const Case cases[] = {
        {"to the bottom", [&] { QTest::keyClick(&slider, Qt::Key_Home); }, 0.05, "0.05"},
        {"one step up", [&] { QTest::keyClick(&slider, Qt::Key_Right); }, 0.06, "0.06"},
        {"to the top", [&] { QTest::keyClick(&slider, Qt::Key_End); }, 0.4, "0.40"},
        {"set elsewhere out of range", [&] { o.model().setMatchingThreshold(0.9); }, 0.4, "0.40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        EXPECT_DOUBLE_EQ(o.model().matchingThreshold(), c.model);
        EXPECT_EQ(slider.value(), static_cast<int>(std::lround(c.model * 100)));
        EXPECT_EQ(o.card().thresholdValueLabel()->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(o.metric(threshold).value(), QString::fromUtf8(c.shown));
    }
}

TEST_F(OverviewSectionTest, FailingOpenAtLoginShowsTheMessageUntilAChangeSucceeds) {
    Overview o;
    ToggleSwitch& toggle = *o.card().openAtLoginSwitch();
    const QString standing = o.card().openAtLoginNote()->text();
    o.env.loginItem->failWith(QStringLiteral("read-only"));

    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_FALSE(toggle.isChecked()) << "snaps back to what the model re-read";
    EXPECT_EQ(toggle.position(), 0.0);
    EXPECT_EQ(o.card().openAtLoginNote()->text(), *o.model().openAtLoginErrorMessage());
    EXPECT_EQ(o.card().openAtLoginNote()->colorToken(), Token::statusRed);
    QTest::mouseClick(&toggle, Qt::LeftButton);  // failing again changes nothing in the model
    EXPECT_FALSE(toggle.isChecked());

    o.env.loginItem->failWith(std::nullopt);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle.isChecked());
    EXPECT_TRUE(o.model().isOpenAtLoginEnabled());
    EXPECT_EQ(o.card().openAtLoginNote()->text(), standing);
    EXPECT_EQ(o.card().openAtLoginNote()->colorToken(), Token::textSecondary);
}

TEST_F(OverviewSectionTest, UpdateSwitchIsUsableOnlyWithUpdateSupportAndItsAction) {
    struct Case {
        bool support;
        bool action;
        bool enabled;
    };
    for (const Case c :
         {Case{false, true, false}, Case{true, false, false}, Case{true, true, true}}) {
        SCOPED_TRACE(::testing::Message() << "support " << c.support << ", action " << c.action);
        Overview o(c.support);
        std::vector<bool> stored;
        if (c.action) {
            o.model().configureUpdateActions([] {}, [&stored](bool on) { stored.push_back(on); });
        }
        o.section->hide();
        o.section->show();  // the actions arrive without a signal; the card looks when shown
        ToggleSwitch& toggle = *o.card().automaticUpdateSwitch();
        EXPECT_EQ(toggle.isEnabled(), c.enabled);
        QTest::mouseClick(&toggle, Qt::LeftButton);
        EXPECT_EQ(o.model().isAutomaticUpdateCheckEnabled(), !c.enabled);
        EXPECT_EQ(stored, c.enabled ? std::vector{false} : std::vector<bool>{});
    }
}

TEST_F(OverviewSectionTest, PickersListTheirOptionsAndWriteTheChoice) {
    Overview o;
    QComboBox& languages = *o.card().languagePicker();
    QStringList names;
    for (int i = 0; i < languages.count(); ++i) {
        names << languages.itemText(i);
    }
    EXPECT_EQ(names, (QStringList{"System", "English", "简体中文", "繁體中文", "日本語", "한국어",
                                  "Français", "Deutsch", "Español"}));
    EXPECT_EQ(languages.currentText(), QStringLiteral("English"));

    SegmentedPicker& themes = *o.card().themePicker();
    ASSERT_EQ(themes.count(), 3);
    EXPECT_EQ(themes.itemText(0), QStringLiteral("System"));
    QTest::mouseClick(themes.segment(2), Qt::LeftButton);
    QTest::mouseClick(themes.segment(2), Qt::LeftButton);  // the chosen one again: no new write
    EXPECT_EQ(o.model().themeOverride(), AppThemeOverride::dark);
    EXPECT_EQ(o.env.appearance->applied(),
              (std::vector{AppThemeOverride::system, AppThemeOverride::dark}));
    o.model().setThemeOverride(AppThemeOverride::light);
    EXPECT_EQ(themes.currentIndex(), 1);
}

TEST_F(OverviewSectionTest, SwitchingTheLanguageRelabelsTheSectionAtOnce) {
    Overview o;
    QComboBox& languages = *o.card().languagePicker();
    languages.setCurrentIndex(languages.findText(QStringLiteral("Deutsch")));
    Q_EMIT languages.activated(languages.currentIndex());
    ASSERT_EQ(o.model().languageOverride(), AppLanguageOverride::german);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(o.section.get(), &change);

    EXPECT_EQ(o.section->metricCard(builtIns)->title(), L10n::string("Built-ins"));
    EXPECT_EQ(o.section->metricCard(threshold)->value(), QStringLiteral("0.18"))
        << "a point whatever the language";
    EXPECT_EQ(o.section->metricCard(capture)->value(), QStringLiteral("On"));
    EXPECT_NE(o.section->metricCard(capture)->detail(), QStringLiteral("Running"));
    EXPECT_EQ(languages.itemText(0), QStringLiteral("System"));
    EXPECT_EQ(languages.currentText(), QStringLiteral("Deutsch"));
    const QString german = o.card().themePicker()->itemText(2);
    EXPECT_NE(german, QStringLiteral("Dark"));

    o.switchLanguage(AppLanguageOverride::japanese);
    EXPECT_NE(o.card().themePicker()->itemText(2), german);
    EXPECT_EQ(o.card().themePicker()->currentIndex(), 0) << "the choice stays";
}

TEST(StatusSummaryRows, ShowOnlyWhatStopsGestures) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    using Kind = StatusPill::State::Kind;
    using Row = StatusSummaryView::RowKind;
    struct Case {
        PermissionState permission;
        GestureMonitorState monitor;
        std::vector<std::tuple<Row, Kind, QString, QString>> rows;  // kind, pill, label, detail
        std::optional<QString> unsavedPreferencesFolder = std::nullopt;
        bool preferencesFileInUse = false;
    };
    const Case cases[] = {
        {PermissionState::granted, GestureMonitorState::running(), {}},
        {PermissionState::denied,
         GestureMonitorState::stopped(),
         {{Row::accessibility, Kind::red, "Denied",
           "Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to "
           "watch the right button and run gesture actions."},
          {Row::monitor, Kind::amber, "Stopped", "Gesture capture is turned off."}}},
        {PermissionState::unknown,
         GestureMonitorState::running(),
         {{Row::accessibility, Kind::amber, "Unknown",
           "Quillorbitex has not checked the X display yet."}}},
        {PermissionState::granted,
         GestureMonitorState::blocked("Another program holds the right button."),
         {{Row::monitor, Kind::red, "Blocked", "Another program holds the right button."}}},
        {PermissionState::granted,
         GestureMonitorState::running(),
         {{Row::preferences, Kind::red, "Not Saved",
           "Changes to the preferences cannot be saved in \"/home/u/.config/Quillorbitex\". "
           "They apply until Quillorbitex quits and are saved as soon as that folder can be "
           "written."}},
         QStringLiteral("/home/u/.config/Quillorbitex")},
        {PermissionState::granted,
         GestureMonitorState::running(),
         {{Row::preferences, Kind::red, "Not Saved",
           "Changes to the preferences are not saved yet: another program is using the "
           "preferences file in \"/p\". They apply now and are saved as soon as it lets go of "
           "the file, at the latest when Quillorbitex starts again."}},
         QStringLiteral("/p"),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.monitor.encodedValue().toStdString());
        std::vector<std::tuple<Row, Kind, QString, QString>> shown;
        for (const auto& row :
             StatusSummaryView::rows(c.permission, c.monitor, c.unsavedPreferencesFolder, false,
                                     c.preferencesFileInUse)) {
            shown.emplace_back(row.kind, row.pill.kind(), row.pill.label(), row.detail);
        }
        EXPECT_EQ(shown, c.rows);
    }
}

TEST_F(OverviewSectionTest, StatusCardTakesNoSpaceOnceTheRemedyWorked) {
    Overview o(false, false);
    StatusSummaryView& status = *o.section->statusSummary();
    ASSERT_TRUE(status.isVisible());
    EXPECT_FALSE(
        status.findChild<GhostButton*>(QStringLiteral("OpenInputMonitoringSettingsButton"))
            ->isEnabled());
    auto* pill = status.findChild<StatusPill*>(QStringLiteral("MonitorStatusValue"));
    ASSERT_NE(pill, nullptr);
    EXPECT_EQ(pill->state(), StatusPill::State::red(QStringLiteral("Blocked")));

    o.env.trust->setTrusted(true);
    QTest::mouseClick(status.findChild<GhostButton*>(QStringLiteral("RefreshPermissionsButton")),
                      Qt::LeftButton);
    EXPECT_EQ(o.model().monitorState(), GestureMonitorState::running());
    EXPECT_FALSE(status.isVisible());
    // Hidden widgets leave no gap: the preferences card follows the metric row directly.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(o.card().geometry().top() - o.section->metricCard(0)->geometry().bottom() - 1, 16);

    // Without a settings application on the desktop, the button towards it offers nothing.
    auto* settings =
        status.findChild<GhostButton*>(QStringLiteral("OpenInputMonitoringSettingsButton"));
    o.env.workspace->addApplication(
        {QStringLiteral("org.gnome.Settings"), QStringLiteral("Settings"), QString()});
    o.model().setCaptureEnabled(false);
    EXPECT_TRUE(status.isVisible());
    EXPECT_EQ(pill->state(), StatusPill::State::amber(QStringLiteral("Stopped")));
    EXPECT_TRUE(settings->isEnabled());

    // Preferences that cannot be written have a row of their own while that lasts.
    auto* unsaved = status.findChild<StatusPill*>(QStringLiteral("PreferencesStatusValue"));
    ASSERT_NE(unsaved, nullptr);
    EXPECT_FALSE(unsaved->isVisible());
    o.env.defaults->failWrites = true;
    o.model().setMatchingThreshold(0.3);
    EXPECT_TRUE(unsaved->isVisible());
    o.env.defaults->failWrites = false;
    o.model().setMatchingThreshold(0.25);
    EXPECT_FALSE(unsaved->isVisible());
}

// All else well, a Wayland session still shows the card, with a row that only informs.
TEST_F(OverviewSectionTest, StatusCardSaysThatAWaylandSessionReachesOnlyX11Windows) {
    for (const bool wayland : {false, true}) {
        SCOPED_TRACE(wayland);
        Overview o(false, true, wayland);
        StatusSummaryView& status = *o.section->statusSummary();
        EXPECT_EQ(status.isVisible(), wayland);
        auto* pill = status.findChild<StatusPill*>(QStringLiteral("SessionStatusValue"));
        ASSERT_NE(pill, nullptr);
        EXPECT_EQ(pill->isVisible(), wayland);
        bool noticeShown = false;
        for (const auto* label : status.findChildren<ThemedTextLabel*>()) {
            noticeShown |= label->isVisible() && label->text() == WaylandSession::notice();
        }
        EXPECT_EQ(noticeShown, wayland);
        for (const auto* button : status.findChildren<GhostButton*>()) {
            EXPECT_FALSE(button->isVisible()) << button->text().toStdString();
        }
    }
}

}  // namespace
}  // namespace quillorbitex
