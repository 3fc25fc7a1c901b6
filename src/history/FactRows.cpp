#include "history/FactRows.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>
#include <QVariant>

#include <sqlite3.h>

#include <array>
#include <memory>

namespace tonalyst {

namespace {

// A text column read row after row, keeping the last text it made: method, activity,
// category, key and the rest repeat from one answer to the next, so a text is made anew
// only when its bytes change.
class SharedText {
public:
    const QString& read(sqlite3_stmt* statement, int column) {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        const QByteArrayView view(bytes, bytes ? sqlite3_column_bytes(statement, column) : 0);
        if (view != QByteArrayView(m_bytes)) {
            m_bytes = view.toByteArray();
            m_text = QString::fromUtf8(view);
        }
        return m_text;
    }

private:
    QByteArray m_bytes;
    QString m_text;
};

bool bindValue(sqlite3_stmt* statement, int index, const std::variant<QByteArray, qint64>& value) {
    if (const auto* text = std::get_if<QByteArray>(&value))
        return sqlite3_bind_text(statement, index, text->constData(), static_cast<int>(text->size()),
                                 SQLITE_STATIC) == SQLITE_OK;
    return sqlite3_bind_int64(statement, index, std::get<qint64>(value)) == SQLITE_OK;
}

RowTrouble troubleOf(sqlite3* connection, int code) {
    return {code, QString::fromUtf8(sqlite3_errmsg(connection))};
}

} // namespace

bool stepRows(const QSqlDatabase& db, const RowQuery& query, const std::function<void(sqlite3_stmt*)>& each,
              RowTrouble& trouble) {
    const QSqlDriver* driver = db.driver();
    const QVariant handle = driver ? driver->handle() : QVariant();
    sqlite3* connection = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
                              ? *static_cast<sqlite3* const*>(handle.data())
                              : nullptr;
    if (!connection) {
        trouble = {0, QCoreApplication::translate("FactRows", "the history is not open")};
        return false;
    }

    sqlite3_stmt* prepared = nullptr;
    int result = sqlite3_prepare_v2(connection, query.sql.constData(), static_cast<int>(query.sql.size()),
                                    &prepared, nullptr);
    if (result != SQLITE_OK) {
        trouble = troubleOf(connection, result);
        sqlite3_finalize(prepared);
        return false;
    }
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(prepared, &sqlite3_finalize);
    for (std::size_t i = 0; i < query.values.size(); ++i)
        if (!bindValue(prepared, static_cast<int>(i) + 1, query.values[i])) {
            trouble = troubleOf(connection, sqlite3_errcode(connection));
            return false;
        }
    while ((result = sqlite3_step(prepared)) == SQLITE_ROW)
        each(prepared);
    if (result == SQLITE_DONE)
        return true;
    trouble = troubleOf(connection, result);
    return false;
}

bool stepFactRows(const QSqlDatabase& db, const FactQuery& query,
                  const std::function<void(const AnswerFacts&)>& each) {
    std::array<SharedText, 7> texts;
    AnswerFacts facts;
    RowTrouble trouble;
    return stepRows(
        db, {query.sql, {query.userId, query.from, query.to, qint64(query.shares), qint64(query.share)}},
        [&](sqlite3_stmt* row) {
            facts.answeredSecs = sqlite3_column_int64(row, 0);
            facts.method = texts[0].read(row, 1);
            facts.activity = texts[1].read(row, 2);
            facts.category = texts[2].read(row, 3);
            facts.key = texts[3].read(row, 4);
            facts.item = texts[4].read(row, 5);
            facts.right = texts[5].read(row, 6);
            facts.given = texts[6].read(row, 7);
            facts.correct = sqlite3_column_int(row, 8) != 0;
            facts.seconds = sqlite3_column_int(row, 9);
            facts.inDataFile = sqlite3_column_int(row, 10) != 0;
            facts.imported = sqlite3_column_int(row, 11) != 0;
            each(facts);
        },
        trouble);
}

} // namespace tonalyst
