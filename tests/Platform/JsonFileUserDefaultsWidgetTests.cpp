#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <functional>

#include "Platform/JsonFileUserDefaults.h"
#include "Platform/TestFiles.h"
#include "support/ChildProcess.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

// What another instance writes reaches this one through the watcher: the folder made and the
// file replaced (as the program writes it), replaced again, then written in place (as an editor
// may), each seen in turn.
TEST(JsonFileUserDefaults, WhatAnotherInstanceWritesIsTakenInAsTheFileChanges) {
    QTemporaryDir dir;
    const QString path = JsonFileUserDefaults::filePathIn(dir.filePath("prefs"));
    JsonFileUserDefaults own(path);
    std::vector<QString> told;
    own.setChangeObserver([&](const std::vector<QString>& keys) {
        told.insert(told.end(), keys.begin(), keys.end());
    });
    const auto otherSets = [&](const char* key, UserDefaults::Value value) {
        return [&path, key, value] {
            return testing::runInChild([&] {
                       return JsonFileUserDefaults(path).setValue(key, value) ? 0 : 1;
                   }) == 0;
        };
    };
    const struct {
        const char* name;
        std::function<bool()> write;
        const char* key;
        UserDefaults::Value value;
    } steps[] = {
        {"the folder made", otherSets("theme", QString("dark")), "theme", QString("dark")},
        {"the file replaced", otherSets("threshold", 0.3), "threshold", 0.3},
        {"the file written in place",
         [&] { return testing::writeFile(path, R"({"theme": "dark", "threshold": 0.35})"); },
         "threshold", 0.35},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        told.clear();
        ASSERT_TRUE(step.write());
        EXPECT_TRUE(testing::waitUntil([&] {
            QCoreApplication::processEvents();
            return own.value(step.key) == step.value;
        }));
        EXPECT_EQ(told, std::vector<QString>{step.key});
    }
}

}  // namespace
}  // namespace quillorbitex
