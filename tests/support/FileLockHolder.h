#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace quillorbitex::testing {

// Another process holding an flock() on "<path>.lock", as an instance writing the preferences or
// a program that keeps them locked, until release() or the holder's end.
class FileLockHolder {
public:
    explicit FileLockHolder(const QString& path) {
        const QByteArray lockPath = QFile::encodeName(path + ".lock");
        int ready[2] = {-1, -1};
        int release[2] = {-1, -1};
        if (::pipe(ready) != 0 || ::pipe(release) != 0) {
            return;
        }
        std::fflush(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            // Only calls that are safe in the child of a process with threads.
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0600);
            char byte = 0;
            if (fd >= 0 && ::flock(fd, LOCK_EX) == 0 && ::write(ready[1], "x", 1) == 1) {
                // Until the test releases it or goes.
                while (::read(release[0], &byte, 1) < 0 && errno == EINTR) {
                }
            }
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char byte = 0;
        held_ = pid_ > 0 && ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
    }
    ~FileLockHolder() { release(); }
    FileLockHolder(const FileLockHolder&) = delete;
    FileLockHolder& operator=(const FileLockHolder&) = delete;

    bool held() const { return held_; }
    void release() {
        if (release_ >= 0) {
            ::close(std::exchange(release_, -1));
            ::waitpid(pid_, nullptr, 0);
        }
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool held_ = false;
};

}  // namespace quillorbitex::testing
