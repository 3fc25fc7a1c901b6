#include "history/FactRows.h"

#include <QByteArrayView>
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

bool bindText(sqlite3_stmt* statement, int index, const QByteArray& text) {
    return sqlite3_bind_text(statement, index, text.constData(), static_cast<int>(text.size()), SQLITE_STATIC) ==
           SQLITE_OK;
}

} // namespace

bool stepFactRows(const QSqlDatabase& db, const FactQuery& query, const std::function<void(const AnswerFacts&)>& each) {
    const QSqlDriver* driver = db.driver();
    const QVariant handle = driver ? driver->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.data());
    if (!connection)
        return false;

    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(connection, query.sql.constData(), static_cast<int>(query.sql.size()), &prepared,
                           nullptr) != SQLITE_OK)
        return false;
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(prepared, &sqlite3_finalize);
    if (!bindText(prepared, 1, query.userId) || !bindText(prepared, 2, query.from) || !bindText(prepared, 3, query.to) ||
        sqlite3_bind_int(prepared, 4, query.shares) != SQLITE_OK ||
        sqlite3_bind_int(prepared, 5, query.share) != SQLITE_OK)
        return false;

    std::array<SharedText, 7> texts;
    AnswerFacts facts;
    int stepped = SQLITE_ROW;
    while ((stepped = sqlite3_step(prepared)) == SQLITE_ROW) {
        facts.answeredSecs = sqlite3_column_int64(prepared, 0);
        facts.method = texts[0].read(prepared, 1);
        facts.activity = texts[1].read(prepared, 2);
        facts.category = texts[2].read(prepared, 3);
        facts.key = texts[3].read(prepared, 4);
        facts.item = texts[4].read(prepared, 5);
        facts.right = texts[5].read(prepared, 6);
        facts.given = texts[6].read(prepared, 7);
        facts.correct = sqlite3_column_int(prepared, 8) != 0;
        facts.seconds = sqlite3_column_int(prepared, 9);
        facts.inDataFile = sqlite3_column_int(prepared, 10) != 0;
        facts.imported = sqlite3_column_int(prepared, 11) != 0;
        each(facts);
    }
    return stepped == SQLITE_DONE;
}

} // namespace tonalyst
