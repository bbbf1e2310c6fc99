#pragma once

#include <optional>

#include "Models/GestureAction.h"
#include "Platform/RawValueEnum.h"

namespace quillorbitex {

// Which of the action step's four editors is shown; each builds one kind of action.
enum class GestureActionEditorKind { keyboardShortcut, predefined, openApp, openURL };

template <>
struct RawValueCases<GestureActionEditorKind> {
    using K = GestureActionEditorKind;
    static constexpr std::array<std::pair<K, std::string_view>, 4> cases = {{
        {K::keyboardShortcut, "keyboardShortcut"},
        {K::predefined, "predefined"},
        {K::openApp, "openApp"},
        {K::openURL, "openURL"},
    }};
};

// The editor of the action's kind; the shortcut editor when there is no action.
GestureActionEditorKind editorKind(const std::optional<GestureAction>& action);

}  // namespace quillorbitex
