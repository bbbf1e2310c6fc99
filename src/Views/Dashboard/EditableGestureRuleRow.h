#pragma once

#include <QPointer>
#include <QtGlobal>
#include <optional>

#include "Application/ThemePalette.h"
#include "Models/GestureMapping.h"
#include "Views/Dashboard/GestureRuleRowContent.h"
#include "Views/Dashboard/RuleCardFrame.h"

class QLineEdit;
class QVBoxLayout;

namespace quillorbitex {

class ActionTypeBadge;
class AppModel;
class CapsuleLabel;
class GestureAction;
class GesturePathGlyph;
class GhostButton;
class KeyCapGroup;
class RuleStatusCapsule;
class ThemedTextLabel;

// The card of a rule in force, in the preset list and the custom list: its gesture, name, source,
// kind of action, state, description, invocation count and application rules, with what it sends
// on the right and five buttons below ("Disable"/"Enable", "Scope to App…"/"App Rules…", "Change
// Action", "Change Gesture" and the remove button).
//
// The row never changes the rule: every edit leaves it as a signal, and the list that built it
// changes the rule store and hands the row the rule's new value (setMapping). The one state of its
// own is the inline rename: a double click on the name, F2 on any control of the card or the
// name's accessible press action swaps in a text field; Return, moving the focus elsewhere or
// closing the window ends it, and the trimmed text is offered as the new name only when it differs
// from what the field started with. Escape ends it keeping the name. Return and Escape give the
// focus back to the control F2 was pressed on, else to the card's first button.
class EditableGestureRuleRow final : public RuleCardFrame {
    Q_OBJECT

public:
    // `removeTitleKey`: the remove button's text, a key of the string tables ("Remove" in the
    // preset list, "Delete" in the custom list). The model is read for the invocation count only.
    EditableGestureRuleRow(const AppModel& model, GestureMapping mapping,
                           const char* removeTitleKey, QWidget* parent = nullptr);
    ~EditableGestureRuleRow() override;

    const GestureMapping& mapping() const { return mapping_; }
    // A new value of the same rule; only what it changes is redrawn, and the count is read again.
    // A rename in progress keeps its text.
    void setMapping(GestureMapping mapping);
    // Reads the rule's invocation count from the usage statistics again.
    void refreshInvocationCount();
    // Every text again, in the current language.
    void retranslate();

    bool isEditingName() const { return isEditingName_; }
    // What a double click on the name does: shows the field with the name (or, without one, the
    // gesture's label) and gives it the focus on the next turn of the event loop.
    void beginEditingName();

    // Held, a rename that ends shows the new name on one line where the field was; released, the
    // card also shows what waited for a place of its own (capsules, the application rules).
    void setHeld(bool held) override;

Q_SIGNALS:
    void changeCommandRequested();
    void changeGestureRequested();
    void toggleEnabledRequested();
    void manageAppsRequested();
    // A finished rename with a new text: trimmed, possibly empty (meaning "no name").
    void renameRequested(const QString& name);
    void removeRequested();
    // A mouse press elsewhere ended a rename; the press may be the first of a double click.
    void renameEndedByPress();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class NameField;

    void applyContent(bool force);
    void saveRuleName();
    void cancelRename();
    // Swaps the field back for the name, handing the focus on first if the field has it.
    void closeField();
    static void revealOnceLaidOut(QWidget* control);
    void showCapsule(RuleStatusCapsule*& capsule, const std::optional<QString>& title,
                     ThemePalette::Token tint, QWidget* after);
    void showSummary(const std::optional<QString>& summary);

    const AppModel* model_;
    GestureMapping mapping_;
    const char* removeTitleKey_;
    GestureRuleRowContent content_;
    qint64 invocationCount_ = -1;

    bool isEditingName_ = false;
    QString renameStartText_;
    // The control of the card that had the focus when the rename began.
    QPointer<QWidget> focusBeforeRename_;

    QVBoxLayout* textColumn_ = nullptr;
    FlowLayout* titleLine_ = nullptr;
    GesturePathGlyph* glyph_ = nullptr;
    ThemedTextLabel* nameLabel_ = nullptr;
    NameField* nameField_ = nullptr;
    CapsuleLabel* sourceCapsule_ = nullptr;
    ActionTypeBadge* badge_ = nullptr;
    RuleStatusCapsule* disabledCapsule_ = nullptr;
    RuleStatusCapsule* scopeCapsule_ = nullptr;
    ThemedTextLabel* notesLabel_ = nullptr;
    ThemedTextLabel* countLabel_ = nullptr;
    ThemedTextLabel* summaryLabel_ = nullptr;
    KeyCapGroup* keyCaps_ = nullptr;
    GhostButton* toggleButton_ = nullptr;
    GhostButton* manageAppsButton_ = nullptr;
    GhostButton* changeActionButton_ = nullptr;
    GhostButton* changeGestureButton_ = nullptr;
    GhostButton* removeButton_ = nullptr;
};

}  // namespace quillorbitex
