#pragma once

#include <QCollator>

namespace quillorbitex {

// Name ordering as users expect it in lists: case-insensitive, digits by numeric value ("Rule 9"
// before "Rule 10"), following the user's locale. The POSIX "C" locale collates bytewise and
// ignores numeric mode, so it falls back to English ordering.
QCollator makeLocalizedStandardCollator();

}  // namespace quillorbitex
