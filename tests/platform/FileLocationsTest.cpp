#include "platform/FileLocations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

TEST(PrepareWritableDir, CreatesMissingFolders) {
    QTemporaryDir root;
    const QString nested = root.filePath(QStringLiteral("a/b/c"));
    EXPECT_EQ(prepareWritableDir(nested), QString());
    EXPECT_TRUE(QDir(nested).exists());
}

TEST(PrepareWritableDir, NamesAFolderThatCannotBeMade) {
    QTemporaryDir root;
    const QString blocker = root.filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString message = prepareWritableDir(blocker + QStringLiteral("/inside"));
    EXPECT_TRUE(message.contains(QStringLiteral("could not be created"))) << message.toStdString();
}

TEST(UserFileLocations, OverrideWinsForTheDataFolderOnly) {
    const UserFileLocations locations(QStringLiteral("/tmp/somewhere/../data"));
    EXPECT_EQ(locations.dataDir(), QStringLiteral("/tmp/data"));
    EXPECT_TRUE(locations.stateDir().endsWith(QStringLiteral("/tonalyst")));
}

} // namespace
} // namespace tonalyst
