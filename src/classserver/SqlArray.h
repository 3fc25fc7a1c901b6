#pragma once

#include <QString>

namespace tonalyst {

// A column of values as one PostgreSQL array in its text form, bound as a single
// parameter, so a whole batch of rows goes in one statement.
class SqlArray {
public:
    // A null QString is NULL when `nullable`, else the empty text.
    void append(const QString& value, bool nullable);
    QString text() const { return m_text + QLatin1Char('}'); }

private:
    QString m_text = QStringLiteral("{");
    bool m_empty = true;
};

} // namespace tonalyst
