#include "history/HistoryImport.h"

#include "records/RecordParser.h"

#include <QFile>
#include <QUuid>

namespace tonalyst {

std::vector<AnswerRecord> dataFileSummaries(const QString& dataFilePath, qint64 bytes) {
    std::vector<AnswerRecord> summaries;
    QFile file(dataFilePath);
    if (!file.open(QIODevice::ReadOnly))
        return summaries;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (file.pos() > bytes)
            break;
        const ParsedRecord parsed = parseRecordLine(line);
        if (!parsed.record)
            continue;
        const PerformanceRecord& r = *parsed.record;
        AnswerRecord a;
        a.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        a.answeredUtc = QDateTime(r.date, QTime(12, 0)).toUTC();
        a.userId = r.userId;
        // A data file's run is everything one user wrote on one day.
        a.runId = QStringLiteral("varen.dat %1 %2").arg(r.date.toString(Qt::ISODate), r.userId);
        a.method = r.method;
        a.activity = r.activity;
        a.inversions = r.inversions;
        a.category = r.category;
        a.accidentals = r.accidentals;
        a.correct = r.success == 1;
        a.seconds = r.seconds;
        a.inDataFile = true;
        a.imported = true;
        summaries.push_back(std::move(a));
    }
    return summaries;
}

} // namespace tonalyst
