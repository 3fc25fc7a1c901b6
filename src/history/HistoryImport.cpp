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

std::vector<AnswerRecord> dataFileSummaries(const QString& dataFilePath, qint64 bytes, QString& error) {
    std::vector<AnswerRecord> summaries;
    const QFileInfo info(dataFilePath);
    if (!info.exists() || bytes <= 0)
        return summaries;
    ReportCompiler reader({});
    reader.setRecordSink([&summaries](const RecordView& r) {
        AnswerRecord a;
        a.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QDate date(r.dateKey / 10000, r.dateKey / 100 % 100, r.dateKey % 100);
        a.answeredUtc = QDateTime(date, QTime(12, 0)).toUTC();
        a.userId = text(r.userId);
        // A data file's run is everything one user wrote on one day.
        a.runId = QStringLiteral("varen.dat %1 %2").arg(date.toString(Qt::ISODate), a.userId);
        a.method = text(r.method);
        a.activity = text(r.activity);
        a.inversions = text(r.inversions);
        a.category = text(r.category);
        a.accidentals = r.accidentals;
        a.correct = r.success == 1;
        a.seconds = r.seconds;
        a.inDataFile = true;
        a.imported = true;
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
