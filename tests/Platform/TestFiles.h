#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace quillorbitex::testing {

// The bytes of a file; none when it cannot be opened.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the file (and its folder) hold exactly `bytes`.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) &&
           file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Works in `folder` while it lives, then in the folder it started in again.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& folder) { entered_ = QDir::setCurrent(folder); }
    ~WorkingFolder() { QDir::setCurrent(startedIn_); }
    bool entered() const { return entered_; }

private:
    const QString startedIn_ = QDir::currentPath();
    bool entered_ = false;
};

}  // namespace quillorbitex::testing
