#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace quillorbitex::testing {

// Another process holding an flock() on "<path>.lock", as an instance writing the preferences or
// a program that keeps them locked, until release() or the holder's end.
class FileLockHolder {
public:
    explicit FileLockHolder(const QString& path) {
        process_.start(QStringLiteral("flock"),
                       {path + QStringLiteral(".lock"), QStringLiteral("-c"),
                        QStringLiteral("echo held && exec cat >/dev/null")});
        held_ = process_.waitForReadyRead(10000);
    }
    ~FileLockHolder() { release(); }
    FileLockHolder(const FileLockHolder&) = delete;
    FileLockHolder& operator=(const FileLockHolder&) = delete;

    bool held() const { return held_; }
    // The end of its input ends it.
    void release() {
        process_.closeWriteChannel();
        process_.waitForFinished(10000);
    }

private:
    QProcess process_;
    bool held_ = false;
};

}  // namespace quillorbitex::testing
