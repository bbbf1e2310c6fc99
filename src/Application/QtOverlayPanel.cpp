#include "Application/QtOverlayPanel.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace quillorbitex {

namespace {

QRect toQt(const Rect& rect) {
    return QRect(
        static_cast<int>(std::lround(rect.minX())), static_cast<int>(std::lround(rect.minY())),
        static_cast<int>(std::lround(rect.width())), static_cast<int>(std::lround(rect.height())));
}

}  // namespace

QtOverlayPanel::QtOverlayPanel(OverlayPanelContent& content, const Rect& frame,
                               std::shared_ptr<const CompositingManagerWatch> compositing)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint),
      content_(content),
      compositing_(std::move(compositing)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(toQt(frame));
    if (compositing_) {
        // A panel that gets no new content would otherwise keep its old cut: a compositor that
        // quits mid-stroke leaves a dark rectangle until the panel is hidden.
        compositingChanges_ = compositing_->observeChanges([this] {
            if (QWidget::isVisible()) {
                applyShape();
            }
        });
    }
}

OverlayPanelFactory QtOverlayPanel::factory(
    std::shared_ptr<const CompositingManagerWatch> compositing) {
    return [compositing](OverlayPanelContent& content, const Rect& frame) {
        return std::make_unique<QtOverlayPanel>(content, frame, compositing);
    };
}

Rect QtOverlayPanel::frame() const {
    const QRect g = geometry();
    return Rect{{double(g.x()), double(g.y())}, {double(g.width()), double(g.height())}};
}

void QtOverlayPanel::setFrame(const Rect& frame) {
    setGeometry(toQt(frame));
}

bool QtOverlayPanel::isVisible() const {
    return QWidget::isVisible();
}

void QtOverlayPanel::orderFront() {
    if (QWidget::isVisible()) {
        return;
    }
    applyShape();
    show();
    raise();
}

void QtOverlayPanel::bringToFront() {
    if (QWidget::isVisible()) {
        raise();
    }
}

void QtOverlayPanel::orderOut() {
    hide();
    // A hidden window keeps a backing store as large as the window, and a trace panel is as large
    // as the display for a long stroke. Shrunk now, Qt sizes it again at the next paint.
    if (QBackingStore* store = backingStore()) {
        store->resize(QSize(1, 1));
    }
}

bool QtOverlayPanel::wantsShape() const {
    return compositing_ && !compositing_->isCompositing();
}

void QtOverlayPanel::applyShape() {
    const bool shaped = wantsShape();
    if (shaped != shaped_) {
        shaped_ = shaped;
        update();
    }
    if (!shaped_) {
        if (!appliedShape_.isEmpty()) {
            appliedShape_ = QRegion();
            clearMask();
        }
        return;
    }
    QRegion shape = content_.shape();
    if (shape.isEmpty()) {
        // An empty mask would mean no mask at all: a pixel outside the window hides all of it.
        shape = QRegion(-1, -1, 1, 1);
    }
    if (shape != appliedShape_) {
        appliedShape_ = shape;
        setMask(shape);
    }
}

void QtOverlayPanel::setNeedsDisplay(const Rect& area) {
    applyShape();
    update(toQt(Rect{{std::floor(area.minX()), std::floor(area.minY())},
                     {std::ceil(area.maxX()) - std::floor(area.minX()),
                      std::ceil(area.maxY()) - std::floor(area.minY())}}));
}

void QtOverlayPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(event->rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    content_.paint(painter, event->rect(), palette(), shaped_);
}

}  // namespace quillorbitex
