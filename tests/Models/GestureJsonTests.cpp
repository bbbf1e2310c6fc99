#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "Models/GestureJson.h"
#include "Models/GestureMapping.h"

namespace quillorbitex {
namespace {

using Kind = DecodingError::Kind;
using D = GestureDirection;
using K = KeyboardKeyToken;
using M = ModifierKey;

template <typename T>
DecodeResult<T> decodeText(const std::string& text) {
    return GestureJson::decode<T>(QByteArray::fromStdString(text));
}

template <typename T>
T roundTrip(const T& value) {
    const auto data = GestureJson::encode(value);
    EXPECT_TRUE(data.has_value());
    auto decoded = GestureJson::decode<T>(data.value_or(QByteArray()));
    EXPECT_TRUE(decoded.ok()) << decoded.error().description.toStdString();
    return std::move(decoded).value();
}

// What was written, with the keys in the order they were written.
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

// Whole rules of every shape round-trip in the seeds the decoder fuzz targets replay; these are the
// payloads the seeds do not hold.
TEST(GestureJson, EveryActionAndPointRoundTrips) {
    std::vector<GestureAction> actions = {
        GestureAction::openApp(QString::fromUtf8("  org.example.Ünïcode ")),
        GestureAction::keyboardShortcut({K::deleteKey, {}})};
    for (const auto action : allCases<PredefinedAction>()) {
        actions.push_back(GestureAction::predefined(action));
    }
    for (const auto& action : actions) {
        EXPECT_EQ(roundTrip(action), action);
    }
    EXPECT_EQ(roundTrip(GestureTemplatePoint{-0.0, 1.5}), (GestureTemplatePoint{0, 1.5}));
}

TEST(GestureJson, WritesCompactObjectsWithKeysInTheirFixedOrder) {
    const auto data = GestureJson::encode(fullRule());
    ASSERT_TRUE(data);
    EXPECT_FALSE(data->contains('\n') || data->contains(": "));
    // Scope rules are stored sanitised.
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

    // A rule without a name has no "name" key.
    const GestureMapping plain(GestureDescriptor::directional(GesturePattern::upThenDown),
                               GestureAction::predefined(PredefinedAction::refresh), "", " ",
                               GestureMappingSource::builtIn, true, {});
    EXPECT_EQ(written(GestureJson::encode(plain)).dump(),
              R"({"pattern":{"type":"directional","directions":["up","down"]},)"
              R"("action":{"kind":"predefined","predefinedAction":"refresh"},"notes":"",)"
              R"("source":"builtIn","isEnabled":true,"appScopeRules":[]})");
}

TEST(GestureJson, OptionalKeysDefaultAndLoadedRulesAreSanitised) {
    // Null counts as missing for the optional keys.
    for (const char* rest :
         {"", R"(,"name":null,"source":null,"isEnabled":null,"appScopeRules":null)"}) {
        const auto minimal = decodeText<GestureMapping>(
            std::string(R"({"notes":"n","action":{"kind":"openURL","urlString":""},)"
                        R"("pattern":{"directions":["up","down"]})") +
            rest + "}");
        ASSERT_TRUE(minimal.ok()) << rest;
        EXPECT_EQ(minimal->source(), GestureMappingSource::builtIn);
        EXPECT_TRUE(minimal->isEnabled());
        EXPECT_FALSE(minimal->name().has_value());
        EXPECT_TRUE(minimal->appScopeRules().empty());
    }

    const auto sanitised = decodeText<GestureMapping>(
        R"({"pattern":{"type":"directional","directions":["up","down"]},)"
        R"("action":{"kind":"predefined","predefinedAction":"refresh","urlString":"x"},)"
        R"("notes":" kept ","name":"   ","source":"custom","isEnabled":false,"appScopeRules":[)"
        R"({"bundleIdentifier":"b","appName":"Beta","isEnabled":true},)"
        R"({"bundleIdentifier":" a ","appName":"","isEnabled":false}]})");
    ASSERT_TRUE(sanitised.ok());
    EXPECT_FALSE(sanitised->name().has_value());
    EXPECT_EQ(sanitised->notes(), QStringLiteral(" kept "));
    EXPECT_EQ(sanitised->action(), GestureAction::predefined(PredefinedAction::refresh));
    EXPECT_EQ(sanitised->appScopeRules(),
              (std::vector<GestureAppScopeRule>{GestureAppScopeRule("a", "a", false),
                                                GestureAppScopeRule("b", "Beta", true)}));

    const auto shortcut = decodeText<KeyboardShortcutDescriptor>(
        R"({"key":"a","modifiers":["shift","command","shift"]})");
    ASSERT_TRUE(shortcut.ok());
    EXPECT_EQ(shortcut.value(), (KeyboardShortcutDescriptor{K::a, {M::command, M::shift}}));
    EXPECT_EQ(decodeText<GestureTemplatePoint>(R"({"y":-3,"x":2})").value(),
              (GestureTemplatePoint{2, -3}));
}

TEST(GestureJson, DescriptorsOfTheOlderShapeWithoutAType) {
    const std::pair<const char*, GestureDescriptor> cases[] = {
        // Two directions first, else the template; a tag decides alone.
        {R"({"directions":["left","up"]})",
         GestureDescriptor::directional(GesturePattern::leftThenUp)},
        {R"({"directions":["up","up"],"template":{"id":"t","name":"n","normalizedPoints":[]}})",
         GestureDescriptor::directional(GesturePattern(D::up, D::up))},
        {R"({"directions":["left"],"template":{"id":"t-1","name":"n","normalizedPoints":[]}})",
         GestureDescriptor::fromTemplate({QStringLiteral("t-1"), "n", {}})},
        {R"({"type":"template","directions":["up","down"],)"
         R"("template":{"id":"kept","name":"","normalizedPoints":[{"x":1,"y":2}]}})",
         GestureDescriptor::fromTemplate({QStringLiteral("kept"), "", {}})},
        {R"({"type":null,"directions":["up","down"]})",
         GestureDescriptor::directional(GesturePattern::upThenDown)},
    };
    for (const auto& [text, expected] : cases) {
        const auto decoded = decodeText<GestureDescriptor>(text);
        ASSERT_TRUE(decoded.ok()) << text;
        EXPECT_EQ(decoded.value(), expected) << text;
    }
    // A stored template identifier is kept, never recomputed from its points.
    EXPECT_EQ(decodeText<GestureDescriptor>(std::get<0>(cases[3]))->gestureTemplate()->id(),
              QStringLiteral("kept"));
}

template <typename T>
DecodingError errorOf(const std::string& text) {
    const auto result = decodeText<T>(text);
    return result.ok() ? DecodingError{Kind::dataCorrupted, "(decoded)", {}} : result.error();
}

TEST(GestureJson, ErrorsNameTheirKindAndThePathToTheValue) {
    const auto rule = [](const char* rest) {
        return std::string(R"({"pattern":{"directions":["up","down"]},)") +
               R"("action":{"kind":"predefined","predefinedAction":"refresh"},)" + rest + "}";
    };
    const struct {
        DecodingError error;
        Kind kind;
        const char* path;
    } cases[] = {
        {errorOf<GestureDescriptor>(R"({"type":"Directional","directions":["up","down"]})"),
         Kind::dataCorrupted, "type"},
        {errorOf<GestureDescriptor>(R"({"type":"template"})"), Kind::keyNotFound, ""},
        {errorOf<GestureDescriptor>(R"({"type":"directional","directions":null})"),
         Kind::valueNotFound, "directions"},
        // A present but broken value fails at once instead of falling through to the template.
        {errorOf<GestureDescriptor>(
             R"({"directions":["up","sideways"],"template":{"id":"t","name":"n","normalizedPoints":[]}})"),
         Kind::dataCorrupted, "directions[1]"},
        {errorOf<GestureDescriptor>(R"({"directions":"up-down"})"), Kind::typeMismatch,
         "directions"},
        {errorOf<GestureDescriptor>(R"({"template":{"id":"t","name":"n"}})"), Kind::keyNotFound,
         "template"},
        {errorOf<std::vector<GestureDescriptor>>(
             R"([{"directions":["up","down"]},{"type":"directional","directions":[]}])"),
         Kind::dataCorrupted, "[1].directions"},
        {errorOf<GestureAction>(R"({"predefinedAction":"refresh"})"), Kind::keyNotFound, ""},
        {errorOf<GestureAction>(R"({"kind":"OpenURL","urlString":"x"})"), Kind::dataCorrupted,
         "kind"},
        {errorOf<GestureAction>(R"({"kind":"openApp"})"), Kind::keyNotFound, ""},
        {errorOf<GestureAction>(R"({"kind":"predefined","predefinedAction":"reload"})"),
         Kind::dataCorrupted, "predefinedAction"},
        {errorOf<GestureAction>(
             R"({"kind":"keyboardShortcut","shortcut":{"key":"A","modifiers":[]}})"),
         Kind::dataCorrupted, "shortcut.key"},
        {errorOf<GestureAction>(
             R"({"kind":"keyboardShortcut","shortcut":{"key":"a","modifiers":["alt"]}})"),
         Kind::dataCorrupted, "shortcut.modifiers[0]"},
        {errorOf<GestureAction>(R"({"kind":"keyboardShortcut","shortcut":{"key":"a"}})"),
         Kind::keyNotFound, "shortcut"},
        {errorOf<GestureAction>(R"(["kind","openApp"])"), Kind::typeMismatch, ""},
        {errorOf<GestureMapping>(rule(R"("notes":1)")), Kind::typeMismatch, "notes"},
        {errorOf<GestureMapping>(rule(R"("notes":"","isEnabled":1)")), Kind::typeMismatch,
         "isEnabled"},
        {errorOf<GestureMapping>(rule(R"("notes":"","name":false)")), Kind::typeMismatch, "name"},
        {errorOf<GestureMapping>(
             rule(R"("notes":"","appScopeRules":[{"bundleIdentifier":"a","appName":"A"}])")),
         Kind::keyNotFound, "appScopeRules[0]"},
        {errorOf<GestureMapping>(rule(
             R"("notes":"","appScopeRules":[{"bundleIdentifier":"a","appName":"A","isEnabled":"1"}])")),
         Kind::typeMismatch, "appScopeRules[0].isEnabled"},
        {errorOf<GestureTemplatePoint>(R"({"x":"1","y":2})"), Kind::typeMismatch, "x"},
        {errorOf<GestureTemplatePoint>(R"({"x":1,"y":null})"), Kind::valueNotFound, "y"},
        {errorOf<GestureTemplatePoint>(R"({"x":1e400,"y":0})"), Kind::dataCorrupted, ""},
        {errorOf<GestureTemplate>(R"({"id":"t","name":"n","normalizedPoints":[{"x":0}]})"),
         Kind::keyNotFound, "normalizedPoints[0]"},
        {errorOf<std::vector<GestureMapping>>(R"({"not":"a list"})"), Kind::typeMismatch, ""},
        {errorOf<std::vector<GestureMapping>>(""), Kind::dataCorrupted, ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].error.kind, cases[i].kind) << "case " << i;
        EXPECT_EQ(cases[i].error.codingPath, QString::fromLatin1(cases[i].path)) << "case " << i;
        EXPECT_FALSE(cases[i].error.description.isEmpty()) << "case " << i;
    }

    // Descriptions say what was found; the descriptor errors carry fixed texts.
    EXPECT_EQ(errorOf<GestureMapping>(rule(R"("notes":1)")).description,
              QStringLiteral("Expected to decode String but found a number instead."));
    EXPECT_EQ(
        errorOf<GestureDescriptor>(R"({"type":"directional","directions":["up","down","up"]})"),
        (DecodingError{Kind::dataCorrupted, "directions", GestureJson::directionCountDescription}));
    for (const char* text : {R"({"directions":["up"]})", R"({})", R"({"directions":null})"}) {
        EXPECT_EQ(
            errorOf<GestureDescriptor>(text),
            (DecodingError{Kind::dataCorrupted, "type", GestureJson::unsupportedShapeDescription}))
            << text;
    }
}

TEST(GestureJson, NonFiniteCoordinatesCannotBeWritten) {
    for (const double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        for (const std::vector<GestureTemplatePoint>& points :
             {std::vector<GestureTemplatePoint>{{0, 0}, {bad, 1}}, {{0, 0}, {1, bad}}}) {
            const GestureTemplate t(QStringLiteral("t"), QStringLiteral("n"), points);
            EXPECT_FALSE(GestureJson::encode(t).has_value());
            const GestureMapping rule(GestureDescriptor::fromTemplate(t),
                                      GestureAction::predefined(PredefinedAction::newTab), "", {},
                                      GestureMappingSource::custom, true, {});
            // One bad rule fails the whole list rather than writing it without the rule.
            EXPECT_FALSE(GestureJson::encode(std::vector<GestureMapping>{fullRule(), rule}));
        }
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

    EXPECT_TRUE(GestureJson::decodeEach<GestureMapping>("[]").isComplete());
    const auto notAList = GestureJson::decodeEach<GestureMapping>("\x01\x02garbage");
    EXPECT_TRUE(notAList.values.empty());
    EXPECT_FALSE(notAList.isComplete());
}

TEST(GestureJson, BytesThatAreNotUtf8SpoilOnlyTheElementThatHoldsThem) {
    const auto rule = [](const char* directions, const QByteArray& name) {
        return R"({"pattern":{"directions":[)" + QByteArray(directions) +
               R"(]},"action":{"kind":"predefined","predefinedAction":"refresh"},"notes":"n",)"
               R"("name":")" +
               name + "\"}";
    };
    // Names in every length of UTF-8 sequence, and the last character of the private use area.
    const QString firstName = QString::fromUtf8("Caf\xc3\xa9 \xf0\x9f\x98\x80");
    const QString lastName = QString::fromUtf8("\xe6\x97\xa5\xef\xa3\xbf");
    const auto list = [&](const QByteArray& middleName, const QByteArray& between) {
        return "[" + rule(R"("up","down")", firstName.toUtf8()) + between +
               rule(R"("left","up")", middleName) + ",\n" +
               rule(R"("right","up")", lastName.toUtf8()) + "]";
    };
    const struct {
        const char* name;
        QByteArray data;
        std::vector<QString> read;
        QString errorPath;
    } cases[] = {
        {"a byte no sequence starts with", list("M\xff", ","), {firstName, lastName}, "[1]"},
        {"a stray continuation byte", list("\x80M", ","), {firstName, lastName}, "[1]"},
        {"a cut-off sequence", list("M\xe2\x82", ","), {firstName, lastName}, "[1]"},
        {"an overlong form", list("\xc0\xaf", ","), {firstName, lastName}, "[1]"},
        {"a surrogate", list("\xed\xa0\x80", ","), {firstName, lastName}, "[1]"},
        {"beyond U+10FFFF", list("\xf4\x90\x80\x80", ","), {firstName, lastName}, "[1]"},
        // Between the elements it carries nothing, but the list is not as it was written.
        {"between the elements", list("M", ",\xff"), {firstName, "M", lastName}, ""},
        // A list whose brackets do not close cannot be split into elements.
        {"in a list cut off", list("M", ",\xff").chopped(1), {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto partial = GestureJson::decodeEach<GestureMapping>(c.data);
        std::vector<QString> read;
        for (const auto& mapping : partial.values) {
            read.push_back(mapping.name().value_or(QString()));
        }
        EXPECT_EQ(read, c.read);
        ASSERT_EQ(partial.errors.size(), 1U);
        EXPECT_EQ(partial.errors[0].codingPath, c.errorPath);
        EXPECT_FALSE(GestureJson::decode<std::vector<GestureMapping>>(c.data).ok());
    }
}

}  // namespace
}  // namespace quillorbitex
