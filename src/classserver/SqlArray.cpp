#include "classserver/SqlArray.h"

namespace tonalyst {

void SqlArray::append(const QString& value, bool nullable) {
    if (!m_empty)
        m_text += QLatin1Char(',');
    m_empty = false;
    if (value.isNull() && nullable) {
        m_text += QLatin1String("NULL");
        return;
    }
    m_text += QLatin1Char('"');
    for (const QChar c : value) {
        if (c == u'"' || c == u'\\')
            m_text += QLatin1Char('\\');
        // PostgreSQL text cannot hold a NUL character.
        if (c != QChar(u'\0'))
            m_text += c;
    }
    m_text += QLatin1Char('"');
}

} // namespace tonalyst
