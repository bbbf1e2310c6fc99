#include "Application/TerminationSignalWatcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace quillorbitex {

namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

// The pipe the handler writes into; -1 while no watcher exists.
std::atomic<int> gWriteEnd{-1};
int gReadEnd = -1;
std::array<struct sigaction, kSignals.size()> gPrevious{};

extern "C" void forwardSignal(int number) {
    const int saved = errno;
    const int fd = gWriteEnd.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(number);
        // A full pipe already holds a request; losing this one changes nothing.
        [[maybe_unused]] const auto written = ::write(fd, &byte, 1);
    }
    errno = saved;
}

}  // namespace

TerminationSignalWatcher::TerminationSignalWatcher(QObject* parent) : QObject(parent) {
    if (gWriteEnd.load() >= 0) {
        return;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    gReadEnd = fds[0];
    gWriteEnd.store(fds[1]);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = forwardSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(kSignals[i], &action, &gPrevious[i]);
    }
    notifier_ = std::make_unique<QSocketNotifier>(gReadEnd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignalWatcher::drain);
}

TerminationSignalWatcher::~TerminationSignalWatcher() {
    if (!notifier_) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &gPrevious[i], nullptr);
    }
    notifier_.reset();
    const int writeEnd = gWriteEnd.exchange(-1);
    ::close(writeEnd);
    ::close(gReadEnd);
    gReadEnd = -1;
}

void TerminationSignalWatcher::drain() {
    unsigned char numbers[16];
    ssize_t count = 0;
    while ((count = ::read(gReadEnd, numbers, sizeof numbers)) > 0) {
        for (ssize_t i = 0; i < count; ++i) {
            Q_EMIT terminationRequested(numbers[i]);
        }
    }
}

}  // namespace quillorbitex
