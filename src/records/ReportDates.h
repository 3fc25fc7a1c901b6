#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace tonalyst {

// Dates in the short forms the report shows, with the month named in the program's language
// (English for every English locale): "12 May 98", "06 May 98", "6-May-98", "06-May-98";
// "12 Mai 98" in German.
QString shortDate(QDate date);        // d mmm yy
QString paddedShortDate(QDate date);  // dd mmm yy
QString reportDate(QDate date);       // d-mmm-yy
QString paddedReportDate(QDate date); // dd-mmm-yy

// A date as a user may type it into the period boxes, the month in the program's language
// or in English: "6 May 98", "06-May-1998",
// "6 may 1998", "6 September 2026" or "1998-05-06", and nothing after it. A two-digit
// year is the one of the 100 years from 80 years before `today`'s year to 19 after that
// ends in those digits, so the report's own short dates always read back as written.
// nullopt for anything that is not a real day.
std::optional<QDate> parseTypedDate(const QString& text, QDate today);

} // namespace tonalyst
