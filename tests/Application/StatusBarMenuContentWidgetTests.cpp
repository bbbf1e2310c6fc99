#include "Application/StatusBarMenuContent.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "ViewModels/AppModelTestEnvironment.h"

namespace quillorbitex {
namespace {

// The menu as it would show: the visible entries' texts, "-" for a separator.
std::vector<QString> entries(const QMenu& menu) {
    std::vector<QString> texts;
    for (const QAction* action : menu.actions()) {
        if (action->isVisible()) {
            texts.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return texts;
}

struct MenuHarness {
    explicit MenuHarness(bool updatesOffered) {
        env.config.isUITest = true;
        model = std::make_unique<AppModel>(env.config, env.store, updatesOffered, env.platform());
        model->configureUpdateActions([this] { calls.push_back("check"); }, [](bool) {});
        content = std::make_unique<StatusBarMenuContent>(
            *model, [this] { calls.push_back("open"); }, [this] { calls.push_back("quit"); });
    }

    testing::AppModelTestEnvironment env;
    std::unique_ptr<AppModel> model;
    std::unique_ptr<StatusBarMenuContent> content;
    std::vector<std::string> calls;
};

TEST(StatusBarMenuContent, ListsItsEntriesInTheLanguageOfTheOverride) {
    const struct {
        AppLanguageOverride language;
        bool updatesOffered;
        std::vector<QString> entries;
    } cases[] = {
        {AppLanguageOverride::english,
         false,
         {"Open Dashboard", "Disable gesture capture", "-", "Quit Quillorbitex"}},
        {AppLanguageOverride::english,
         true,
         {"Open Dashboard", "Disable gesture capture", "-", "Check for Updates…", "-",
          "Quit Quillorbitex"}},
        {AppLanguageOverride::french,
         true,
         {"Ouvrir le tableau de bord", "Désactiver la capture des gestes", "-",
          "Rechercher des mises à jour…", "-", "Quitter Quillorbitex"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << rawValue(c.language) << " " << c.updatesOffered);
        MenuHarness harness(c.updatesOffered);
        // The language changes while the menu exists; its labels follow without reopening it.
        harness.model->setLanguageOverride(c.language);
        EXPECT_EQ(entries(*harness.content->menu()), c.entries);
        // Present means working: no entry is shown disabled.
        for (const QAction* action : harness.content->menu()->actions()) {
            EXPECT_TRUE(!action->isVisible() || action->isEnabled());
        }
    }
}

TEST(StatusBarMenuContent, EntriesRunTheirActionsAndTheCaptureEntryNamesWhatItWillDo) {
    MenuHarness harness(true);
    QAction* toggle = harness.content->captureToggleAction();
    for (const bool enabledAfter : {false, true}) {
        toggle->trigger();
        EXPECT_EQ(harness.model->isCaptureEnabled(), enabledAfter);
        EXPECT_EQ(toggle->text(), enabledAfter ? QStringLiteral("Disable gesture capture")
                                               : QStringLiteral("Enable gesture capture"));
    }
    // A change made elsewhere shows here too.
    harness.model->setCaptureEnabled(false);
    EXPECT_EQ(toggle->text(), QStringLiteral("Enable gesture capture"));
    EXPECT_EQ(harness.model->monitorState(), GestureMonitorState::stopped());

    harness.content->openDashboardAction()->trigger();
    harness.content->checkForUpdatesAction()->trigger();
    harness.content->quitAction()->trigger();
    // Checking brings the dashboard forward first.
    EXPECT_EQ(harness.calls, (std::vector<std::string>{"open", "open", "check", "quit"}));
}

}  // namespace
}  // namespace quillorbitex
