#include "history/AnswerRow.h"

#include <QSqlQuery>
#include <QVariant>

namespace tonalyst {

const QString kAnswerColumns = QStringLiteral(
    "answer_id, answered_utc, user_id, run_id, method, activity, inversions, category, accidentals, "
    "key_name, item, inversion, asked, given, right_answer, correct, attempt, seconds, in_data_file, "
    "imported, played");

// Times sort as text: always UTC, always with milliseconds.
QString storedTime(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QString storedDayStart(QDate day) {
    return storedTime(QDateTime(day, QTime(0, 0), Qt::UTC));
}

void bindRecord(QSqlQuery& query, const AnswerRecord& a) {
    const QVariantList values{a.answerId,    storedTime(a.answeredUtc),
                              a.userId,      a.runId,
                              a.method,      a.activity,
                              a.inversions,  a.category,
                              a.accidentals, a.key,
                              a.item,        a.inversion,
                              a.asked,       a.given,
                              a.right,       a.correct,
                              a.attempt,     a.seconds,
                              a.inDataFile,  a.imported,
                              a.played};
    for (int i = 0; i < values.size(); ++i) {
        // An empty text is a text, not a missing one.
        const bool nullText = values[i].typeId() == QMetaType::QString && values[i].toString().isNull();
        query.bindValue(i, nullText ? QVariant(QStringLiteral("")) : values[i]);
    }
}

namespace {

// Times are stored as "yyyy-MM-ddTHH:mm:ss.zzzZ"; reading that shape by hand is many
// times quicker than the general ISO reader, which a long history would feel.
QDateTime readStoredTime(const QString& text) {
    const auto number = [&text](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i) {
            const char16_t c = text.at(i).unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    if (text.size() == 24 && text.at(10) == u'T' && text.at(23) == u'Z') {
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

} // namespace

AnswerRecord readRecord(const QSqlQuery& query) {
    AnswerRecord a;
    a.answerId = query.value(0).toString();
    a.answeredUtc = readStoredTime(query.value(1).toString());
    a.userId = query.value(2).toString();
    a.runId = query.value(3).toString();
    a.method = query.value(4).toString();
    a.activity = query.value(5).toString();
    a.inversions = query.value(6).toString();
    a.category = query.value(7).toString();
    a.accidentals = query.value(8).toInt();
    a.key = query.value(9).toString();
    a.item = query.value(10).toString();
    a.inversion = query.value(11).toString();
    a.asked = query.value(12).toString();
    a.given = query.value(13).toString();
    a.right = query.value(14).toString();
    a.correct = query.value(15).toBool();
    a.attempt = query.value(16).toInt();
    a.seconds = query.value(17).toInt();
    a.inDataFile = query.value(18).toBool();
    a.imported = query.value(19).toBool();
    a.played = query.value(20).toString();
    return a;
}

// Seconds come as a number: one text fewer per answer for the driver to copy.
const QString kFactColumns = QStringLiteral("CAST(strftime('%s', answered_utc) AS INTEGER), method, "
                                            "activity, category, key_name, item, right_answer, "
                                            "given, correct, seconds, in_data_file, imported, attempt");

void readFactsRow(const QSqlQuery& query, AnswerFacts& facts) {
    facts.answeredSecs = query.value(0).toLongLong();
    facts.method = query.value(1).toString();
    facts.activity = query.value(2).toString();
    facts.category = query.value(3).toString();
    facts.key = query.value(4).toString();
    facts.item = query.value(5).toString();
    facts.right = query.value(6).toString();
    facts.given = query.value(7).toString();
    facts.correct = query.value(8).toBool();
    facts.seconds = query.value(9).toInt();
    facts.inDataFile = query.value(10).toBool();
    facts.imported = query.value(11).toBool();
    facts.attempt = query.value(12).toInt();
}

} // namespace tonalyst
