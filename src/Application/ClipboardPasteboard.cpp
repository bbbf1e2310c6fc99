#include "Application/ClipboardPasteboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quillorbitex {

void ClipboardPasteboard::setText(const QString& text) {
    if (qGuiApp == nullptr) {
        return;
    }
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

}  // namespace quillorbitex
