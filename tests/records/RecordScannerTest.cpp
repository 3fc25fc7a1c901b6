#include "records/RecordScanner.h"
#include "records/RecordParser.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

QByteArray recordWith(const QByteArray& userId, const QByteArray& date, const QByteArray& category,
                      const QByteArray& numbers = "12,1,3") {
    return '"' + userId + "\",#" + date + "#,\"test\",\"spell\",\"-1\",\"" + category + "\"," + numbers;
}

// The quick reading of `line` alone and followed by another line, as a slice of a file
// holds it, where the record must stop at the line's end: nullopt where either refuses,
// and the two must agree.
std::optional<RecordView> scanned(const QByteArray& line) {
    const auto alone = scanRecordLine(line);
    const QByteArray inFile = line + "\r\n" + recordWith("\xc3\xa9\xc3\xa9", "1998-05-12", "Triad :");
    RecordView view;
    const char* stop = scanRecord(inFile.constData(), inFile.constData() + inFile.size(), view);
    const bool wholeLine = stop && stop - inFile.constData() == line.size();
    EXPECT_EQ(alone.has_value(), wholeLine) << line.toStdString();
    if (!alone || !wholeLine)
        return std::nullopt;
    EXPECT_EQ(view.userId, alone->userId);
    EXPECT_EQ(view.category, alone->category);
    return alone;
}

// Whatever the quick reading accepts, the full reader reads the same way.
void expectReadAlike(const std::optional<RecordView>& quick, const QByteArray& line) {
    if (!quick)
        return;
    const ParsedRecord full = parseRecordLine(line);
    ASSERT_TRUE(full.record) << line.toStdString();
    EXPECT_EQ(quick->userId, full.record->userId.toUtf8());
    EXPECT_EQ(quick->category, full.record->category.toUtf8());
    EXPECT_EQ(quick->dateKey, dateKey(full.record->date));
    EXPECT_EQ(quick->seconds, full.record->seconds);
    EXPECT_EQ(quick->success, full.record->success);
    EXPECT_EQ(quick->accidentals, full.record->accidentals);
}

enum class Verdict { Read, Refused, LeftToFullReader };

struct OddText {
    QByteArray bytes;
    Verdict verdict;
};

// Texts are looked at eight and sixteen bytes at a time, so an odd byte or character is
// put at every place of texts long and short enough to end in either word.
TEST(RecordScanner, ReadsATextAsTheFullReaderDoesWhereverAnOddCharacterFalls) {
    const OddText odd[] = {
        {"\xc3\xa9", Verdict::Read},                 // é
        {"\xe5\xad\xa6", Verdict::Read},             // a CJK character
        {"\xf0\x9f\x8e\xb5", Verdict::Read},         // a musical note, four bytes
        {",", Verdict::Read},                        // a comma inside quotes
        {"\x01", Verdict::Refused},                  // control characters, the lowest,
        {"\t", Verdict::Refused},                    // a tab
        {"\x1f", Verdict::Refused},                  // and the highest
        {"\x7f", Verdict::Refused},                  // DEL
        {"\"", Verdict::Refused},                    // a stray quote
        {"\x80", Verdict::Refused},                  // a continuation byte alone
        {"\xc3", Verdict::Refused},                  // a lead byte without its continuation
        {"\xe9", Verdict::Refused},                  // Latin-1
        {"\xed\xa0\x80", Verdict::Refused},          // a surrogate
        {"\xc0\xaf", Verdict::Refused},              // an overlong slash
        {"\xef\xbb\xbf", Verdict::LeftToFullReader}, // a byte-order mark
        {"\xef\xbf\xbe", Verdict::LeftToFullReader}, // a noncharacter
    };
    for (const OddText& text : odd) {
        for (int length = 0; length <= 24; ++length) {
            for (int at = 0; at <= length; ++at) {
                QByteArray plain(length, 'a');
                const QByteArray withOdd = plain.insert(at, text.bytes);
                for (const QByteArray& line : {recordWith(withOdd, "1998-05-12", "Triad :"),
                                               recordWith("AB", "1998-05-12", withOdd)}) {
                    const auto quick = scanned(line);
                    expectReadAlike(quick, line);
                    if (text.verdict == Verdict::Read)
                        EXPECT_TRUE(quick) << line.toStdString();
                    else if (text.verdict == Verdict::Refused)
                        EXPECT_FALSE(parseRecordLine(line).record) << line.toStdString();
                    else
                        EXPECT_FALSE(quick) << line.toStdString();
                }
            }
        }
    }
}

// The date's eight leading bytes are checked at once, so each byte is given its neighbours
// just outside the digits and the dash.
TEST(RecordScanner, ReadsADateAsTheFullReaderDoes) {
    for (const char* year : {"0000", "0001", "1900", "1998", "2000", "2024", "9999"}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                const QByteArray date = QByteArray(year) + '-' +
                                        QByteArray::number(month).rightJustified(2, '0') + '-' +
                                        QByteArray::number(day).rightJustified(2, '0');
                const QByteArray line = recordWith("AB", date, "Triad :");
                const auto quick = scanned(line);
                EXPECT_EQ(quick.has_value(), parseRecordLine(line).record.has_value()) << date.toStdString();
                expectReadAlike(quick, line);
            }
        }
    }
    for (int place = 0; place < 10; ++place) {
        for (const char replacement : {'/', ':', '-', '0', ' ', '\xb0'}) {
            QByteArray date = "1998-05-12";
            date[place] = replacement;
            const QByteArray line = recordWith("AB", date, "Triad :");
            const auto quick = scanned(line);
            EXPECT_EQ(quick.has_value(), parseRecordLine(line).record.has_value()) << date.toStdString();
            expectReadAlike(quick, line);
        }
    }
}

TEST(RecordScanner, ReadsTheNumbersAsTheFullReaderDoes) {
    const QByteArray numbers[] = {"0",  "-0", "9",         "-1",  "123456789", "-123456789", "1234567890",
                                  "",   "-",  "1-",        "+1",  "01",        "1 ",         "--1",
                                  "1a", "a1", "999999999", "1.5", "\xd9\xa1"};
    for (int place = 0; place < 3; ++place) {
        for (const QByteArray& number : numbers) {
            QList<QByteArray> three{"12", "1", "3"};
            three[place] = number;
            const QByteArray line = recordWith("AB", "1998-05-12", "Triad :", three.join(','));
            const auto quick = scanned(line);
            EXPECT_EQ(quick.has_value(), parseRecordLine(line).record.has_value()) << line.toStdString();
            expectReadAlike(quick, line);
        }
    }
}

TEST(RecordScanner, StopsAtTheRecordsEndWhateverFollows) {
    const QByteArray record = recordWith("Zo\xc3\xab", "1998-05-12", "V7 of");
    for (const QByteArray& after : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r"),
                                    QByteArray(",4\r\n"), QByteArray("\"x\"\r\n"), QByteArray()}) {
        const QByteArray bytes = record + after;
        RecordView view;
        const char* stop = scanRecord(bytes.constData(), bytes.constData() + bytes.size(), view);
        ASSERT_NE(stop, nullptr) << after.toStdString();
        EXPECT_EQ(stop - bytes.constData(), record.size());
        EXPECT_EQ(view.userId, QByteArrayView("Zo\xc3\xab"));
        EXPECT_EQ(view.accidentals, 3);
    }
}

} // namespace
} // namespace tonalyst
