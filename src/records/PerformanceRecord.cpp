#include "records/PerformanceRecord.h"

#include "records/RecordLimits.h"

namespace tonalyst {

namespace {

// A text field is written between double quotes with no escaping, so a quote or a line
// break inside it would end the field or the line early.
QByteArray quotedText(const QString& text) {
    QString safe = text.left(kMaxTextFieldChars);
    for (QChar& c : safe) {
        if (c == u'"')
            c = u'\'';
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    }
    return '"' + safe.toUtf8() + '"';
}

QByteArray dateField(QDate date) {
    return QString::asprintf("#%04d-%02d-%02d#", date.year(), date.month(), date.day()).toLatin1();
}

} // namespace

PerformanceRecord PerformanceRecord::fromPending(const PendingRecord& pending, const QString& userId,
                                                 QDate date) {
    return {userId,
            date,
            pending.recmethod,
            pending.recactivity,
            pending.recinversions,
            pending.reccategory,
            pending.recseconds,
            pending.recsuccess,
            pending.recsigcount};
}

QByteArray recordLine(const PerformanceRecord& record) {
    QByteArray line;
    line += quotedText(record.userId);
    line += ',';
    line += dateField(record.date);
    for (const QString* text : {&record.method, &record.activity, &record.inversions, &record.category})
        line += ',' + quotedText(*text);
    for (int number : {record.seconds, record.success, record.accidentals})
        line += ',' + QByteArray::number(number);
    line += "\r\n";
    return line;
}

} // namespace tonalyst
