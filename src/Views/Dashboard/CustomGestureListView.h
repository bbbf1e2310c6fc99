#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <unordered_map>
#include <vector>

#include "Models/GestureMapping.h"

namespace quillorbitex {

class AppModel;
class EditableGestureRuleRow;
class RuleListHold;
class ThemedTextLabel;

// The user's saved custom rules (rules made in the editor and presets the user edited), one card
// each in the model's order, under the header "Saved Custom Rules"; "No custom rules saved yet."
// when there are none. Renaming and "Delete" change the rule store through the model here; the
// other four buttons of a card are handed on with the card's rule.
//
// Each card sits in an entry whose accessibility identifier is "CustomGesture_Row_" and the
// gesture ("up-down", or "template:" and its id). The list follows the model's custom rules: a
// card is told the new value of a changed rule and dropped with its rule; unchanged cards are left
// alone, so an edit costs one card, not the list.
//
// Inside a scrolling page only the cards on screen and half a screen either side are built; the
// others are a height, measured when their card was last built or, until then, the mean of those
// measured, so that the page keeps its length and scrolls as if every card were there. A card
// being renamed or holding the focus stays built when it scrolls away, and so do the cards next to
// it and the first and last cards: the cards Tab can go to next. Tab visits the built cards'
// controls in the list's order. Outside a scrolling page every card is built once the list is
// shown.
//
// Only built cards are in the accessibility tree, and a screen reader explores the tree, not the
// screen: while an assistive technology is connected every card is built. The tree holds the
// cards in the list's order, whenever they were built.
class CustomGestureListView final : public QWidget, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    CustomGestureListView(AppModel& model, RuleListHold& hold, QWidget* parent = nullptr);
    ~CustomGestureListView() override;

    void retranslate();

    // The card of a listed rule, by its gesture; null for a rule whose card is not built.
    EditableGestureRuleRow* row(const GestureDescriptor& pattern) const;
    int rowCount() const { return static_cast<int>(slots_.size()); }

Q_SIGNALS:
    void changeCommandRequested(const GestureMapping& rule);
    void changeGestureRequested(const GestureMapping& rule);
    void toggleEnabledRequested(const GestureMapping& rule);
    void manageAppsRequested(const GestureMapping& rule);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A listed rule: its identifier, its card's height at `measuredWidth_` (-1 until measured),
    // and its card while one is built.
    struct Slot {
        QString id;
        int height = -1;
        QWidget* container = nullptr;
        EditableGestureRuleRow* row = nullptr;
    };

    void accessibilityActiveChanged(bool active) override;
    void sync();
    void build(Slot& slot, const GestureMapping& rule);
    void drop(Slot& slot);
    // Builds the cards in view, drops those out of it, and places every card and the list's
    // height; again when that moved what is in view.
    void placeRows();
    void placeRowsOnce();
    // The nearest scrolling page's viewport, watching the widgets between it and the cards.
    QWidget* watchViewport();
    // Puts the built cards in the list's order: their controls in the focus chain, the cards
    // themselves among the host's children, which is the accessibility tree's order.
    void placeInListOrder();
    // Holds the built cards where they are (RuleListHold), or releases them.
    void setCardsHeld(bool held);
    void refreshInvocationCounts();

    AppModel& model_;
    RuleListHold& hold_;
    ThemedTextLabel* header_;
    ThemedTextLabel* emptyState_;
    QWidget* rowsHost_;
    std::vector<Slot> slots_;
    // Slot positions by rule identifier.
    std::unordered_map<QString, std::size_t> index_;
    int measuredWidth_ = -1;
    std::vector<QPointer<QWidget>> watched_;
    bool placing_ = false;
    // A card was built or the cards moved since they were last put in the list's order.
    bool orderStale_ = false;
    bool placeAgain_ = false;
};

}  // namespace quillorbitex
