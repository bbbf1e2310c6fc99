#pragma once

#include <QString>

namespace quillorbitex {

// Whether a rule runs in one application: allowed (true) or blocked (false).
class GestureAppScopeRule {
public:
    // Trims both texts; an empty name becomes the trimmed identifier.
    GestureAppScopeRule(const QString& bundleIdentifier, const QString& appName, bool isEnabled);

    const QString& bundleIdentifier() const { return bundleIdentifier_; }
    const QString& appName() const { return appName_; }
    bool isEnabled() const { return isEnabled_; }
    QString id() const { return bundleIdentifier_.toLower(); }
    const QString& displayLabel() const { return appName_; }

    friend bool operator==(const GestureAppScopeRule&, const GestureAppScopeRule&) = default;

private:
    QString bundleIdentifier_;
    QString appName_;
    bool isEnabled_;
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::GestureAppScopeRule> {
    std::size_t operator()(const quillorbitex::GestureAppScopeRule& r) const noexcept;
};
