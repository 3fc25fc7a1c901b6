#pragma once

#include "history/AnswerFacts.h"

#include <QSqlError>
#include <QString>
#include <QVariantList>

#include <functional>

class QSqlDatabase;
class QSqlQuery;

namespace tonalyst {

// A statement and the values of its parameters, in order.
struct RowQuery {
    QString sql;
    QVariantList values;
};

// Runs the query on `db` and hands each row to `each`, forward only, so that no row is kept
// once it has been handed on: a long history is read in the memory of one row. False, with
// `trouble` saying why, when the query cannot be run to its end: a damaged page met halfway
// is an error, not an end.
bool stepRows(const QSqlDatabase& db, const RowQuery& query,
              const std::function<void(const QSqlQuery&)>& each, QSqlError& trouble);

// A query for answer facts: its text, selecting the fact columns in their order, and the
// values of its five parameters.
struct FactQuery {
    QString sql;
    QString userId;
    QString from;
    QString to;
    int shares = 1;
    int share = 0;
};

// The query's rows as facts, each handed to `each`. False when the query cannot be run
// to its end.
bool stepFactRows(const QSqlDatabase& db, const FactQuery& query,
                  const std::function<void(const AnswerFacts&)>& each);

} // namespace tonalyst
