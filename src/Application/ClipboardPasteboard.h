#pragma once

#include "Platform/Pasteboard.h"

namespace quillorbitex {

// The desktop's clipboard through Qt. Without a Qt application object nothing is copied.
class ClipboardPasteboard final : public Pasteboard {
public:
    void setText(const QString& text) override;
};

}  // namespace quillorbitex
