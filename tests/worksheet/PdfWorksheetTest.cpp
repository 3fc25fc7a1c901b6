// Worksheets printed to real PDF files and read back with the poppler tools.
#include "worksheet/PdfWorksheetPrinter.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetCommand.h"
#include "worksheet/WorksheetPaper.h"

#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tonalyst {
namespace {

struct Printed {
    int status;
    std::string err;
};

class PdfWorksheet : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    Printed print(std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        PdfWorksheetPrinter printer;
        const int status = runWorksheetCommand(args, out, err, &printer);
        EXPECT_TRUE(out.str().empty());
        return {status, err.str()};
    }

    static QString run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static QString text(const QString& file, int first = 0, int last = 0) {
        QStringList arguments;
        if (first > 0)
            arguments << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l")
                      << QString::number(last);
        // Spacing as read back is not the spacing written: compare words.
        return run(QStringLiteral("pdftotext"), arguments << file << QStringLiteral("-")).simplified();
    }
    static QString info(const QString& file, const QString& field) {
        const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                      QRegularExpression::MultilineOption);
        return line.match(run(QStringLiteral("pdfinfo"), {file})).captured(1).trimmed();
    }

    // The worksheet the same options make, to compare the printed text against.
    static Worksheet sheetFor(const std::vector<std::string>& args) {
        std::string error;
        const auto options = parseWorksheetOptions(args, error);
        EXPECT_TRUE(options.has_value()) << error;
        const auto sheet = makeWorksheet(*options, error);
        EXPECT_TRUE(sheet.has_value()) << error;
        return *sheet;
    }

    QTemporaryDir m_dir;
};

TEST_F(PdfWorksheet, QuestionsFillSeveralPagesAndTheAnswerKeyHasTheLastOneToItself) {
    const QString file = path(QStringLiteral("chords.pdf"));
    const std::vector<std::string> args{"--activity", "chord-id", "--count", "23", "--seed", "7",
                                        "--key-display", "both", "--pdf", file.toStdString()};
    const Printed printed = print(args);
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(info(file, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));
    const int pages = info(file, QStringLiteral("Pages")).toInt();
    ASSERT_EQ(pages, 4); // ten questions to a page, then the key

    const Worksheet sheet = sheetFor(args);
    const QString first = text(file, 1, 1);
    EXPECT_TRUE(first.contains(QStringLiteral("Tonalyst worksheet: Chord Identification")));
    EXPECT_TRUE(first.contains(QStringLiteral("Page 1 of 4")));
    EXPECT_TRUE(first.contains(QStringLiteral("1. ") + QString::fromStdString(sheet.items[0].question.keyText).simplified()));
    EXPECT_FALSE(first.contains(QStringLiteral("11. ")));
    const QString questions = text(file, 1, pages - 1);
    for (std::size_t i = 0; i < sheet.items.size(); ++i)
        EXPECT_TRUE(questions.contains(QStringLiteral("%1. ").arg(i + 1))) << i + 1;
    EXPECT_FALSE(questions.contains(QStringLiteral("Answer key")));

    const QString key = text(file, pages, pages);
    EXPECT_TRUE(key.contains(QStringLiteral("Answer key")));
    EXPECT_TRUE(key.contains(QStringLiteral("Page 4 of 4")));
    for (std::size_t i = 0; i < sheet.items.size(); ++i) {
        const QString answer =
            QString::fromStdString(worksheetPaperAnswer(sheet, sheet.items[i])).simplified();
        EXPECT_TRUE(key.contains(QStringLiteral("%1. %2").arg(i + 1).arg(answer))) << answer.toStdString();
    }
}

TEST_F(PdfWorksheet, LetterPaperAndALongKeyThatRunsOverSeveralPages) {
    const QString file = path(QStringLiteral("letter.pdf"));
    const Printed printed = print({"--activity", "chord-spell", "--count", "300", "--seed", "3", "--chords", "all",
                                   "--inversions", "figured", "--paper", "letter", "--pdf", file.toStdString()});
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(info(file, QStringLiteral("Page size")), QStringLiteral("612 x 792 pts (letter)"));
    const int pages = info(file, QStringLiteral("Pages")).toInt();
    // pdftotext ends each page with a form feed.
    const QStringList pageTexts = run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")})
                                      .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pageTexts.size(), pages);
    const QString all = pageTexts.join(QLatin1Char(' ')).simplified();
    EXPECT_TRUE(all.contains(QStringLiteral("Page %1 of %1").arg(pages)));
    // The key starts on a page of its own and carries on to the end.
    int keyPages = 0;
    for (int page = 1; page <= pages; ++page) {
        if (pageTexts[page - 1].contains(QStringLiteral("Answer key")))
            ++keyPages;
        else
            EXPECT_EQ(keyPages, 0) << "a question page after the key, page " << page;
    }
    EXPECT_GE(keyPages, 2);
    EXPECT_TRUE(all.contains(QStringLiteral("300. ")));
}

// Words as pdftotext places them, in points from the page's top left.
struct PlacedWord {
    QString text;
    QRectF box;
};
std::vector<PlacedWord> placedWords(const QString& bboxHtml) {
    std::vector<PlacedWord> words;
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto match = word.globalMatch(bboxHtml); match.hasNext();) {
        const auto m = match.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

TEST_F(PdfWorksheet, EveryActivityPrintsASheetToHandOutAsItIs) {
    const std::vector<std::string> activities{"keysig",      "chord-spell", "chord-id",    "interval-spell",
                                              "interval-id", "chord-ear",   "interval-ear"};
    for (const std::string& activity : activities) {
        for (const std::string paper : {"a4", "letter"}) {
            SCOPED_TRACE(activity + " " + paper);
            const QString file = path(QString::fromStdString(activity + "-" + paper + ".pdf"));
            const std::vector<std::string> args{
                "--activity", activity,     "--count",       "12",
                "--seed",     "4000000000", "--key-display", "both",
                "--chords",   "all",        "--inversions",  "figured",
                "--paper",    paper,        "--pdf",         file.toStdString()};
            const Printed printed = print(args);
            ASSERT_EQ(printed.status, 0) << printed.err;
            const Worksheet sheet = sheetFor(args);
            const int pages = info(file, QStringLiteral("Pages")).toInt();
            ASSERT_GE(pages, 2);

            const QString first = text(file, 1, 1);
            for (const char* field : {"Name", "Class", "Date"})
                EXPECT_TRUE(first.contains(QLatin1String(field))) << field;
            EXPECT_TRUE(first.contains(QString::fromStdString(worksheetInstruction(sheet))));
            EXPECT_TRUE(first.contains(QString::fromStdString(worksheetHeading(sheet))));

            const QString questions = text(file, 1, pages - 1);
            // Nor the window's words: its seed, its entry prompts, its figured-bass captions.
            for (const char* windowWords :
                 {"seed", "4000000000", "Enter the", "Sounded", "-dim", "5-3", "6-3", "6-4"})
                EXPECT_FALSE(questions.contains(QLatin1String(windowWords))) << windowWords;
            const int answerLines =
                static_cast<int>(questions.count(QRegularExpression(QStringLiteral("\\bAnswer\\b"))));
            EXPECT_EQ(answerLines, worksheetAnswersInWords(sheet.options.activity) ? 12 : 0);

            const QString key = text(file, pages, pages);
            EXPECT_TRUE(key.contains(QStringLiteral("(seed 4000000000)")));
            for (std::size_t i = 0; i < sheet.items.size(); ++i) {
                const QString answer = QString::fromStdString(worksheetPaperAnswer(sheet, sheet.items[i]));
                EXPECT_TRUE(key.contains(QStringLiteral("%1. %2").arg(i + 1).arg(answer.simplified())))
                    << answer.toStdString();
            }

            // Nothing runs off the printable area: no word is cut at the page's edge.
            const QString html =
                run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
            const QRegularExpression pageSize(
                QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
            const auto size = pageSize.match(html);
            ASSERT_TRUE(size.hasMatch());
            const QRectF printable = QRectF(0, 0, size.captured(1).toDouble(), size.captured(2).toDouble())
                                         .adjusted(40, 40, -40, -40);
            const std::vector<PlacedWord> words = placedWords(html);
            EXPECT_GT(words.size(), 50u);
            for (const PlacedWord& word : words)
                EXPECT_TRUE(printable.contains(word.box)) << word.text.toStdString();
        }
    }
}

TEST_F(PdfWorksheet, AnUnwritableFileIsReportedAndLeavesNothingBehind) {
    const QString file = path(QStringLiteral("missing/folder/sheet.pdf"));
    const Printed printed = print({"--count", "3", "--pdf", file.toStdString()});
    EXPECT_EQ(printed.status, 1);
    EXPECT_NE(printed.err.find("cannot write"), std::string::npos) << printed.err;
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(PdfWorksheet, PaperWithoutAPdfOrAPdfWithJsonIsRefused) {
    EXPECT_EQ(print({"--paper", "letter"}).status, 2);
    EXPECT_EQ(print({"--paper", "a5", "--pdf", path(QStringLiteral("x.pdf")).toStdString()}).status, 2);
    EXPECT_EQ(print({"--json", "--pdf", path(QStringLiteral("x.pdf")).toStdString()}).status, 2);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.pdf"))));
}

} // namespace
} // namespace tonalyst
