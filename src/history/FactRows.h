#pragma once

#include "history/AnswerFacts.h"

#include <QByteArray>

#include <functional>

class QSqlDatabase;

namespace tonalyst {

// A query for answer facts: its text, selecting the fact columns in their order, and the
// values of its five parameters.
struct FactQuery {
    QByteArray sql;
    QByteArray userId;
    QByteArray from;
    QByteArray to;
    int shares = 1;
    int share = 0;
};

// Runs the query on the SQLite connection that Qt SQL opened as `db` and hands each row to
// `each`. Qt SQL copies every value into a variant of its own, which for a period of many
// thousand answers is most of the reading; the rows are stepped through SQLite itself,
// the same library Qt's driver loads. False when the query cannot be run to its end.
bool stepFactRows(const QSqlDatabase& db, const FactQuery& query, const std::function<void(const AnswerFacts&)>& each);

} // namespace tonalyst
