#include "records/PerformanceRecord.h"
#include "records/RecordParser.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

PerformanceRecord chordSpellingTest() {
    return PerformanceRecord::fromPending({QStringLiteral("test"), QStringLiteral("spell"),
                                           QStringLiteral("-1"), QStringLiteral("Triad :"), 12, 1, 3},
                                          QStringLiteral("AB"), QDate(1998, 5, 12));
}

TEST(RecordLine, IsWrittenExactlyAsTheDataFileExpects) {
    EXPECT_EQ(recordLine(chordSpellingTest()),
              QByteArray("\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n"));
}

TEST(RecordLine, ReadsBackAsTheSameRecord) {
    const ParsedRecord parsed = parseRecordLine(recordLine(chordSpellingTest()));
    ASSERT_TRUE(parsed.record) << parsed.reason.toStdString();
    EXPECT_EQ(*parsed.record, chordSpellingTest());
}

TEST(RecordLine, KeepsBlanksCommasAndAccentsInsideTexts) {
    PerformanceRecord record = chordSpellingTest();
    record.userId = QStringLiteral("Zoë, 2nd year");
    record.category = QStringLiteral("Flat-II (Neapolitan)");
    record.seconds = 0;
    const ParsedRecord parsed = parseRecordLine(recordLine(record));
    ASSERT_TRUE(parsed.record) << parsed.reason.toStdString();
    EXPECT_EQ(*parsed.record, record);
}

// Whatever a user ID or caption holds, the writer never leaves a line the reports
// cannot read back.
TEST(RecordLine, NeverWritesALineThatDoesNotReadBack) {
    const QString nasty[] = {
        QStringLiteral("A\"B"),      QStringLiteral("\""),           QStringLiteral("line\r\nbreak"),
        QStringLiteral("tab\there"), QStringLiteral("#1998-05-12#"), QString(QChar(0)),
        QString(QChar(0xd800)),      QString(5000, QChar(0x4e2d)),   QString(),
        QStringLiteral(",,,,,,,,,")};
    for (const QString& text : nasty) {
        PerformanceRecord record = chordSpellingTest();
        record.userId = text;
        record.category = text;
        record.seconds = -5;
        const QByteArray line = recordLine(record);
        const ParsedRecord parsed = parseRecordLine(line);
        EXPECT_TRUE(parsed.record) << parsed.reason.toStdString() << " for " << line.toStdString();
        EXPECT_TRUE(line.endsWith("\r\n"));
        EXPECT_EQ(line.count('\n'), 1);
    }
}

TEST(RecordLine, AQuoteInAUserIdIsWrittenAsAnApostrophe) {
    PerformanceRecord record = chordSpellingTest();
    record.userId = QStringLiteral("O\"Neil");
    EXPECT_TRUE(recordLine(record).startsWith("\"O'Neil\","));
}

struct Refusal {
    const char* name;
    QByteArray line;
};

class RecordParserRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(RecordParserRefuses, WithAReason) {
    const ParsedRecord parsed = parseRecordLine(GetParam().line);
    EXPECT_FALSE(parsed.record);
    EXPECT_FALSE(parsed.reason.isEmpty());
}

const QByteArray kGood = "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3";

QByteArray replaced(QByteArray line, QByteArrayView from, QByteArrayView to) {
    return line.replace(from, to);
}

INSTANTIATE_TEST_SUITE_P(
    MalformedLines, RecordParserRefuses,
    ::testing::Values(
        Refusal{"Empty", ""}, Refusal{"OnlyALineEnd", "\r\n"},
        Refusal{"TooFewFields", "\"AB\",#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1"},
        Refusal{"TooManyFields", kGood + ",4"}, Refusal{"TrailingComma", kGood + ","},
        Refusal{"NumberWhereTextBelongs", replaced(kGood, "\"test\"", "7")},
        Refusal{"TextWhereNumberBelongs", replaced(kGood, ",12,", ",\"12\",")},
        Refusal{"TextWhereDateBelongs", replaced(kGood, "#1998-05-12#", "\"1998-05-12\"")},
        Refusal{"NoSuchDay", replaced(kGood, "1998-05-12", "1998-02-30")},
        Refusal{"TwoDigitYear", replaced(kGood, "1998-05-12", "98-05-12")},
        Refusal{"DateWithTime", replaced(kGood, "1998-05-12", "1998-05-12 10:00:00")},
        Refusal{"UnclosedQuote", "\"AB,#1998-05-12#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3"},
        Refusal{"StrayQuoteInNumber", replaced(kGood, ",12,", ",1\"2,")},
        Refusal{"TextAfterClosingQuote", replaced(kGood, "\"AB\"", "\"A\"B\"")},
        Refusal{"UnclosedDate", replaced(kGood, "#1998-05-12#", "#1998-05-12")},
        Refusal{"FractionalSeconds", replaced(kGood, ",12,", ",12.5,")},
        Refusal{"BlankInNumber", replaced(kGood, ",12,", ", 12,")},
        Refusal{"HugeNumber", replaced(kGood, ",12,", ",99999999999999999999,")},
        Refusal{"LoneMinus", replaced(kGood, ",12,", ",-,")},
        Refusal{"HugeLine", "\"" + QByteArray(100000, 'x') + "\"," + kGood.sliced(5)},
        Refusal{"NulByte", replaced(kGood, "AB", QByteArrayView("A\0B", 3))},
        Refusal{"BinaryGarbage", QByteArray("\x7f\x45\x4c\x46\x02\x01\x01\x00\xff\xfe", 10)},
        Refusal{"InvalidUtf8", replaced(kGood, "AB", "A\xc3\x28")},
        Refusal{"LineBreakInside", replaced(kGood, "Triad :", "Triad\r\n:")}),
    [](const ::testing::TestParamInfo<Refusal>& param) { return std::string(param.param.name); });

TEST(RecordParser, AcceptsALineWithOrWithoutItsLineEnd) {
    EXPECT_TRUE(parseRecordLine(kGood).record);
    EXPECT_TRUE(parseRecordLine(kGood + "\r\n").record);
}

TEST(RecordParser, SurvivesEveryCutOfAGoodLine) {
    for (qsizetype length = 0; length < kGood.size(); ++length) {
        const ParsedRecord parsed = parseRecordLine(kGood.first(length));
        EXPECT_FALSE(parsed.record) << kGood.first(length).toStdString();
    }
}

} // namespace
} // namespace tonalyst
