#include "records/RecordParser.h"

#include "records/RecordLimits.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <array>
#include <vector>

namespace tonalyst {

namespace {

enum class FieldKind { Text, Date, Bare };

struct Field {
    FieldKind kind;
    QByteArrayView content;
};

constexpr int kFieldCount = 9;
constexpr std::array<FieldKind, kFieldCount> kExpectedKinds{
    FieldKind::Text, FieldKind::Date, FieldKind::Text, FieldKind::Text, FieldKind::Text,
    FieldKind::Text, FieldKind::Bare, FieldKind::Bare, FieldKind::Bare};

ParsedRecord refusal(const QString& reason) {
    return {std::nullopt, reason};
}

QByteArrayView withoutLineEnd(QByteArrayView line) {
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool hasControlBytes(QByteArrayView line) {
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            return true;
    }
    return false;
}

bool isValidUtf8(QByteArrayView line) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(line);
    return !decoder.hasError();
}

// Splits the line at the commas between fields. A field opened by a quote or a number
// sign runs to the matching closing character, which must end the field.
std::optional<QString> splitFields(QByteArrayView line, std::vector<Field>& fields) {
    qsizetype pos = 0;
    while (true) {
        if (static_cast<int>(fields.size()) == kFieldCount)
            return QCoreApplication::translate("RecordParser", "The line has more than nine fields.");
        const char opener = pos < line.size() ? line[pos] : '\0';
        if (opener == '"' || opener == '#') {
            const qsizetype close = line.indexOf(opener, pos + 1);
            if (close < 0)
                return opener == '"'
                           ? QCoreApplication::translate("RecordParser", "A quoted text is not closed.")
                           : QCoreApplication::translate("RecordParser", "A date is not closed.");
            fields.push_back(
                {opener == '"' ? FieldKind::Text : FieldKind::Date, line.sliced(pos + 1, close - pos - 1)});
            pos = close + 1;
            if (pos < line.size() && line[pos] != ',')
                return (opener == '"'
                            ? QCoreApplication::translate("RecordParser",
                                                          "Field %1 goes on after its closing quote.")
                            : QCoreApplication::translate("RecordParser",
                                                          "Field %1 goes on after its closing number sign."))
                    .arg(fields.size());
        } else {
            qsizetype end = line.indexOf(',', pos);
            if (end < 0)
                end = line.size();
            const QByteArrayView content = line.sliced(pos, end - pos);
            if (content.contains('"') || content.contains('#'))
                return QCoreApplication::translate("RecordParser",
                                                   "Field %1 holds a stray quote or number sign.")
                    .arg(fields.size() + 1);
            fields.push_back({FieldKind::Bare, content});
            pos = end;
        }
        if (pos >= line.size())
            return std::nullopt;
        ++pos; // the comma
    }
}

std::optional<QDate> parseDate(QByteArrayView text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    }
    const QDate date(text.first(4).toInt(), text.sliced(5, 2).toInt(), text.sliced(8, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<int> parseNumber(QByteArrayView text) {
    const QByteArrayView digits = text.startsWith('-') ? text.sliced(1) : text;
    // Nine digits always fit an int, and no real count or time needs more.
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    return text.toInt();
}

QString kindName(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text:
        return QCoreApplication::translate("RecordParser", "a text in double quotes");
    case FieldKind::Date:
        return QCoreApplication::translate("RecordParser", "a date such as #1998-05-12#");
    case FieldKind::Bare:
        return QCoreApplication::translate("RecordParser", "a whole number");
    }
    return {};
}

} // namespace

ParsedRecord parseRecordLine(QByteArrayView line) {
    if (line.size() > kMaxLineBytes)
        return refusal(QCoreApplication::translate("RecordParser", "The line is longer than %1 bytes.")
                           .arg(kMaxLineBytes));
    line = withoutLineEnd(line);
    if (line.isEmpty())
        return refusal(QCoreApplication::translate("RecordParser", "The line is empty."));
    if (hasControlBytes(line))
        return refusal(
            QCoreApplication::translate("RecordParser", "The line holds control characters or binary data."));
    if (!isValidUtf8(line))
        return refusal(QCoreApplication::translate("RecordParser", "The line is not UTF-8 text."));

    std::vector<Field> fields;
    if (const auto problem = splitFields(line, fields))
        return refusal(*problem);
    if (fields.size() != kFieldCount)
        return refusal(QCoreApplication::translate("RecordParser", "The line has %1 fields instead of nine.")
                           .arg(fields.size()));
    for (int i = 0; i < kFieldCount; ++i) {
        if (fields[i].kind != kExpectedKinds[i])
            return refusal(QCoreApplication::translate("RecordParser", "Field %1 should be %2.")
                               .arg(i + 1)
                               .arg(kindName(kExpectedKinds[i])));
    }

    const auto date = parseDate(fields[1].content);
    if (!date)
        return refusal(
            QCoreApplication::translate("RecordParser", "Field 2 is not a real date such as #1998-05-12#."));
    std::array<int, 3> numbers{};
    for (int i = 0; i < 3; ++i) {
        const auto number = parseNumber(fields[6 + i].content);
        if (!number)
            return refusal(
                QCoreApplication::translate("RecordParser", "Field %1 should be a whole number.").arg(7 + i));
        numbers[i] = *number;
    }

    const auto text = [&](int i) { return QString::fromUtf8(fields[i].content); };
    return {PerformanceRecord{text(0), *date, text(2), text(3), text(4), text(5), numbers[0], numbers[1],
                              numbers[2]},
            {}};
}

} // namespace tonalyst
