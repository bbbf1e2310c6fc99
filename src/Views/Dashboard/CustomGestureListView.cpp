#include "Views/Dashboard/CustomGestureListView.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTimer>
#include <QVBoxLayout>
#include <unordered_set>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Components/Visibility.h"
#include "Views/Dashboard/EditableGestureRuleRow.h"
#include "Views/Dashboard/GestureRuleRowContent.h"

namespace quillorbitex {

CustomGestureListView::CustomGestureListView(AppModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      header_(new ThemedTextLabel(Theme::Font::captionText, ThemePalette::Token::textSecondary,
                                  ThemedTextLabel::Overflow::elideRight, this)),
      emptyState_(new ThemedTextLabel(Theme::Font::bodyText, ThemePalette::Token::textSecondary,
                                      ThemedTextLabel::Overflow::wrap, this)),
      rowsHost_(new QWidget(this)),
      rows_(new QVBoxLayout(rowsHost_)),
      orderHold_(new QTimer(this)) {
    setAccessibilityIdentifier(*this, QStringLiteral("CustomGestureList"));
    setAccessibilityIdentifier(*emptyState_, QStringLiteral("CustomGestureEmptyState"));
    emptyState_->setContentsMargins(0, 8, 0, 8);
    rows_->setContentsMargins(0, 0, 0, 0);
    rows_->setSpacing(8);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(header_);
    layout->addWidget(emptyState_);
    layout->addWidget(rowsHost_);

    orderHold_->setSingleShot(true);
    connect(orderHold_, &QTimer::timeout, this, [this] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton) {
            orderHold_->start();
        } else {
            sync();
        }
    });
    connect(&model_, &AppModel::customMappingsChanged, this, &CustomGestureListView::sync);
    // A stroke that ran an action changes the total; each card reads its own count again.
    connect(&model_, &AppModel::triggerCountChanged, this,
            &CustomGestureListView::refreshInvocationCounts);
    retranslate();
    sync();
}

CustomGestureListView::~CustomGestureListView() = default;

void CustomGestureListView::retranslate() {
    header_->setText(L10n::string("Saved Custom Rules").toUpper());
    emptyState_->setText(L10n::string("No custom rules saved yet."));
    for (const auto& [id, entry] : entries_) {
        entry.row->retranslate();
    }
}

EditableGestureRuleRow* CustomGestureListView::row(const GestureDescriptor& pattern) const {
    const auto found = entries_.find(pattern.id());
    return found == entries_.end() ? nullptr : found->second.row;
}

CustomGestureListView::Entry CustomGestureListView::makeEntry(const GestureMapping& rule) {
    auto* container = new QWidget(rowsHost_);
    setAccessibilityIdentifier(*container, customRuleEntryIdentifier(rule.pattern()));
    auto* row = new EditableGestureRuleRow(model_, rule, L10N_KEY("Delete"), container);
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(row);

    // Every handler reads the card's rule when the button is pressed: the value on screen.
    connect(row, &EditableGestureRuleRow::changeCommandRequested, this,
            [this, row] { Q_EMIT changeCommandRequested(row->mapping()); });
    connect(row, &EditableGestureRuleRow::changeGestureRequested, this,
            [this, row] { Q_EMIT changeGestureRequested(row->mapping()); });
    connect(row, &EditableGestureRuleRow::toggleEnabledRequested, this,
            [this, row] { Q_EMIT toggleEnabledRequested(row->mapping()); });
    connect(row, &EditableGestureRuleRow::manageAppsRequested, this,
            [this, row] { Q_EMIT manageAppsRequested(row->mapping()); });
    connect(row, &EditableGestureRuleRow::renameRequested, this, [this, row](const QString& name) {
        const GestureDescriptor pattern = row->mapping().pattern();
        holdOrder();
        model_.renameRule(name, pattern);
    });
    connect(row, &EditableGestureRuleRow::removeRequested, this, [this, row] {
        const GestureDescriptor pattern = row->mapping().pattern();
        model_.removeMapping(pattern);
    });
    return {container, row};
}

void CustomGestureListView::sync() {
    const std::vector<GestureMapping>& rules = model_.customMappings();
    std::vector<QString> order;
    order.reserve(rules.size());
    bool added = false;
    for (const GestureMapping& rule : rules) {
        QString id = rule.id();
        if (const auto found = entries_.find(id); found != entries_.end()) {
            found->second.row->setMapping(rule);
        } else {
            entries_.emplace(id, makeEntry(rule));
            added = true;
        }
        order.push_back(std::move(id));
    }
    if (order.size() != entries_.size()) {
        const std::unordered_set<QString> kept(order.begin(), order.end());
        for (auto it = entries_.begin(); it != entries_.end();) {
            if (kept.count(it->first) != 0) {
                ++it;
                continue;
            }
            // Later: the card may be the one whose button is being handled.
            QWidget* container = it->second.container;
            rows_->removeWidget(container);
            container->hide();
            container->deleteLater();
            it = entries_.erase(it);
        }
    }
    const bool sameRules = !added && order.size() == order_.size();
    if (order != order_ && !(sameRules && orderHold_->isActive())) {
        // A card put into the layout of a shown list is shown by the layout; an explicit show()
        // here would lay out each card of a list not yet on screen at a size it never gets.
        for (int index = 0; index < static_cast<int>(order.size()); ++index) {
            QWidget* container = entries_.at(order[static_cast<std::size_t>(index)]).container;
            if (rows_->indexOf(container) != index) {
                rows_->removeWidget(container);
                rows_->insertWidget(index, container);
            }
        }
        order_ = std::move(order);
    }
    setShown(emptyState_, order_.empty());
    setShown(rowsHost_, !order_.empty());
}

// A rename ends when the focus leaves its field, often with the first press of a double click on
// another name. Re-sorting at once would put another row under the second press, which would then
// open that row's rename; the new order waits until the double click is over.
void CustomGestureListView::holdOrder() {
    orderHold_->start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void CustomGestureListView::refreshInvocationCounts() {
    for (const auto& [id, entry] : entries_) {
        entry.row->refreshInvocationCount();
    }
}

}  // namespace quillorbitex
