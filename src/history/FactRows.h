#pragma once

#include "history/AnswerFacts.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <variant>
#include <vector>

class QSqlDatabase;
struct sqlite3_stmt;

namespace tonalyst {

// A statement and the values of its parameters, in order: texts as UTF-8, or whole numbers.
struct RowQuery {
    QByteArray sql;
    std::vector<std::variant<QByteArray, qint64>> values;
};

// Why rows could not be read to their end: SQLite's result code (0 when SQLite was not
// reached) and its message.
struct RowTrouble {
    int code = 0;
    QString message;
};

// Runs the query on the SQLite connection that Qt SQL opened as `db` and hands each row,
// as SQLite holds it, to `each`. Qt SQL copies every value into a variant of its own,
// which for a long history is most of the reading; the rows are stepped through SQLite
// itself, the same library Qt's driver loads. False, with `trouble` saying why, when the
// query cannot be run to its end: a damaged page met halfway is an error, not an end.
bool stepRows(const QSqlDatabase& db, const RowQuery& query, const std::function<void(sqlite3_stmt*)>& each,
              RowTrouble& trouble);

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

// The query's rows as facts, each handed to `each`. False when the query cannot be run
// to its end.
bool stepFactRows(const QSqlDatabase& db, const FactQuery& query,
                  const std::function<void(const AnswerFacts&)>& each);

} // namespace tonalyst
