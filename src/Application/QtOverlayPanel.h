#pragma once

#include <QRegion>
#include <QWidget>
#include <memory>

#include "Application/OverlayPanelContent.h"
#include "Platform/CompositingManagerWatch.h"
#include "Platform/OverlayPanel.h"

namespace quillorbitex {

// An overlay panel as a top-level Qt window: frameless, above other windows, not managed by the
// window manager (no taskbar entry, no decoration), never focused, and transparent to input. With
// a compositing manager it is translucent; without one it is cut to the shape of what it draws,
// so no dark rectangle ever shows around it, also when a compositing manager starts or stops while
// the panel is shown.
class QtOverlayPanel final : public QWidget, public OverlayPanel {
    Q_OBJECT
public:
    // Without a watch the panel takes a compositor for granted.
    QtOverlayPanel(OverlayPanelContent& content, const Rect& frame,
                   std::shared_ptr<const CompositingManagerWatch> compositing);

    // Makes panels like this one.
    static OverlayPanelFactory factory(std::shared_ptr<const CompositingManagerWatch> compositing);

    Rect frame() const override;
    void setFrame(const Rect& frame) override;
    bool isVisible() const override;
    void orderFront() override;
    void bringToFront() override;
    void orderOut() override;
    void setNeedsDisplay(const Rect& area) override;

    // Whether the panel is cut to its content's shape now.
    bool isShaped() const { return shaped_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool wantsShape() const;
    void applyShape();

    OverlayPanelContent& content_;
    std::shared_ptr<const CompositingManagerWatch> compositing_;
    bool shaped_ = false;
    QRegion appliedShape_;
    Subscription compositingChanges_;
};

}  // namespace quillorbitex
