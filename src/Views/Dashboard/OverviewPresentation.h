#pragma once

#include <QString>
#include <array>

#include "Application/ThemePalette.h"
#include "Models/AppThemeOverride.h"

namespace quillorbitex {

class AppModel;

// What the overview shows, derived from the model in the current language each time it is asked,
// never kept: the five metrics and the states of the preferences card.
class OverviewPresentation {
public:
    struct Metric {
        QString title;
        // Shown as it is: decimal counts, the "%.2f" threshold, the English "On"/"Off".
        QString value;
        QString detail;

        friend bool operator==(const Metric&, const Metric&) = default;
    };

    // The note under the Open at Login switch.
    struct Note {
        QString text;
        ThemePalette::Token color;

        friend bool operator==(const Note&, const Note&) = default;
    };

    static constexpr std::size_t metricCount = 5;

    OverviewPresentation() = delete;

    // Built-ins (every preset, removed and disabled ones included), Custom, Invocations,
    // Threshold and Capture, in that order.
    static std::array<Metric, metricCount> metrics(const AppModel& model);
    // Usable only when updates are supported and the program installed the action that stores
    // the setting.
    static bool automaticUpdateSwitchEnabled(const AppModel& model);
    // The model's error in red while it has one, otherwise the standing explanation.
    static Note openAtLoginNote(const AppModel& model);
    static QString themeLabel(AppThemeOverride theme);
};

}  // namespace quillorbitex
