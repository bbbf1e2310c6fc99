#pragma once

#include <QWidget>

#include "Views/Onboarding/OnboardingSymbol.h"

namespace quillorbitex {

// A green symbol and a line of text, shown exactly as given.
class InfoRow final : public QWidget {
public:
    InfoRow(OnboardingSymbol::Shape symbol, const QString& text, QWidget* parent = nullptr);

    QString text() const;
};

}  // namespace quillorbitex
