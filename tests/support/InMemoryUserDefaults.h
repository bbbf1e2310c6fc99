#pragma once

#include <map>

#include "Platform/UserDefaults.h"

namespace quillorbitex::testing {

// Preferences held in a map that count every write (a set or a removal) per key. A storage
// folder can be given so that files kept beside the preferences have somewhere to go. With
// `failWrites` set, writes report that they did not reach storage, as a folder that cannot be
// written does (or, with `inUse` too, as storage another program holds).
class InMemoryUserDefaults final : public UserDefaults {
public:
    explicit InMemoryUserDefaults(std::optional<QString> storageDirectory = std::nullopt)
        : directory(std::move(storageDirectory)) {}

    std::optional<Value> value(const QString& key) const override {
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    bool setValue(const QString& key, const Value& value) override {
        ++writes[key];
        values[key] = value;
        return stored();
    }
    bool removeValue(const QString& key) override {
        ++writes[key];
        values.erase(key);
        return stored();
    }
    bool removeAll() override {
        values.clear();
        return stored();
    }
    bool hasUnsavedChanges() const override { return unsaved; }
    bool isStorageInUse() const override { return unsaved && inUse; }
    bool saveUnsavedChanges() override {
        ++savesTriedAgain;
        return unsaved ? stored() : true;
    }
    std::optional<QString> storageDirectory() const override { return directory; }

    int totalWrites() const {
        int total = 0;
        for (const auto& [key, count] : writes) {
            total += count;
        }
        return total;
    }

    std::optional<QString> directory;
    std::map<QString, Value> values;
    std::map<QString, int> writes;
    bool failWrites = false;
    bool inUse = false;
    bool unsaved = false;
    int savesTriedAgain = 0;

private:
    bool stored() {
        unsaved = failWrites;
        return !failWrites;
    }
};

}  // namespace quillorbitex::testing
