#pragma once

#include <QString>

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

// Ready-made commands, in the order the action picker offers them.
enum class PredefinedAction {
    refresh,
    previousTab,
    nextTab,
    newTab,
    closeTab,
    newWindow,
    minimizeWindow,
    hideApp,
    quitApp,
};

template <>
struct RawValueCases<PredefinedAction> {
    using P = PredefinedAction;
    static constexpr std::array<std::pair<P, std::string_view>, 9> cases = {{
        {P::refresh, "refresh"},
        {P::previousTab, "previousTab"},
        {P::nextTab, "nextTab"},
        {P::newTab, "newTab"},
        {P::closeTab, "closeTab"},
        {P::newWindow, "newWindow"},
        {P::minimizeWindow, "minimizeWindow"},
        {P::hideApp, "hideApp"},
        {P::quitApp, "quitApp"},
    }};
};

QString displayLabel(PredefinedAction action);

}  // namespace quillorbitex
