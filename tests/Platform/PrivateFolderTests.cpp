#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "Platform/PrivateFolder.h"

namespace quillorbitex {
namespace {

using Verdict = PrivateFolder::Verdict;

// A user other than the one running the tests: CI runs as root, so "another user's folder" is
// the test's own folder seen as this user.
constexpr uid_t kOtherUser = 4242;

const char* name(Verdict verdict) {
    switch (verdict) {
        case Verdict::usable:
            return "usable";
        case Verdict::noPath:
            return "noPath";
        case Verdict::missing:
            return "missing";
        case Verdict::symbolicLink:
            return "symbolicLink";
        case Verdict::notAFolder:
            return "notAFolder";
        case Verdict::foreignOwner:
            return "foreignOwner";
        case Verdict::writableByOthers:
            return "writableByOthers";
    }
    return "?";
}

mode_t modeOf(const QString& path) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0) {
        return 0;
    }
    return entry.st_mode & 07777;
}

class PrivateFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder("own", 0700);
        folder("readable", 0755);
        folder("group-writable", 0770);
        folder("world-writable", 0777);
        folder("shared-sticky", 01777);
        folder("shared-sticky/inside", 0700);
        folder("shared-open", 0777);
        folder("shared-open/inside", 0700);
        QFile(path("file")).open(QIODevice::WriteOnly);
        ASSERT_TRUE(QFile::link(path("own"), path("link")));
    }

    QString path(const QString& relative) const { return dir_.filePath(relative); }
    void folder(const QString& relative, mode_t mode) {
        ASSERT_TRUE(QDir().mkpath(path(relative)));
        ASSERT_EQ(::chmod(QFile::encodeName(path(relative)).constData(), mode), 0);
    }

    QTemporaryDir dir_;
};

TEST_F(PrivateFolderTest, OnlyAFolderNobodyElseCanChangeIsUsable) {
    const struct {
        QString path;
        uid_t user;
        Verdict expected;
    } cases[] = {
        {path("own"), ::getuid(), Verdict::usable},
        {path("readable"), ::getuid(), Verdict::usable},
        // Normalised first: the same folder however it is written.
        {path("own/"), ::getuid(), Verdict::usable},
        {path("readable/../own/."), ::getuid(), Verdict::usable},
        {path("group-writable"), ::getuid(), Verdict::writableByOthers},
        {path("world-writable"), ::getuid(), Verdict::writableByOthers},
        // Others may write on the way only where the sticky bit keeps them from renaming.
        {path("shared-sticky/inside"), ::getuid(), Verdict::usable},
        {path("shared-open/inside"), ::getuid(), Verdict::writableByOthers},
        {path("link"), ::getuid(), Verdict::symbolicLink},
        {path("link/"), ::getuid(), Verdict::symbolicLink},
        {path("link/sub"), ::getuid(), Verdict::symbolicLink},
        {path("file"), ::getuid(), Verdict::notAFolder},
        {path("file/sub"), ::getuid(), Verdict::notAFolder},
        {path("nothing"), ::getuid(), Verdict::missing},
        {QString(), ::getuid(), Verdict::noPath},
        {path("own"), kOtherUser, Verdict::foreignOwner},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(name(PrivateFolder::check(c.path, c.user)), name(c.expected))
            << c.path.toStdString() << " as user " << c.user;
    }
    EXPECT_EQ(PrivateFolder::normalized(path("own//sub/../")), path("own"));
    EXPECT_EQ(PrivateFolder::normalized(QStringLiteral("relative/./x")),
              QDir::current().absoluteFilePath(QStringLiteral("relative/x")));

    // A folder given away to another user (needs root, as in CI).
    if (::getuid() == 0) {
        folder("given-away", 0700);
        ASSERT_EQ(::chown(QFile::encodeName(path("given-away")).constData(), 65534, 65534), 0);
        EXPECT_STREQ(name(PrivateFolder::check(path("given-away"), 0)), "foreignOwner");
        EXPECT_STREQ(name(PrivateFolder::make(path("given-away/sub"), 0)), "foreignOwner");
        EXPECT_FALSE(QFileInfo::exists(path("given-away/sub")));
    }
}

TEST_F(PrivateFolderTest, MakingCreatesPrivateFoldersAndNothingBehindARefusal) {
    EXPECT_STREQ(name(PrivateFolder::make(path("new/a/b"))), "usable");
    for (const char* made : {"new", "new/a", "new/a/b"}) {
        EXPECT_EQ(modeOf(path(made)), 0700u) << made;
    }
    // An existing folder is checked, never changed.
    EXPECT_STREQ(name(PrivateFolder::make(path("world-writable"))), "writableByOthers");
    EXPECT_EQ(modeOf(path("world-writable")), 0777u);

    const struct {
        const char* path;
        const char* verdict;
        const char* notMade;
    } refused[] = {
        {"link/new", "symbolicLink", "own/new"},
        {"link/", "symbolicLink", nullptr},
        {"shared-open/new", "writableByOthers", "shared-open/new"},
        {"file/new", "notAFolder", nullptr},
    };
    for (const auto& c : refused) {
        EXPECT_STREQ(name(PrivateFolder::make(path(c.path))), c.verdict) << c.path;
        if (c.notMade != nullptr) {
            EXPECT_FALSE(QFileInfo::exists(path(c.notMade))) << c.path;
        }
    }
    EXPECT_TRUE(QFileInfo(path("link")).isSymLink());
}

}  // namespace
}  // namespace quillorbitex
