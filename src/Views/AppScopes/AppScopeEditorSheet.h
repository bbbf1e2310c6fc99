#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "Models/GestureAppScopeRule.h"
#include "Models/GestureDescriptor.h"
#include "Views/AppScopes/AppScopeEditorState.h"

class QComboBox;
class QScrollArea;
class QVBoxLayout;

namespace quillorbitex {

class AccentButton;
class AppModel;
class DashboardView;
class GhostButton;
class ThemedTextLabel;

// The sheet in which the user allows or blocks one rule per application. It edits a working copy
// (AppScopeEditorState): the list, the picker and its two buttons follow every edit at once, and
// nothing reaches the rule store until Save, which replaces the rule's scope rules through the
// model (which republishes and stores them) and closes the sheet. Cancel, Escape and the window's
// close button drop the working copy.
//
// A window-modal dialog that deletes itself when closed; every opening is a new sheet.
class AppScopeEditorSheet final : public QDialog {
    Q_OBJECT

public:
    // Identifiers of the controls (their object names).
    static constexpr const char* sheetIdentifier = "AppScopeEditorSheet";
    static constexpr const char* saveButtonIdentifier = "AppScopeSaveButton";
    static constexpr const char* cancelButtonIdentifier = "AppScopeCancelButton";
    static constexpr const char* pickerIdentifier = "AppScopePicker";
    static constexpr const char* allowButtonIdentifier = "AppScopeAllowButton";
    static constexpr const char* blockButtonIdentifier = "AppScopeBlockButton";
    static constexpr const char* emptyRulesIdentifier = "AppScopeEmptyRulesText";
    static constexpr const char* noAppsIdentifier = "AppScopeNoAppsText";
    // A row is "AppScopeRuleRow-" followed by its rule's id; its buttons are named as below.
    static constexpr const char* rowIdentifierPrefix = "AppScopeRuleRow-";
    static constexpr const char* rowAllowedButtonIdentifier = "AppScopeRuleAllowedButton";
    static constexpr const char* rowBlockedButtonIdentifier = "AppScopeRuleBlockedButton";
    static constexpr const char* rowRemoveButtonIdentifier = "AppScopeRuleRemoveButton";

    static constexpr int minimumSheetWidth = 560;

    // The sheet for the rule of `pattern`, starting from `initialRules`.
    AppScopeEditorSheet(AppModel& model, GestureDescriptor pattern,
                        std::vector<GestureAppScopeRule> initialRules, QWidget* parent = nullptr);
    ~AppScopeEditorSheet() override;

    // Opens a sheet over `parent` for the rule the store holds for `pattern` (an empty list when
    // it holds none) and returns it; it is deleted when closed.
    static AppScopeEditorSheet* openFor(AppModel& model, const GestureDescriptor& pattern,
                                        QWidget* parent);

    // From now on, every request of `dashboard` for the scope editor opens a sheet over its window.
    static void openOnRequest(DashboardView& dashboard, AppModel& model);

    const AppScopeEditorState& state() const { return state_; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class RuleRow;

    void save();
    void addSelected(bool isEnabled);
    // The first keyboard stop of the first row, or nothing without rows.
    QWidget* firstRowControl() const;
    void refreshRules();
    void refreshPicker();
    void retranslate();
    void fitHeight();

    AppModel& model_;
    AppScopeEditorState state_;

    ThemedTextLabel* title_;
    ThemedTextLabel* subtitle_;
    GhostButton* cancel_;
    AccentButton* save_;
    ThemedTextLabel* emptyRules_;
    QScrollArea* rulesArea_;
    QWidget* rulesContainer_;
    QVBoxLayout* rulesLayout_;
    std::map<QString, RuleRow*> rows_;
    ThemedTextLabel* pickerTitle_;
    ThemedTextLabel* pickerHelp_;
    ThemedTextLabel* noApps_;
    QWidget* pickerControls_;
    QComboBox* picker_;
    AccentButton* allow_;
    GhostButton* block_;
};

}  // namespace quillorbitex
