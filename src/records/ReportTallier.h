#pragma once

#include "records/RecordScanner.h"
#include "records/ReportFigures.h"
#include "records/ReportQuery.h"

#include <QByteArray>

namespace tonalyst {

// What some records of one kind (one activity, category and inversions flag) add up to.
struct RecordTotals {
    qint64 records = 0;
    qint64 successes = 0;
    qint64 seconds = 0;
    qint64 accidentals = 0;
};

// Counts records into a report's figures, every category row, the intervals and the key
// signatures at once, so the file is read a single time.
class ReportTallier {
public:
    explicit ReportTallier(const ReportQuery& query);

    void add(const RecordView& record);
    // Records already known to be the query's (its user, period and method), counted
    // together: a database hands them over grouped by kind.
    void addMatching(QByteArrayView activity, QByteArrayView category, QByteArrayView inversions,
                     const RecordTotals& totals);
    const ReportFigures& figures() const { return m_figures; }

private:
    void addInterval(QByteArrayView activity, const RecordTotals& totals);

    QByteArray m_userId;
    QByteArray m_method;
    int m_start;
    int m_end;
    ReportFigures m_figures;
};

} // namespace tonalyst
