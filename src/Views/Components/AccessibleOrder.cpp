#include "Views/Components/AccessibleOrder.h"

#include <QAccessible>
#include <unordered_map>

namespace quillorbitex {

void placeInAccessibleOrder(QWidget& parent, const std::vector<QWidget*>& children) {
    const QObjectList& present = parent.children();
    std::unordered_map<const QObject*, qsizetype> places;
    places.reserve(static_cast<std::size_t>(present.size()));
    for (qsizetype i = 0; i < present.size(); ++i) {
        places.emplace(present[i], i);
    }
    // From the last one on: a widget found behind the one that should follow it goes just before
    // that one, and from then on stands at that one's place for the comparisons still to come. A
    // list in order moves nothing, and a card made anew in it moves alone.
    bool moved = false;
    QWidget* next = nullptr;
    qsizetype nextPlace = 0;
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        const auto found = places.find(*child);
        if (found == places.end()) {
            continue;
        }
        qsizetype place = found->second;
        if (next != nullptr && place > nextPlace) {
            (*child)->stackUnder(next);
            place = nextPlace;
            moved = true;
        }
        next = *child;
        nextPlace = place;
    }
    if (moved) {
        QAccessibleEvent reordered(&parent, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
}

}  // namespace quillorbitex
