#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "Models/GesturePattern.h"
#include "Models/GestureTemplate.h"

namespace quillorbitex {

// The gesture of a rule: a two-direction pattern or a freeform template.
class GestureDescriptor {
public:
    enum class Kind { directional, templateGesture };

    static GestureDescriptor directional(GesturePattern pattern) {
        return GestureDescriptor(pattern);
    }
    static GestureDescriptor fromTemplate(GestureTemplate gestureTemplate) {
        return GestureDescriptor(std::move(gestureTemplate));
    }

    Kind kind() const { return value_.index() == 0 ? Kind::directional : Kind::templateGesture; }
    // "directional:" + the pattern's id, or "template:" + the template's id. Also the rule id.
    QString id() const;

    std::optional<GesturePattern> directionalPattern() const;
    const GestureTemplate* gestureTemplate() const { return std::get_if<GestureTemplate>(&value_); }

    // A directional and a template descriptor are never equal; templates compare by id.
    friend bool operator==(const GestureDescriptor&, const GestureDescriptor&) = default;

private:
    explicit GestureDescriptor(GesturePattern pattern) : value_(pattern) {}
    explicit GestureDescriptor(GestureTemplate t) : value_(std::move(t)) {}

    std::variant<GesturePattern, GestureTemplate> value_;
};

// The stored type tags.
template <>
struct RawValueCases<GestureDescriptor::Kind> {
    static constexpr std::array<std::pair<GestureDescriptor::Kind, std::string_view>, 2> cases = {{
        {GestureDescriptor::Kind::directional, "directional"},
        {GestureDescriptor::Kind::templateGesture, "template"},
    }};
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::GestureDescriptor> {
    std::size_t operator()(const quillorbitex::GestureDescriptor& d) const noexcept;
};
