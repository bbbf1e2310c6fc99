#pragma once

#include <QString>
#include <optional>

#include "Platform/Geometry.h"

namespace quillorbitex {

// One display as the overlays see it.
struct DisplayGeometry {
    // Stable across restarts: the screen's output name.
    QString id;
    // Where windows are placed on this display: logical coordinates, origin at the top left of the
    // virtual desktop, y downwards.
    Rect frameInPoints;
    // The display in root-window pixels, the space of the captured stroke points.
    Rect frameInPixels;
    // Device pixels per logical pixel.
    double backingScale = 1;

    DisplayGeometry() = default;
    // Without a pixel frame the logical frame serves for both.
    DisplayGeometry(QString displayID, Rect frame, std::optional<Rect> sourceFrame, double scale)
        : id(std::move(displayID)),
          frameInPoints(frame),
          frameInPixels(sourceFrame.value_or(frame)),
          backingScale(scale) {}

    friend bool operator==(const DisplayGeometry&, const DisplayGeometry&) = default;
};

}  // namespace quillorbitex
