#pragma once

#include <map>

#include "Platform/UserDefaults.h"

namespace quillorbitex::testing {

// Preferences held in a map. A storage folder can be given so that files kept beside the
// preferences have somewhere to go.
class InMemoryUserDefaults final : public UserDefaults {
public:
    explicit InMemoryUserDefaults(std::optional<QString> storageDirectory = std::nullopt)
        : storageDirectory_(std::move(storageDirectory)) {}

    std::optional<Value> value(const QString& key) const override;
    bool setValue(const QString& key, const Value& value) override {
        values_[key] = value;
        return true;
    }
    bool removeValue(const QString& key) override {
        values_.erase(key);
        return true;
    }
    bool removeAll() override {
        values_.clear();
        return true;
    }
    std::optional<QString> storageDirectory() const override { return storageDirectory_; }

private:
    std::optional<QString> storageDirectory_;
    std::map<QString, Value> values_;
};

}  // namespace quillorbitex::testing
