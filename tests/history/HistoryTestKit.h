#pragma once

#include "history/AnswerRecord.h"

#include <QUuid>

namespace tonalyst::test {

// A judged chord-spelling answer at the given UTC time.
inline AnswerRecord answerAt(const QString& user, const QDateTime& utc, bool correct = true) {
    AnswerRecord a;
    a.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    a.answeredUtc = utc;
    a.userId = user;
    a.runId = QStringLiteral("run-1");
    a.method = QStringLiteral("practice");
    a.activity = QStringLiteral("spell");
    a.inversions = QStringLiteral("-1");
    a.category = QStringLiteral("Triad :");
    a.accidentals = 3;
    a.key = QStringLiteral("E-flat major");
    a.item = QStringLiteral("IV");
    a.asked = QStringLiteral("Ab4 C5 Eb5");
    a.right = QStringLiteral("Ab4 C5 Eb5");
    a.given = correct ? a.right : QStringLiteral("Ab4 C5 E5");
    a.correct = correct;
    a.seconds = 7;
    return a;
}

inline QDateTime utc(int day, int hour, int minute = 0) {
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute), Qt::UTC);
}

} // namespace tonalyst::test
