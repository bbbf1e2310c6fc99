// Feeds arbitrary bytes to the preferences reader as the file it reads, in a private temporary
// folder. Every entry read must keep its bytes; after one more value is written, reading the file
// again must give every value and every entry's bytes as before; and a file that could not be read
// whole must still be there, in a copy set aside, once it has been replaced.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <cstdint>

#include "FuzzCheck.h"
#include "Platform/JsonFileUserDefaults.h"

namespace quillorbitex::fuzzing {
namespace {

// On a file system in memory where there is one: each run writes the file several times.
QTemporaryDir& folder() {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/qx-fuzz-preferences-XXXXXX")
                                 : QDir::tempPath() +
                                       QStringLiteral("/qx-fuzz-preferences-XXXXXX"));
    check(dir.isValid(), "no temporary folder");
    return dir;
}

// Every text between double quotes, as written and as JSON reads it, and the preferences' keys:
// whatever keys the file holds are among them.
QSet<QString> candidateKeys(const QByteArray& bytes) {
    QSet<QString> keys{
        QStringLiteral("gestureAutomaticUpdateChecks"),
        QStringLiteral("gestureLanguageOverride"),
        QStringLiteral("gestureCaptureEnabled"),
        QStringLiteral("gestureOnboardingCompleted"),
        QStringLiteral("gestureCustomMappings"),
        QStringLiteral("gestureDisabledBuiltInPatterns"),
        QStringLiteral("gestureMatchingThreshold"),
        QStringLiteral("gestureThemeOverride"),
    };
    for (qsizetype start = bytes.indexOf('"'); start >= 0;) {
        qsizetype end = start + 1;
        while (end < bytes.size() && bytes[end] != '"') {
            end += bytes[end] == '\\' ? 2 : 1;
        }
        if (end >= bytes.size()) {
            break;
        }
        const QByteArray token = bytes.mid(start, end - start + 1);
        keys.insert(QString::fromUtf8(token.mid(1, token.size() - 2)));
        const QJsonDocument decoded = QJsonDocument::fromJson('[' + token + ']');
        if (decoded.isArray() && decoded.array().size() == 1) {
            keys.insert(decoded.array().first().toString());
        }
        start = bytes.indexOf('"', end + 1);
    }
    return keys;
}

bool readsWhole(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    return bytes.isEmpty() || (error.error == QJsonParseError::NoError && document.isObject());
}

bool someFileHolds(const QDir& dir, const QByteArray& bytes) {
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) {
            return true;
        }
    }
    return false;
}

void run(const QByteArray& bytes) {
    const QDir dir(folder().path());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile::remove(dir.filePath(name));
    }
    const QString path = JsonFileUserDefaults::filePathIn(dir.path());
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
              "the input could not be written");
    }

    const QSet<QString> keys = candidateKeys(bytes);
    const QString probe = QStringLiteral("\uE000probe");
    JsonFileUserDefaults first(path);
    for (const QString& key : keys) {
        const auto stored = first.storedBytes(key);
        if (first.value(key)) {
            check(stored.has_value(), "a value without stored bytes");
        } else if (stored) {
            // An entry of another shape is kept as JSON.
            check(QJsonDocument::fromJson('[' + *stored + ']').isArray(),
                  "an entry's bytes are not JSON");
        }
    }
    if (readsWhole(bytes)) {
        const QJsonObject object = QJsonDocument::fromJson(bytes).object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            check(first.storedBytes(it.key()).has_value(),
                  "an entry of a file read whole was lost");
        }
    }

    check(first.setValue(probe, true), "a value did not reach the file");
    JsonFileUserDefaults second(path);
    check(second.value(probe) == UserDefaults::Value(true), "the value written did not read back");
    for (const QString& key : keys) {
        check(second.value(key) == first.value(key), "a value changed when the file was rewritten");
        check(second.storedBytes(key) == first.storedBytes(key),
              "an entry's bytes changed when the file was rewritten");
    }
    if (!readsWhole(bytes)) {
        check(someFileHolds(dir, bytes), "a file not read whole was replaced without a copy");
    }
}

}  // namespace
}  // namespace quillorbitex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillorbitex::fuzzing::run(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
