#pragma once

#include <QWidget>
#include <vector>

class QLayout;

namespace quillorbitex {

// Keeping Tab in the order things are shown when widgets are made after their neighbours: Qt puts
// a new widget at the end of its window's focus chain, whatever its place on screen.

// The widgets of `layout` that Tab can reach, in the layout's order (nested layouts in place, and
// for a widget that Tab cannot reach itself, its descendants that it can).
std::vector<QWidget*> tabStopsIn(const QLayout& layout);

// Puts `stops` one after another into the focus chain of `container`'s window, right after the
// last widget before `container` that Tab can reach and that does not lie inside it; so Tab goes
// from what precedes the container through `stops` in order and on to what follows it. `stops`
// must lie inside `container`. Without such a widget before it, the stops only follow each other.
void placeInFocusChain(QWidget& container, const std::vector<QWidget*>& stops);

// The first widget inside `container` that Tab reaches in its window's focus chain, shown (or
// to be shown with the window) and enabled; nullptr without one.
QWidget* firstTabStopIn(const QWidget& container);

}  // namespace quillorbitex
