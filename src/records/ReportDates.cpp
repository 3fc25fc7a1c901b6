#include "records/ReportDates.h"

#include <QLocale>
#include <QRegularExpression>

namespace tonalyst {

namespace {

// The language's month names, set with its translation; English ones, as they have always
// been written, for every English-speaking locale.
QLocale shownLocale() {
    const QLocale language;
    return language.language() == QLocale::English || language.language() == QLocale::C ? QLocale::c()
                                                                                        : language;
}

QString formatted(QDate date, const QString& pattern) {
    return shownLocale().toString(date, pattern);
}

// "janv." and "Dez." are typed with or without their point.
bool sameMonthName(const QString& typed, QString name) {
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return typed.compare(name, Qt::CaseInsensitive) == 0;
}

// The language's names, and the English ones always.
int monthNumber(const QString& name) {
    for (const QLocale& locale : {shownLocale(), QLocale::c()})
        for (int month = 1; month <= 12; ++month) {
            if (sameMonthName(name, locale.monthName(month, QLocale::ShortFormat)) ||
                sameMonthName(name, locale.monthName(month, QLocale::LongFormat)))
                return month;
        }
    return 0;
}

std::optional<QDate> validDate(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

QString shortDate(QDate date) {
    return formatted(date, QStringLiteral("d MMM yy"));
}

QString paddedShortDate(QDate date) {
    return formatted(date, QStringLiteral("dd MMM yy"));
}

QString reportDate(QDate date) {
    return formatted(date, QStringLiteral("d-MMM-yy"));
}

QString paddedReportDate(QDate date) {
    return formatted(date, QStringLiteral("dd-MMM-yy"));
}

std::optional<QDate> parseTypedDate(const QString& text, QDate today) {
    static const QRegularExpression iso(QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    static const QRegularExpression named(
        QStringLiteral("^\\s*(\\d{1,2})[ -]+(\\p{L}+)\\.?[ -]+(\\d{2}|\\d{4})\\s*$"));

    if (const QRegularExpressionMatch match = iso.match(text); match.hasMatch())
        return validDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());

    const QRegularExpressionMatch match = named.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int month = monthNumber(match.captured(2));
    if (month == 0)
        return std::nullopt;
    int year = match.captured(3).toInt();
    if (match.captured(3).size() == 2) {
        const int earliest = today.year() - 80;
        year += earliest - earliest % 100;
        if (year < earliest)
            year += 100;
    }
    if (year < 100)
        return std::nullopt;
    return validDate(year, month, match.captured(1).toInt());
}

} // namespace tonalyst
