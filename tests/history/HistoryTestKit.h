#pragma once

#include "history/AnswerRecord.h"
#include "history/HistoryStore.h"

#include <QFile>
#include <QRandomGenerator>
#include <QUuid>

#include <gtest/gtest.h>

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

// A history of `count` answers of one user, closed cleanly; answer i asked "asked-<i>;".
inline void fillHistory(const QString& path, const QString& user, int count) {
    std::vector<AnswerRecord> answers;
    for (int i = 0; i < count; ++i) {
        answers.push_back(answerAt(user, utc(1, 9).addSecs(i)));
        answers.back().asked = QStringLiteral("asked-%1;").arg(i, 5, 10, QLatin1Char('0'));
    }
    HistoryStore history(path);
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
    ASSERT_TRUE(history.append(answers, notice)) << notice.toStdString();
}

// Overwrites with noise the page of the file that holds `text`, as a failing disk would.
inline void damagePageHolding(const QString& path, const QByteArray& text) {
    constexpr qint64 kPage = 4096;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 at = file.readAll().indexOf(text);
    ASSERT_GE(at, 0) << text.toStdString();
    QByteArray noise(kPage, '\0');
    QRandomGenerator random(20261209);
    for (char& byte : noise)
        byte = static_cast<char>(random.bounded(256));
    ASSERT_TRUE(file.seek(at / kPage * kPage));
    ASSERT_EQ(file.write(noise), kPage);
}

} // namespace tonalyst::test
