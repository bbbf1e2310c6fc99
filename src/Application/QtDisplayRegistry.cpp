#include "Application/QtDisplayRegistry.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace quillorbitex {

QtDisplayRegistry::QtDisplayRegistry() {
    if (qGuiApp == nullptr) {
        return;
    }
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        changed();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { changed(); });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this] { changed(); });
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
}

void QtDisplayRegistry::watch(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, [this] { changed(); });
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { changed(); });
    connect(screen, &QScreen::physicalDotsPerInchChanged, this, [this] { changed(); });
}

void QtDisplayRegistry::changed() {
    if (handler_) {
        handler_();
    }
}

void QtDisplayRegistry::setChangeHandler(std::function<void()> handler) {
    handler_ = std::move(handler);
}

DisplayGeometry QtDisplayRegistry::geometryOf(const QScreen& screen, int index) {
    const QRect logical = screen.geometry();
    const double scale = screen.devicePixelRatio() > 0 ? screen.devicePixelRatio() : 1;
    const Rect points{{double(logical.x()), double(logical.y())},
                      {double(logical.width()), double(logical.height())}};
    const Rect pixels{points.origin,
                      {std::round(points.width() * scale), std::round(points.height() * scale)}};
    QString id = screen.name();
    if (id.isEmpty()) {
        id = QStringLiteral("screen-%1").arg(index);
    }
    return DisplayGeometry(id, points, pixels, scale);
}

std::vector<DisplayGeometry> QtDisplayRegistry::currentDisplays() const {
    std::vector<DisplayGeometry> displays;
    if (qGuiApp == nullptr) {
        return displays;
    }
    const auto screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        displays.push_back(geometryOf(*screens[i], i));
    }
    return displays;
}

}  // namespace quillorbitex
