#pragma once

#include <QPalette>
#include <QRect>
#include <QRegion>
#include <functional>
#include <memory>

#include "Platform/Geometry.h"
#include "Platform/OverlayPanel.h"

class QPainter;

namespace quillorbitex {

// What an overlay panel shows. Main thread only.
class OverlayPanelContent {
public:
    virtual ~OverlayPanelContent() = default;

    // Draws what lies inside `area` (the panel's logical coordinates). Colours are resolved
    // against `palette`, the one the panel is drawn with. `shaped` means that no compositing
    // manager blends the panel with the desktop and the panel is cut to shape(): colours are then
    // drawn opaque and edges hard, so that no pixel is blended with the black behind it.
    virtual void paint(QPainter& painter, const QRect& area, const QPalette& palette,
                       bool shaped) = 0;
    // The pixels the content covers without a compositor, in the panel's logical coordinates.
    virtual QRegion shape() = 0;
};

// Makes a hidden panel at `frame` that shows `content`; the content outlives the panel.
using OverlayPanelFactory =
    std::function<std::unique_ptr<OverlayPanel>(OverlayPanelContent& content, const Rect& frame)>;

}  // namespace quillorbitex
