#include "Views/Dashboard/RuleListHold.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTimer>

namespace quillorbitex {

namespace {

const QString kObjectName = QStringLiteral("quillorbitex.RuleListHold");

}  // namespace

RuleListHold::RuleListHold(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
    setObjectName(kObjectName);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton) {
            timer_->start();
        } else {
            Q_EMIT ended();
        }
    });
}

RuleListHold& RuleListHold::shared() {
    QCoreApplication* application = QCoreApplication::instance();
    auto* hold = application->findChild<RuleListHold*>(kObjectName, Qt::FindDirectChildrenOnly);
    if (hold == nullptr) {
        // Lives as long as the application, as the lists that listen to it may.
        hold = new RuleListHold(application);
    }
    return *hold;
}

void RuleListHold::start() {
    timer_->start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

bool RuleListHold::isActive() const {
    return timer_->isActive();
}

}  // namespace quillorbitex
