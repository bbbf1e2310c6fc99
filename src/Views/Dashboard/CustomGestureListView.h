#pragma once

#include <QString>
#include <QWidget>
#include <unordered_map>
#include <vector>

#include "Models/GestureMapping.h"

class QTimer;
class QVBoxLayout;

namespace quillorbitex {

class AppModel;
class EditableGestureRuleRow;
class ThemedTextLabel;

// The user's saved custom rules (rules made in the editor and presets the user edited), one card
// each in the model's order, under the header "Saved Custom Rules"; "No custom rules saved yet."
// when there are none. Renaming and "Delete" change the rule store through the model here; the
// other four buttons of a card are handed on with the card's rule.
//
// Each card sits in an entry whose accessibility identifier is "CustomGesture_Row_" and the
// gesture ("up-down", or "template:" and its id). The list follows the model's custom rules: a
// card is built for a new rule, told the new value of a changed one, and dropped with its rule;
// unchanged cards are left alone, so an edit costs one card, not the list.
class CustomGestureListView final : public QWidget {
    Q_OBJECT

public:
    explicit CustomGestureListView(AppModel& model, QWidget* parent = nullptr);
    ~CustomGestureListView() override;

    void retranslate();

    // The card of a listed rule, by its gesture.
    EditableGestureRuleRow* row(const GestureDescriptor& pattern) const;
    int rowCount() const { return static_cast<int>(order_.size()); }

Q_SIGNALS:
    void changeCommandRequested(const GestureMapping& rule);
    void changeGestureRequested(const GestureMapping& rule);
    void toggleEnabledRequested(const GestureMapping& rule);
    void manageAppsRequested(const GestureMapping& rule);

private:
    struct Entry {
        QWidget* container;
        EditableGestureRuleRow* row;
    };

    void sync();
    Entry makeEntry(const GestureMapping& rule);
    void refreshInvocationCounts();
    void holdOrder();

    AppModel& model_;
    ThemedTextLabel* header_;
    ThemedTextLabel* emptyState_;
    QWidget* rowsHost_;
    QVBoxLayout* rows_;
    std::unordered_map<QString, Entry> entries_;
    // Rule identifiers in the order shown.
    std::vector<QString> order_;
    // Runs while a new order would move rows under a click in progress.
    QTimer* orderHold_;
};

}  // namespace quillorbitex
