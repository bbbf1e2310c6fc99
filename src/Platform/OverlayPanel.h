#pragma once

#include "Platform/Geometry.h"

namespace quillorbitex {

// A borderless window that floats above every other window, never takes the focus and lets every
// click through to what lies beneath. What it shows is drawn by the content it was made for.
// Main thread only.
class OverlayPanel {
public:
    virtual ~OverlayPanel() = default;

    // In logical coordinates (origin at the top left of the virtual desktop, y downwards).
    virtual Rect frame() const = 0;
    virtual void setFrame(const Rect& frame) = 0;
    virtual bool isVisible() const = 0;
    // Shows the panel above all windows without activating it; nothing when it is already shown.
    virtual void orderFront() = 0;
    // Puts a shown panel above every other window again, panels shown after it included; nothing
    // when it is hidden.
    virtual void bringToFront() = 0;
    virtual void orderOut() = 0;
    // The content changed inside `area` (the panel's own coordinates) and must be drawn again.
    virtual void setNeedsDisplay(const Rect& area) = 0;
};

}  // namespace quillorbitex
