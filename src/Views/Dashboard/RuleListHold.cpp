#include "Views/Dashboard/RuleListHold.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTimer>

namespace quillorbitex {

RuleListHold::RuleListHold(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton) {
            timer_->start();
        } else {
            Q_EMIT ended();
        }
    });
}

void RuleListHold::start() {
    timer_->start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    Q_EMIT started();
}

bool RuleListHold::isActive() const {
    return timer_->isActive();
}

}  // namespace quillorbitex
