#include "Views/Dashboard/CustomGestureListView.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/AccessibleOrder.h"
#include "Views/Components/FocusChain.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Components/Visibility.h"
#include "Views/Dashboard/EditableGestureRuleRow.h"
#include "Views/Dashboard/GestureRuleRowContent.h"
#include "Views/Dashboard/RuleListHold.h"

namespace quillorbitex {

namespace {

constexpr int kRowSpacing = 8;

int heightAt(const QWidget& card, int width) {
    return card.hasHeightForWidth() ? card.heightForWidth(width) : card.sizeHint().height();
}

// The rule a slot lists: the one at its place, unless a held order left the slot elsewhere.
const GestureMapping* ruleAt(const std::vector<GestureMapping>& rules, std::size_t place,
                             const QString& id) {
    if (place < rules.size() && rules[place].id() == id) {
        return &rules[place];
    }
    const auto found = std::find_if(rules.begin(), rules.end(),
                                    [&id](const GestureMapping& rule) { return rule.id() == id; });
    return found == rules.end() ? nullptr : &*found;
}

}  // namespace

CustomGestureListView::CustomGestureListView(AppModel& model, RuleListHold& hold, QWidget* parent)
    : QWidget(parent),
      model_(model),
      hold_(hold),
      header_(new ThemedTextLabel(Theme::Font::captionText, ThemePalette::Token::textSecondary,
                                  ThemedTextLabel::Overflow::elideRight, this)),
      emptyState_(new ThemedTextLabel(Theme::Font::bodyText, ThemePalette::Token::textSecondary,
                                      ThemedTextLabel::Overflow::wrap, this)),
      rowsHost_(new QWidget(this)) {
    setAccessibilityIdentifier(*this, QStringLiteral("CustomGestureList"));
    setAccessibilityIdentifier(*emptyState_, QStringLiteral("CustomGestureEmptyState"));
    emptyState_->setContentsMargins(0, 8, 0, 8);
    // The cards are placed by hand; the host's height is theirs.
    rowsHost_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    rowsHost_->setFixedHeight(0);
    rowsHost_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(header_);
    layout->addWidget(emptyState_);
    layout->addWidget(rowsHost_);

    connect(&hold_, &RuleListHold::started, this, [this] { setCardsHeld(true); });
    connect(&hold_, &RuleListHold::ended, this, [this] {
        setCardsHeld(false);
        sync();
    });
    connect(&model_, &AppModel::customMappingsChanged, this, &CustomGestureListView::sync);
    // The cards next to the focused one are kept built, for Tab to go on to.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if ((old != nullptr && rowsHost_->isAncestorOf(old)) ||
            (now != nullptr && rowsHost_->isAncestorOf(now))) {
            placeRows();
        }
    });
    // A stroke that ran an action changes the total; each card reads its own count again.
    connect(&model_, &AppModel::triggerCountChanged, this,
            &CustomGestureListView::refreshInvocationCounts);
    QAccessible::installActivationObserver(this);
    retranslate();
    sync();
}

CustomGestureListView::~CustomGestureListView() {
    QAccessible::removeActivationObserver(this);
}

void CustomGestureListView::retranslate() {
    header_->setText(L10n::string("Saved Custom Rules").toUpper());
    emptyState_->setText(L10n::string("No custom rules saved yet."));
    for (Slot& slot : slots_) {
        // Another language wraps differently.
        slot.height = -1;
        if (slot.row != nullptr) {
            slot.row->retranslate();
        }
    }
    placeRows();
}

EditableGestureRuleRow* CustomGestureListView::row(const GestureDescriptor& pattern) const {
    const auto found = index_.find(pattern.id());
    return found == index_.end() ? nullptr : slots_[found->second].row;
}

void CustomGestureListView::build(Slot& slot, const GestureMapping& rule) {
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
        model_.renameRule(name, pattern);
    });
    connect(row, &EditableGestureRuleRow::renameEndedByPress, &hold_, &RuleListHold::start);
    connect(row, &EditableGestureRuleRow::removeRequested, this, [this, row] {
        const GestureDescriptor pattern = row->mapping().pattern();
        model_.removeMapping(pattern);
    });
    slot.container = container;
    slot.row = row;
    orderStale_ = true;
    // Without a layout nothing else shows a card added to a list on screen.
    setShown(container, true);
}

void CustomGestureListView::drop(Slot& slot) {
    // Out of the slot before it is hidden: hiding the card that holds the focus moves the focus,
    // which places the cards again before `hide` returns.
    QWidget* container = std::exchange(slot.container, nullptr);
    slot.row = nullptr;
    container->hide();
    // Later: the card may be the one whose button is being handled.
    container->deleteLater();
}

void CustomGestureListView::sync() {
    const std::vector<GestureMapping>& rules = model_.customMappings();
    if (hold_.isActive()) {
        // The cards show the new values in their places and sizes until the hold ends; no card
        // comes or goes meanwhile.
        for (const GestureMapping& rule : rules) {
            const auto found = index_.find(rule.id());
            if (found != index_.end() && slots_[found->second].row != nullptr) {
                slots_[found->second].row->setMapping(rule);
            }
        }
        placeRows();
        return;
    }
    std::vector<Slot> slots;
    slots.reserve(rules.size());
    std::unordered_map<QString, std::size_t> index;
    index.reserve(rules.size());
    for (const GestureMapping& rule : rules) {
        Slot slot{rule.id()};
        if (const auto found = index_.find(slot.id); found != index_.end()) {
            slot = std::exchange(slots_[found->second], Slot{});
            if (slot.row != nullptr) {
                slot.row->setMapping(rule);
            }
        }
        index.emplace(slot.id, slots.size());
        slots.push_back(std::move(slot));
    }
    // The new list is in place before a card goes: dropping the focused card places the cards.
    std::vector<Slot> gone = std::exchange(slots_, std::move(slots));
    index_ = std::move(index);
    for (Slot& slot : gone) {
        if (slot.container != nullptr) {
            drop(slot);
        }
    }
    setShown(emptyState_, slots_.empty());
    setShown(rowsHost_, !slots_.empty());
    // The cards may have changed places.
    orderStale_ = true;
    placeRows();
}

QWidget* CustomGestureListView::watchViewport() {
    QWidget* viewport = nullptr;
    std::vector<QWidget*> chain;
    for (QWidget* widget = rowsHost_; widget != nullptr && !widget->isWindow();
         widget = widget->parentWidget()) {
        chain.push_back(widget);
        const auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget());
        if (area != nullptr && area->viewport() == widget) {
            viewport = widget;
            break;
        }
    }
    // Scrolling moves the page, a change above the list moves one of the widgets holding it.
    const bool same = chain.size() == watched_.size() &&
                      std::equal(chain.begin(), chain.end(), watched_.begin(),
                                 [](QWidget* a, const QPointer<QWidget>& b) { return a == b; });
    if (!same) {
        for (const QPointer<QWidget>& widget : watched_) {
            if (widget != nullptr && widget != rowsHost_) {
                widget->removeEventFilter(this);
            }
        }
        watched_.assign(chain.begin(), chain.end());
        for (QWidget* widget : chain) {
            widget->installEventFilter(this);
        }
    }
    return viewport;
}

void CustomGestureListView::placeRows() {
    if (placing_) {
        placeAgain_ = true;
        return;
    }
    placing_ = true;
    // Building and placing cards moves and resizes the list, which can bring other cards into
    // view; a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        placeAgain_ = false;
        placeRowsOnce();
        if (!placeAgain_) {
            break;
        }
    }
    // Only after a card came or the cards moved: scrolling places the cards far more often.
    if (orderStale_) {
        orderStale_ = false;
        placeInListOrder();
    }
    placing_ = false;
}

void CustomGestureListView::placeInListOrder() {
    // Cards are made as they come into view, each at the end of the window's focus chain and of
    // the host's children; Tab and assistive technology go through them in the list's order, Tab
    // between what comes before the list and after it.
    std::vector<QWidget*> cards;
    std::vector<QWidget*> stops;
    for (const Slot& slot : slots_) {
        if (slot.row != nullptr) {
            cards.push_back(slot.container);
            const std::vector<QWidget*> cardStops = slot.row->tabStops();
            stops.insert(stops.end(), cardStops.begin(), cardStops.end());
        }
    }
    placeInAccessibleOrder(*rowsHost_, cards);
    if (!stops.empty()) {
        placeInFocusChain(*rowsHost_, stops);
    }
}

void CustomGestureListView::placeRowsOnce() {
    QWidget* viewport = watchViewport();
    if (viewport == nullptr && !isVisible()) {
        // Built when shown: until then nothing says how wide the cards are.
        return;
    }
    const int width = rowsHost_->width();
    if (width != measuredWidth_) {
        measuredWidth_ = width;
        for (Slot& slot : slots_) {
            slot.height = -1;
        }
    }
    // The part of the list in view, and half a screen either side.
    int top = std::numeric_limits<int>::min();
    int bottom = std::numeric_limits<int>::max();
    if (viewport != nullptr) {
        const int margin = viewport->height() / 2;
        top = rowsHost_->mapFrom(viewport, QPoint(0, 0)).y() - margin;
        bottom = top + viewport->height() + 2 * margin;
    }

    long long measured = 0;
    int measuredCount = 0;
    for (const Slot& slot : slots_) {
        if (slot.height >= 0) {
            measured += slot.height;
            ++measuredCount;
        }
    }
    const std::vector<GestureMapping>& rules = model_.customMappings();
    // The window's own focus: the application has none while another window is active.
    const QWidget* focus = window()->focusWidget();
    // Tab enters the list at its first or last card and goes from the focused card to the one
    // next to it; those are kept built wherever the page is.
    std::optional<std::size_t> focused;
    if (focus != nullptr && rowsHost_->isAncestorOf(focus)) {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].container != nullptr && slots_[i].container->isAncestorOf(focus)) {
                focused = i;
                break;
            }
        }
    }
    const auto nextToFocus = [&focused](std::size_t i) {
        return focused && (i + 1 == *focused || i == *focused + 1);
    };
    // What assistive technology can reach is what is built, wherever it is on the page.
    const bool everyCard = QAccessible::isActive();
    int y = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        int height = slot.height;
        if (height < 0 && slot.row == nullptr && measuredCount > 0) {
            height = static_cast<int>(measured / measuredCount);
        }
        const bool inView = height < 0 || (y + height > top && y < bottom);
        const bool needed = everyCard || inView || i == 0 || i + 1 == slots_.size() ||
                            focused == i || nextToFocus(i);
        if (needed && slot.row == nullptr) {
            if (const GestureMapping* rule = ruleAt(rules, i, slot.id)) {
                build(slot, *rule);
            }
        }
        if (slot.row != nullptr) {
            const bool keep = everyCard || inView || slot.row->isEditingName() || focused == i ||
                              nextToFocus(i) || i == 0 || i + 1 == slots_.size();
            if (!keep) {
                drop(slot);
            } else {
                height = heightAt(*slot.container, width);
                if (slot.height < 0) {
                    measured += height;
                    ++measuredCount;
                }
                slot.height = height;
                if (slot.container->geometry() != QRect(0, y, width, height)) {
                    slot.container->setGeometry(0, y, width, height);
                }
            }
        }
        y += height + kRowSpacing;
    }
    const int total = slots_.empty() ? 0 : y - kRowSpacing;
    if (rowsHost_->height() != total || rowsHost_->minimumHeight() != total) {
        rowsHost_->setFixedHeight(total);
    }
}

void CustomGestureListView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    placeRows();
}

bool CustomGestureListView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ParentChange:
            placeRows();
            break;
        case QEvent::LayoutRequest:
            // A card's content changed its height.
            if (watched == rowsHost_) {
                placeRows();
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void CustomGestureListView::accessibilityActiveChanged(bool) {
    // Connected, the cards out of view are built; gone, they are dropped again.
    placeRows();
}

void CustomGestureListView::setCardsHeld(bool held) {
    for (const Slot& slot : slots_) {
        if (slot.row != nullptr) {
            slot.row->setHeld(held);
        }
    }
}

void CustomGestureListView::refreshInvocationCounts() {
    for (const Slot& slot : slots_) {
        if (slot.row != nullptr) {
            slot.row->refreshInvocationCount();
        }
    }
}

}  // namespace quillorbitex
