#include "Views/Components/FocusChain.h"

#include <QLayout>

namespace quillorbitex {

namespace {

bool takesTab(const QWidget& widget) {
    return (widget.focusPolicy() & Qt::TabFocus) != 0;
}

void collect(const QLayout& layout, std::vector<QWidget*>& stops) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (QWidget* widget = item->widget()) {
            if (takesTab(*widget)) {
                stops.push_back(widget);
            } else {
                for (QWidget* child : widget->findChildren<QWidget*>()) {
                    if (takesTab(*child)) {
                        stops.push_back(child);
                    }
                }
            }
        } else if (const QLayout* inner = item->layout()) {
            collect(*inner, stops);
        }
    }
}

}  // namespace

std::vector<QWidget*> tabStopsIn(const QLayout& layout) {
    std::vector<QWidget*> stops;
    collect(layout, stops);
    return stops;
}

QWidget* firstTabStopIn(const QWidget& container) {
    const QWidget* window = container.window();
    // The chain is a ring through the whole window: the walk ends where it began.
    for (QWidget* widget = container.nextInFocusChain(); widget != &container;
         widget = widget->nextInFocusChain()) {
        if (container.isAncestorOf(widget) && takesTab(*widget) && widget->isEnabled() &&
            widget->isVisibleTo(window)) {
            return widget;
        }
    }
    return nullptr;
}

void placeInFocusChain(QWidget& container, const std::vector<QWidget*>& stops) {
    QWidget* previous = nullptr;
    // The chain is a ring: the walk comes back to the container when nothing precedes it.
    for (QWidget* widget = container.previousInFocusChain(); widget != &container;
         widget = widget->previousInFocusChain()) {
        if (widget->focusPolicy() != Qt::NoFocus && !container.isAncestorOf(widget)) {
            previous = widget;
            break;
        }
    }
    for (QWidget* stop : stops) {
        if (stop->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, stop);
        }
        previous = stop;
    }
}

}  // namespace quillorbitex
