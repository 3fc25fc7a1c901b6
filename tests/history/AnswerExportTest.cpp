#include "history/AnswerExport.h"
#include "history/CsvField.h"

#include "HistoryTestKit.h"
#include "support/TempLocations.h"
#include "theory/NoteNames.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace tonalyst::test {
namespace {

// Splits RFC 4180 text into rows of fields, quotes and line breaks within fields kept.
QList<QStringList> parseCsv(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << std::exchange(field, {});
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << std::exchange(field, {});
            rows << std::exchange(row, {});
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

// Answers read back from a real history file, written as the commands write them, by a
// program whose student names notes in German: files keep English letters all the same
// (Ab3, not As3; B3, not H3).
class AnswerExportTest : public ::testing::Test {
protected:
    AnswerExportTest() {
        setNoteNaming(NoteNaming::German);
        AnswerRecord quoted = answerAt(QStringLiteral("O'Brien, \"Bo\"\nsecond line"), utc(2, 23, 59), false);
        quoted.given = QStringLiteral("Seventh : / V7");
        quoted.right = QStringLiteral("V7 of / IV (or iv)");
        AnswerRecord formula =
            answerAt(QStringLiteral("=HYPERLINK(\"http://x.example\",\"grades\")"), utc(3, 8));
        formula.item = QStringLiteral("@SUM(A1)");
        formula.given = QStringLiteral("+1");
        // Names heard in a key: commas within a field, and ♭, ♯, ° and ø as they are.
        AnswerRecord heard = answerAt(QStringLiteral("Zoë"), utc(4, 9), false);
        heard.activity = QStringLiteral("progression");
        heard.category = QStringLiteral("major");
        heard.item = heard.right = QStringLiteral("I, ♭VI, vii°7/V, V");
        heard.given = QStringLiteral("I, ♯iv°, viiø7/V, V");
        heard.played = QStringLiteral("C3 E4 G4 | Ab3 C4 Eb4 | F#3 A3 C4 Eb4 | G3 B3 D4");
        answers = {answerAt(QStringLiteral("AB"), utc(1, 9)), quoted, formula, heard};
        QString notice;
        EXPECT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
        QString error;
        EXPECT_TRUE(history.append(answers, error)) << error.toStdString();
    }

    QByteArray exported(const AnswerRecord& answer, AnswerFormat format) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QString error;
        qint64 written = 0;
        EXPECT_TRUE(exportAnswers(history, {answer.userId, {}, {}, {}}, format, buffer, error, &written))
            << error.toStdString();
        EXPECT_EQ(written, 1);
        return buffer.data();
    }

    ~AnswerExportTest() override { setNoteNaming(NoteNaming::English); }

    TempLocations files;
    HistoryStore history{HistoryStore::pathIn(files.dataDir())};
    std::vector<AnswerRecord> answers;
};

TEST_F(AnswerExportTest, CsvQuotesWhatNeedsItAndNoFieldOpensAFormula) {
    for (const AnswerRecord& answer : answers) {
        const QByteArray csv = exported(answer, AnswerFormat::Csv);
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv));
        ASSERT_EQ(rows.size(), 2) << csv.toStdString();
        const QStringList& header = rows[0];
        ASSERT_EQ(rows[1].size(), header.size());
        auto field = [&](const char* name) { return rows[1][header.indexOf(QLatin1String(name))]; };
        EXPECT_EQ(field("answer_id"), answer.answerId);
        EXPECT_EQ(field("answered_utc"), answer.answeredUtc.toString(Qt::ISODateWithMs));
        EXPECT_EQ(field("result"), answer.correct ? QStringLiteral("right") : QStringLiteral("wrong"));
        EXPECT_EQ(field("right"), answer.right);
        EXPECT_EQ(field("attempt"), QStringLiteral("1"));
        EXPECT_EQ(field("in_data_file"),
                  answer.inDataFile ? QStringLiteral("true") : QStringLiteral("false"));
        // Every field that a spreadsheet would run is led by an apostrophe, -1 too.
        EXPECT_EQ(field("inversions"), QStringLiteral("'-1"));
        for (const QString& text : rows[1])
            EXPECT_FALSE(QStringLiteral("=+-@\t\r").contains(text.isEmpty() ? QChar(u'x') : text.front()))
                << text.toStdString();
        const auto guarded = [](const QString& text) {
            return QStringLiteral("=+-@").contains(text.front()) ? QLatin1Char('\'') + text : text;
        };
        EXPECT_EQ(field("user_id"), guarded(answer.userId));
        EXPECT_EQ(field("item"), guarded(answer.item));
        EXPECT_EQ(field("given"), guarded(answer.given));
        // Last, so that readers of the columns before it read on as they did.
        EXPECT_EQ(header.back(), QStringLiteral("played"));
        EXPECT_EQ(field("played"), answer.played);
    }
    // Unquoted where nothing needs quoting.
    EXPECT_TRUE(exported(answers[0], AnswerFormat::Csv).contains(",AB,"));
}

TEST_F(AnswerExportTest, JsonLinesKeepEveryTextExactly) {
    for (const AnswerRecord& answer : answers) {
        const QList<QByteArray> lines = exported(answer, AnswerFormat::JsonLines).split('\n');
        ASSERT_EQ(lines.size(), 2);
        EXPECT_TRUE(lines[1].isEmpty());
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(lines[0], &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[0].toStdString();
        EXPECT_EQ(object[QStringLiteral("user_id")].toString(), answer.userId);
        EXPECT_EQ(object[QStringLiteral("item")].toString(), answer.item);
        EXPECT_EQ(object[QStringLiteral("given")].toString(), answer.given);
        EXPECT_EQ(object[QStringLiteral("played")].toString(), answer.played);
        EXPECT_EQ(object[QStringLiteral("inversions")].toString(), QStringLiteral("-1"));
        EXPECT_EQ(object[QStringLiteral("seconds")].toInt(), 7);
        EXPECT_EQ(object[QStringLiteral("accidentals")].toInt(), 3);
        EXPECT_EQ(object[QStringLiteral("imported")].toBool(true), false);
        EXPECT_EQ(object[QStringLiteral("result")].toString(),
                  answer.correct ? QStringLiteral("right") : QStringLiteral("wrong"));
    }
}

TEST(CsvField, QuotesLineBreaksAndLeadsFormulasWithAnApostrophe) {
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("AB"), QStringLiteral("AB")},
        {QString(), QString()},
        {QStringLiteral("a=b"), QStringLiteral("a=b")},
        {QStringLiteral("=1+2"), QStringLiteral("'=1+2")},
        {QStringLiteral("+1"), QStringLiteral("'+1")},
        {QStringLiteral("-"), QStringLiteral("'-")},
        {QStringLiteral("@x"), QStringLiteral("'@x")},
        {QStringLiteral("\tx"), QStringLiteral("'\tx")},
        {QStringLiteral("\rx"), QStringLiteral("\"'\rx\"")},
        {QStringLiteral("=A1,\"B\""), QStringLiteral("\"'=A1,\"\"B\"\"\"")},
        {QStringLiteral("Lee, \"Jo\""), QStringLiteral("\"Lee, \"\"Jo\"\"\"")},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(csvField(text), field) << text.toStdString();
}

} // namespace
} // namespace tonalyst::test
