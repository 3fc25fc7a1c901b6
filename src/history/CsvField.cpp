#include "history/CsvField.h"

namespace tonalyst {

namespace {

bool opensFormula(char first) {
    return first == '=' || first == '+' || first == '-' || first == '@' || first == '\t' || first == '\r';
}

bool needsQuotes(QByteArrayView bytes) {
    for (const char c : bytes)
        if (c == ',' || c == '"' || c == '\n' || c == '\r')
            return true;
    return false;
}

} // namespace

void appendCsvField(QByteArray& line, QByteArrayView utf8) {
    const bool guarded = !utf8.isEmpty() && opensFormula(utf8.front());
    if (!needsQuotes(utf8)) {
        if (guarded)
            line.append('\'');
        line.append(utf8);
        return;
    }
    line.append('"');
    if (guarded)
        line.append('\'');
    for (const char c : utf8) {
        if (c == '"')
            line.append('"');
        line.append(c);
    }
    line.append('"');
}

QString csvField(const QString& text) {
    QByteArray field;
    appendCsvField(field, text.toUtf8());
    return QString::fromUtf8(field);
}

} // namespace tonalyst
