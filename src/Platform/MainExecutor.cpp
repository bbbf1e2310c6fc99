#include "Platform/MainExecutor.h"

#include <QCoreApplication>
#include <QTimer>

namespace quillorbitex {

void MainExecutor::async(Task task) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || !task) {
        return;
    }
    QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}

void MainExecutor::asyncAfter(Duration delay, Task task) {
    if (delay <= Duration::zero()) {
        async(std::move(task));
        return;
    }
    // Timers belong to a thread; start this one on the main thread whatever the caller's thread.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(delay);
    async([ms, task = std::move(task)]() mutable {
        QTimer::singleShot(ms, QCoreApplication::instance(), std::move(task));
    });
}

MainExecutor& MainExecutor::shared() {
    static MainExecutor executor;
    return executor;
}

}  // namespace quillorbitex
