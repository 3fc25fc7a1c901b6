#pragma once

#include "history/AnswerRecord.h"

#include <QDateTime>
#include <QTimeZone>

namespace tonalyst::test {

// An answer of a given activity on a given UTC day and hour, right or wrong.
inline AnswerRecord answerOn(QDate day, const char* activity, bool correct, int seconds = 10,
                             const char* method = "practice", int hour = 12) {
    AnswerRecord record;
    record.answeredUtc = QDateTime(day, QTime(hour, 0), Qt::UTC);
    record.userId = QStringLiteral("kim");
    record.method = QString::fromLatin1(method);
    record.activity = QString::fromLatin1(activity);
    record.correct = correct;
    record.seconds = seconds;
    return record;
}

inline AnswerRecord identification(QDate day, const QString& right, const QString& given) {
    AnswerRecord record = answerOn(day, "identify", right == given);
    record.category = right.section(QStringLiteral(" / "), 0, 0);
    record.item = right.section(QStringLiteral(" / "), 1, 1);
    record.right = right;
    record.given = given;
    return record;
}

inline AnswerRecord spelling(QDate day, const QString& right, const QString& given) {
    AnswerRecord record = answerOn(day, "spell", right == given);
    record.asked = right;
    record.right = right;
    record.given = given;
    return record;
}

} // namespace tonalyst::test
