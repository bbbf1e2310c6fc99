#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillorbitex::testing {

// One line of qx_test_window's event log: the event name followed by key=value fields, e.g.
// "ButtonPress button=3 x=10 y=20 root_x=210 root_y=170 state=0x0".
struct TestWindowEvent {
    std::string type;
    std::map<std::string, std::string, std::less<>> fields;

    std::optional<std::string> field(std::string_view key) const;
    // Decimal or 0x-prefixed hexadecimal; nothing when absent or not a number.
    std::optional<long long> number(std::string_view key) const;
};

std::optional<TestWindowEvent> parseTestWindowEvent(std::string_view line);

// Reads the log a running qx_test_window appends to. Every call reads the file afresh and ignores
// a last line that is still being written, so it can be polled from waitUntil().
class TestWindowLog {
public:
    TestWindowLog() = default;
    explicit TestWindowLog(std::filesystem::path path) : path_(std::move(path)) {}

    std::vector<TestWindowEvent> events() const;
    // Events from position `first` on (a count taken earlier with events().size()), optionally
    // only those of one type.
    std::vector<TestWindowEvent> eventsSince(std::size_t first, std::string_view type = {}) const;
    // The window id announced by the "Ready" line, once the window is mapped.
    std::optional<unsigned long> readyWindow() const;

private:
    std::filesystem::path path_;
};

}  // namespace quillorbitex::testing
