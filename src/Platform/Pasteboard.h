#pragma once

#include <QString>

namespace quillorbitex {

// The desktop's clipboard, for plain text.
class Pasteboard {
public:
    virtual ~Pasteboard() = default;
    // Replaces whatever the clipboard held with `text`. Main thread.
    virtual void setText(const QString& text) = 0;
};

}  // namespace quillorbitex
