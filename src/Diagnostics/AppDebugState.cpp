#include "Diagnostics/AppDebugState.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

namespace quillorbitex {

namespace {

// nlohmann::json keeps object keys sorted, which is the order the file is written in.
using Json = nlohmann::json;

std::string utf8(const QString& text) {
    return text.toStdString();
}

void putOptional(Json& object, const char* key, const std::optional<QString>& value) {
    if (value) {
        object[key] = utf8(*value);
    }
}

struct Failure {
    DecodingError error;
};

[[noreturn]] void fail(DecodingError::Kind kind, const char* key, const QString& description) {
    throw Failure{{kind, QString::fromLatin1(key), description}};
}

// Reads the state file's object; every reader fails with the key it was asked for.
class Reader {
public:
    explicit Reader(const Json& object) : object_(object) {}

    const Json& required(const char* key, bool (Json::*isType)() const noexcept,
                         const char* typeName) const {
        const auto it = object_.find(key);
        if (it == object_.end()) {
            fail(DecodingError::Kind::keyNotFound, key,
                 QStringLiteral("No value associated with key \"%1\".").arg(key));
        }
        check(*it, key, isType, typeName);
        return *it;
    }

    QString text(const char* key) const {
        return QString::fromStdString(
            required(key, &Json::is_string, "String").get_ref<const std::string&>());
    }
    bool flag(const char* key) const {
        return required(key, &Json::is_boolean, "Bool").get<bool>();
    }
    std::int64_t integer(const char* key) const {
        return required(key, &Json::is_number_integer, "Int").get<std::int64_t>();
    }
    double number(const char* key) const {
        return required(key, &Json::is_number, "Double").get<double>();
    }
    std::optional<QString> optionalText(const char* key) const {
        const auto it = object_.find(key);
        if (it == object_.end() || it->is_null()) {
            return std::nullopt;
        }
        check(*it, key, &Json::is_string, "String");
        return QString::fromStdString(it->get_ref<const std::string&>());
    }

private:
    static void check(const Json& value, const char* key, bool (Json::*isType)() const noexcept,
                      const char* typeName) {
        if ((value.*isType)()) {
            return;
        }
        fail(value.is_null() ? DecodingError::Kind::valueNotFound
                             : DecodingError::Kind::typeMismatch,
             key, QStringLiteral("Expected to decode %1.").arg(typeName));
    }

    const Json& object_;
};

GestureMonitorState monitorStateFromText(const QString& text) {
    const QString blockedPrefix = QStringLiteral("blocked:");
    if (text.startsWith(blockedPrefix)) {
        return GestureMonitorState::blocked(text.mid(blockedPrefix.size()));
    }
    if (text == GestureMonitorState::stopped().encodedValue()) {
        return GestureMonitorState::stopped();
    }
    if (text == GestureMonitorState::running().encodedValue()) {
        return GestureMonitorState::running();
    }
    fail(DecodingError::Kind::dataCorrupted, "monitorState",
         QStringLiteral("Unknown monitor state %1").arg(text));
}

}  // namespace

std::optional<QByteArray> AppDebugState::encoded() const {
    if (!std::isfinite(matchingThreshold)) {
        return std::nullopt;
    }
    Json object = Json::object();
    object["accessibilityPermission"] = utf8(accessibilityPermission);
    object["monitorState"] = utf8(monitorState.encodedValue());
    object["updateSupportAvailable"] = updateSupportAvailable;
    object["captureEnabled"] = captureEnabled;
    object["showOnboarding"] = showOnboarding;
    object["hasCompletedOnboarding"] = hasCompletedOnboarding;
    object["activeMappingCount"] = activeMappingCount;
    object["customMappingCount"] = customMappingCount;
    object["matchingThreshold"] = matchingThreshold;
    object["awaitingGestureCapture"] = awaitingGestureCapture;
    putOptional(object, "capturedGestureDraft", capturedGestureDraft);
    putOptional(object, "capturedKeyboardActionDraft", capturedKeyboardActionDraft);
    object["triggerCount"] = triggerCount;
    putOptional(object, "lastGesture", lastGesture);
    putOptional(object, "lastAction", lastAction);
    object["debugOverlayVisible"] = debugOverlayVisible;
    putOptional(object, "liveGestureDirections", liveGestureDirections);
    putOptional(object, "liveGestureDetection", liveGestureDetection);
    putOptional(object, "lastCaptureClassification", lastCaptureClassification);
    putOptional(object, "lastCaptureSuppression", lastCaptureSuppression);
    object["overlayDebugLog"] = utf8(overlayDebugLog);
    try {
        const std::string text = object.dump(2);
        return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    } catch (...) {
        return std::nullopt;
    }
}

DecodeResult<AppDebugState> AppDebugState::decode(const QByteArray& data) {
    const Json document = Json::parse(data.begin(), data.end(), nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        return DecodingError{DecodingError::Kind::dataCorrupted, QString(),
                             QStringLiteral("The given data was not a JSON object.")};
    }
    try {
        const Reader read(document);
        AppDebugState state;
        state.accessibilityPermission = read.text("accessibilityPermission");
        state.monitorState = monitorStateFromText(read.text("monitorState"));
        state.updateSupportAvailable = read.flag("updateSupportAvailable");
        state.captureEnabled = read.flag("captureEnabled");
        state.showOnboarding = read.flag("showOnboarding");
        state.hasCompletedOnboarding = read.flag("hasCompletedOnboarding");
        state.activeMappingCount = read.integer("activeMappingCount");
        state.customMappingCount = read.integer("customMappingCount");
        state.matchingThreshold = read.number("matchingThreshold");
        state.awaitingGestureCapture = read.flag("awaitingGestureCapture");
        state.capturedGestureDraft = read.optionalText("capturedGestureDraft");
        state.capturedKeyboardActionDraft = read.optionalText("capturedKeyboardActionDraft");
        state.triggerCount = read.integer("triggerCount");
        state.lastGesture = read.optionalText("lastGesture");
        state.lastAction = read.optionalText("lastAction");
        state.debugOverlayVisible = read.flag("debugOverlayVisible");
        state.liveGestureDirections = read.optionalText("liveGestureDirections");
        state.liveGestureDetection = read.optionalText("liveGestureDetection");
        state.lastCaptureClassification = read.optionalText("lastCaptureClassification");
        state.lastCaptureSuppression = read.optionalText("lastCaptureSuppression");
        state.overlayDebugLog = read.text("overlayDebugLog");
        return state;
    } catch (const Failure& failure) {
        return failure.error;
    } catch (...) {
        return DecodingError{DecodingError::Kind::dataCorrupted, QString(),
                             QStringLiteral("The given data could not be read.")};
    }
}

}  // namespace quillorbitex
