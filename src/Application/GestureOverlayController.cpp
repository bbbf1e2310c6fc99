#include "Application/GestureOverlayController.h"

#include <QStringList>
#include <array>
#include <charconv>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "Localization/L10n.h"
#include "Platform/MainExecutor.h"

namespace quillorbitex {

namespace {

// Gives the pages of freed memory back to the system. glibc keeps freed memory in its heap, and
// after large blocks have been freed it raises the size from which blocks get pages of their own,
// so a stroke's images end up in the heap and stay resident once freed unless it is trimmed.
void returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

template <typename Body>
auto weakly(const std::shared_ptr<GestureOverlayController*>& self, Body body) {
    return [weak = std::weak_ptr<GestureOverlayController*>(self), body](auto&&... args) {
        if (const auto strong = weak.lock()) {
            body(**strong, args...);
        }
    };
}

}  // namespace

GestureOverlayController::GestureOverlayController(Environment environment)
    : environment_(std::move(environment)),
      mainExecutor_(environment_.mainExecutor != nullptr ? *environment_.mainExecutor
                                                         : MainExecutor::shared()),
      trace_(environment_.panelFactory),
      hud_(environment_.panelFactory),
      self_(std::make_shared<GestureOverlayController*>(this)) {}

GestureOverlayController::~GestureOverlayController() {
    self_.reset();
    hudSubscription_.cancel();
    if (environment_.displayRegistry && runtime_) {
        environment_.displayRegistry->setChangeHandler({});
    }
    if (environment_.displayClock && runtime_) {
        environment_.displayClock->stop();
        environment_.displayClock->setTickHandler({});
    }
}

void GestureOverlayController::configure(std::shared_ptr<GestureOverlayRuntime> runtime,
                                         DebugLogSink debugLog) {
    if (runtime_ || !runtime) {
        return;
    }
    runtime_ = std::move(runtime);
    debugLog_ = std::move(debugLog);
    trace_.configure(runtime_);
    hud_.configure(runtime_);
    refreshDisplays();
    scheduleRenderCommit();

    hudSubscription_ = runtime_->liveHUDState.subscribe(
        weakly(self_,
               [](GestureOverlayController& controller, const std::optional<LiveHUDState>& state) {
                   controller.hud_.setLiveHUDState(state);
                   controller.scheduleRenderCommit();
               }),
        &mainExecutor_);

    if (environment_.displayRegistry) {
        environment_.displayRegistry->setChangeHandler(
            weakly(self_, [](GestureOverlayController& controller) {
                controller.mainExecutor_.async(
                    weakly(controller.self_, [](GestureOverlayController& inner) {
                        inner.refreshDisplays();
                        inner.scheduleRenderCommit();
                    }));
            }));
    }
    // The clock is only set up here: it starts with the first frame that shows a stroke, so an
    // idle program is never woken by it.
    if (environment_.displayClock) {
        // Every wake-up first hops onto the main queue and asks for a render only there, so
        // wake-ups that arrive together share one render.
        environment_.displayClock->setTickHandler(
            weakly(self_, [](GestureOverlayController& controller) {
                controller.mainExecutor_.async(
                    weakly(controller.self_,
                           [](GestureOverlayController& inner) { inner.scheduleRenderCommit(); }));
            }));
    }
    scheduleRenderCommit();
}

void GestureOverlayController::scheduleRenderCommit() {
    if (renderCommitPending_) {
        return;
    }
    renderCommitPending_ = true;
    mainExecutor_.async(weakly(self_, [](GestureOverlayController& controller) {
        controller.renderCommitPending_ = false;
        controller.renderFrame();
    }));
}

void GestureOverlayController::refreshDisplays() {
    auto displays = environment_.displayRegistry ? environment_.displayRegistry->currentDisplays()
                                                 : std::vector<DisplayGeometry>{};
    trace_.updateDisplays(displays);
    hud_.updateDisplays(std::move(displays));
}

void GestureOverlayController::renderFrame() {
    ++renderedFrameCount_;
    const auto frameState = trace_.renderFrame();
    hud_.renderFrame(frameState ? std::optional(frameState->header) : std::nullopt,
                     frameState ? frameState->hudDisplayID : std::nullopt);
    if (frameState && frameState->showedPanel) {
        hud_.bringToFront();
    }
    publishDebugReportIfNeeded(frameState);
    if (strokeShown_ && !frameState) {
        // The stroke's panels have just let go of their images.
        returnFreedMemory();
    }
    strokeShown_ = frameState.has_value();
    if (environment_.displayClock) {
        // Frames follow the display while a stroke is shown, and stop with the first frame
        // without one.
        if (frameState) {
            environment_.displayClock->start();
        } else {
            environment_.displayClock->stop();
        }
    }
}

void GestureOverlayController::publishDebugReportIfNeeded(
    const std::optional<GestureTraceOverlayController::FrameState>& frameState) {
    if (!debugLog_) {
        return;
    }
    if (!frameState) {
        if (lastDebugSignature_) {
            lastDebugSignature_.reset();
            debugLog_(L10n::string("overlay: hidden"));
        }
        return;
    }
    const auto& state = hud_.currentState();
    DebugSignature signature{frameState->hudDisplayID, frameState->traceDisplayIDs,
                             state ? std::optional(state->overlayTitleLabel()) : std::nullopt,
                             state ? std::optional(state->overlayStatusLabel()) : std::nullopt};
    if (lastDebugSignature_ == signature) {
        return;
    }
    const auto& header = frameState->header;
    const QStringList lines = {
        L10n::string("overlay: active"),
        L10n::format("stroke id: %@", QString::number(header.strokeID)),
        L10n::format("trace displays: %@",
                     QStringList(signature.traceDisplayIDs.begin(), signature.traceDisplayIDs.end())
                         .join(QStringLiteral(", "))),
        L10n::format("hud display: %@", signature.hudDisplayID.value_or(L10n::string("none"))),
        L10n::format("suppresses system click: %@",
                     QString::fromLatin1(header.suppressesSystemClick ? "true" : "false")),
        L10n::format("title: %@", signature.title.value_or(L10n::string("Tracing gesture"))),
        L10n::format("status: %@", signature.status.value_or(L10n::string("Analyzing..."))),
        L10n::format("bounds: %@", format(header.globalBounds)),
        L10n::format("end: %@", format(header.endPoint)),
    };
    lastDebugSignature_ = std::move(signature);
    debugLog_(lines.join(QLatin1Char('\n')));
}

namespace {

// printf's "%.1f" without its dependence on the process's numeric locale.
QString oneDecimal(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 1);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

}  // namespace

QString GestureOverlayController::format(const Rect& rect) {
    return QStringLiteral("(x: %1, y: %2, w: %3, h: %4)")
        .arg(oneDecimal(rect.minX()), oneDecimal(rect.minY()), oneDecimal(rect.width()),
             oneDecimal(rect.height()));
}

QString GestureOverlayController::format(Point point) {
    return QStringLiteral("(%1, %2)").arg(oneDecimal(point.x), oneDecimal(point.y));
}

}  // namespace quillorbitex
