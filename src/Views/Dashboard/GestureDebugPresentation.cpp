#include "Views/Dashboard/GestureDebugPresentation.h"

#include <algorithm>

#include "Localization/L10n.h"
#include "Models/GestureLabels.h"
#include "Platform/RawValueEnum.h"

namespace quillorbitex {

GestureDebugPresentation GestureDebugPresentation::from(
    const std::optional<LiveGestureDebugSession>& live,
    const std::optional<GestureCaptureDebugResult>& last) {
    GestureDebugPresentation shown;
    // A live stroke always wins, however few points it has: an old stroke is never drawn as if
    // it were the one being made.
    if (live) {
        shown.tracePoints = live->points;
    } else if (last) {
        shown.tracePoints = last->points;
    }

    if (!live) {
        shown.overlayState = StatusPill::State::amber(L10n::string("Idle"));
        shown.liveDirections = L10n::string("Waiting for movement");
        shown.liveDetection = L10n::string("Hold the right button and start drawing");
        shown.matchedRule = L10n::string("No matched rule");
        shown.liveAction = L10n::string("No action");
    } else {
        shown.overlayState = live->points.empty()
                                 ? StatusPill::State::amber(L10n::string("Tracking"))
                                 : StatusPill::State::green(L10n::string("Visible"));
        shown.liveDirections = directionLabel(*live);
        shown.liveDetection = detectionLabel(*live);
        shown.matchedRule = matchedGestureLabel(*live).value_or(L10n::string("No matched rule"));
        shown.liveAction = matchedActionLabel(*live).value_or(L10n::string("No action"));
    }

    shown.lastClassification =
        last ? classificationLabel(*last) : L10n::string("No captured session yet");
    shown.lastSystemClick =
        last ? clickDispositionLabel(*last) : L10n::string("No completed session yet");
    return shown;
}

namespace {

// Adds each value of what is shown for `live` and `last` to its list, once.
void addShown(std::array<QStringList, 6>& texts, const std::optional<LiveGestureDebugSession>& live,
              const std::optional<GestureCaptureDebugResult>& last) {
    const GestureDebugPresentation shown = GestureDebugPresentation::from(live, last);
    const std::array<const QString*, 6> values = {
        &shown.liveDirections, &shown.liveDetection,      &shown.matchedRule,
        &shown.liveAction,     &shown.lastClassification, &shown.lastSystemClick,
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!texts[i].contains(*values[i])) {
            texts[i].append(*values[i]);
        }
    }
}

}  // namespace

std::array<QStringList, 6> GestureDebugPresentation::reservedTexts() {
    std::array<QStringList, 6> texts;
    const auto add = [&texts](const std::optional<LiveGestureDebugSession>& live,
                              const std::optional<GestureCaptureDebugResult>& last) {
        addShown(texts, live, last);
    };
    add(std::nullopt, std::nullopt);
    add(LiveGestureDebugSession{}, GestureCaptureDebugResult{});
    std::vector<std::vector<GestureDirection>> strokes;
    for (const GestureDirection first : allCases<GestureDirection>()) {
        strokes.push_back({first});
        for (const GestureDirection second : allCases<GestureDirection>()) {
            strokes.push_back({first, second});
        }
    }
    std::vector<std::optional<GestureAction>> actions{std::nullopt};
    for (const PredefinedAction action : allCases<PredefinedAction>()) {
        actions.emplace_back(GestureAction::predefined(action));
    }
    for (const auto& directions : strokes) {
        std::optional<GestureDescriptor> pattern;
        if (const auto twoDirections = GesturePattern::make(directions)) {
            pattern = GestureDescriptor::directional(*twoDirections);
        }
        for (const auto& action : actions) {
            for (const bool suppressed : {false, true}) {
                add(LiveGestureDebugSession{{}, directions, pattern, action, suppressed},
                    GestureCaptureDebugResult{{}, directions, pattern, action, suppressed});
            }
        }
    }
    return texts;
}

std::array<QStringList, 6> GestureDebugPresentation::reservedTexts(
    const std::vector<GestureMapping>& rules) {
    static constexpr std::size_t kLongest = 3;
    const auto longest = [&rules](const auto& label) {
        std::vector<std::pair<qsizetype, const GestureMapping*>> byLength;
        byLength.reserve(rules.size());
        for (const GestureMapping& rule : rules) {
            byLength.emplace_back(label(rule), &rule);
        }
        const std::size_t kept = std::min(kLongest, byLength.size());
        std::partial_sort(byLength.begin(), byLength.begin() + static_cast<std::ptrdiff_t>(kept),
                          byLength.end(),
                          [](const auto& a, const auto& b) { return a.first > b.first; });
        byLength.resize(kept);
        return byLength;
    };
    // Ranked by the user's own text in them, which is cheap to count: the labels around it are
    // the same for every rule of a kind.
    const auto patterns = longest([](const GestureMapping& rule) -> qsizetype {
        const GestureTemplate* shape = rule.pattern().gestureTemplate();
        return shape != nullptr ? shape->name().size() : 0;
    });
    const auto actions = longest([](const GestureMapping& rule) -> qsizetype {
        const GestureAction& action = rule.action();
        if (const QString* url = action.url()) {
            return url->size();
        }
        if (const QString* application = action.bundleIdentifier()) {
            return application->size();
        }
        // A shortcut's label is a handful of key names.
        return action.shortcut() != nullptr ? 1 : 0;
    });
    std::array<QStringList, 6> texts;
    for (const auto* chosen : {&patterns, &actions}) {
        for (const auto& [length, rule] : *chosen) {
            addShown(texts, LiveGestureDebugSession{{}, {}, rule->pattern(), rule->action(), true},
                     GestureCaptureDebugResult{{}, {}, rule->pattern(), rule->action(), true});
        }
    }
    return texts;
}

}  // namespace quillorbitex
