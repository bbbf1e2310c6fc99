#pragma once

#include <QIcon>
#include <QImage>

class QPainter;
class QRectF;

namespace quillorbitex {

// The program's icons, drawn by us as paths: sharp at any size and device pixel ratio.
class Icons {
public:
    Icons() = delete;

    // The application's icon, also shown in the tray: a violet rounded square with a white stroke
    // that rises and turns back down into an arrow, the program's best-known gesture.
    static QIcon applicationIcon();
    // Draws it centred in `area`, as large as the shorter side allows.
    static void paintApplicationIcon(QPainter& painter, const QRectF& area);
    // The icon as a square image of `size` pixels; works without a display (for the icon files).
    static QImage applicationIconImage(int size);
};

}  // namespace quillorbitex
