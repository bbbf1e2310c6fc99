#pragma once

#include <QHashFunctions>
#include <QString>
#include <functional>

namespace quillorbitex {

// An application offered for scope rules and for the rule editor's application picker.
struct GestureAppScopeChoice {
    // As found, letter case kept.
    QString bundleIdentifier;
    QString displayName;

    // Lists identify a choice by its identifier ignoring letter case.
    QString id() const { return bundleIdentifier.toLower(); }

    // Both fields exactly, letter case included.
    friend bool operator==(const GestureAppScopeChoice&, const GestureAppScopeChoice&) = default;
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::GestureAppScopeChoice> {
    std::size_t operator()(const quillorbitex::GestureAppScopeChoice& c) const noexcept {
        return qHashMulti(0, c.bundleIdentifier, c.displayName);
    }
};
