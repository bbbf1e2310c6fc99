#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "Platform/Geometry.h"
#include "Services/Capture/CompletedStroke.h"
#include "Services/Capture/GestureMonitorSessionPhase.h"

namespace quillorbitex {

// The stroke in progress, shared between the tap thread that writes it and the live analysis and
// overlays that read it. A reader always sees a header and points of the same moment: both are
// taken in one locked section. The lock is held for a bounded time however long the stroke, so
// that the tap thread never waits for a reader's copy of a long path (see RenderBlock).
class GestureCaptureEngine {
public:
    // The stroke in progress without its point lists. (`strokeID`, `version`) names every state
    // of it: the version grows with each appended point.
    struct StrokeHeader {
        std::uint64_t strokeID = 0;
        std::uint64_t version = 0;
        GestureMonitorSessionPhase phase = GestureMonitorSessionPhase::began;
        Point startPoint;
        // The last raw point.
        Point endPoint;
        double totalDistance = 0;
        bool suppressesSystemClick = false;
        Rect globalBounds;

        friend bool operator==(const StrokeHeader&, const StrokeHeader&) = default;
    };

    static constexpr double kDefaultRenderPointMinimumDistance = 2;
    static constexpr double kDefaultSuppressionDistance = 18;

    explicit GestureCaptureEngine(
        double renderPointMinimumDistance = kDefaultRenderPointMinimumDistance,
        double suppressionDistance = kDefaultSuppressionDistance);

    GestureCaptureEngine(const GestureCaptureEngine&) = delete;
    GestureCaptureEngine& operator=(const GestureCaptureEngine&) = delete;

    double renderPointMinimumDistance() const { return renderPointMinimumDistance_; }
    double suppressionDistance() const { return suppressionDistance_; }

    // Starts a new stroke, silently dropping one still in progress.
    void begin(Point startPoint);
    // Adds a point to the stroke in progress; nothing without one.
    void append(Point point);
    // Adds the release point and hands the finished stroke over; nothing without a stroke.
    std::optional<CompletedStroke> end(Point point);
    void cancel();

    std::optional<StrokeHeader> activeHeader() const;
    // Empties `buffer` (keeping its storage) and fills it with the render points from `cursor`
    // on, then moves `cursor` to the end. A caller that keeps its cursor receives every render
    // point once; a cursor beyond the end (a new stroke began) yields no points. Without a stroke
    // the cursor goes back to 0 and nothing is returned.
    std::optional<StrokeHeader> copyRenderDelta(std::int64_t& cursor,
                                                std::vector<Point>& buffer) const;
    // Empties `buffer` and fills it with all render points of the stroke in progress.
    std::optional<StrokeHeader> copyRenderSnapshot(std::vector<Point>& buffer) const;

private:
    // The render points of one stroke. The tap thread only ever appends within the reserved
    // capacity, so a point never moves or changes once it is stored: a reader copying many points
    // notes the block and the count under the lock and copies them after releasing it. A full block
    // is replaced by a larger copy; readers still holding the old one keep it alive until they are
    // done.
    using RenderBlock = std::shared_ptr<std::vector<Point>>;

    struct ActiveStroke {
        std::uint64_t strokeID = 0;
        Point startPoint;
        std::vector<Point> rawPoints;
        RenderBlock renderPoints;
        double totalDistance = 0;
        bool suppressesSystemClick = false;
        Rect globalBounds;
        std::uint64_t version = 1;
        GestureMonitorSessionPhase phase = GestureMonitorSessionPhase::began;
    };

    void appendLocked(ActiveStroke& stroke, Point point) const;
    static void appendRenderPoint(ActiveStroke& stroke, Point point);
    static StrokeHeader headerOf(const ActiveStroke& stroke);
    // Copies the render points from `start` on, the header and the block of the same moment; the
    // points themselves are copied by the caller once the lock is released.
    std::optional<StrokeHeader> copyRenderPoints(std::int64_t& cursor, std::vector<Point>& buffer,
                                                 bool fromStart) const;

    const double renderPointMinimumDistance_;
    const double suppressionDistance_;
    mutable std::mutex mutex_;
    std::optional<ActiveStroke> activeStroke_;
    std::uint64_t nextStrokeID_ = 1;
};

}  // namespace quillorbitex
