#include "Views/Components/FlowLayout.h"

#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "Views/Components/ThemedTextLabel.h"

namespace quillorbitex {

namespace {

// The width an item asks for on a line. Wrapped text asks for its whole width on one line: it
// prefers a readable paragraph width elsewhere, but here a name (say) that fits a line beside
// nothing else must not be broken to make room for the items after it.
int wantedWidth(const QLayoutItem& item) {
    const auto* label = qobject_cast<const ThemedTextLabel*>(item.widget());
    if (label != nullptr && label->overflow() == ThemedTextLabel::Overflow::wrap) {
        return label->oneLineWidth();
    }
    return item.sizeHint().width();
}

}  // namespace

FlowLayout::FlowLayout(int horizontalSpacing, int verticalSpacing)
    : horizontalSpacing_(horizontalSpacing), verticalSpacing_(verticalSpacing) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    qDeleteAll(items_);
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

void FlowLayout::insertWidget(int index, QWidget* widget) {
    addChildWidget(widget);
    if (index < 0 || index > items_.size()) {
        index = static_cast<int>(items_.size());
    }
    items_.insert(index, new QWidgetItem(widget));
    invalidate();
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::sizeHint() const {
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) {
            continue;
        }
        const QSize hint = item->sizeHint();
        size.setWidth(size.width() + (size.width() > 0 ? horizontalSpacing_ : 0) + hint.width());
        size.setHeight(std::max(size.height(), hint.height()));
    }
    const QMargins margins = contentsMargins();
    return size.grownBy(margins);
}

QSize FlowLayout::minimumSize() const {
    QSize size(0, 0);
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            size = size.expandedTo(item->minimumSize());
        }
    }
    return size.grownBy(contentsMargins());
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

QSize FlowLayout::sizeOnLine(const QLayoutItem& item, int available, int following) {
    const QSize hint = item.sizeHint();
    int width = wantedWidth(item);
    if (item.expandingDirections() & Qt::Horizontal) {
        width = std::max(item.minimumSize().width(), available - following);
    }
    width = std::max(0, std::min(width, available));
    return {width, item.hasHeightForWidth() ? item.heightForWidth(width) : hint.height()};
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int right = area.x() + area.width();
    std::vector<std::pair<QLayoutItem*, QRect>> line;
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    const auto endLine = [&] {
        if (apply) {
            for (auto& [item, geometry] : line) {
                geometry.moveTop(y + (lineHeight - geometry.height()) / 2);
                item->setGeometry(geometry);
            }
        }
        line.clear();
    };
    for (qsizetype index = 0; index < items_.size(); ++index) {
        const QLayoutItem* item = items_.at(index);
        if (item->isEmpty()) {
            continue;
        }
        const bool expands = (item->expandingDirections() & Qt::Horizontal) != 0;
        // What must fit beside what is already on the line for the item to stay there.
        const int needed = expands ? item->minimumSize().width() : wantedWidth(*item);
        if (x > area.x() && x + needed > right) {
            endLine();
            x = area.x();
            y += lineHeight + verticalSpacing_;
            lineHeight = 0;
        }
        int following = 0;
        if (expands) {
            // The items after it keep their widths on this line as far as they fit.
            const int room = right - x - needed;
            for (qsizetype next = index + 1; next < items_.size(); ++next) {
                const QLayoutItem* after = items_.at(next);
                if (after->isEmpty()) {
                    continue;
                }
                const int width = horizontalSpacing_ + wantedWidth(*after);
                if (following + width > room) {
                    break;
                }
                following += width;
            }
        }
        const QSize size = sizeOnLine(*item, right - x, following);
        line.emplace_back(items_.at(index), QRect(QPoint(x, y), size));
        x += size.width() + horizontalSpacing_;
        lineHeight = std::max(lineHeight, size.height());
    }
    endLine();
    const QMargins margins = contentsMargins();
    return y + lineHeight - rect.y() + margins.bottom();
}

}  // namespace quillorbitex
