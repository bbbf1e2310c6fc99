#pragma once

#include <QString>

namespace quillorbitex {

// Tells the user something on standard error, as one line headed with the program's name.
void tellOnStandardError(const QString& text);

}  // namespace quillorbitex
