#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quillorbitex {

// Whether the program runs under its interface tests, and with which options. Made once at
// start-up from the launch arguments and the environment.
struct UITestConfig {
    bool isUITest = false;
    bool resetOnLaunch = false;
    bool forceShowOnboarding = false;
    bool seedCompletedOnboarding = false;
    // Where every file of a test run lives: absolute, without ".", ".." or a trailing separator.
    QString baseDirectory;
    // "state.json" inside the base folder.
    QString stateDumpPath;

    // A switch is on when its launch argument is present or its variable is exactly "1". The base
    // folder is QUILLORBITEX_UITEST_BASE_DIR when set and not empty (not trimmed, no tilde
    // expanded; a relative path is taken from the working folder), else a folder of this user's
    // own in the temporary folder. Reads nothing else, so it never fails; whether the folder may
    // be used is TestBaseDirectory's to say.
    static UITestConfig fromProcessInfo(const QStringList& arguments,
                                        const QProcessEnvironment& environment);

    // "QuillorbitexUITests-<user id>" in TMPDIR (or /tmp): per user, so that one user's test run
    // never removes another's files.
    static QString defaultBaseDirectory(const QProcessEnvironment& environment);

    friend bool operator==(const UITestConfig&, const UITestConfig&) = default;
};

}  // namespace quillorbitex
