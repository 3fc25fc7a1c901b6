#include "ReportSixPasses.h"

#include "records/RecordLimits.h"
#include "records/ReportCompiler.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include <sys/stat.h>

namespace tonalyst {
namespace {

// Two users, both methods, every category, all three kinds of interval question, key
// signatures, and records just outside 6 to 12 May 1998.
const QByteArray kHandMadeFile =
    "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n"
    "\"AB\",#1998-05-06#,\"test\",\"identify\",\"0\",\"Triad :\",13,0,2\r\n"
    "\"AB\",#1998-05-08#,\"practice\",\"eartraining\",\"0\",\"Triad :\",10,1,0\r\n"
    "\"AB\",#1998-05-09#,\"test\",\"spell\",\"0\",\"Seventh :\",20,1,4\r\n"
    "\"AB\",#1998-05-09#,\"test\",\"identify\",\"-1\",\"V7 of\",9,1,1\r\n"
    "\"AB\",#1998-05-10#,\"practice\",\"spell\",\"-1\",\"vii-dim7 of\",15,0,5\r\n"
    "\"AB\",#1998-05-10#,\"test\",\"identify\",\"-1\",\"Augmented 6 :\",8,1,2\r\n"
    "\"AB\",#1998-05-11#,\"test\",\"spell\",\"-1\",\"Flat-II (Neapolitan)\",0,1,3\r\n"
    "\"AB\",#1998-05-11#,\"test\",\"intid\",\"-1\",\"Major 3rd\",6,1,0\r\n"
    "\"AB\",#1998-05-11#,\"practice\",\"intspell\",\"-1\",\"Triad :\",7,0,1\r\n"
    "\"AB\",#1998-05-12#,\"test\",\"eartraining\",\"-1\",\"interval\",5,1,0\r\n"
    "\"AB\",#1998-05-12#,\"test\",\"keysigid\",\"-1\",\"major :\",4,1,6\r\n"
    "\"AB\",#1998-05-12#,\"practice\",\"keysigid\",\"-1\",\"minor :\",3,0,2\r\n"
    "\"AB\",#1998-05-05#,\"test\",\"spell\",\"-1\",\"Triad :\",100,1,7\r\n"
    "\"AB\",#1998-05-13#,\"test\",\"spell\",\"-1\",\"Triad :\",100,1,7\r\n"
    "\"CD\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",50,1,1\r\n"
    "\"ab\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",50,1,1\r\n";

ReportQuery query(const QString& method = {}) {
    return {QStringLiteral("AB"), QDate(1998, 5, 6), QDate(1998, 5, 12), method};
}

class ReportFile : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("varen.dat")) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(ReportFile, CountsEveryColumnOfAHandMadeFileAsWorkedOutByHand) {
    const auto figures = compileReport(write(kHandMadeFile), query());
    ASSERT_TRUE(figures);
    const auto& c = figures->categories;
    // attempts, spelling, identification, ear training, inversions on, successes, seconds, accidentals
    EXPECT_EQ(c[0], (CategoryTally{3, 1, 1, 1, 2, 2, 35, 5}));
    EXPECT_EQ(c[1], (CategoryTally{1, 1, 0, 0, 1, 1, 20, 4}));
    EXPECT_EQ(c[2], (CategoryTally{1, 0, 1, 0, 0, 1, 9, 1}));
    EXPECT_EQ(c[3], (CategoryTally{1, 1, 0, 0, 0, 0, 15, 5}));
    EXPECT_EQ(c[4], (CategoryTally{1, 0, 1, 0, 0, 1, 8, 2}));
    EXPECT_EQ(c[5], (CategoryTally{1, 1, 0, 0, 0, 1, 0, 3}));
    // identification, spelling, ear training, successes, seconds
    EXPECT_EQ(figures->intervals, (IntervalTally{1, 1, 1, 2, 18}));
    EXPECT_EQ(figures->keySignatures, (KeySignatureTally{2, 1, 7}));
    EXPECT_EQ(figures->overallAttempts(), 13);
    EXPECT_EQ(figures->overallSuccesses(), 9);
    EXPECT_EQ(figures->overallSeconds(), 112);
    EXPECT_EQ(figures->recordCount, 17);
}

TEST_F(ReportFile, ATestReportLeavesPracticeOut) {
    const auto figures = compileReport(write(kHandMadeFile), query(QStringLiteral("test")));
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->categories[0], (CategoryTally{2, 1, 1, 0, 1, 1, 25, 5}));
    EXPECT_EQ(figures->categories[3].attempts, 0);
    EXPECT_EQ(figures->intervals, (IntervalTally{1, 0, 1, 2, 11}));
    EXPECT_EQ(figures->keySignatures, (KeySignatureTally{1, 1, 4}));
    EXPECT_EQ(figures->recordCount, 17);
}

TEST_F(ReportFile, AUserWithoutRecordsGetsNothingButTheRecordCount) {
    ReportQuery nobody = query();
    nobody.userId = QStringLiteral("XY");
    const auto figures = compileReport(write(kHandMadeFile), nobody);
    ASSERT_TRUE(figures);
    ReportFigures empty;
    empty.recordCount = 17;
    EXPECT_EQ(*figures, empty);
}

QByteArray pick(QRandomGenerator& random, std::initializer_list<const char*> choices) {
    return QByteArray(*(choices.begin() + random.bounded(static_cast<int>(choices.size()))));
}

// Files shaped like real ones, with the odd accented name, blank line and missing last
// line end that only the careful reader handles.
QByteArray generatedFile(quint32 seed, int records) {
    QRandomGenerator random(seed);
    QByteArray file;
    for (int i = 0; i < records; ++i) {
        if (random.bounded(50) == 0)
            file += "\r\n";
        const QDate date = QDate(1998, 5, 1).addDays(random.bounded(16));
        file += '"' + pick(random, {"AB", "AB", "CD", "Zo\xc3\xab"}) + "\",#" +
                date.toString(Qt::ISODate).toLatin1() + "#,\"" + pick(random, {"test", "practice"}) +
                "\",\"" +
                pick(random, {"spell", "identify", "intid", "intspell", "eartraining", "keysigid"}) +
                "\",\"" + pick(random, {"-1", "0"}) + "\",\"" +
                pick(random, {"Triad :", "Seventh :", "V7 of", "vii-dim7 of", "Augmented 6 :",
                              "Flat-II (Neapolitan)", "interval", "major :", "minor :", "Major 3rd"}) +
                "\"," + QByteArray::number(random.bounded(-2, 90)) + ',' +
                QByteArray::number(random.bounded(3)) + ',' + QByteArray::number(random.bounded(8)) + "\r\n";
    }
    file.chop(2);
    return file;
}

TEST_F(ReportFile, OnePassGivesExactlyTheFiguresOfSixPassesOnGeneratedFiles) {
    for (quint32 seed : {1u, 2u, 3u, 4u}) {
        const QByteArray bytes = generatedFile(seed, 3000);
        const QString path = write(bytes);
        for (const QString& method : {QString(), QStringLiteral("test"), QStringLiteral("practice")}) {
            const auto expected = test::compileInSixPasses(bytes, query(method));
            ASSERT_TRUE(expected);
            ASSERT_GT(expected->overallAttempts(), 0);
            // Slices of every size, so lines are cut at every possible place.
            for (qint64 slice : {1, 7, 100, 4096, 1 << 20}) {
                ReportCompiler compiler(query(method));
                ASSERT_TRUE(compiler.open(path));
                ReportCompiler::Progress progress = ReportCompiler::Progress::Working;
                while (progress == ReportCompiler::Progress::Working)
                    progress = compiler.step(slice);
                ASSERT_EQ(progress, ReportCompiler::Progress::Finished) << compiler.problem().toStdString();
                EXPECT_EQ(compiler.figures(), *expected) << "seed " << seed << " slice " << slice;
            }
        }
    }
}

TEST_F(ReportFile, ProgressClimbsToAHundredPercent) {
    const QString path = write(generatedFile(9, 2000));
    ReportCompiler compiler(query());
    ASSERT_TRUE(compiler.open(path));
    int last = compiler.percentDone();
    EXPECT_EQ(last, 0);
    std::vector<int> seen;
    while (compiler.step(4096) == ReportCompiler::Progress::Working) {
        EXPECT_GE(compiler.percentDone(), last);
        last = compiler.percentDone();
        seen.push_back(last);
    }
    EXPECT_EQ(compiler.percentDone(), 100);
    EXPECT_GT(seen.size(), 10u);
    EXPECT_LT(seen.front(), 50);
}

TEST_F(ReportFile, AnEmptyFileGivesAnEmptyReport) {
    const auto figures = compileReport(write({}), query());
    ASSERT_TRUE(figures);
    EXPECT_EQ(*figures, ReportFigures{});
}

TEST_F(ReportFile, RefusesFilesThatAreNotTonalystRecords) {
    const QByteArray good = "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n";
    const QByteArray bad[] = {
        "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\"\r\n",                        // too few fields
        "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",twelve,1,3\r\n", // a word for a number
        "\"AB\",\"1998-05-12\",\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n",   // a text for a date
        "\"AB\",#1998-02-30#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n",     // no such day
        "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3,4\r\n",   // ten fields
        QByteArray::fromHex("7f454c46020101000000fffe0a"),                          // binary
        " \r\n",
    };
    for (const QByteArray& line : bad) {
        QString problem;
        EXPECT_FALSE(compileReport(write(good + line + good), query(), &problem)) << line.toStdString();
        EXPECT_TRUE(problem.startsWith(QStringLiteral("line 2: "))) << problem.toStdString();
    }
}

TEST_F(ReportFile, GivesUpOnAHugeLineWithoutReadingItAll) {
    const QString path = write(QByteArray(50 << 20, 'x'));
    ReportCompiler compiler(query());
    ASSERT_TRUE(compiler.open(path));
    int steps = 0;
    ReportCompiler::Progress progress = ReportCompiler::Progress::Working;
    while (progress == ReportCompiler::Progress::Working && steps < 1000) {
        progress = compiler.step(1024);
        ++steps;
    }
    EXPECT_EQ(progress, ReportCompiler::Progress::Failed);
    EXPECT_LT(steps, 10);
}

TEST_F(ReportFile, AMissingFileOrAFolderCannotBeOpened) {
    QString problem;
    EXPECT_FALSE(compileReport(m_dir.filePath(QStringLiteral("absent.dat")), query(), &problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(compileReport(m_dir.path(), query(), &problem));
}

// Foreign shapes: a byte-order mark, lines ended by CR LF, LF or CR (one kind for the
// whole file, or mixed), unicode IDs for the user reported on, blank lines and, in some
// files, lines that are not records.
QByteArray variedFile(quint32 seed, int records, bool withBadLines) {
    QRandomGenerator random(seed);
    const QByteArray ends[] = {"\r\n", "\n", "\r"};
    const int fileEnd = random.bounded(4); // 3: mixed
    QByteArray file = random.bounded(2) ? "\xEF\xBB\xBF" : "";
    for (int i = 0; i < records; ++i) {
        const QByteArray end = ends[fileEnd == 3 ? random.bounded(3) : fileEnd];
        if (random.bounded(40) == 0)
            file += end;
        if (withBadLines && random.bounded(records / 2) == 0)
            file +=
                pick(random, {"\"AB\",#1998-05-12#,\"test\"", "Jos\xe9,#1998-05-12#", "\"AB\"\t,1,2"}) + end;
        const QDate date = QDate(1998, 5, 1).addDays(random.bounded(16));
        file += '"' + pick(random, {"Zo\xc3\xab", "Zo\xc3\xab", "AB", "\xe5\xad\xa6\xe7\x94\x9f", "Zoe"}) +
                "\",#" + date.toString(Qt::ISODate).toLatin1() + "#,\"" + pick(random, {"test", "practice"}) +
                "\",\"" +
                pick(random, {"spell", "identify", "intid", "intspell", "eartraining", "keysigid"}) +
                "\",\"" + pick(random, {"-1", "0"}) + "\",\"" +
                pick(random, {"Triad :", "Seventh :", "V7 of", "Augmented 6 :", "interval", "major :"}) +
                "\"," + QByteArray::number(random.bounded(90)) + ',' + QByteArray::number(random.bounded(2)) +
                ',' + QByteArray::number(random.bounded(8)) + end;
    }
    if (random.bounded(2))
        file.chop(1);
    return file;
}

TEST_F(ReportFile, TheFastReaderAgreesWithThePlainOneOnForeignShapes) {
    const ReportQuery zoe{QStringLiteral("Zo\u00eb"), QDate(1998, 5, 6), QDate(1998, 5, 12), {}};
    // Small files cut into slices of every size, and big ones shared out among threads.
    for (quint32 seed = 1; seed <= 24; ++seed) {
        const bool big = seed % 6 == 0;
        const QByteArray bytes = variedFile(seed, big ? 40000 : 400, seed % 3 == 0);
        const QString path = write(bytes);
        qint64 badLine = 0;
        const auto expected = test::compileInSixPasses(bytes, zoe, &badLine);
        for (qint64 slice :
             big ? std::vector<qint64>{1 << 16, qint64(1) << 30} : std::vector<qint64>{1, 7, 4096}) {
            ReportCompiler compiler(zoe);
            ASSERT_TRUE(compiler.open(path));
            ReportCompiler::Progress progress = ReportCompiler::Progress::Working;
            while (progress == ReportCompiler::Progress::Working)
                progress = compiler.step(slice);
            ASSERT_EQ(progress == ReportCompiler::Progress::Finished, expected.has_value())
                << "seed " << seed << ": " << compiler.problem().toStdString();
            if (expected) {
                EXPECT_GT(expected->overallAttempts(), 0);
                EXPECT_EQ(compiler.figures(), *expected) << "seed " << seed << " slice " << slice;
            } else {
                EXPECT_TRUE(compiler.problem().startsWith(QStringLiteral("line %1: ").arg(badLine)))
                    << "seed " << seed << ": " << compiler.problem().toStdString() << " (not line " << badLine
                    << ")";
            }
        }
    }
}

TEST_F(ReportFile, AByteOrderMarkAndCrOnlyLinesReadLikeTheFileTonalystWrites) {
    const auto expected = compileReport(write(kHandMadeFile), query());
    ASSERT_TRUE(expected);
    QByteArray crOnly = kHandMadeFile;
    crOnly.replace("\r\n", "\r");
    for (const QByteArray& bytes : {"\xEF\xBB\xBF" + kHandMadeFile, crOnly, "\xEF\xBB\xBF" + crOnly}) {
        QString problem;
        const auto figures = compileReport(write(bytes), query(), &problem);
        ASSERT_TRUE(figures) << problem.toStdString();
        EXPECT_EQ(*figures, *expected);
    }
}

TEST_F(ReportFile, AByteOrderMarkOpeningAFieldCountsAsThePlainReaderCountsIt) {
    const QByteArray bytes =
        "\"AB\",#1998-05-12#,\"test\",\"\xEF\xBB\xBFspell\",\"-1\",\"Triad :\",12,1,3\r\n";
    const auto figures = compileReport(write(bytes), query());
    ASSERT_TRUE(figures);
    EXPECT_EQ(*figures, *test::compileInSixPasses(bytes, query()));
}

TEST_F(ReportFile, ALineThatIsNotUtf8IsNamed) {
    const QByteArray good = "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n";
    const QByteArray latin1 = "\"Jos\xe9\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n";
    QString problem;
    EXPECT_FALSE(compileReport(write(good + good + latin1 + good), query(), &problem));
    EXPECT_EQ(problem, QStringLiteral("line 3: The line is not UTF-8 text."));
}

TEST_F(ReportFile, APipeOrADeviceIsRefusedAtOnce) {
    const QString pipe = m_dir.filePath(QStringLiteral("varen.dat"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {pipe, QStringLiteral("/dev/zero"), m_dir.path()}) {
        QString problem;
        EXPECT_FALSE(compileReport(path, query(), &problem)) << path.toStdString();
        EXPECT_EQ(problem, QStringLiteral("not a regular file"));
    }
}

ReportCompiler::Progress compileInSlices(ReportCompiler& compiler, qint64 slice) {
    ReportCompiler::Progress progress = ReportCompiler::Progress::Working;
    while (progress == ReportCompiler::Progress::Working)
        progress = compiler.step(slice);
    return progress;
}

// A slice reads on past its nominal end to the next line end, as far as the longest line
// allows: at a slice size of one, the line end of a line of the greatest length is the
// last byte read.
TEST_F(ReportFile, ALineOfTheGreatestLengthIsReadWholeWhereverASliceEnds) {
    const QByteArray good = "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3";
    const QByteArray tail = "\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3";
    const QByteArray longest = '"' + QByteArray(kMaxLineBytes - 1 - tail.size(), 'x') + tail;
    ASSERT_EQ(longest.size(), kMaxLineBytes);
    for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        const QByteArray fits = good + end + longest + end + good + end;
        const QByteArray tooLong = good + end + longest + 'x' + end + good + end;
        const QString fitsPath = write(fits, QStringLiteral("fits.dat"));
        const QString tooLongPath = write(tooLong, QStringLiteral("toolong.dat"));
        for (qint64 slice = 1; slice <= good.size() + 4; ++slice) {
            ReportCompiler compiler(query());
            ASSERT_TRUE(compiler.open(fitsPath));
            ASSERT_EQ(compileInSlices(compiler, slice), ReportCompiler::Progress::Finished)
                << "slice " << slice << ": " << compiler.problem().toStdString();
            EXPECT_EQ(compiler.figures(), *test::compileInSixPasses(fits, query())) << "slice " << slice;

            ReportCompiler refusing(query());
            ASSERT_TRUE(refusing.open(tooLongPath));
            EXPECT_EQ(compileInSlices(refusing, slice), ReportCompiler::Progress::Failed);
            EXPECT_EQ(refusing.problem(), QStringLiteral("line 2: The line is longer than 4096 bytes."))
                << "slice " << slice;
        }
    }
}

// Slices end after a line end, so in a file of CR-only lines a CR LF can be cut in two.
TEST_F(ReportFile, MixedLineEndsReadAlikeWhereverASliceEnds) {
    const QByteArray ends[] = {"\r", "\r\n", "\n", "\r\r\n", "\n\n"};
    for (const QByteArray& first : {QByteArray("\r"), QByteArray("\r\n"), QByteArray("\n")}) {
        QByteArray bytes = "\xEF\xBB\xBF";
        for (int i = 0; i < 24; ++i) {
            const QByteArray user = i % 3 ? QByteArray("AB") : QByteArray("\xe5\xad\xa6\xe7\x94\x9f");
            bytes += '"' + user + "\",#1998-05-1" + QByteArray::number(i % 3) +
                     "#,\"test\",\"spell\",\"0\",\"Seventh :\"," + QByteArray::number(i) + ",1,2" +
                     (i == 0 ? first : ends[i % 5]);
        }
        const QString path = write(bytes);
        const auto expected = test::compileInSixPasses(bytes, query());
        ASSERT_TRUE(expected);
        ASSERT_GT(expected->categories[1].attempts, 0);
        for (qint64 slice = 1; slice <= bytes.size(); ++slice) {
            ReportCompiler compiler(query());
            ASSERT_TRUE(compiler.open(path));
            ASSERT_EQ(compileInSlices(compiler, slice), ReportCompiler::Progress::Finished)
                << "slice " << slice << ": " << compiler.problem().toStdString();
            EXPECT_EQ(compiler.figures(), *expected) << "slice " << slice;
        }
    }
}

// Files big enough to be shared out among threads, with a line that is not UTF-8 on
// either side of the places where the parts may meet (two, four or eight parts).
TEST_F(ReportFile, TheFirstBadLineIsNamedWhicheverPartOfTheFileItFallsIn) {
    const QByteArray good = "\"Zo\xc3\xab\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n";
    const QByteArray latin1 = "\"Zo\xeb\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n";
    const int lines = 48000; // about 3 MB
    std::vector<int> badLines{1, lines};
    for (int eighth = 1; eighth < 8; ++eighth) {
        for (int offset : {-1, 0, 1, 2})
            badLines.push_back(lines * eighth / 8 + offset);
    }
    for (int bad : badLines) {
        QByteArray bytes;
        bytes.reserve(lines * good.size());
        for (int line = 1; line <= lines; ++line)
            bytes += line == bad || line == bad + lines / 3 ? latin1 : good;
        const QString path = write(bytes);
        for (qint64 slice : {qint64(1) << 30, qint64(1) << 20}) {
            ReportCompiler compiler(query());
            ASSERT_TRUE(compiler.open(path));
            EXPECT_EQ(compileInSlices(compiler, slice), ReportCompiler::Progress::Failed);
            EXPECT_EQ(compiler.problem(), QStringLiteral("line %1: The line is not UTF-8 text.").arg(bad))
                << "slice " << slice;
        }
    }
}

TEST_F(ReportFile, AFileCutShortWhileItIsReadFailsWithAMessage) {
    const QByteArray bytes = generatedFile(5, 20000);
    const QString path = write(bytes);
    ReportCompiler compiler(query());
    ASSERT_TRUE(compiler.open(path));
    ASSERT_EQ(compiler.step(4096), ReportCompiler::Progress::Working);
    ASSERT_TRUE(QFile::resize(path, bytes.size() / 2));
    EXPECT_EQ(compileInSlices(compiler, 1 << 20), ReportCompiler::Progress::Failed);
    EXPECT_FALSE(compiler.problem().isEmpty());
}

TEST(ReportCompiler, ReadsFromAnyRandomAccessDevice) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(kHandMadeFile);
    ReportCompiler compiler(query());
    ASSERT_TRUE(compiler.open(std::move(buffer)));
    while (compiler.step(64) == ReportCompiler::Progress::Working) {
    }
    EXPECT_EQ(compiler.figures().recordCount, 17);
}

} // namespace
} // namespace tonalyst
