#include "support/TestWindowLog.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quillorbitex::testing {

std::optional<std::string> TestWindowEvent::field(std::string_view key) const {
    const auto found = fields.find(key);
    if (found == fields.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<long long> TestWindowEvent::number(std::string_view key) const {
    const auto found = fields.find(key);
    if (found == fields.end() || found->second.empty()) {
        return std::nullopt;
    }
    std::string_view text = found->second;
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<TestWindowEvent> parseTestWindowEvent(std::string_view line) {
    std::istringstream words{std::string(line)};
    TestWindowEvent event;
    if (!(words >> event.type)) {
        return std::nullopt;
    }
    std::string word;
    while (words >> word) {
        const auto separator = word.find('=');
        if (separator == std::string::npos || separator == 0) {
            continue;
        }
        event.fields.insert_or_assign(word.substr(0, separator), word.substr(separator + 1));
    }
    return event;
}

std::vector<TestWindowEvent> TestWindowLog::events() const {
    std::vector<TestWindowEvent> result;
    std::ifstream file(path_, std::ios::binary);
    if (!file) {
        return result;
    }
    const std::string content{std::istreambuf_iterator<char>(file),
                              std::istreambuf_iterator<char>()};
    std::size_t start = 0;
    // Only complete lines count: the writer may be in the middle of the last one.
    for (auto end = content.find('\n'); end != std::string::npos;
         start = end + 1, end = content.find('\n', start)) {
        if (auto event =
                parseTestWindowEvent(std::string_view(content).substr(start, end - start))) {
            result.push_back(std::move(*event));
        }
    }
    return result;
}

std::vector<TestWindowEvent> TestWindowLog::eventsSince(std::size_t first,
                                                        std::string_view type) const {
    auto all = events();
    std::vector<TestWindowEvent> result;
    for (std::size_t index = first; index < all.size(); ++index) {
        if (type.empty() || all[index].type == type) {
            result.push_back(std::move(all[index]));
        }
    }
    return result;
}

std::optional<unsigned long> TestWindowLog::readyWindow() const {
    for (const auto& event : eventsSince(0, "Ready")) {
        if (const auto window = event.number("window"); window && *window > 0) {
            return static_cast<unsigned long>(*window);
        }
    }
    return std::nullopt;
}

}  // namespace quillorbitex::testing
