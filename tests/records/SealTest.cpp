#include "records/Seal.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

TEST(Seal, WritesTheTimeAsTheDataFileWritesDatesThenTheSize) {
    const auto seal = Seal::parse("#1998-05-12 14:03:27#,1234");
    ASSERT_TRUE(seal);
    EXPECT_EQ(seal->line(), QByteArray("#1998-05-12 14:03:27#,1234\r\n"));
}

TEST(Seal, WritesTheFilesTimeInUtc) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("varen.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("12345");
    file.close();
    const QDateTime when(QDate(1998, 5, 12), QTime(14, 3, 27), Qt::UTC);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(Seal::ofFile(path)->line(), QByteArray("#1998-05-12 14:03:27Z#,5\r\n"));
    EXPECT_TRUE(Seal::parse("#1998-05-12 14:03:27Z#,5")->agreesWith(*Seal::ofFile(path)));
}

TEST(Seal, ReadsBackWhatItWrote) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("varen.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("some records\r\n");
    file.close();
    const auto stamp = Seal::ofFile(path);
    ASSERT_TRUE(stamp);
    const auto again = Seal::parse(stamp->line());
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->agreesWith(*stamp));
}

TEST(Seal, AnOlderSealHoldingOnlyTheTimeStillCounts) {
    const auto old = Seal::parse("#1998-05-12 14:03:27#\r\n");
    const auto file = Seal::parse("#1998-05-12 14:03:27#,999");
    ASSERT_TRUE(old && file);
    EXPECT_TRUE(old->agreesWith(*file));
}

TEST(Seal, AnotherSizeOrSecondIsAnotherFile) {
    const auto seal = Seal::parse("#1998-05-12 14:03:27#,1234");
    ASSERT_TRUE(seal);
    EXPECT_FALSE(seal->agreesWith(*Seal::parse("#1998-05-12 14:03:27#,1235")));
    EXPECT_FALSE(seal->agreesWith(*Seal::parse("#1998-05-12 14:03:28#,1234")));
    EXPECT_FALSE(seal->agreesWith(*Seal::parse("#1998-05-13 14:03:27#,1234")));
}

TEST(Seal, RefusesWhatIsNotASeal) {
    for (const char* text :
         {"", "1998-05-12 14:03:27", "#1998-05-12#", "#1998-05-12 25:03:27#", "#1998-02-30 14:03:27#",
          "#1998-05-12 14:03:27#,", "#1998-05-12 14:03:27#,-4", "#1998-05-12 14:03:27#,12x",
          "#1998-05-12 14:03:27# trailing", "#1998-05-12 14:03:27Z#", "#1998-05-12 14:03:27Z#,x",
          "#1998-05-12 14:03:27#,99999999999999999999999"})
        EXPECT_FALSE(Seal::parse(text)) << text;
}

} // namespace
} // namespace tonalyst
