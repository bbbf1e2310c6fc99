#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "Models/DecodingError.h"
#include "Models/GestureMonitorState.h"

namespace quillorbitex {

// What the program shows and has recognised, as test mode writes it to its state file. Each
// field's name is its JSON key; the texts are made by the model in the current language and
// kept here as the plain texts the file holds, so a file reads back whatever its language.
struct AppDebugState {
    // The title of the Accessibility permission state (`title(PermissionState)`).
    QString accessibilityPermission;
    // Written as "stopped", "running" or "blocked:<message>".
    GestureMonitorState monitorState = GestureMonitorState::stopped();
    bool updateSupportAvailable = false;
    bool captureEnabled = false;
    bool showOnboarding = false;
    bool hasCompletedOnboarding = false;
    std::int64_t activeMappingCount = 0;
    std::int64_t customMappingCount = 0;
    double matchingThreshold = 0;
    bool awaitingGestureCapture = false;
    std::optional<QString> capturedGestureDraft;
    std::optional<QString> capturedKeyboardActionDraft;
    std::int64_t triggerCount = 0;
    std::optional<QString> lastGesture;
    std::optional<QString> lastAction;
    bool debugOverlayVisible = false;
    std::optional<QString> liveGestureDirections;
    std::optional<QString> liveGestureDetection;
    std::optional<QString> lastCaptureClassification;
    std::optional<QString> lastCaptureSuppression;
    QString overlayDebugLog;

    // One pretty-printed JSON object with sorted keys, UTF-8; absent optional values leave their
    // key out. Nothing when the threshold is not a finite number, which JSON cannot hold.
    std::optional<QByteArray> encoded() const;
    // Reads the same form: the 13 keys that are always written are required, the others may be
    // missing, unknown keys are ignored. Display texts are taken as they are, in any language.
    static DecodeResult<AppDebugState> decode(const QByteArray& data);

    friend bool operator==(const AppDebugState&, const AppDebugState&) = default;
};

}  // namespace quillorbitex
