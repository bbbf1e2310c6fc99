#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <QString>

#include "Application/UITestConfig.h"

namespace quillorbitex {

// The folder a test run keeps its files in. Its path comes from the environment, so it is used
// only when it is safe: a mistyped variable must not wipe a home folder, and a folder another user
// can change must not hand the run's preferences to them or take its files.
class TestBaseDirectory final {
public:
    TestBaseDirectory() = delete;

    // At start-up in test mode, before anything reads or writes there: checks the base folder,
    // creating it and any missing folder on the way with mode 0700, and on reset removes the
    // program's own files from it (removeProgramFiles). The folder must be `user`'s own, one that
    // nobody else may change, reached without symbolic links (PrivateFolder), and neither "/" nor
    // the home folder nor a folder holding it. False when it is refused: nothing has been made,
    // removed or read there, and the run must not use it. True outside test mode, where there is
    // nothing to do.
    static bool prepare(const UITestConfig& config, uid_t user = ::getuid());

    // Whether the normalised `path` may be a test run's base folder by its name alone: not empty,
    // and neither "/" nor the home folder nor a folder holding it. What is there is not looked at.
    static bool allowed(const QString& path);

    // Removes what the program writes in the base folder and nothing else: the preferences and
    // their lock file, the usage database with its journals, the state file, the copies of the
    // first two set aside as unreadable, the login item's entry and its folder when that is left
    // empty, and what writes of these files left behind when they were cut off (AtomicFile's new
    // files). An entry that is a folder where a file is expected stays, and so does every file of
    // another name.
    static void removeProgramFiles(const UITestConfig& config);

    // What standard error says when `path` is refused.
    static QString refusalNotice(const QString& path);
};

}  // namespace quillorbitex
