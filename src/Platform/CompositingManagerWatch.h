#pragma once

namespace quillorbitex {

// Whether a compositing manager blends windows with what lies beneath them. Without one a
// translucent window shows its transparent parts as a dark rectangle, so overlays are cut to the
// shape of what they draw instead. Main thread only; cheap enough to ask on every frame.
class CompositingManagerWatch {
public:
    virtual ~CompositingManagerWatch() = default;

    virtual bool isCompositing() const = 0;
};

}  // namespace quillorbitex
