#include "support/InMemoryUserDefaults.h"

namespace quillorbitex::testing {

std::optional<UserDefaults::Value> InMemoryUserDefaults::value(const QString& key) const {
    const auto it = values_.find(key);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace quillorbitex::testing
