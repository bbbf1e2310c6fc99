#pragma once

#include <QObject>
#include <functional>

#include "Platform/DisplayRegistry.h"

class QScreen;

namespace quillorbitex {

// The displays Qt knows, one per screen, in Qt's order. A display's id is its screen's name (the
// output or monitor name, stable across restarts).
class QtDisplayRegistry final : public QObject, public DisplayRegistry {
    Q_OBJECT
public:
    QtDisplayRegistry();

    std::vector<DisplayGeometry> currentDisplays() const override;
    void setChangeHandler(std::function<void()> handler) override;

    // The display a screen stands for: Qt keeps a screen's top-left corner in device pixels and
    // scales only its size, so the pixel frame follows from the logical one.
    static DisplayGeometry geometryOf(const QScreen& screen, int index);

private:
    void watch(QScreen* screen);
    void changed();

    std::function<void()> handler_;
};

}  // namespace quillorbitex
