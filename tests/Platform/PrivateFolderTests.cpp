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

// CI runs as root, so "another user's folder" is the test's own folder seen as user 4242.
TEST(PrivateFolder, OnlyAFolderNobodyElseCanChangeIsUsedOrMade) {
    QTemporaryDir dir;
    const auto path = [&](const char* relative) { return dir.filePath(relative); };
    for (const auto& [relative, mode] : {std::pair{"own", 0700},
                                         {"readable", 0755},
                                         {"group", 0770},
                                         {"sticky", 01777},
                                         {"sticky/in", 0700},
                                         {"open", 0777},
                                         {"open/in", 0700}}) {
        ASSERT_TRUE(QDir().mkpath(path(relative)));
        ::chmod(QFile::encodeName(path(relative)).constData(), static_cast<mode_t>(mode));
    }
    QFile(path("file")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(path("own"), path("link")));
    const struct {
        QString path;
        uid_t user;
        Verdict verdict;
    } cases[] = {
        {path("own"), ::getuid(), Verdict::usable},
        {path("readable/../own/."), ::getuid(), Verdict::usable},
        {path("group"), ::getuid(), Verdict::writableByOthers},
        // Others may write on the way only where the sticky bit keeps them from renaming.
        {path("sticky/in"), ::getuid(), Verdict::usable},
        {path("open/in"), ::getuid(), Verdict::writableByOthers},
        {path("link/"), ::getuid(), Verdict::symbolicLink},
        {path("link/sub"), ::getuid(), Verdict::symbolicLink},
        {path("file/sub"), ::getuid(), Verdict::notAFolder},
        {path("nothing"), ::getuid(), Verdict::missing},
        {path("own"), 4242, Verdict::foreignOwner},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrivateFolder::check(c.path, c.user), c.verdict) << c.path.toStdString();
    }

    // Made 0700 all the way down; nothing made behind a refusal, nothing existing changed.
    EXPECT_EQ(PrivateFolder::make(path("new/a")), Verdict::usable);
    EXPECT_EQ(QFileInfo(path("new")).permissions(), QFileInfo(path("own")).permissions());
    EXPECT_EQ(QFileInfo(path("new/a")).permissions(), QFileInfo(path("own")).permissions());
    EXPECT_EQ(PrivateFolder::make(path("link/new")), Verdict::symbolicLink);
    EXPECT_EQ(PrivateFolder::make(path("open/new")), Verdict::writableByOthers);
    EXPECT_EQ(PrivateFolder::make(path("open")), Verdict::writableByOthers);
    EXPECT_FALSE(QFileInfo::exists(path("own/new")) || QFileInfo::exists(path("open/new")));
    EXPECT_TRUE(QFileInfo(path("open")).permissions() & QFile::WriteOther);
}

}  // namespace
}  // namespace quillorbitex
