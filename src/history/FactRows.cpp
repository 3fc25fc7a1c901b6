#include "history/FactRows.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <array>

namespace tonalyst {

namespace {

// A text column read row after row, keeping the last text it made: method, activity,
// category, key and the rest repeat from one answer to the next, so the facts handed on
// share one copy of each text rather than holding one each.
class SharedText {
public:
    const QString& read(const QSqlQuery& row, int column) {
        const QString text = row.value(column).toString();
        if (text != m_text)
            m_text = text;
        return m_text;
    }

private:
    QString m_text;
};

} // namespace

bool stepRows(const QSqlDatabase& db, const RowQuery& query,
              const std::function<void(const QSqlQuery&)>& each, QSqlError& trouble) {
    if (!db.isOpen()) {
        trouble = QSqlError(QString(), QCoreApplication::translate("FactRows", "the history is not open"), QSqlError::ConnectionError);
        return false;
    }
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.prepare(query.sql)) {
        trouble = rows.lastError();
        return false;
    }
    for (const QVariant& value : query.values)
        rows.addBindValue(value);
    if (!rows.exec()) {
        trouble = rows.lastError();
        return false;
    }
    while (rows.next())
        each(rows);
    // next() is false at the end and on an error alike; only the error leaves one behind.
    if (rows.lastError().isValid()) {
        trouble = rows.lastError();
        return false;
    }
    return true;
}

bool stepFactRows(const QSqlDatabase& db, const FactQuery& query,
                  const std::function<void(const AnswerFacts&)>& each) {
    std::array<SharedText, 7> texts;
    AnswerFacts facts;
    QSqlError trouble;
    return stepRows(
        db, {query.sql, {query.userId, query.from, query.to, qint64(query.shares), qint64(query.share)}},
        [&](const QSqlQuery& row) {
            facts.answeredSecs = row.value(0).toLongLong();
            facts.method = texts[0].read(row, 1);
            facts.activity = texts[1].read(row, 2);
            facts.category = texts[2].read(row, 3);
            facts.key = texts[3].read(row, 4);
            facts.item = texts[4].read(row, 5);
            facts.right = texts[5].read(row, 6);
            facts.given = texts[6].read(row, 7);
            facts.correct = row.value(8).toInt() != 0;
            facts.seconds = row.value(9).toInt();
            facts.inDataFile = row.value(10).toInt() != 0;
            facts.imported = row.value(11).toInt() != 0;
            facts.attempt = row.value(12).toInt();
            each(facts);
        },
        trouble);
}

} // namespace tonalyst
