#pragma once

#include <QString>
#include <memory>

#include "Platform/CompositingManagerWatch.h"

struct _XDisplay;
class QSocketNotifier;

namespace quillorbitex::x11 {

// Follows the owner of the _NET_WM_CM_S<screen> selection, which a compositing manager holds for
// as long as it runs, through XFixes selection events on a connection of its own. Idle while
// nothing changes: the main thread's event loop wakes only when the server reports a new owner.
// Observers hear of each change from the main thread's event loop.
class X11CompositingManagerWatch final : public CompositingManagerWatch {
public:
    // Connects to the display (empty: $DISPLAY); nothing when it cannot or the server lacks
    // XFixes. Call on the main thread.
    static std::unique_ptr<X11CompositingManagerWatch> connect(const QString& displayName = {});
    ~X11CompositingManagerWatch() override;
    X11CompositingManagerWatch(const X11CompositingManagerWatch&) = delete;
    X11CompositingManagerWatch& operator=(const X11CompositingManagerWatch&) = delete;

    bool isCompositing() const override { return compositing_; }

private:
    X11CompositingManagerWatch(_XDisplay* display, unsigned long selection, int eventBase);
    void processEvents();
    // Whether the answer changed.
    bool readOwner();

    _XDisplay* display_;
    unsigned long selection_;
    int eventBase_;
    bool compositing_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace quillorbitex::x11
