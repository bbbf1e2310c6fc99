#include "Views/Dashboard/PresetRuleListView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/AccessibleOrder.h"
#include "Views/Components/FocusChain.h"
#include "Views/Dashboard/EditableGestureRuleRow.h"
#include "Views/Dashboard/RemovedPresetRuleRow.h"
#include "Views/Dashboard/RuleListHold.h"

namespace quillorbitex {

QWidget* PresetRuleListView::Entry::widget() const {
    return editable != nullptr ? static_cast<QWidget*>(editable) : removed;
}

PresetRuleListView::PresetRuleListView(AppModel& model, RuleListHold& hold, QWidget* parent)
    : QWidget(parent), model_(model), hold_(hold), layout_(new QVBoxLayout(this)) {
    const QString identifier = QStringLiteral("GestureMappingList");
    setAccessibilityIdentifier(*this, identifier);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(8);
    for (const GestureMapping& preset : model_.builtInMappings()) {
        entries_.push_back(Entry{preset.pattern()});
    }
    // Removing, restoring and overriding all republish the rule lists.
    connect(&model_, &AppModel::mappingsChanged, this, &PresetRuleListView::sync);
    connect(&model_, &AppModel::customMappingsChanged, this, &PresetRuleListView::sync);
    connect(&hold_, &RuleListHold::started, this, [this] { setCardsHeld(true); });
    connect(&hold_, &RuleListHold::ended, this, [this] {
        setCardsHeld(false);
        sync();
    });
    connect(&model_, &AppModel::triggerCountChanged, this,
            &PresetRuleListView::refreshInvocationCounts);
    sync();
}

PresetRuleListView::~PresetRuleListView() = default;

void PresetRuleListView::retranslate() {
    for (const Entry& entry : entries_) {
        if (entry.editable != nullptr) {
            entry.editable->retranslate();
        } else if (entry.removed != nullptr) {
            entry.removed->retranslate();
        }
    }
}

EditableGestureRuleRow* PresetRuleListView::editableRow(const GestureDescriptor& pattern) const {
    for (const Entry& entry : entries_) {
        if (entry.pattern == pattern) {
            return entry.editable;
        }
    }
    return nullptr;
}

RemovedPresetRuleRow* PresetRuleListView::removedRow(const GestureDescriptor& pattern) const {
    for (const Entry& entry : entries_) {
        if (entry.pattern == pattern) {
            return entry.removed;
        }
    }
    return nullptr;
}

QWidget* PresetRuleListView::rowAt(int index) const {
    if (index < 0 || index >= rowCount()) {
        return nullptr;
    }
    return entries_[static_cast<std::size_t>(index)].widget();
}

void PresetRuleListView::sync() {
    const std::vector<GestureMapping>& presets = model_.builtInMappings();
    // While a click may be on its way, a card is not swapped for another of another height.
    const bool held = hold_.isActive();
    bool replaced = false;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        Entry& entry = entries_[index];
        const std::optional<GestureMapping> stored = model_.mapping(entry.pattern);
        if (stored && entry.editable != nullptr) {
            entry.editable->setMapping(*stored);
        } else if (held) {
            continue;
        } else if (stored) {
            replace(entry, static_cast<int>(index), makeEditableRow(*stored));
            replaced = true;
        } else if (entry.removed == nullptr) {
            replace(entry, static_cast<int>(index), makeRemovedRow(presets[index]));
            replaced = true;
        }
    }
    if (replaced) {
        placeInListOrder();
    }
}

void PresetRuleListView::placeInListOrder() {
    // A card made in place of another comes last in the window's focus chain and among the list's
    // children; Tab and assistive technology go through the cards in the list's order all the
    // same.
    std::vector<QWidget*> cards;
    std::vector<QWidget*> stops;
    for (const Entry& entry : entries_) {
        cards.push_back(entry.widget());
        if (const auto* card = qobject_cast<const RuleCardFrame*>(entry.widget())) {
            const std::vector<QWidget*> cardStops = card->tabStops();
            stops.insert(stops.end(), cardStops.begin(), cardStops.end());
        }
    }
    placeInAccessibleOrder(*this, cards);
    placeInFocusChain(*this, stops);
}

void PresetRuleListView::replace(Entry& entry, int index, QWidget* row) {
    QWidget* previous = entry.widget();
    // The focus stays in the card's place (on its first button) rather than jumping to whatever
    // comes next on the page, which may lie far below.
    const bool hadFocus = previous != nullptr && previous->isAncestorOf(window()->focusWidget());
    entry.editable = qobject_cast<EditableGestureRuleRow*>(row);
    entry.removed = qobject_cast<RemovedPresetRuleRow*>(row);
    layout_->insertWidget(index, row);
    if (hadFocus) {
        if (auto* first = row->findChild<QAbstractButton*>()) {
            first->setFocus(Qt::OtherFocusReason);
        }
    }
    if (QWidget* old = previous) {
        layout_->removeWidget(old);
        old->hide();
        // Later: the old card may be the one whose button is being handled.
        old->deleteLater();
    }
}

EditableGestureRuleRow* PresetRuleListView::makeEditableRow(const GestureMapping& rule) {
    auto* row = new EditableGestureRuleRow(model_, rule, L10N_KEY("Remove"), this);
    const GestureDescriptor pattern = rule.pattern();
    connect(row, &EditableGestureRuleRow::changeCommandRequested, this, [this, row] {
        Q_EMIT ruleEditorRequested(
            GestureRuleEditorContext::open(GestureRuleEditorMode::overrideCommand, row->mapping()));
    });
    connect(row, &EditableGestureRuleRow::changeGestureRequested, this, [this, row] {
        Q_EMIT ruleEditorRequested(
            GestureRuleEditorContext::open(GestureRuleEditorMode::overrideGesture, row->mapping()));
    });
    connect(row, &EditableGestureRuleRow::toggleEnabledRequested, this, [this, row] {
        const GestureMapping shown = row->mapping();
        model_.setGestureEnabled(!shown.isEnabled(), shown.pattern());
    });
    connect(row, &EditableGestureRuleRow::manageAppsRequested, this,
            [this, pattern] { Q_EMIT appScopeEditorRequested(pattern); });
    connect(row, &EditableGestureRuleRow::renameRequested, this,
            [this, pattern](const QString& name) { model_.renameRule(name, pattern); });
    connect(row, &EditableGestureRuleRow::removeRequested, this,
            [this, pattern] { model_.removeMapping(pattern); });
    connect(row, &EditableGestureRuleRow::renameEndedByPress, &hold_, &RuleListHold::start);
    return row;
}

RemovedPresetRuleRow* PresetRuleListView::makeRemovedRow(const GestureMapping& preset) {
    auto* row = new RemovedPresetRuleRow(model_, preset.pattern(), preset.action(), this);
    const GestureDescriptor pattern = preset.pattern();
    connect(row, &RemovedPresetRuleRow::restoreRequested, this,
            [this, pattern] { model_.restoreBuiltInMapping(pattern); });
    return row;
}

void PresetRuleListView::setCardsHeld(bool held) {
    for (const Entry& entry : entries_) {
        if (auto* card = qobject_cast<RuleCardFrame*>(entry.widget())) {
            card->setHeld(held);
        }
    }
}

void PresetRuleListView::refreshInvocationCounts() {
    for (const Entry& entry : entries_) {
        if (entry.editable != nullptr) {
            entry.editable->refreshInvocationCount();
        } else if (entry.removed != nullptr) {
            entry.removed->refreshInvocationCount();
        }
    }
}

}  // namespace quillorbitex
