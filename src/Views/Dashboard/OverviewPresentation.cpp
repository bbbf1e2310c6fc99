#include "Views/Dashboard/OverviewPresentation.h"

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"

namespace quillorbitex {

std::array<OverviewPresentation::Metric, OverviewPresentation::metricCount>
OverviewPresentation::metrics(const AppModel& model) {
    return {{
        {L10n::string("Built-ins"), QString::number(model.builtInMappings().size()),
         L10n::string("Ready now")},
        {L10n::string("Custom"), QString::number(model.customMappings().size()),
         L10n::string("Overrides and custom rules")},
        {L10n::string("Invocations"), QString::number(model.triggerCount()),
         L10n::string("All gestures")},
        {L10n::string("Threshold"), model.matchingThresholdSummary(),
         L10n::string("Freeform matching")},
        // "On" and "Off" are the same words in every language.
        {L10n::string("Capture"),
         model.isCaptureEnabled() ? QStringLiteral("On") : QStringLiteral("Off"),
         model.monitorState().title()},
    }};
}

bool OverviewPresentation::automaticUpdateSwitchEnabled(const AppModel& model) {
    return model.canManageAutomaticUpdateChecks();
}

OverviewPresentation::Note OverviewPresentation::openAtLoginNote(const AppModel& model) {
    if (const auto& error = model.openAtLoginErrorMessage()) {
        return {*error, ThemePalette::Token::statusRed};
    }
    // A fixed note, the same words in every language.
    return {QStringLiteral("Launch Quillorbitex automatically when you sign in. Turn this off if "
                           "you only want to start it manually."),
            ThemePalette::Token::textSecondary};
}

QString OverviewPresentation::themeLabel(AppThemeOverride theme) {
    switch (theme) {
        case AppThemeOverride::light:
            return L10n::string("Light");
        case AppThemeOverride::dark:
            return L10n::string("Dark");
        case AppThemeOverride::system:
            break;
    }
    return L10n::string("System");
}

}  // namespace quillorbitex
