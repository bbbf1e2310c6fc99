#include "Views/Dashboard/RuleStatusCapsule.h"

namespace quillorbitex {

namespace {

constexpr double kTintOpacity = 0.12;

}  // namespace

RuleStatusCapsule::RuleStatusCapsule(const QString& title, ThemePalette::Token tint,
                                     QWidget* parent)
    : CapsuleLabel(parent) {
    setColors(ThemePalette::textOn(tint), tint, kTintOpacity);
    setText(title);
}

}  // namespace quillorbitex
