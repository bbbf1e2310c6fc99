#include "Platform/StandardError.h"

#include <cstdio>

namespace quillorbitex {

void tellOnStandardError(const QString& text) {
    std::fprintf(stderr, "quillorbitex: %s\n", text.toLocal8Bit().constData());
}

}  // namespace quillorbitex
