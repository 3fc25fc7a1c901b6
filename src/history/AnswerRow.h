#pragma once

#include "history/AnswerFacts.h"
#include "history/AnswerRecord.h"

#include <QDate>
#include <QDateTime>
#include <QString>

class QSqlQuery;

namespace tonalyst {

// One answer as a row of the history's answers table, and back.

// The columns of a whole answer, in AnswerRecord's order, and of its facts.
extern const QString kAnswerColumns;
extern const QString kFactColumns;

// Times sort as text: always UTC, always with milliseconds.
QString storedTime(const QDateTime& time);
QString storedDayStart(QDate day);

// Binds the answer's fields to the statement's parameters 0 ... in kAnswerColumns' order.
void bindRecord(QSqlQuery& query, const AnswerRecord& a);
// The answer, or its facts, from a row selected by kAnswerColumns or kFactColumns.
AnswerRecord readRecord(const QSqlQuery& query);
void readFactsRow(const QSqlQuery& query, AnswerFacts& facts);

} // namespace tonalyst
