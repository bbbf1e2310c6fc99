#pragma once

#include <QWidget>
#include <vector>

namespace quillorbitex {

// Assistive technology reads a widget's children in the order of QObject::children(), which is
// the order they were made in (a raised widget goes last), not where they are shown. A list that
// makes an entry after its neighbours (one built as it scrolls into view, one swapped in) puts the
// entries back in the order shown with this.

// Moves `children` (widgets whose parent is `parent`; others are passed over) among `parent`'s
// children so that they come in the order given, and tells assistive technology when any moved.
void placeInAccessibleOrder(QWidget& parent, const std::vector<QWidget*>& children);

}  // namespace quillorbitex
