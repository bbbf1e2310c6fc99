#include "Platform/JsonFileUserDefaults.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

#include "Platform/ProductFolder.h"

namespace quillorbitex {

namespace {

const QString kFileName = QStringLiteral("preferences.json");
const QString kDataKey = QStringLiteral("data");

// QSettings would replace a file it cannot parse with the values it holds, losing whatever the
// file had; keep a copy of such a file beside it first. The copy is named after its content, so
// reading the same file again makes no second copy.
void keepUnreadableFile(QIODevice& device, const QByteArray& content) {
    const auto* file = qobject_cast<QFile*>(&device);
    if (file == nullptr || content.isEmpty()) {
        return;
    }
    const QByteArray hash =
        QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex().left(16);
    const QString copyPath = file->fileName() + QStringLiteral(".unreadable-") + hash;
    if (!QFileInfo::exists(copyPath)) {
        QFile::copy(file->fileName(), copyPath);
    }
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

bool readJson(QIODevice& device, QSettings::SettingsMap& map) {
    const QByteArray content = device.readAll();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        keepUnreadableFile(device, content);
        return false;
    }
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        map.insert(it.key(), fromJson(it.value()));
    }
    return true;
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
bool writeJson(QIODevice& device, const QSettings::SettingsMap& map) {
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
    return device.write(text) == text.size();
}

QSettings::Format jsonFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("json"), readJson, writeJson);
    return format;
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

QVariant toVariant(const UserDefaults::Value& value) {
    return std::visit([](const auto& v) { return QVariant::fromValue(v); }, value);
}

}  // namespace

JsonFileUserDefaults::JsonFileUserDefaults(const QString& filePath)
    : filePath_(filePath), settings_(std::make_unique<QSettings>(filePath, jsonFormat())) {}

JsonFileUserDefaults::~JsonFileUserDefaults() = default;

std::optional<UserDefaults::Value> JsonFileUserDefaults::value(const QString& key) const {
    return toValue(settings_->value(key));
}

void JsonFileUserDefaults::setValue(const QString& key, const Value& value) {
    settings_->setValue(key, toVariant(value));
    settings_->sync();
}

void JsonFileUserDefaults::removeValue(const QString& key) {
    settings_->remove(key);
    settings_->sync();
}

void JsonFileUserDefaults::removeAll() {
    settings_->clear();
    settings_->sync();
}

std::optional<QString> JsonFileUserDefaults::storageDirectory() const {
    return QFileInfo(filePath_).absolutePath();
}

std::optional<QByteArray> JsonFileUserDefaults::storedBytes(const QString& key) const {
    if (value(key)) {
        return UserDefaults::storedBytes(key);
    }
    if (!settings_->contains(key)) {
        return std::nullopt;
    }
    const QJsonValue entry = toJson(settings_->value(key));
    if (entry.isArray()) {
        return QJsonDocument(entry.toArray()).toJson(QJsonDocument::Compact);
    }
    if (entry.isObject()) {
        return QJsonDocument(entry.toObject()).toJson(QJsonDocument::Compact);
    }
    // A lone null: JSON documents hold only lists and objects, so wrap it and take it out again.
    const QByteArray wrapped = QJsonDocument(QJsonArray{entry}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QString JsonFileUserDefaults::defaultFilePath() {
    return filePathIn(productFolder(QStandardPaths::GenericConfigLocation));
}

QString JsonFileUserDefaults::filePathIn(const QString& directory) {
    return QDir(directory).filePath(kFileName);
}

}  // namespace quillorbitex
