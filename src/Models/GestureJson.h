#pragma once

#include <QByteArray>
#include <optional>

#include "Models/DecodingError.h"

namespace quillorbitex {

// The JSON forms in which rules and gestures are stored: rules (`GestureMapping`), descriptors
// (`GestureDescriptor`, also the older shape without "type"), templates and their points, scope
// rules, keyboard shortcuts and actions, and lists of rules or descriptors.
//
// Writing is compact, with each object's keys in a fixed order; reading does not depend on key
// order, ignores keys it does not know, and treats null like a missing key where a key is
// optional. Available for GestureMapping, GestureDescriptor, GestureTemplate,
// GestureTemplatePoint, GestureAppScopeRule, KeyboardShortcutDescriptor, GestureAction and
// std::vector of GestureMapping or GestureDescriptor.
class GestureJson final {
public:
    GestureJson() = delete;

    // Nothing when a value cannot be written, which is a coordinate that is not a finite number.
    template <typename T>
    static std::optional<QByteArray> encode(const T& value);

    // The whole document or the first error; a list fails when one element fails.
    template <typename T>
    static DecodeResult<T> decode(const QByteArray& data);

    // A list read element by element, keeping every element that can be read; an element whose
    // texts hold bytes that are not UTF-8 is the only one lost. Available for GestureMapping and
    // GestureDescriptor.
    template <typename T>
    static PartialDecodeResult<T> decodeEach(const QByteArray& data);

    // The fixed descriptions of the two descriptor errors.
    static const char* const directionCountDescription;
    static const char* const unsupportedShapeDescription;
};

}  // namespace quillorbitex
