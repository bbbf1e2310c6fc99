#include "Application/UITestConfig.h"

#include <unistd.h>

#include <QDir>

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

    const QString given = environment.value(QStringLiteral("QUILLORBITEX_UITEST_BASE_DIR"));
    config.baseDirectory = given.isEmpty() ? defaultBaseDirectory(environment) : given;
    const bool hasSeparator = config.baseDirectory.endsWith(QLatin1Char('/'));
    config.stateDumpPath = config.baseDirectory + (hasSeparator ? QString() : QStringLiteral("/")) +
                           QStringLiteral("state.json");
    return config;
}

QString UITestConfig::defaultBaseDirectory(const QProcessEnvironment& environment) {
    QString temporary = environment.value(QStringLiteral("TMPDIR"));
    if (temporary.isEmpty() || QDir::isRelativePath(temporary)) {
        temporary = QStringLiteral("/tmp");
    }
    return QDir(temporary).filePath(QStringLiteral("QuillorbitexUITests-") +
                                    QString::number(::getuid()));
}

}  // namespace quillorbitex
