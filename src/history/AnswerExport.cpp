#include "history/AnswerExport.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace tonalyst {

namespace {

constexpr std::array<const char*, 20> kFields{
    "answer_id", "answered_utc", "user_id", "run_id",  "method",       "activity", "inversions",
    "category",  "accidentals",  "key",     "item",    "inversion",    "asked",    "given",
    "right",     "result",       "attempt", "seconds", "in_data_file", "imported"};

std::array<QVariant, kFields.size()> values(const AnswerRecord& a) {
    return {a.answerId,    a.answeredUtc.toUTC().toString(Qt::ISODateWithMs),
            a.userId,      a.runId,
            a.method,      a.activity,
            a.inversions,  a.category,
            a.accidentals, a.key,
            a.item,        a.inversion,
            a.asked,       a.given,
            a.right,       a.correct ? QStringLiteral("right") : QStringLiteral("wrong"),
            a.attempt,     a.seconds,
            a.inDataFile,  a.imported};
}

QByteArray csvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

} // namespace

void writeAnswersCsv(QIODevice& out, const std::vector<AnswerRecord>& answers) {
    QByteArray line;
    for (const char* field : kFields)
        line.append(line.isEmpty() ? "" : ",").append(field);
    out.write(line + "\r\n");
    for (const AnswerRecord& answer : answers) {
        line.clear();
        bool first = true;
        for (const QVariant& value : values(answer)) {
            if (!std::exchange(first, false))
                line.append(',');
            line.append(csvField(value.toString()));
        }
        out.write(line + "\r\n");
    }
}

void writeAnswersJsonLines(QIODevice& out, const std::vector<AnswerRecord>& answers) {
    for (const AnswerRecord& answer : answers) {
        QJsonObject object;
        const auto row = values(answer);
        for (std::size_t i = 0; i < kFields.size(); ++i)
            object.insert(QLatin1String(kFields[i]), QJsonValue::fromVariant(row[i]));
        out.write(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
    }
}

} // namespace tonalyst
