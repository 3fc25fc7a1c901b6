#include "history/AnswerExport.h"

#include "HistoryTestKit.h"

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

std::vector<AnswerRecord> awkwardAnswers() {
    AnswerRecord quoted = answerAt(QStringLiteral("O'Brien, \"Bo\"\nsecond line"), utc(2, 23, 59), false);
    quoted.given = QStringLiteral("Seventh : / V7");
    quoted.right = QStringLiteral("V7 of / IV (or iv)");
    return {answerAt(QStringLiteral("AB"), utc(1, 9)), quoted};
}

TEST(AnswerExport, CsvHasAHeaderAndQuotesWhatNeedsIt) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const std::vector<AnswerRecord> answers = awkwardAnswers();
    writeAnswersCsv(buffer, answers);
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(buffer.data()));
    ASSERT_EQ(rows.size(), 3);
    const QStringList& header = rows[0];
    ASSERT_EQ(rows[1].size(), header.size());
    ASSERT_EQ(rows[2].size(), header.size());
    auto field = [&](int row, const char* name) { return rows[row][header.indexOf(QLatin1String(name))]; };
    EXPECT_EQ(field(1, "user_id"), QStringLiteral("AB"));
    EXPECT_EQ(field(1, "result"), QStringLiteral("right"));
    EXPECT_EQ(field(1, "given"), field(1, "right"));
    EXPECT_EQ(field(1, "answered_utc"), QStringLiteral("2026-03-01T09:00:00.000Z"));
    EXPECT_EQ(field(2, "user_id"), answers[1].userId);
    EXPECT_EQ(field(2, "result"), QStringLiteral("wrong"));
    EXPECT_EQ(field(2, "right"), QStringLiteral("V7 of / IV (or iv)"));
    EXPECT_EQ(field(2, "attempt"), QStringLiteral("1"));
    // Unquoted where nothing needs quoting.
    EXPECT_TRUE(buffer.data().contains(",AB,"));
}

TEST(AnswerExport, JsonLinesHoldOneAnswerPerLine) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const std::vector<AnswerRecord> answers = awkwardAnswers();
    writeAnswersJsonLines(buffer, answers);
    const QList<QByteArray> lines = buffer.data().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[2].isEmpty());
    for (int i = 0; i < 2; ++i) {
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(lines[i], &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[i].toStdString();
        EXPECT_EQ(object[QStringLiteral("user_id")].toString(), answers[static_cast<std::size_t>(i)].userId);
        EXPECT_EQ(object[QStringLiteral("given")].toString(), answers[static_cast<std::size_t>(i)].given);
        EXPECT_EQ(object[QStringLiteral("seconds")].toInt(), 7);
        EXPECT_EQ(object[QStringLiteral("imported")].toBool(), false);
    }
    EXPECT_EQ(QJsonDocument::fromJson(lines[0]).object()[QStringLiteral("result")].toString(),
              QStringLiteral("right"));
}

} // namespace
} // namespace tonalyst::test
