#include "Application/UITestConfig.h"

#include <unistd.h>

#include <QDir>

#include "Platform/PrivateFolder.h"

namespace quillorbitex {

namespace {

bool isSet(const QProcessEnvironment& environment, const QString& name) {
    return environment.value(name) == QLatin1String("1");
}

}  // namespace

UITestConfig UITestConfig::fromProcessInfo(const QStringList& arguments,
                                           const QProcessEnvironment& environment) {
    UITestConfig config;
    config.isUITest = arguments.contains(QStringLiteral("--uitest-mode")) ||
                      isSet(environment, QStringLiteral("QUILLORBITEX_UITEST_MODE"));
    config.resetOnLaunch = arguments.contains(QStringLiteral("--uitest-reset")) ||
                           isSet(environment, QStringLiteral("QUILLORBITEX_UITEST_RESET"));
    config.forceShowOnboarding =
        isSet(environment, QStringLiteral("QUILLORBITEX_UITEST_SHOW_ONBOARDING"));
    config.seedCompletedOnboarding =
        isSet(environment, QStringLiteral("QUILLORBITEX_UITEST_ONBOARDING_COMPLETED"));

    // Normalised once, here: every check and every file of the run use this one path, so that
    // "base/link/" or "base/link/../x" cannot pass a check as one folder and be written as another.
    const QString given = environment.value(QStringLiteral("QUILLORBITEX_UITEST_BASE_DIR"));
    config.baseDirectory =
        PrivateFolder::normalized(given.isEmpty() ? defaultBaseDirectory(environment) : given);
    config.stateDumpPath = QDir(config.baseDirectory).filePath(QStringLiteral("state.json"));
    return config;
}

QString UITestConfig::defaultBaseDirectory(const QProcessEnvironment& environment) {
    return QDir(PrivateFolder::temporaryRoot(environment))
        .filePath(QStringLiteral("QuillorbitexUITests-") + QString::number(::getuid()));
}

}  // namespace quillorbitex
