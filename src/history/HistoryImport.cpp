#include "history/HistoryImport.h"

#include "records/ReportCompiler.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace tonalyst {

namespace {

constexpr qint64 kSliceBytes = qint64(4) << 20;

QString text(QByteArrayView utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

AnswerRecord summaryOf(const RecordView& record) {
    AnswerRecord answer;
    const QDate date(record.dateKey / 10000, record.dateKey / 100 % 100, record.dateKey % 100);
    answer.answeredUtc = QDateTime(date, QTime(12, 0)).toUTC();
    answer.userId = text(record.userId);
    answer.method = text(record.method);
    answer.activity = text(record.activity);
    answer.inversions = text(record.inversions);
    answer.category = text(record.category);
    answer.accidentals = record.accidentals;
    answer.correct = record.success == 1;
    answer.seconds = record.seconds;
    answer.inDataFile = true;
    answer.imported = true;
    return answer;
}

std::vector<AnswerRecord> dataFileSummaries(const QString& dataFilePath, qint64 bytes, QString& error) {
    std::vector<AnswerRecord> summaries;
    const QFileInfo info(dataFilePath);
    if (!info.exists() || bytes <= 0)
        return summaries;
    ReportCompiler reader({});
    reader.setRecordSink([&summaries](const RecordView& r) {
        AnswerRecord a = summaryOf(r);
        a.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        // A data file's run is everything one user wrote on one day.
        a.runId = QStringLiteral("varen.dat %1 %2")
                      .arg(a.answeredUtc.toLocalTime().date().toString(Qt::ISODate), a.userId);
        summaries.push_back(std::move(a));
    });
    bool opened = false;
    if (info.size() <= bytes) {
        opened = reader.open(dataFilePath);
    } else {
        // Grown since the start: only what it held then.
        QFile file(dataFilePath);
        if (file.open(QIODevice::ReadOnly)) {
            auto start = std::make_unique<QBuffer>();
            start->setData(file.read(bytes));
            opened = reader.open(std::move(start));
        } else {
            error = file.errorString();
            return {};
        }
    }
    ReportCompiler::Progress progress =
        opened ? ReportCompiler::Progress::Working : ReportCompiler::Progress::Failed;
    while (progress == ReportCompiler::Progress::Working)
        progress = reader.step(kSliceBytes);
    if (progress == ReportCompiler::Progress::Failed) {
        error = reader.problem();
        return {};
    }
    return summaries;
}

} // namespace tonalyst
