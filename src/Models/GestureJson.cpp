#include "Models/GestureJson.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "Models/GestureAction.h"
#include "Models/GestureAppScopeRule.h"
#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"
#include "Models/GestureTemplate.h"
#include "Models/KeyboardShortcutDescriptor.h"
#include "Platform/JsonMembers.h"

namespace quillorbitex {

const char* const GestureJson::directionCountDescription =
    "Directional gesture descriptors must contain exactly two directions.";
const char* const GestureJson::unsupportedShapeDescription =
    "Gesture descriptor payload did not contain a supported gesture shape.";

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// Decoding unwinds with this; it never leaves this file.
struct DecodeFailure {
    DecodingError error;
};

// Encoding of a value that JSON cannot hold unwinds with this.
struct EncodeFailure {};

// Where in the document a value lies, as "[0].pattern.directions".
class CodingPath {
public:
    CodingPath() = default;

    CodingPath key(std::string_view name) const {
        CodingPath p = *this;
        if (!p.text_.empty()) {
            p.text_ += '.';
        }
        p.text_ += name;
        return p;
    }
    CodingPath index(std::size_t i) const {
        CodingPath p = *this;
        p.text_ += '[';
        p.text_ += std::to_string(i);
        p.text_ += ']';
        return p;
    }

    const std::string& text() const { return text_; }

    [[noreturn]] void fail(DecodingError::Kind kind, const std::string& description) const {
        throw DecodeFailure{DecodingError{kind, QString::fromStdString(text_),
                                          QString::fromStdString(description)}};
    }

private:
    std::string text_;
};

std::string jsonTypeName(const Json& value) {
    switch (value.type()) {
        case Json::value_t::null:
            return "null";
        case Json::value_t::boolean:
            return "a Boolean";
        case Json::value_t::string:
            return "a string";
        case Json::value_t::array:
            return "an array";
        case Json::value_t::object:
            return "an object";
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float:
            return "a number";
        default:
            return "an unsupported value";
    }
}

// Fails unless `value` has the JSON type `expected` names; null is a missing value.
void expectType(const Json& value, bool matches, const char* expected, const CodingPath& path) {
    if (matches) {
        return;
    }
    if (value.is_null()) {
        path.fail(DecodingError::Kind::valueNotFound,
                  std::string("Expected ") + expected + " value but found null instead.");
    }
    path.fail(DecodingError::Kind::typeMismatch, std::string("Expected to decode ") + expected +
                                                     " but found " + jsonTypeName(value) +
                                                     " instead.");
}

const Json& expectObject(const Json& value, const CodingPath& path) {
    expectType(value, value.is_object(), "Dictionary", path);
    return value;
}

const Json& expectArray(const Json& value, const CodingPath& path) {
    expectType(value, value.is_array(), "Array", path);
    return value;
}

// A required member: missing fails with key-not-found (null is left to the value's reader).
const Json& required(const Json& object, const char* key, const CodingPath& path) {
    const auto it = object.find(key);
    if (it == object.end()) {
        path.fail(DecodingError::Kind::keyNotFound,
                  std::string("No value associated with key \"") + key + "\".");
    }
    return *it;
}

// An optional member: missing and null are both no value.
const Json* optional(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || it->is_null()) {
        return nullptr;
    }
    return &*it;
}

QString readString(const Json& value, const CodingPath& path) {
    expectType(value, value.is_string(), "String", path);
    return QString::fromStdString(value.get_ref<const std::string&>());
}

bool readBool(const Json& value, const CodingPath& path) {
    expectType(value, value.is_boolean(), "Bool", path);
    return value.get<bool>();
}

double readDouble(const Json& value, const CodingPath& path) {
    // The parser refuses numbers beyond the range of a double, so what it gives is finite.
    expectType(value, value.is_number(), "Double", path);
    return value.get<double>();
}

template <typename E>
E readEnum(const Json& value, const char* typeName, const CodingPath& path) {
    expectType(value, value.is_string(), "String", path);
    const auto& text = value.get_ref<const std::string&>();
    if (const auto result = fromRawValue<E>(text)) {
        return *result;
    }
    path.fail(DecodingError::Kind::dataCorrupted,
              std::string("Cannot initialize ") + typeName + " from invalid String value " + text);
}

template <typename T, typename ReadElement>
std::vector<T> readArray(const Json& value, const CodingPath& path, ReadElement readElement) {
    const Json& array = expectArray(value, path);
    std::vector<T> result;
    result.reserve(array.size());
    for (std::size_t i = 0; i < array.size(); ++i) {
        result.push_back(readElement(array[i], path.index(i)));
    }
    return result;
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

template <typename E>
std::string raw(E value) {
    return std::string(rawValue(value));
}

// Each stored type: how it is read from a parsed document and written into an ordered one.
template <typename T>
struct Codec;

template <>
struct Codec<GestureTemplatePoint> {
    static GestureTemplatePoint decode(const Json& value, const CodingPath& path) {
        const Json& object = expectObject(value, path);
        const double x = readDouble(required(object, "x", path), path.key("x"));
        const double y = readDouble(required(object, "y", path), path.key("y"));
        return {x, y};
    }
    static OrderedJson encode(const GestureTemplatePoint& point) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
            throw EncodeFailure{};
        }
        OrderedJson object = OrderedJson::object();
        object["x"] = point.x;
        object["y"] = point.y;
        return object;
    }
};

template <>
struct Codec<GestureTemplate> {
    static GestureTemplate decode(const Json& value, const CodingPath& path) {
        const Json& object = expectObject(value, path);
        QString id = readString(required(object, "id", path), path.key("id"));
        QString name = readString(required(object, "name", path), path.key("name"));
        auto points = readArray<GestureTemplatePoint>(required(object, "normalizedPoints", path),
                                                      path.key("normalizedPoints"),
                                                      Codec<GestureTemplatePoint>::decode);
        return GestureTemplate(std::move(id), std::move(name), std::move(points));
    }
    static OrderedJson encode(const GestureTemplate& gestureTemplate) {
        OrderedJson points = OrderedJson::array();
        for (const auto& point : gestureTemplate.normalizedPoints()) {
            points.push_back(Codec<GestureTemplatePoint>::encode(point));
        }
        OrderedJson object = OrderedJson::object();
        object["id"] = utf8(gestureTemplate.id());
        object["name"] = utf8(gestureTemplate.name());
        object["normalizedPoints"] = std::move(points);
        return object;
    }
};

template <>
struct Codec<GestureDescriptor> {
    static std::vector<GestureDirection> readDirections(const Json& value, const CodingPath& path) {
        return readArray<GestureDirection>(value, path, [](const Json& v, const CodingPath& p) {
            return readEnum<GestureDirection>(v, "GestureDirection", p);
        });
    }

    static GestureDescriptor decode(const Json& value, const CodingPath& path) {
        const Json& object = expectObject(value, path);
        if (const Json* type = optional(object, "type")) {
            const auto kind =
                readEnum<GestureDescriptor::Kind>(*type, "DescriptorType", path.key("type"));
            if (kind == GestureDescriptor::Kind::templateGesture) {
                return GestureDescriptor::fromTemplate(Codec<GestureTemplate>::decode(
                    required(object, "template", path), path.key("template")));
            }
            const auto directions =
                readDirections(required(object, "directions", path), path.key("directions"));
            if (auto pattern = GesturePattern::make(directions)) {
                return GestureDescriptor::directional(*pattern);
            }
            path.key("directions")
                .fail(DecodingError::Kind::dataCorrupted, GestureJson::directionCountDescription);
        }
        // The older shape without a type: two directions, else a template.
        if (const Json* directions = optional(object, "directions")) {
            if (auto pattern =
                    GesturePattern::make(readDirections(*directions, path.key("directions")))) {
                return GestureDescriptor::directional(*pattern);
            }
        }
        if (const Json* gestureTemplate = optional(object, "template")) {
            return GestureDescriptor::fromTemplate(
                Codec<GestureTemplate>::decode(*gestureTemplate, path.key("template")));
        }
        path.key("type").fail(DecodingError::Kind::dataCorrupted,
                              GestureJson::unsupportedShapeDescription);
    }

    static OrderedJson encode(const GestureDescriptor& descriptor) {
        OrderedJson object = OrderedJson::object();
        object["type"] = raw(descriptor.kind());
        if (const auto pattern = descriptor.directionalPattern()) {
            OrderedJson directions = OrderedJson::array();
            for (const auto direction : pattern->directions()) {
                directions.push_back(raw(direction));
            }
            object["directions"] = std::move(directions);
        } else {
            object["template"] = Codec<GestureTemplate>::encode(*descriptor.gestureTemplate());
        }
        return object;
    }
};

template <>
struct Codec<GestureAppScopeRule> {
    static GestureAppScopeRule decode(const Json& value, const CodingPath& path) {
        const Json& object = expectObject(value, path);
        const QString bundleIdentifier =
            readString(required(object, "bundleIdentifier", path), path.key("bundleIdentifier"));
        const QString appName = readString(required(object, "appName", path), path.key("appName"));
        const bool isEnabled = readBool(required(object, "isEnabled", path), path.key("isEnabled"));
        return GestureAppScopeRule(bundleIdentifier, appName, isEnabled);
    }
    static OrderedJson encode(const GestureAppScopeRule& rule) {
        OrderedJson object = OrderedJson::object();
        object["bundleIdentifier"] = utf8(rule.bundleIdentifier());
        object["appName"] = utf8(rule.appName());
        object["isEnabled"] = rule.isEnabled();
        return object;
    }
};

template <>
struct Codec<KeyboardShortcutDescriptor> {
    static KeyboardShortcutDescriptor decode(const Json& value, const CodingPath& path) {
        const Json& object = expectObject(value, path);
        const auto key = readEnum<KeyboardKeyToken>(required(object, "key", path),
                                                    "KeyboardKeyToken", path.key("key"));
        const auto modifiers =
            readArray<ModifierKey>(required(object, "modifiers", path), path.key("modifiers"),
                                   [](const Json& v, const CodingPath& p) {
                                       return readEnum<ModifierKey>(v, "ModifierKey", p);
                                   });
        return {key, ModifierKeySet(modifiers.begin(), modifiers.end())};
    }
    static OrderedJson encode(const KeyboardShortcutDescriptor& shortcut) {
        OrderedJson modifiers = OrderedJson::array();
        for (const auto modifier : shortcut.modifiers) {
            modifiers.push_back(raw(modifier));
        }
        OrderedJson object = OrderedJson::object();
        object["key"] = raw(shortcut.key);
        object["modifiers"] = std::move(modifiers);
        return object;
    }
};

template <>
struct Codec<GestureAction> {
    static GestureAction decode(const Json& value, const CodingPath& path) {
        using Kind = GestureAction::Kind;
        const Json& object = expectObject(value, path);
        const auto kind =
            readEnum<Kind>(required(object, "kind", path), "GestureAction.Kind", path.key("kind"));
        switch (kind) {
            case Kind::keyboardShortcut:
                return GestureAction::keyboardShortcut(Codec<KeyboardShortcutDescriptor>::decode(
                    required(object, "shortcut", path), path.key("shortcut")));
            case Kind::predefined:
                return GestureAction::predefined(
                    readEnum<PredefinedAction>(required(object, "predefinedAction", path),
                                               "PredefinedAction", path.key("predefinedAction")));
            case Kind::openApp:
                return GestureAction::openApp(readString(required(object, "bundleIdentifier", path),
                                                         path.key("bundleIdentifier")));
            case Kind::openURL:
                return GestureAction::openURL(
                    readString(required(object, "urlString", path), path.key("urlString")));
        }
        path.key("kind").fail(DecodingError::Kind::dataCorrupted, "Unknown action kind.");
    }

    static OrderedJson encode(const GestureAction& action) {
        using Kind = GestureAction::Kind;
        OrderedJson object = OrderedJson::object();
        object["kind"] = raw(action.kind());
        switch (action.kind()) {
            case Kind::keyboardShortcut:
                object["shortcut"] = Codec<KeyboardShortcutDescriptor>::encode(*action.shortcut());
                break;
            case Kind::predefined:
                object["predefinedAction"] = raw(*action.predefinedAction());
                break;
            case Kind::openApp:
                object["bundleIdentifier"] = utf8(*action.bundleIdentifier());
                break;
            case Kind::openURL:
                object["urlString"] = utf8(*action.url());
                break;
        }
        return object;
    }
};

template <>
struct Codec<GestureMapping> {
    static GestureMapping decode(const Json& value, const CodingPath& path) {
        const Json& object = expectObject(value, path);
        auto pattern = Codec<GestureDescriptor>::decode(required(object, "pattern", path),
                                                        path.key("pattern"));
        auto action =
            Codec<GestureAction>::decode(required(object, "action", path), path.key("action"));
        QString notes = readString(required(object, "notes", path), path.key("notes"));

        std::optional<QString> name;
        if (const Json* v = optional(object, "name")) {
            name = readString(*v, path.key("name"));
        }
        auto source = GestureMappingSource::builtIn;
        if (const Json* v = optional(object, "source")) {
            source = readEnum<GestureMappingSource>(*v, "GestureMappingSource", path.key("source"));
        }
        bool isEnabled = true;
        if (const Json* v = optional(object, "isEnabled")) {
            isEnabled = readBool(*v, path.key("isEnabled"));
        }
        std::vector<GestureAppScopeRule> scopeRules;
        if (const Json* v = optional(object, "appScopeRules")) {
            scopeRules = readArray<GestureAppScopeRule>(*v, path.key("appScopeRules"),
                                                        Codec<GestureAppScopeRule>::decode);
        }
        return GestureMapping(std::move(pattern), std::move(action), std::move(notes),
                              std::move(name), source, isEnabled, std::move(scopeRules));
    }

    static OrderedJson encode(const GestureMapping& mapping) {
        OrderedJson scopeRules = OrderedJson::array();
        for (const auto& rule : mapping.appScopeRules()) {
            scopeRules.push_back(Codec<GestureAppScopeRule>::encode(rule));
        }
        OrderedJson object = OrderedJson::object();
        object["pattern"] = Codec<GestureDescriptor>::encode(mapping.pattern());
        object["action"] = Codec<GestureAction>::encode(mapping.action());
        object["notes"] = utf8(mapping.notes());
        if (mapping.name()) {
            object["name"] = utf8(*mapping.name());
        }
        object["source"] = raw(mapping.source());
        object["isEnabled"] = mapping.isEnabled();
        object["appScopeRules"] = std::move(scopeRules);
        return object;
    }
};

template <typename T>
struct Codec<std::vector<T>> {
    static std::vector<T> decode(const Json& value, const CodingPath& path) {
        return readArray<T>(value, path, Codec<T>::decode);
    }
    static OrderedJson encode(const std::vector<T>& values) {
        OrderedJson array = OrderedJson::array();
        for (const auto& value : values) {
            array.push_back(Codec<T>::encode(value));
        }
        return array;
    }
};

// Parses a whole document; nothing when it is not JSON.
std::optional<Json> parse(const QByteArray& data) {
    Json document = Json::parse(data.begin(), data.end(), nullptr, /*allow_exceptions=*/false);
    if (document.is_discarded()) {
        return std::nullopt;
    }
    return document;
}

DecodingError notJson() {
    return {DecodingError::Kind::dataCorrupted, QString(),
            QStringLiteral("The given data was not valid JSON.")};
}

DecodingError unexpected() {
    return {DecodingError::Kind::dataCorrupted, QString(),
            QStringLiteral("The given data could not be read.")};
}

}  // namespace

template <typename T>
std::optional<QByteArray> GestureJson::encode(const T& value) {
    try {
        const std::string text = Codec<T>::encode(value).dump();
        return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    } catch (...) {
        // A non-finite coordinate, or text the JSON writer refuses.
        return std::nullopt;
    }
}

template <typename T>
DecodeResult<T> GestureJson::decode(const QByteArray& data) {
    try {
        const auto document = parse(data);
        if (!document) {
            return notJson();
        }
        return Codec<T>::decode(*document, CodingPath());
    } catch (const DecodeFailure& failure) {
        return failure.error;
    } catch (...) {
        return unexpected();
    }
}

template <typename T>
PartialDecodeResult<T> GestureJson::decodeEach(const QByteArray& data) {
    PartialDecodeResult<T> result;
    const auto decodeElement = [&result](const Json& element, std::size_t i) {
        try {
            result.values.push_back(Codec<T>::decode(element, CodingPath().index(i)));
        } catch (const DecodeFailure& failure) {
            result.errors.push_back(failure.error);
        }
    };
    try {
        if (const auto document = parse(data)) {
            const Json& array = expectArray(*document, CodingPath());
            for (std::size_t i = 0; i < array.size(); ++i) {
                decodeElement(array[i], i);
            }
            return result;
        }
        // The parser refuses the whole list for one text holding bytes that are not UTF-8 (a
        // name from a damaged file): read element by element, only the elements holding them are
        // lost.
        const auto elements = JsonMembers::split(data, '[');
        if (!elements || !elements->hasInvalidBytes()) {
            result.errors.push_back(notJson());
            return result;
        }
        const auto members = elements->members();
        for (std::size_t i = 0; i < members.size(); ++i) {
            const CodingPath path = CodingPath().index(i);
            if (members[i].spoiled) {
                result.errors.push_back(
                    {DecodingError::Kind::dataCorrupted, QString::fromStdString(path.text()),
                     QStringLiteral("The value holds bytes that are not UTF-8.")});
                continue;
            }
            const QByteArrayView text = members[i].text;
            const Json element = Json::parse(text.begin(), text.end(), nullptr, false);
            if (element.is_discarded()) {
                DecodingError error = notJson();
                error.codingPath = QString::fromStdString(path.text());
                result.errors.push_back(std::move(error));
                continue;
            }
            decodeElement(element, i);
        }
        // Every element was read, but the data is not what was written: it is not complete, so
        // that it is kept before it is replaced.
        if (result.errors.empty()) {
            result.errors.push_back({DecodingError::Kind::dataCorrupted, QString(),
                                     QStringLiteral("The data holds bytes that are not UTF-8 "
                                                    "between its values.")});
        }
    } catch (const DecodeFailure& failure) {
        result.errors.push_back(failure.error);
    } catch (...) {
        result.errors.push_back(unexpected());
    }
    return result;
}

#define QX_GESTURE_JSON_TYPE(T)                                                \
    template std::optional<QByteArray> GestureJson::encode<T>(const T& value); \
    template DecodeResult<T> GestureJson::decode<T>(const QByteArray& data);

QX_GESTURE_JSON_TYPE(GestureMapping)
QX_GESTURE_JSON_TYPE(GestureDescriptor)
QX_GESTURE_JSON_TYPE(GestureTemplate)
QX_GESTURE_JSON_TYPE(GestureTemplatePoint)
QX_GESTURE_JSON_TYPE(GestureAppScopeRule)
QX_GESTURE_JSON_TYPE(KeyboardShortcutDescriptor)
QX_GESTURE_JSON_TYPE(GestureAction)
QX_GESTURE_JSON_TYPE(std::vector<GestureMapping>)
QX_GESTURE_JSON_TYPE(std::vector<GestureDescriptor>)

#undef QX_GESTURE_JSON_TYPE

template PartialDecodeResult<GestureMapping> GestureJson::decodeEach<GestureMapping>(
    const QByteArray& data);
template PartialDecodeResult<GestureDescriptor> GestureJson::decodeEach<GestureDescriptor>(
    const QByteArray& data);

}  // namespace quillorbitex
