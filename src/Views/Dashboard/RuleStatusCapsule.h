#pragma once

#include "Views/Components/CapsuleLabel.h"

namespace quillorbitex {

// A rule card's state in a small capsule tinted with one colour: its text in the colour, on the
// colour at 12 % ("Disabled", "2 App Rules", "Removed").
class RuleStatusCapsule final : public CapsuleLabel {
    Q_OBJECT

public:
    RuleStatusCapsule(const QString& title, ThemePalette::Token tint, QWidget* parent = nullptr);
};

}  // namespace quillorbitex
