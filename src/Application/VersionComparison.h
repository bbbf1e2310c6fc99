#pragma once

#include <QStringView>

namespace quillorbitex {

// Orders two version texts such as "1.2.10", "1.2b3" or "2.0-rc1": negative when `a` is older,
// 0 when they are the same version, positive when `a` is newer. Numbers compare by value ("1.10" is
// newer than "1.9", "1.0" equals "1.0.0"); a part with letters marks a pre-release, older than the
// release it precedes ("1.0b1" is older than "1.0" and than "1.0.1"). Separators (. - _ + and
// blanks) only divide parts.
int compareVersions(QStringView a, QStringView b);

}  // namespace quillorbitex
