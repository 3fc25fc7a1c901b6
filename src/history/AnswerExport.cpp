#include "history/AnswerExport.h"

#include "history/CsvField.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace tonalyst {

namespace {

constexpr std::array<const char*, kStoredAnswerFields> kFields{
    "answer_id", "answered_utc", "user_id", "run_id",  "method",       "activity", "inversions",
    "category",  "accidentals",  "key",     "item",    "inversion",    "asked",    "given",
    "right",     "result",       "attempt", "seconds", "in_data_file", "imported", "played"};

enum class Kind { Text, Number, Result, Flag };

constexpr std::array<Kind, kStoredAnswerFields> kKinds{
    Kind::Text, Kind::Text,   Kind::Text,   Kind::Text,   Kind::Text, Kind::Text, Kind::Text,
    Kind::Text, Kind::Number, Kind::Text,   Kind::Text,   Kind::Text, Kind::Text, Kind::Text,
    Kind::Text, Kind::Result, Kind::Number, Kind::Number, Kind::Flag, Kind::Flag, Kind::Text};

// Flushed to the device in pieces of about this size.
constexpr qsizetype kChunk = qsizetype(1) << 16;

QByteArrayView shown(Kind kind, QByteArrayView stored) {
    const bool yes = stored == "1";
    if (kind == Kind::Result)
        return yes ? QByteArrayView("right") : QByteArrayView("wrong");
    if (kind == Kind::Flag)
        return yes ? QByteArrayView("true") : QByteArrayView("false");
    return stored;
}

void appendCsvRow(QByteArray& out, const StoredAnswer& answer) {
    for (std::size_t i = 0; i < kStoredAnswerFields; ++i) {
        if (i > 0)
            out.append(',');
        appendCsvField(out, shown(kKinds[i], answer[i]));
    }
    out.append("\r\n");
}

void appendJsonLine(QByteArray& out, const StoredAnswer& answer) {
    QJsonObject object;
    for (std::size_t i = 0; i < kStoredAnswerFields; ++i) {
        const QLatin1String name(kFields[i]);
        switch (kKinds[i]) {
        case Kind::Number:
            object.insert(name, answer[i].toLongLong());
            break;
        case Kind::Flag:
            object.insert(name, answer[i] == "1");
            break;
        default:
            object.insert(name, QString::fromUtf8(shown(kKinds[i], answer[i])));
        }
    }
    out.append(QJsonDocument(object).toJson(QJsonDocument::Compact)).append('\n');
}

QByteArray csvHeader() {
    QByteArray line;
    for (const char* field : kFields)
        line.append(line.isEmpty() ? "" : ",").append(field);
    return line + "\r\n";
}

// The device's own words when it fails, or at least that it failed.
QString writeFailure(const QIODevice& out) {
    return out.errorString().isEmpty()
               ? QCoreApplication::translate("AnswerExport", "the output cannot be written")
               : QCoreApplication::translate("AnswerExport", "the output cannot be written: %1")
                     .arg(out.errorString());
}

} // namespace

bool exportAnswers(HistoryStore& history, const AnswerSpan& span, AnswerFormat format, QIODevice& out,
                   QString& error, qint64* written) {
    QByteArray pending = format == AnswerFormat::Csv ? csvHeader() : QByteArray();
    pending.reserve(kChunk + 4096);
    bool outFailed = false;
    qint64 count = 0;
    const auto flush = [&] {
        if (!outFailed && out.write(pending) != pending.size())
            outFailed = true;
        pending.clear();
    };
    const bool read = history.readAnswers(
        span,
        [&](const StoredAnswer& answer) {
            if (format == AnswerFormat::Csv)
                appendCsvRow(pending, answer);
            else
                appendJsonLine(pending, answer);
            ++count;
            if (pending.size() >= kChunk)
                flush();
        },
        error);
    flush();
    if (written)
        *written = count;
    if (read && outFailed)
        error = writeFailure(out);
    return read && !outFailed;
}

void writeAnswersCsv(QIODevice& out, const std::vector<AnswerRecord>& answers) {
    QByteArray pending = csvHeader();
    for (const AnswerRecord& a : answers) {
        const std::array<QByteArray, kStoredAnswerFields> texts{
            a.answerId.toUtf8(),
            a.answeredUtc.toUTC().toString(Qt::ISODateWithMs).toUtf8(),
            a.userId.toUtf8(),
            a.runId.toUtf8(),
            a.method.toUtf8(),
            a.activity.toUtf8(),
            a.inversions.toUtf8(),
            a.category.toUtf8(),
            QByteArray::number(a.accidentals),
            a.key.toUtf8(),
            a.item.toUtf8(),
            a.inversion.toUtf8(),
            a.asked.toUtf8(),
            a.given.toUtf8(),
            a.right.toUtf8(),
            a.correct ? "1" : "0",
            QByteArray::number(a.attempt),
            QByteArray::number(a.seconds),
            a.inDataFile ? "1" : "0",
            a.imported ? "1" : "0",
            a.played.toUtf8()};
        StoredAnswer stored;
        for (std::size_t i = 0; i < kStoredAnswerFields; ++i)
            stored[i] = texts[i];
        appendCsvRow(pending, stored);
    }
    out.write(pending);
}

} // namespace tonalyst
