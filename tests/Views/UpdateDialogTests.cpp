#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QTest>

#include "Views/Components/ThemedTextLabel.h"
#include "Views/Theme/Theme.h"
#include "Views/UpdateDialog.h"
#include "Views/UpdateDialogPresenter.h"
#include "support/FakeWorkspace.h"
#include "support/ScopedLanguageOverride.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using Kind = UpdateCheckOutcome::Kind;

const QUrl kDownload(QStringLiteral("https://downloads.example.org/quillorbitex-0.3.0.tar.gz"));

UpdateCheckOutcome outcome(Kind kind, QString notes = {}, QUrl link = kDownload) {
    UpdateCheckOutcome result{kind, QStringLiteral("0.2.0"), {}};
    if (kind == Kind::updateAvailable || kind == Kind::upToDate) {
        result.newest = AppcastItem{QStringLiteral("0.3.0"), QStringLiteral("0.3"),
                                    std::move(notes), std::move(link)};
    }
    return result;
}

QString textOf(const QWidget& dialog, const char* name) {
    const auto* label = dialog.findChild<ThemedTextLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("(missing)");
}

TEST(UpdateDialog, SaysWhatTheCheckFound) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    const struct {
        const char* name;
        UpdateCheckOutcome outcome;
        const char* title;
        const char* message;
        bool download;
        bool notes;
    } cases[] = {
        {"up to date", outcome(Kind::upToDate), "You're up to date",
         "Quillorbitex 0.2.0 is the newest version available.", false, false},
        {"newer version with notes and a link", outcome(Kind::updateAvailable, "Faster."),
         "A new version of Quillorbitex is available",
         "Quillorbitex 0.3 is available; you have 0.2.0. Download it and install it with your "
         "package manager.",
         true, true},
        {"newer version without a link", outcome(Kind::updateAvailable, {}, QUrl()),
         "A new version of Quillorbitex is available",
         "Quillorbitex 0.3 is available; you have 0.2.0.", false, false},
        {"unreachable", outcome(Kind::unreachable), "Update check failed",
         "Quillorbitex could not reach the update server. Check your network connection and "
         "try again.",
         false, false},
        {"unreadable", outcome(Kind::unreadable), "Update check failed",
         "The update server sent no readable update information. Try again later.", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateDialog dialog(c.outcome);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Software Update"));
        EXPECT_EQ(textOf(dialog, "updateDialog.title"), QString::fromUtf8(c.title));
        EXPECT_EQ(textOf(dialog, "updateDialog.message"), QString::fromUtf8(c.message));
        EXPECT_EQ(
            dialog.findChild<QAbstractButton*>(QStringLiteral("updateDialog.download")) != nullptr,
            c.download);
        EXPECT_NE(dialog.findChild<QAbstractButton*>(QStringLiteral("updateDialog.close")),
                  nullptr);
        const auto* notes = dialog.findChild<QPlainTextEdit*>(QStringLiteral("updateDialog.notes"));
        EXPECT_EQ(notes != nullptr, c.notes);
        if (notes) {
            EXPECT_EQ(notes->toPlainText(), QStringLiteral("Faster."));
            EXPECT_TRUE(notes->isReadOnly());
        }
    }
}

TEST(UpdateDialog, SpeaksTheChosenLanguage) {
    testing::ScopedLanguageOverride japanese(AppLanguageOverride::japanese);
    UpdateDialog dialog(outcome(Kind::upToDate));
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_NE(dialog.windowTitle(), QStringLiteral("Software Update"));
    EXPECT_TRUE(textOf(dialog, "updateDialog.message").contains(QStringLiteral("0.2.0")));
    EXPECT_NE(textOf(dialog, "updateDialog.message"),
              QStringLiteral("Quillorbitex 0.2.0 is the newest version available."));
}

class UpdateDialogPresenterTest : public ::testing::Test {
protected:
    testing::AnimationsOff animationsOff_;

    // Waits, bounded, until the dialog is gone (it deletes itself on close).
    bool dialogGone() {
        return QTest::qWaitFor([&] { return presenter_->currentDialog() == nullptr; }, 5000);
    }

    std::shared_ptr<testing::FakeWorkspace> workspace_ = std::make_shared<testing::FakeWorkspace>();
    std::unique_ptr<UpdateDialogPresenter> presenter_ =
        std::make_unique<UpdateDialogPresenter>(workspace_);
    int closedCount_ = 0;
    std::function<void()> closed_ = [this] { ++closedCount_; };
};

TEST_F(UpdateDialogPresenterTest, DownloadOpensTheLinkAndEndsTheSession) {
    presenter_->present(outcome(Kind::updateAvailable, "Notes"), closed_);
    UpdateDialog* dialog = presenter_->currentDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    auto* download = dialog->findChild<QAbstractButton*>(QStringLiteral("updateDialog.download"));
    ASSERT_NE(download, nullptr);
    QTest::mouseClick(download, Qt::LeftButton);

    EXPECT_EQ(workspace_->openURLRequests(), std::vector<QUrl>{kDownload});
    EXPECT_TRUE(dialogGone());
    EXPECT_EQ(closedCount_, 1);
}

TEST_F(UpdateDialogPresenterTest, BringingToFrontActivatesTheOpenWindowAgain) {
    presenter_->present(outcome(Kind::upToDate), closed_);
    UpdateDialog* dialog = presenter_->currentDialog();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog, 5000));
    // The dashboard taken to the front over it, then the window minimised.
    QWidget dashboard;
    dashboard.show();
    dashboard.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dashboard, 5000));
    dialog->showMinimized();
    for (int time = 0; time < 2; ++time) {
        presenter_->bringToFront();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog, 5000));
        EXPECT_FALSE(dialog->isMinimized());
        dashboard.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dashboard, 5000));
    }
    EXPECT_EQ(closedCount_, 0);
}

TEST_F(UpdateDialogPresenterTest, EveryOtherWayOfClosingEndsTheSessionOnce) {
    const struct {
        const char* name;
        std::function<void(UpdateDialog&)> close;
    } ways[] = {
        {"Close button",
         [](UpdateDialog& d) {
             QTest::mouseClick(d.findChild<QAbstractButton*>(QStringLiteral("updateDialog.close")),
                               Qt::LeftButton);
         }},
        {"Escape", [](UpdateDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"window closed", [](UpdateDialog& d) { d.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        closedCount_ = 0;
        presenter_->present(outcome(Kind::upToDate), closed_);
        ASSERT_NE(presenter_->currentDialog(), nullptr);
        way.close(*presenter_->currentDialog());
        EXPECT_TRUE(dialogGone());
        EXPECT_EQ(closedCount_, 1);
    }
    EXPECT_TRUE(workspace_->openURLRequests().empty());

    // The presenter going away takes its dialog with it and reports that too.
    closedCount_ = 0;
    presenter_->present(outcome(Kind::unreachable), closed_);
    presenter_.reset();
    EXPECT_EQ(closedCount_, 1);
}

}  // namespace
}  // namespace quillorbitex
