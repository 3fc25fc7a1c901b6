#include "history/HistoryStore.h"

#include "history/AnswerRow.h"
#include "history/FactRows.h"
#include "history/HistoryTroubles.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QVariant>

#include <algorithm>
#include <charconv>

namespace tonalyst {

// The readers that stream a long history row by row, apart from the store's prepared
// statements.

bool HistoryStore::readAnswers(const AnswerSpan& span, const std::function<void(const StoredAnswer&)>& each,
                               QString& error) {
    if (!m_statements) {
        error = trouble(HistoryTrouble::CannotRead,
                        QCoreApplication::translate("HistoryStore", "it is not open"));
        return false;
    }
    const QString within =
        QStringLiteral("FROM answers WHERE user_id = ?1 AND answered_utc >= ?2 AND answered_utc < ?3");
    // In the order of the index, so that rows come as they are found, never sorted first.
    const QString sql =
        span.last
            ? QStringLiteral("SELECT %1 FROM (SELECT rowid AS stored, %1 %2 ORDER BY answered_utc DESC, "
                             "rowid DESC LIMIT ?4) ORDER BY answered_utc, stored")
                  .arg(kAnswerColumns, within)
            : QStringLiteral("SELECT %1 %2 ORDER BY answered_utc, rowid").arg(kAnswerColumns, within);
    RowQuery query{sql,
                   {span.userId, span.from ? storedTime(*span.from) : QStringLiteral(""),
                    span.to ? storedTime(*span.to) : QStringLiteral("~")}};
    if (span.last)
        query.values.append(qint64(std::max(0, *span.last)));
    // A row's fields as UTF-8, one after another in one buffer that keeps its size from row
    // to row: a long history is read without a new allocation for every field.
    QByteArray fields;
    std::array<QString, kStoredAnswerFields> texts;
    std::array<std::optional<qint64>, kStoredAnswerFields> numbers;
    QStringEncoder utf8(QStringEncoder::Utf8);
    constexpr qsizetype kLongestNumber = 20;
    StoredAnswer answer;
    QSqlError failed;
    const bool read = stepRows(
        QSqlDatabase::database(m_connection, false), query,
        [&](const QSqlQuery& row) {
            qsizetype needed = 0;
            for (std::size_t i = 0; i < kStoredAnswerFields; ++i) {
                const QVariant value = row.value(static_cast<int>(i));
                numbers[i] =
                    value.typeId() == QMetaType::LongLong ? std::optional(value.toLongLong()) : std::nullopt;
                texts[i] = numbers[i] ? QString() : value.toString();
                needed += numbers[i] ? kLongestNumber : utf8.requiredSpace(texts[i].size());
            }
            fields.resize(needed);
            char* at = fields.data();
            for (std::size_t i = 0; i < kStoredAnswerFields; ++i) {
                char* const start = at;
                at = numbers[i] ? std::to_chars(at, at + kLongestNumber, *numbers[i]).ptr
                                : utf8.appendToBuffer(at, texts[i]);
                answer[i] = QByteArrayView(start, at - start);
            }
            each(answer);
        },
        failed);
    if (!read)
        error = isDamage(failed) ? trouble(HistoryTrouble::Damaged, failed.databaseText())
                                 : trouble(HistoryTrouble::CannotRead, failed.databaseText());
    return read;
}

bool HistoryStore::readFacts(const QString& userId, const std::optional<QDateTime>& from,
                             const std::optional<QDateTime>& to,
                             const std::function<void(const AnswerFacts&)>& each, ReadShare share) {
    if (!m_statements)
        return false;
    const FactQuery query{QStringLiteral("SELECT %1 FROM answers WHERE user_id = ?1 AND answered_utc >= ?2 "
                                         "AND answered_utc < ?3 AND rowid % ?4 = ?5")
                              .arg(kFactColumns),
                          userId,
                          from ? storedTime(*from) : QStringLiteral(""),
                          to ? storedTime(*to) : QStringLiteral("~"),
                          std::max(1, share.shares),
                          share.share};
    return stepFactRows(QSqlDatabase::database(m_connection, false), query, each);
}

} // namespace tonalyst
