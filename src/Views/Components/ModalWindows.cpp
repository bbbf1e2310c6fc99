#include "Views/Components/ModalWindows.h"

#include <QApplication>
#include <QWidget>

namespace quillorbitex {

namespace {

// Whether `window` is `ancestor` or was opened over it, through its parents' windows.
bool isOver(const QWidget* window, const QWidget* ancestor) {
    for (const QWidget* current = window; current != nullptr;
         current = current->parentWidget() != nullptr ? current->parentWidget()->window()
                                                      : nullptr) {
        if (current == ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool isBlockedByModalWindow(const QWidget& widget) {
    const QWidget* window = widget.window();
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget* modal : windows) {
        if (modal == window || !modal->isVisible() || modal->windowModality() == Qt::NonModal) {
            continue;
        }
        const QWidget* parent = modal->parentWidget();
        // Qt makes a window-modal window without a parent application-modal.
        const bool windowModal = modal->windowModality() == Qt::WindowModal && parent != nullptr;
        if (windowModal ? isOver(parent->window(), window) : !isOver(window, modal)) {
            return true;
        }
    }
    return false;
}

}  // namespace quillorbitex
