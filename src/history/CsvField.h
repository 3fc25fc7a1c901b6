#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tonalyst {

// One field of a CSV file (RFC 4180): quoted when it holds a comma, a quote or a line
// break. A field that begins with what a spreadsheet takes for a formula -- "=", "+", "-",
// "@", a tab or a carriage return -- is led by an apostrophe, so that opening the file
// never runs what someone typed as a user ID or a note. Every field is treated alike,
// "-1" too: a rule with exceptions is a rule a crafted text slips through.
void appendCsvField(QByteArray& line, QByteArrayView utf8);
QString csvField(const QString& text);

} // namespace tonalyst
