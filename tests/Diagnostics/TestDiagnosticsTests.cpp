#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>

#include "Diagnostics/TestDiagnostics.h"
#include "Localization/L10n.h"
#include "Models/ActionLabels.h"
#include "Models/GestureLabels.h"
#include "Models/PermissionState.h"

namespace quillorbitex {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<std::string> keysOf(const QByteArray& data) {
    std::vector<std::string> keys;
    // ordered_json keeps the keys in the order the file has them.
    const auto object = nlohmann::ordered_json::parse(data.toStdString());
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    return keys;
}

AppDebugState everythingSet() {
    AppDebugState state;
    state.accessibilityPermission = QStringLiteral("Granted");
    state.monitorState = GestureMonitorState::blocked(QStringLiteral("tap: \"no\" ✗"));
    state.updateSupportAvailable = true;
    state.captureEnabled = true;
    state.showOnboarding = true;
    state.hasCompletedOnboarding = true;
    state.activeMappingCount = 4;
    state.customMappingCount = 1;
    state.matchingThreshold = 0.18;
    state.awaitingGestureCapture = true;
    state.capturedGestureDraft = QStringLiteral("Up then Down");
    state.capturedKeyboardActionDraft = QStringLiteral("⌃ + R");
    state.triggerCount = 12;
    state.lastGesture = QStringLiteral("Left then Up");
    state.lastAction = QStringLiteral("Refresh");
    state.debugOverlayVisible = true;
    state.liveGestureDirections = QStringLiteral("↑ ↓");
    state.liveGestureDetection = QString();
    state.lastCaptureClassification = QStringLiteral("Directional");
    state.lastCaptureSuppression = QStringLiteral("Suppressed");
    state.overlayDebugLog = QStringLiteral("[2024-01-01T00:00:00.000Z]\nline\n");
    return state;
}

class TestDiagnosticsTest : public ::testing::Test {
protected:
    void TearDown() override { L10n::setLanguageOverride(AppLanguageOverride::system); }
    QTemporaryDir dir_;
};

// Only what is set is written; everything written reads back, and decoding needs only the
// thirteen required keys, with their types.
TEST_F(TestDiagnosticsTest, WritesTheKeysThatAreSetSortedAndReadsThemBack) {
    L10n::setLanguageOverride(AppLanguageOverride::english);
    const QString path = dir_.filePath("not/yet/there/state.json");
    AppDebugState minimal;
    minimal.accessibilityPermission = title(PermissionState::unknown);
    TestDiagnostics::write(minimal, path);
    const QByteArray data = readFile(path);
    EXPECT_EQ(keysOf(data),
              (std::vector<std::string>{
                  "accessibilityPermission", "activeMappingCount", "awaitingGestureCapture",
                  "captureEnabled", "customMappingCount", "debugOverlayVisible",
                  "hasCompletedOnboarding", "matchingThreshold", "monitorState", "overlayDebugLog",
                  "showOnboarding", "triggerCount", "updateSupportAvailable"}));
    EXPECT_FALSE(data.contains("null"));
    EXPECT_EQ(data.count('\n'), 14);  // pretty-printed: one key per line
    auto json = nlohmann::json::parse(data.toStdString());
    EXPECT_EQ(json["accessibilityPermission"], "Unknown");
    EXPECT_EQ(json["monitorState"], "stopped");
    EXPECT_TRUE(json["triggerCount"].is_number_integer());
    EXPECT_TRUE(json["captureEnabled"].is_boolean());

    const auto state = everythingSet();
    TestDiagnostics::write(state, path);
    const QByteArray full = readFile(path);
    EXPECT_EQ(keysOf(full).size(), 21u);
    const auto fullJson = nlohmann::json::parse(full.toStdString());
    EXPECT_EQ(fullJson["matchingThreshold"].get<double>(), 0.18);
    EXPECT_EQ(fullJson["monitorState"], "blocked:tap: \"no\" ✗");
    EXPECT_EQ(fullJson["liveGestureDetection"], "");  // present though empty
    const auto decoded = AppDebugState::decode(full);
    ASSERT_TRUE(decoded.ok()) << decoded.error().description.toStdString();
    EXPECT_EQ(decoded.value(), state);

    json["unknownKey"] = 1;
    json["lastGesture"] = nullptr;
    EXPECT_TRUE(AppDebugState::decode(QByteArray::fromStdString(json.dump())).ok());
    json.erase("triggerCount");
    const auto missing = AppDebugState::decode(QByteArray::fromStdString(json.dump()));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, DecodingError::Kind::keyNotFound);
    EXPECT_EQ(missing.error().codingPath, QStringLiteral("triggerCount"));
    json["triggerCount"] = "12";
    EXPECT_EQ(AppDebugState::decode(QByteArray::fromStdString(json.dump())).error().kind,
              DecodingError::Kind::typeMismatch);
}

// Every display text of the file as the program makes it in the current language.
AppDebugState displayTexts() {
    GestureCaptureDebugResult held;
    held.directions = {GestureDirection::left, GestureDirection::up};
    held.detectedPattern = GestureDescriptor::directional(GesturePattern::leftThenUp);
    held.matchedAction = GestureAction::predefined(PredefinedAction::refresh);
    held.suppressedSystemClick = true;

    AppDebugState state;
    state.accessibilityPermission = title(PermissionState::denied);
    state.monitorState = GestureMonitorState::blocked(
        L10n::string("Gesture capture needs an X11 session whose server accepts synthetic "
                     "input (XTEST)."));
    state.lastGesture = spokenLabel(GesturePattern::leftThenUp);
    state.lastAction = displayLabel(*held.matchedAction);
    state.lastCaptureClassification = classificationLabel(held);
    state.lastCaptureSuppression = clickDispositionLabel(held);
    return state;
}

TEST_F(TestDiagnosticsTest, AFileInAnyLanguageReadsBackWhateverTheCurrentLanguage) {
    for (const auto written : allCases<AppLanguageOverride>()) {
        L10n::setLanguageOverride(written);
        const AppDebugState state = displayTexts();
        const auto data = state.encoded();
        ASSERT_TRUE(data);
        for (const auto reading : {AppLanguageOverride::english, AppLanguageOverride::japanese}) {
            L10n::setLanguageOverride(reading);
            const auto decoded = AppDebugState::decode(*data);
            ASSERT_TRUE(decoded.ok()) << rawValue(written) << " read in " << rawValue(reading)
                                      << ": " << decoded.error().description.toStdString();
            EXPECT_EQ(decoded.value(), state) << rawValue(written);
        }
    }
}

// The click a stroke held back was intercepted, not deleted: its label must not share its stem
// with the table's word for delete (the custom rules' Delete button, the same verb in many
// languages).
TEST_F(TestDiagnosticsTest, AHeldBackClickIsNeverLabelledAsDeleted) {
    GestureCaptureDebugResult held;
    held.suppressedSystemClick = true;
    for (const auto language : allCases<AppLanguageOverride>()) {
        L10n::setLanguageOverride(language);
        const QString label = clickDispositionLabel(held).toCaseFolded();
        const QString deleteWord = L10n::string("Delete").toCaseFolded();
        qsizetype shared = 0;
        while (shared < std::min(label.size(), deleteWord.size()) &&
               label[shared] == deleteWord[shared]) {
            ++shared;
        }
        EXPECT_LT(shared, 5) << rawValue(language) << ": " << label.toStdString() << " / "
                             << deleteWord.toStdString();
    }
}

TEST_F(TestDiagnosticsTest, TheFileIsReplacedInOneStep) {
    const QString path = dir_.filePath("state.json");
    AppDebugState first;
    first.triggerCount = 1;
    TestDiagnostics::write(first, path);
    const QByteArray firstData = readFile(path);

    // A reader that opened the old file keeps reading the whole old file: the new one was written
    // elsewhere and renamed over it, never rewritten in place.
    QFile reader(path);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    AppDebugState second = everythingSet();
    TestDiagnostics::write(second, path);
    EXPECT_EQ(reader.readAll(), firstData);
    EXPECT_EQ(AppDebugState::decode(readFile(path)).value(), second);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"state.json"});
}

TEST_F(TestDiagnosticsTest, FailuresWriteNothingAndLeaveThePreviousFile) {
    QFile blocker(dir_.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QString unreachable = dir_.filePath("file/sub/state.json");
    TestDiagnostics::write(AppDebugState{}, unreachable);
    EXPECT_FALSE(QFile::exists(unreachable));

    const QString path = dir_.filePath("state.json");
    TestDiagnostics::write(AppDebugState{}, path);
    const QByteArray before = readFile(path);
    AppDebugState unwritable;
    unwritable.matchingThreshold = std::numeric_limits<double>::quiet_NaN();
    TestDiagnostics::write(unwritable, path);
    EXPECT_EQ(readFile(path), before);
}

}  // namespace
}  // namespace quillorbitex
