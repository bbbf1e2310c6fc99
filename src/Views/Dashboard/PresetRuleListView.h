#pragma once

#include <QWidget>
#include <vector>

#include "Models/GestureDescriptor.h"
#include "Views/RuleEditor/GestureRuleEditorContext.h"

class QVBoxLayout;

namespace quillorbitex {

class AppModel;
class RuleListHold;
class EditableGestureRuleRow;
class RemovedPresetRuleRow;

// The preset rules, one card per preset in the presets' fixed order: the rule the store holds for
// the preset's gesture (the user's override, else the preset itself), or, for a preset the user
// removed, the removed card with "Restore" in its place. Renaming, enabling, removing and restoring
// change the rule store through the model; "Change Action" and "Change Gesture" ask for the rule
// editor, the scope button for the scope editor. While a rename's click may still be on its way
// (RuleListHold) every card keeps its place and size, shows new values there and is swapped only
// when the hold ends.
class PresetRuleListView final : public QWidget {
    Q_OBJECT

public:
    PresetRuleListView(AppModel& model, RuleListHold& hold, QWidget* parent = nullptr);
    ~PresetRuleListView() override;

    void retranslate();

    // The card in the place of the preset with this gesture: exactly one of the two is there.
    EditableGestureRuleRow* editableRow(const GestureDescriptor& pattern) const;
    RemovedPresetRuleRow* removedRow(const GestureDescriptor& pattern) const;
    // The card at a place in the list.
    QWidget* rowAt(int index) const;
    int rowCount() const { return static_cast<int>(entries_.size()); }

Q_SIGNALS:
    // "Change Action" or "Change Gesture": open the rule editor for this context.
    void ruleEditorRequested(const GestureRuleEditorContext& context);
    // The scope button: open the scope editor for this gesture.
    void appScopeEditorRequested(const GestureDescriptor& pattern);

private:
    struct Entry {
        GestureDescriptor pattern;
        EditableGestureRuleRow* editable = nullptr;
        RemovedPresetRuleRow* removed = nullptr;
        QWidget* widget() const;
    };

    void sync();
    EditableGestureRuleRow* makeEditableRow(const GestureMapping& rule);
    RemovedPresetRuleRow* makeRemovedRow(const GestureMapping& preset);
    void replace(Entry& entry, int index, QWidget* row);
    // Puts the cards in the list's order: their controls in the focus chain, the cards themselves
    // among the list's children, which is the accessibility tree's order.
    void placeInListOrder();
    // Holds the cards where they are (RuleListHold), or releases them.
    void setCardsHeld(bool held);
    void refreshInvocationCounts();

    AppModel& model_;
    RuleListHold& hold_;
    QVBoxLayout* layout_;
    std::vector<Entry> entries_;
};

}  // namespace quillorbitex
