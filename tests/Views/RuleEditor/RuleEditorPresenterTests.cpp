// The dashboard's buttons open the rule editor for what they ask.
#include "Views/RuleEditor/RuleEditorPresenter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/Dashboard/EditableGestureRuleRow.h"
#include "Views/RuleEditor/CustomGestureWizard.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/Theme/Theme.h"
#include "support/ManualKeyEventMonitor.h"

namespace quillorbitex {
namespace {

using Mode = GestureRuleEditorMode;

TEST(RuleEditorPresenter, TheDashboardsButtonsOpenAnEditorForWhatTheyAsk) {
    Theme::setAnimationsEnabled(false);
    testing::AppModelTestEnvironment env;
    AppModel& model = env.build();
    QWidget window;
    auto* dashboard = new DashboardView(model, &env.main, &window);
    RuleEditorPresenter presenter(
        model, {env.workspace, std::make_shared<testing::ManualKeyEventMonitor>()}, window);
    presenter.followRequestsOf(*dashboard);
    window.show();

    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto* upDownRow = [&]() -> EditableGestureRuleRow* {
        for (auto* row : dashboard->findChildren<EditableGestureRuleRow*>()) {
            if (row->mapping().pattern() == upDown) {
                return row;
            }
        }
        return nullptr;
    }();
    ASSERT_NE(upDownRow, nullptr);
    const auto rowButton = [&](const QString& text) -> QPushButton* {
        for (auto* button : upDownRow->findChildren<QPushButton*>()) {
            if (button->text() == text) {
                return button;
            }
        }
        return nullptr;
    };
    struct Case {
        const char* label;
        QPushButton* button;
        Mode mode;
        bool withRule;
    };
    const std::vector<Case> cases = {
        {"Create Rule",
         dashboard->findChild<QPushButton*>(QStringLiteral("CustomGesture_OpenWizardButton")),
         Mode::newRule, false},
        {"Change Action", rowButton("Change Action"), Mode::overrideCommand, true},
        {"Change Gesture", rowButton("Change Gesture"), Mode::overrideGesture, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_NE(c.button, nullptr);
        c.button->click();
        CustomGestureWizard* editor = presenter.editor();
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->parentWidget(), &window);
        EXPECT_EQ(editor->windowModality(), Qt::WindowModal);
        EXPECT_EQ(editor->state().mode(), c.mode);
        EXPECT_EQ(editor->state().context().mapping.has_value(), c.withRule);
        if (c.withRule) {
            EXPECT_EQ(editor->state().context().mapping->pattern(), upDown);
        }
        editor->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(presenter.editor(), nullptr);
    }
}

}  // namespace
}  // namespace quillorbitex
