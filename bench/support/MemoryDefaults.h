#pragma once

#include <map>

#include "Platform/UserDefaults.h"

namespace quillorbitex::bench {

// Preferences kept in memory only, so that a benchmark measures encoding without the disk.
class MemoryDefaults final : public UserDefaults {
public:
    std::optional<Value> value(const QString& key) const override {
        const auto found = values_.find(key);
        return found == values_.end() ? std::nullopt : std::optional(found->second);
    }
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
    std::optional<QString> storageDirectory() const override { return std::nullopt; }

private:
    std::map<QString, Value> values_;
};

}  // namespace quillorbitex::bench
