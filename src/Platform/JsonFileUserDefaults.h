#pragma once

#include <QString>
#include <memory>

#include "Platform/UserDefaults.h"

class QSettings;

namespace quillorbitex {

// Preferences in one JSON file, through QSettings with a JSON format of our own: Booleans,
// numbers and texts are stored as such, data as {"data": "<Base64>"}, so every value reads back
// with its type. Each change is written to disk at once, atomically. A file that cannot be
// written keeps the values in memory for the run; a file that cannot be parsed is copied aside
// (".unreadable-<hash>" next to it) before anything replaces it. Main thread only.
class JsonFileUserDefaults final : public UserDefaults {
public:
    explicit JsonFileUserDefaults(const QString& filePath = defaultFilePath());
    ~JsonFileUserDefaults() override;

    JsonFileUserDefaults(const JsonFileUserDefaults&) = delete;
    JsonFileUserDefaults& operator=(const JsonFileUserDefaults&) = delete;

    std::optional<Value> value(const QString& key) const override;
    void setValue(const QString& key, const Value& value) override;
    void removeValue(const QString& key) override;
    void removeAll() override;
    std::optional<QString> storageDirectory() const override;
    // Also an entry of another shape (a list or an object that is not the data form), as
    // compact JSON.
    std::optional<QByteArray> storedBytes(const QString& key) const override;

    const QString& filePath() const { return filePath_; }

    // "$XDG_CONFIG_HOME/Quillorbitex/preferences.json".
    static QString defaultFilePath();
    // "preferences.json" inside `directory`.
    static QString filePathIn(const QString& directory);

private:
    QString filePath_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace quillorbitex
