#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "Application/BundleInfo.h"
#include "Platform/ApplicationIdentifier.h"
#include "Platform/Freedesktop/DesktopEntry.h"

namespace quillorbitex {
namespace {

QByteArray readSourceFile(const QString& relativePath) {
    QFile file(QStringLiteral(QX_SOURCE_DIR "/") + relativePath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relativePath.toStdString();
    return file.readAll();
}

TEST(ProgramResources, CompiledInInformationNamesTheProgramAndTheProjectVersion) {
    const QString cmake = QString::fromUtf8(readSourceFile(QStringLiteral("CMakeLists.txt")));
    const auto match =
        QRegularExpression(QStringLiteral(R"(project\(\s*Quillorbitex\s+VERSION\s+([0-9.]+))"))
            .match(cmake);
    ASSERT_TRUE(match.hasMatch());

    const BundleInfo bundle = BundleInfo::compiledIn();
    EXPECT_EQ(bundle.identifier, QString::fromLatin1(kApplicationIdentifier));
    EXPECT_EQ(bundle.displayName, QStringLiteral("Quillorbitex"));
    EXPECT_EQ(bundle.version, match.captured(1));
}

TEST(ProgramResources, DesktopFileStartsTheProgramUnderItsIdentifierAndIcon) {
    const QString identifier = QString::fromLatin1(kApplicationIdentifier);
    const QString path = QStringLiteral("resources/%1.desktop").arg(identifier);
    for (const char* locale : {"C", "de_DE", "ja_JP"}) {
        SCOPED_TRACE(locale);
        const auto entry = freedesktop::DesktopEntry::parse(readSourceFile(path), identifier, path,
                                                            QString::fromLatin1(locale));
        ASSERT_TRUE(entry.has_value());
        EXPECT_TRUE(entry->isListed());
        EXPECT_EQ(entry->name, QStringLiteral("Quillorbitex"));
        EXPECT_EQ(entry->exec, QStringLiteral("quillorbitex"));
        EXPECT_EQ(entry->icon, identifier);
    }
}

}  // namespace
}  // namespace quillorbitex
