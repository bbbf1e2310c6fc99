#pragma once

#include <QString>
#include <vector>

#include "Platform/Pasteboard.h"

namespace quillorbitex::testing {

// A clipboard that keeps every text put on it, in order.
class InMemoryPasteboard final : public Pasteboard {
public:
    void setText(const QString& text) override { texts_.push_back(text); }
    const std::vector<QString>& texts() const { return texts_; }

private:
    std::vector<QString> texts_;
};

}  // namespace quillorbitex::testing
