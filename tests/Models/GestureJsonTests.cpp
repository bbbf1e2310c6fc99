#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "Models/GestureJson.h"
#include "Models/GestureMapping.h"

namespace quillorbitex {
namespace {

using Json = nlohmann::json;
using Kind = DecodingError::Kind;
using D = GestureDirection;
using K = KeyboardKeyToken;
using M = ModifierKey;

template <typename T>
DecodeResult<T> decodeText(const char* text) {
    return GestureJson::decode<T>(QByteArray(text));
}

template <typename T>
T roundTrip(const T& value) {
    const auto data = GestureJson::encode(value);
    EXPECT_TRUE(data.has_value());
    auto decoded = GestureJson::decode<T>(data.value_or(QByteArray()));
    EXPECT_TRUE(decoded.ok()) << decoded.error().description.toStdString();
    return std::move(decoded).value();
}

template <typename T>
void expectFailure(const std::string& text, Kind kind, const char* codingPath) {
    const auto result = GestureJson::decode<T>(QByteArray::fromStdString(text));
    ASSERT_FALSE(result.ok()) << text;
    EXPECT_EQ(result.error().kind, kind)
        << text << ": " << result.error().description.toStdString();
    EXPECT_EQ(result.error().codingPath, QString::fromLatin1(codingPath)) << text;
}

// The parsed form of what was written, so that key order can be checked.
nlohmann::ordered_json written(const std::optional<QByteArray>& data) {
    EXPECT_TRUE(data.has_value());
    return nlohmann::ordered_json::parse(data.value_or("null").toStdString());
}

const GestureTemplate kCircle(QStringLiteral("template-00000000000000aa"),
                              QStringLiteral(" Circle "),
                              std::vector<GestureTemplatePoint>{{0, 0}, {0.5, -0.25}, {1e-9, 3}});

GestureMapping fullRule() {
    return GestureMapping(GestureDescriptor::fromTemplate(kCircle),
                          GestureAction::keyboardShortcut({K::f5, {M::command, M::shift}}),
                          QStringLiteral("my notes"), QStringLiteral("Reload"),
                          GestureMappingSource::custom, false,
                          {GestureAppScopeRule("org.example.Zed", "Zed", true),
                           GestureAppScopeRule("org.example.Alpha", "Alpha", false)});
}

TEST(GestureJson, EveryFormRoundTrips) {
    const auto rule = fullRule();
    EXPECT_EQ(roundTrip(rule), rule);
    const auto decodedRule = roundTrip(rule);
    // Templates compare by identifier only, so check the payload explicitly.
    EXPECT_EQ(decodedRule.pattern().gestureTemplate()->name(), kCircle.name());
    EXPECT_EQ(decodedRule.pattern().gestureTemplate()->normalizedPoints(),
              kCircle.normalizedPoints());

    for (const auto& pattern : {GesturePattern::upThenDown, GesturePattern(D::left, D::left)}) {
        EXPECT_EQ(roundTrip(GestureDescriptor::directional(pattern)),
                  GestureDescriptor::directional(pattern));
    }
    EXPECT_EQ(roundTrip(GestureTemplatePoint{-0.0, 1.5}), (GestureTemplatePoint{0, 1.5}));
    EXPECT_EQ(roundTrip(GestureAppScopeRule("a.b", "App", false)),
              GestureAppScopeRule("a.b", "App", false));
    EXPECT_EQ(roundTrip(KeyboardShortcutDescriptor{K::deleteKey, {}}),
              (KeyboardShortcutDescriptor{K::deleteKey, {}}));

    std::vector<GestureAction> actions = {
        GestureAction::openApp(QString::fromUtf8("  org.example.Ünïcode ")),
        GestureAction::openURL(QStringLiteral("https://example.org/a?b=\"c\"")),
        GestureAction::keyboardShortcut(KeyboardShortcutDescriptor::previousTab)};
    for (const auto action : allCases<PredefinedAction>()) {
        actions.push_back(GestureAction::predefined(action));
    }
    for (const auto& action : actions) {
        EXPECT_EQ(roundTrip(action), action);
    }

    const std::vector<GestureDescriptor> descriptors = {
        GestureDescriptor::directional(GesturePattern::leftThenUp),
        GestureDescriptor::fromTemplate(kCircle)};
    EXPECT_EQ(roundTrip(descriptors), descriptors);
    EXPECT_EQ(roundTrip(std::vector<GestureMapping>{rule, rule}),
              (std::vector<GestureMapping>{rule, rule}));
    EXPECT_TRUE(roundTrip(std::vector<GestureMapping>{}).empty());
}

TEST(GestureJson, WritesCompactObjectsWithKeysInTheirFixedOrder) {
    const auto data = GestureJson::encode(fullRule());
    ASSERT_TRUE(data);
    EXPECT_FALSE(data->contains('\n'));
    EXPECT_FALSE(data->contains(": "));

    // Parsed, ordered objects compare key by key in order. Scope rules are stored sanitised.
    EXPECT_EQ(written(data), nlohmann::ordered_json::parse(R"({
        "pattern": {"type": "template", "template": {"id": "template-00000000000000aa",
            "name": " Circle ", "normalizedPoints": [{"x": 0, "y": 0}, {"x": 0.5, "y": -0.25},
            {"x": 1e-9, "y": 3}]}},
        "action": {"kind": "keyboardShortcut", "shortcut": {"key": "f5",
            "modifiers": ["command", "shift"]}},
        "notes": "my notes", "name": "Reload", "source": "custom", "isEnabled": false,
        "appScopeRules": [
            {"bundleIdentifier": "org.example.Alpha", "appName": "Alpha", "isEnabled": false},
            {"bundleIdentifier": "org.example.Zed", "appName": "Zed", "isEnabled": true}]})"));

    const auto directional =
        written(GestureJson::encode(GestureDescriptor::directional(GesturePattern::rightThenUp)));
    EXPECT_EQ(directional.dump(), R"({"type":"directional","directions":["right","up"]})");

    // A rule without a name has no "name" key and an empty scope list.
    const GestureMapping plain(GestureDescriptor::directional(GesturePattern::upThenDown),
                               GestureAction::predefined(PredefinedAction::refresh), "", " ",
                               GestureMappingSource::builtIn, true, {});
    EXPECT_EQ(written(GestureJson::encode(plain)).dump(),
              R"({"pattern":{"type":"directional","directions":["up","down"]},)"
              R"("action":{"kind":"predefined","predefinedAction":"refresh"},"notes":"",)"
              R"("source":"builtIn","isEnabled":true,"appScopeRules":[]})");
}

TEST(GestureJson, RuleDefaultsAndSanitising) {
    const auto minimal = decodeText<GestureMapping>(
        R"({"notes":"n","action":{"kind":"openURL","urlString":""},)"
        R"("pattern":{"type":"directional","directions":["up","down"]}})");
    ASSERT_TRUE(minimal.ok());
    EXPECT_EQ(minimal->source(), GestureMappingSource::builtIn);
    EXPECT_TRUE(minimal->isEnabled());
    EXPECT_FALSE(minimal->name().has_value());
    EXPECT_TRUE(minimal->appScopeRules().empty());
    EXPECT_EQ(*minimal->action().url(), QString());

    // Null counts as missing for the optional keys.
    const auto nulls = decodeText<GestureMapping>(
        R"({"pattern":{"directions":["up","down"]},"action":{"kind":"openApp","bundleIdentifier":"x"},)"
        R"("notes":"","name":null,"source":null,"isEnabled":null,"appScopeRules":null})");
    ASSERT_TRUE(nulls.ok()) << nulls.error().description.toStdString();
    EXPECT_EQ(nulls->source(), GestureMappingSource::builtIn);
    EXPECT_TRUE(nulls->isEnabled());

    const auto sanitised = decodeText<GestureMapping>(
        R"({"pattern":{"type":"directional","directions":["up","down"]},)"
        R"("action":{"kind":"predefined","predefinedAction":"refresh"},"notes":" kept ",)"
        R"("name":"   ","source":"custom","isEnabled":false,"appScopeRules":[)"
        R"({"bundleIdentifier":"b","appName":"Beta","isEnabled":true},)"
        R"({"bundleIdentifier":"  ","appName":"Blank","isEnabled":true},)"
        R"({"bundleIdentifier":" a ","appName":"","isEnabled":false},)"
        R"({"bundleIdentifier":"B","appName":"Beta again","isEnabled":false}]})");
    ASSERT_TRUE(sanitised.ok());
    EXPECT_FALSE(sanitised->name().has_value());
    EXPECT_EQ(sanitised->notes(), QStringLiteral(" kept "));
    ASSERT_EQ(sanitised->appScopeRules().size(), 2u);
    EXPECT_EQ(sanitised->appScopeRules()[0], GestureAppScopeRule("a", "a", false));
    EXPECT_EQ(sanitised->appScopeRules()[1], GestureAppScopeRule("b", "Beta", true));
    EXPECT_FALSE(written(GestureJson::encode(sanitised.value())).contains("name"));
}

TEST(GestureJson, DescriptorShapesOldAndNew) {
    // The older shape without "type": two directions first, else the template.
    const auto olderDirectional = decodeText<GestureDescriptor>(R"({"directions":["left","up"]})");
    ASSERT_TRUE(olderDirectional.ok());
    EXPECT_EQ(olderDirectional.value(), GestureDescriptor::directional(GesturePattern::leftThenUp));

    const auto olderTemplate = decodeText<GestureDescriptor>(
        R"({"directions":["left"],"template":{"id":"t-1","name":"n","normalizedPoints":[]}})");
    ASSERT_TRUE(olderTemplate.ok());
    EXPECT_EQ(olderTemplate->gestureTemplate()->id(), QStringLiteral("t-1"));

    // Both present: the two directions win.
    const auto both = decodeText<GestureDescriptor>(
        R"({"directions":["up","up"],"template":{"id":"t","name":"n","normalizedPoints":[]}})");
    ASSERT_TRUE(both.ok());
    EXPECT_EQ(both.value(), GestureDescriptor::directional(GesturePattern(D::up, D::up)));

    // A tagged template ignores stray directions; null "type" counts as missing.
    const auto tagged = decodeText<GestureDescriptor>(
        R"({"type":"template","directions":["up","down"],)"
        R"("template":{"id":"kept","name":"","normalizedPoints":[{"x":1,"y":2}]}})");
    ASSERT_TRUE(tagged.ok());
    EXPECT_EQ(tagged->gestureTemplate()->id(), QStringLiteral("kept"));  // not recomputed
    EXPECT_EQ(tagged->gestureTemplate()->normalizedPoints(),
              (std::vector<GestureTemplatePoint>{{1, 2}}));
    EXPECT_TRUE(decodeText<GestureDescriptor>(R"({"type":null,"directions":["up","down"]})").ok());
}

TEST(GestureJson, DescriptorErrorsCarryTheirFixedTexts) {
    const auto three =
        decodeText<GestureDescriptor>(R"({"type":"directional","directions":["up","down","up"]})");
    ASSERT_FALSE(three.ok());
    EXPECT_EQ(three.error().kind, Kind::dataCorrupted);
    EXPECT_EQ(three.error().codingPath, QStringLiteral("directions"));
    EXPECT_EQ(
        three.error().description,
        QStringLiteral("Directional gesture descriptors must contain exactly two directions."));

    for (const char* text : {R"({"directions":["up"]})", R"({})", R"({"directions":null})"}) {
        const auto result = decodeText<GestureDescriptor>(text);
        ASSERT_FALSE(result.ok()) << text;
        EXPECT_EQ(result.error().kind, Kind::dataCorrupted);
        EXPECT_EQ(result.error().codingPath, QStringLiteral("type"));
        EXPECT_EQ(result.error().description,
                  QStringLiteral(
                      "Gesture descriptor payload did not contain a supported gesture shape."));
    }

    // Inside a list, the path leads to the element.
    const auto inList = GestureJson::decode<std::vector<GestureDescriptor>>(
        R"([{"directions":["up","down"]},{"type":"directional","directions":[]}])");
    ASSERT_FALSE(inList.ok());
    EXPECT_EQ(inList.error().codingPath, QStringLiteral("[1].directions"));

    expectFailure<GestureDescriptor>(R"({"type":"Directional","directions":["up","down"]})",
                                     Kind::dataCorrupted, "type");
    expectFailure<GestureDescriptor>(R"({"type":"template"})", Kind::keyNotFound, "");
    expectFailure<GestureDescriptor>(R"({"type":"directional","directions":null})",
                                     Kind::valueNotFound, "directions");
    // A present but broken value fails at once instead of falling through to the template.
    expectFailure<GestureDescriptor>(
        R"({"directions":["up","sideways"],"template":{"id":"t","name":"n","normalizedPoints":[]}})",
        Kind::dataCorrupted, "directions[1]");
    expectFailure<GestureDescriptor>(R"({"directions":"up-down"})", Kind::typeMismatch,
                                     "directions");
    expectFailure<GestureDescriptor>(R"({"template":{"id":"t","name":"n"}})", Kind::keyNotFound,
                                     "template");
}

TEST(GestureJson, ActionsReadTheirKindAndOnePayload) {
    const auto stray = decodeText<GestureAction>(
        R"({"urlString":"https://x","kind":"predefined","predefinedAction":"refresh"})");
    ASSERT_TRUE(stray.ok());
    EXPECT_EQ(stray.value(), GestureAction::predefined(PredefinedAction::refresh));
    EXPECT_EQ(written(GestureJson::encode(stray.value())).dump(),
              R"({"kind":"predefined","predefinedAction":"refresh"})");

    const auto shortcut = decodeText<KeyboardShortcutDescriptor>(
        R"({"key":"a","modifiers":["shift","command","shift"]})");
    ASSERT_TRUE(shortcut.ok());
    EXPECT_EQ(shortcut.value(), (KeyboardShortcutDescriptor{K::a, {M::command, M::shift}}));

    expectFailure<GestureAction>(R"({"predefinedAction":"refresh"})", Kind::keyNotFound, "");
    expectFailure<GestureAction>(R"({"kind":"OpenURL","urlString":"x"})", Kind::dataCorrupted,
                                 "kind");
    expectFailure<GestureAction>(R"({"kind":"launch"})", Kind::dataCorrupted, "kind");
    expectFailure<GestureAction>(R"({"kind":"openApp"})", Kind::keyNotFound, "");
    expectFailure<GestureAction>(R"({"kind":"openApp","bundleIdentifier":null})",
                                 Kind::valueNotFound, "bundleIdentifier");
    expectFailure<GestureAction>(R"({"kind":"openApp","bundleIdentifier":7})", Kind::typeMismatch,
                                 "bundleIdentifier");
    expectFailure<GestureAction>(R"({"kind":"predefined","predefinedAction":"reload"})",
                                 Kind::dataCorrupted, "predefinedAction");
    expectFailure<GestureAction>(
        R"({"kind":"keyboardShortcut","shortcut":{"key":"A","modifiers":[]}})", Kind::dataCorrupted,
        "shortcut.key");
    expectFailure<GestureAction>(
        R"({"kind":"keyboardShortcut","shortcut":{"key":"a","modifiers":["alt"]}})",
        Kind::dataCorrupted, "shortcut.modifiers[0]");
    expectFailure<GestureAction>(R"({"kind":"keyboardShortcut","shortcut":{"key":"a"}})",
                                 Kind::keyNotFound, "shortcut");
    expectFailure<GestureAction>(R"(["kind","openApp"])", Kind::typeMismatch, "");
}

TEST(GestureJson, TypeMismatchesAndMissingValues) {
    const char* action = R"("action":{"kind":"predefined","predefinedAction":"refresh"})";
    const char* pattern = R"("pattern":{"directions":["up","down"]})";
    const auto rule = [&](const char* rest) {
        return std::string("{") + pattern + "," + action + "," + rest + "}";
    };
    expectFailure<GestureMapping>(rule(R"("name":"x")"), Kind::keyNotFound, "");
    expectFailure<GestureMapping>(rule(R"("notes":null)"), Kind::valueNotFound, "notes");
    expectFailure<GestureMapping>(rule(R"("notes":1)"), Kind::typeMismatch, "notes");
    expectFailure<GestureMapping>(rule(R"("notes":"","isEnabled":1)"), Kind::typeMismatch,
                                  "isEnabled");
    expectFailure<GestureMapping>(rule(R"("notes":"","source":"Custom")"), Kind::dataCorrupted,
                                  "source");
    expectFailure<GestureMapping>(rule(R"("notes":"","name":false)"), Kind::typeMismatch, "name");
    expectFailure<GestureMapping>(rule(R"("notes":"","appScopeRules":{})"), Kind::typeMismatch,
                                  "appScopeRules");
    expectFailure<GestureMapping>(
        rule(R"("notes":"","appScopeRules":[{"bundleIdentifier":"a","appName":"A"}])"),
        Kind::keyNotFound, "appScopeRules[0]");
    expectFailure<GestureMapping>(
        rule(
            R"("notes":"","appScopeRules":[{"bundleIdentifier":"a","appName":"A","isEnabled":"yes"}])"),
        Kind::typeMismatch, "appScopeRules[0].isEnabled");

    expectFailure<GestureTemplatePoint>(R"({"x":"1","y":2})", Kind::typeMismatch, "x");
    expectFailure<GestureTemplatePoint>(R"({"x":true,"y":2})", Kind::typeMismatch, "x");
    expectFailure<GestureTemplatePoint>(R"({"x":1,"y":null})", Kind::valueNotFound, "y");
    expectFailure<GestureTemplatePoint>(R"({"x":1e400,"y":0})", Kind::dataCorrupted, "");
    expectFailure<GestureTemplate>(R"({"id":"t","name":"n","normalizedPoints":[{"x":0}]})",
                                   Kind::keyNotFound, "normalizedPoints[0]");
    expectFailure<std::vector<GestureMapping>>(R"({"not":"a list"})", Kind::typeMismatch, "");
    expectFailure<std::vector<GestureMapping>>("", Kind::dataCorrupted, "");
    expectFailure<std::vector<GestureMapping>>("[1,", Kind::dataCorrupted, "");
    // Integers are numbers too.
    EXPECT_EQ(decodeText<GestureTemplatePoint>(R"({"y":-3,"x":2})").value(),
              (GestureTemplatePoint{2, -3}));
}

TEST(GestureJson, NonFiniteCoordinatesCannotBeWritten) {
    for (const double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        const GestureTemplate t(QStringLiteral("t"), QStringLiteral("n"),
                                std::vector<GestureTemplatePoint>{{0, 0}, {bad, 1}});
        EXPECT_FALSE(GestureJson::encode(t).has_value());
        const GestureMapping rule(GestureDescriptor::fromTemplate(t),
                                  GestureAction::predefined(PredefinedAction::newTab), "", {},
                                  GestureMappingSource::custom, true, {});
        // One bad rule fails the whole list rather than writing it without the rule.
        EXPECT_FALSE(GestureJson::encode(std::vector<GestureMapping>{fullRule(), rule}));
    }
}

TEST(GestureJson, ListsCanBeReadElementByElement) {
    const QByteArray data = R"([
        {"type":"directional","directions":["up","down"]},
        {"type":"directional","directions":["up"]},
        "garbage",
        {"directions":["right","down"]}])";
    EXPECT_FALSE(GestureJson::decode<std::vector<GestureDescriptor>>(data).ok());

    const auto partial = GestureJson::decodeEach<GestureDescriptor>(data);
    EXPECT_EQ(partial.values, (std::vector<GestureDescriptor>{
                                  GestureDescriptor::directional(GesturePattern::upThenDown),
                                  GestureDescriptor::directional(GesturePattern::rightThenDown)}));
    ASSERT_EQ(partial.errors.size(), 2u);
    EXPECT_EQ(partial.errors[0].codingPath, QStringLiteral("[1].directions"));
    EXPECT_EQ(partial.errors[1].codingPath, QStringLiteral("[2]"));
    EXPECT_FALSE(partial.isComplete());

    EXPECT_TRUE(GestureJson::decodeEach<GestureMapping>("[]").isComplete());
    const auto notAList = GestureJson::decodeEach<GestureMapping>("\x01\x02garbage");
    EXPECT_TRUE(notAList.values.empty());
    EXPECT_FALSE(notAList.isComplete());
}

}  // namespace
}  // namespace quillorbitex
