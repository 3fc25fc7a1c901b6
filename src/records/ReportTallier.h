#pragma once

#include "records/RecordScanner.h"
#include "records/ReportFigures.h"
#include "records/ReportQuery.h"

#include <QByteArray>

namespace tonalyst {

// Counts records into a report's figures, every category row, the intervals and the key
// signatures at once, so the file is read a single time.
class ReportTallier {
public:
    explicit ReportTallier(const ReportQuery& query);

    void add(const RecordView& record);
    const ReportFigures& figures() const { return m_figures; }

private:
    void addInterval(const RecordView& record);

    QByteArray m_userId;
    QByteArray m_method;
    int m_start;
    int m_end;
    ReportFigures m_figures;
};

} // namespace tonalyst
