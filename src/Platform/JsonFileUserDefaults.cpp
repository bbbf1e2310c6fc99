#include "Platform/JsonFileUserDefaults.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <utility>

#include "Platform/AtomicFile.h"
#include "Platform/JsonMembers.h"
#include "Platform/ProductFolder.h"
#include "Platform/RegularFile.h"
#include "Platform/SetAside.h"

namespace quillorbitex {

namespace {

const QString kFileName = QStringLiteral("preferences.json");
const QString kDataKey = QStringLiteral("data");

// Whether `path` is a link to where nothing is yet (a preferences file kept elsewhere, not made
// so far), rather than a link that loops or something that is not a file.
bool leadsNowhereYet(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(encoded.constData(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
        return false;
    }
    return ::stat(encoded.constData(), &entry) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

QVariant fromJson(const QJsonValue& value) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.size() == 1 && object.value(kDataKey).isString()) {
            return QByteArray::fromBase64(object.value(kDataKey).toString().toLatin1());
        }
    }
    // Booleans, numbers and texts map to themselves; anything else was not written by us and is
    // kept as it is (it reads as no value).
    return value.toVariant();
}

QJsonValue toJson(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) {
        return QJsonObject{{kDataKey, QString::fromLatin1(value.toByteArray().toBase64())}};
    }
    return QJsonValue::fromVariant(value);
}

void insertEntries(const QJsonObject& object, QVariantMap& entries) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        entries.insert(it.key(), fromJson(it.value()));
    }
}

// The entries of `members` whose texts are UTF-8 and that are JSON on their own.
void insertReadableMembers(const JsonMembers& members, QVariantMap& entries) {
    for (const JsonMembers::Member& member : members.members()) {
        if (member.spoiled) {
            continue;
        }
        QByteArray single;
        single.reserve(member.text.size() + 2);
        single.append('{').append(member.text).append('}');
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(single, &error);
        if (error.error == QJsonParseError::NoError) {
            insertEntries(document.object(), entries);
        }
    }
}

// Reads the document into `entries`. False when some or all of it could not be read.
//
// Bytes that are not UTF-8 make the whole text invalid JSON; rather than lose every entry, the
// entries are read one by one and only those whose texts hold such bytes are left out (bytes
// between the tokens read as blanks). When such a byte broke a text or a bracket too, the text is
// read one line at a time, as this class writes it: one entry per line.
bool readDocument(const QByteArray& content, QVariantMap& entries) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error == QJsonParseError::NoError && document.isObject()) {
        insertEntries(document.object(), entries);
        return true;
    }
    if (content.isValidUtf8()) {
        return false;
    }
    if (const auto members = JsonMembers::split(content, '{')) {
        insertReadableMembers(*members, entries);
        return false;
    }
    for (const QByteArray& line : content.split('\n')) {
        QByteArray entry = line.trimmed();
        if (entry.endsWith(',')) {
            entry.chop(1);
        }
        if (const auto members = JsonMembers::split('{' + entry + '}', '{')) {
            insertReadableMembers(*members, entries);
        }
    }
    return false;
}

// A value as compact JSON text. QJsonDocument writes only arrays and objects, so the value goes in
// as the one element of an array whose brackets are then cut off.
QByteArray compactJson(const QJsonValue& value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// One entry per line, in key order. Data values are written as they are rather than through
// QJsonDocument: Base64 text needs no escaping, and a long rule list was otherwise copied into a
// string, escaped and copied again on every save.
QByteArray documentText(const QVariantMap& map) {
    QByteArray text("{");
    for (auto it = map.begin(); it != map.end(); ++it) {
        text += it == map.begin() ? "\n    " : ",\n    ";
        text += compactJson(it.key());
        text += ": ";
        if (it.value().typeId() == QMetaType::QByteArray) {
            text += "{\"" + kDataKey.toLatin1() + "\": \"";
            text += it.value().toByteArray().toBase64();
            text += "\"}";
        } else {
            text += compactJson(toJson(it.value()));
        }
    }
    text += map.isEmpty() ? "}\n" : "\n}\n";
    return text;
}

std::optional<UserDefaults::Value> toValue(const QVariant& variant) {
    switch (variant.typeId()) {
        case QMetaType::Bool:
            return UserDefaults::Value(variant.toBool());
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return UserDefaults::Value(variant.toDouble());
        case QMetaType::QString:
            return UserDefaults::Value(variant.toString());
        case QMetaType::QByteArray:
            return UserDefaults::Value(variant.toByteArray());
        default:
            return std::nullopt;
    }
}

// Far beyond any rule list a person makes; a larger file is set aside rather than read into
// memory.
constexpr qint64 kMaximumFileBytes = 256LL * 1024 * 1024;

// Data beyond which a write no longer fits in a frame (Base64, the write and its sync); the rule
// list is nearly all of it.
constexpr qsizetype kBackgroundWriteBytes = 256 * 1024;

bool isLarge(const QVariantMap& map) {
    qsizetype bytes = 0;
    for (const QVariant& value : map) {
        if (value.typeId() == QMetaType::QByteArray) {
            bytes += value.toByteArray().size();
        }
    }
    return bytes > kBackgroundWriteBytes;
}

bool writeFile(const QString& filePath, const QVariantMap& map) {
    return AtomicFile::write(filePath, documentText(map)).written;
}

QVariant toVariant(const UserDefaults::Value& value) {
    return std::visit([](const auto& v) { return QVariant::fromValue(v); }, value);
}

}  // namespace

JsonFileUserDefaults::JsonFileUserDefaults(const QString& filePath) : filePath_(filePath) {
    load();
}

JsonFileUserDefaults::~JsonFileUserDefaults() {
    // Finishes the write under way; what is still handed over is written here.
    writer_.reset();
    if ((unsaved_ || handedOver_) && keepUnreadableFile()) {
        writeFile(filePath_, entries_);
    }
}

void JsonFileUserDefaults::load() {
    if (filePath_.isEmpty()) {
        return;
    }
    const RegularFile::Contents file = RegularFile::read(filePath_, kMaximumFileBytes);
    if (file.status != RegularFile::Status::read && leadsNowhereYet(filePath_)) {
        // The link stays: the first write that gets through creates its file.
        return;
    }
    switch (file.status) {
        case RegularFile::Status::absent:
            return;
        case RegularFile::Status::notRegular:
        case RegularFile::Status::tooLarge:
        case RegularFile::Status::unreadable:
            setAside();
            return;
        case RegularFile::Status::read:
            break;
    }
    if (!file.bytes.isEmpty() && !readDocument(file.bytes, entries_)) {
        unkeptContent_ = file.bytes;
        keepUnreadableFile();
    }
}

bool JsonFileUserDefaults::keepUnreadableFile() {
    if (!unkeptContent_) {
        return true;
    }
    // Beside the file that was read and is written, past a link, as the single entries' copies.
    const QFileInfo file(AtomicFile::resolvedPath(filePath_));
    const auto copy = SetAside::keepCopy(file.absolutePath(), file.fileName(), *unkeptContent_);
    if (!copy) {
        return false;
    }
    noteSetAsideFile(*copy);
    unkeptContent_.reset();
    return true;
}

void JsonFileUserDefaults::setAside() {
    if (const auto moved = SetAside::moveAside(filePath_)) {
        noteSetAsideFile(*moved);
    }
}

bool JsonFileUserDefaults::save() {
    // Without a file the values live in memory alone, which is all that was asked for: nothing is
    // left unsaved, and there is no folder to tell the user about or to try again.
    if (filePath_.isEmpty()) {
        return true;
    }
    if (!keepUnreadableFile()) {
        const std::lock_guard lock(mutex_);
        unsaved_ = true;
        return false;
    }
    std::unique_lock lock(mutex_);
    if (!writerBusy_ && !isLarge(entries_)) {
        // Only this thread starts the writer, so the file is this thread's until it returns.
        lock.unlock();
        const bool saved = writeFile(filePath_, entries_);
        lock.lock();
        unsaved_ = !saved;
        return saved;
    }
    // The entries share their values with the copy; only the keys are copied.
    handedOver_ = entries_;
    if (!writerBusy_) {
        writerBusy_ = true;
        if (!writer_) {
            writer_ = std::make_unique<SerialQueue>("preferences-writer");
        }
        writer_->async([this] { writeHandedOver(); });
    }
    return !unsaved_;
}

void JsonFileUserDefaults::writeHandedOver() {
    std::unique_lock lock(mutex_);
    while (handedOver_) {
        const QVariantMap entries = *std::exchange(handedOver_, std::nullopt);
        lock.unlock();
        const bool saved = writeFile(filePath_, entries);
        lock.lock();
        unsaved_ = !saved;
        if (saveObserver_) {
            saveObserver_();
        }
    }
    writerBusy_ = false;
}

bool JsonFileUserDefaults::hasUnsavedChanges() const {
    const std::lock_guard lock(mutex_);
    return unsaved_;
}

bool JsonFileUserDefaults::saveUnsavedChanges() {
    return !hasUnsavedChanges() || save();
}

void JsonFileUserDefaults::setSaveObserver(std::function<void()> observer) {
    const std::lock_guard lock(mutex_);
    saveObserver_ = std::move(observer);
}

std::optional<UserDefaults::Value> JsonFileUserDefaults::value(const QString& key) const {
    return toValue(entries_.value(key));
}

bool JsonFileUserDefaults::setValue(const QString& key, const Value& value) {
    // Nothing to write unless the value changes or earlier changes still wait for the file.
    if (!hasUnsavedChanges() && entries_.contains(key) && toValue(entries_.value(key)) == value) {
        return true;
    }
    entries_.insert(key, toVariant(value));
    return save();
}

bool JsonFileUserDefaults::removeValue(const QString& key) {
    if (entries_.remove(key) == 0 && !hasUnsavedChanges()) {
        return true;
    }
    return save();
}

bool JsonFileUserDefaults::removeAll() {
    entries_.clear();
    return save();
}

std::optional<QString> JsonFileUserDefaults::storageDirectory() const {
    if (filePath_.isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(AtomicFile::resolvedPath(filePath_)).absolutePath();
}

std::optional<QByteArray> JsonFileUserDefaults::storedBytes(const QString& key) const {
    if (value(key)) {
        return UserDefaults::storedBytes(key);
    }
    const auto entry = entries_.constFind(key);
    if (entry == entries_.cend()) {
        return std::nullopt;
    }
    const QJsonValue json = toJson(*entry);
    if (json.isArray()) {
        return QJsonDocument(json.toArray()).toJson(QJsonDocument::Compact);
    }
    if (json.isObject()) {
        return QJsonDocument(json.toObject()).toJson(QJsonDocument::Compact);
    }
    // A lone null: JSON documents hold only lists and objects, so wrap it and take it out again.
    const QByteArray wrapped = QJsonDocument(QJsonArray{json}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QString JsonFileUserDefaults::defaultFilePath() {
    const QString folder = productFolder(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : filePathIn(folder);
}

QString JsonFileUserDefaults::filePathIn(const QString& directory) {
    return QDir(directory).filePath(kFileName);
}

}  // namespace quillorbitex
