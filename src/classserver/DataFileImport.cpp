#include "classserver/DataFileImport.h"

#include "history/HistoryImport.h"

namespace tonalyst {

namespace {

// Enough of the file per step that a batch is a few steps, little enough that the
// batch's records stay a small multiple of it.
constexpr qint64 kStepBytes = qint64(1) << 20;

} // namespace

DataFileImport::DataFileImport(const QString& path, const QString& userId)
    : m_path(path), m_userId(userId), m_userIdBytes(userId.toUtf8()), m_reader(ReportQuery{}) {
    m_reader.setRecordSink([this](const RecordView& record) { take(record); });
}

bool DataFileImport::open() {
    if (!m_reader.open(m_path)) {
        m_problem = m_reader.problem();
        return false;
    }
    return true;
}

void DataFileImport::take(const RecordView& record) {
    if (record.userId != QByteArrayView(m_userIdBytes)) {
        ++m_others;
        return;
    }
    ++m_mine;
    m_batch->append(summaryOf(record));
}

bool DataFileImport::next(QVector<AnswerRecord>& batch, qsizetype most) {
    batch.clear();
    m_batch = &batch;
    while (!m_finished && batch.size() < most) {
        switch (m_reader.step(kStepBytes)) {
        case ReportCompiler::Progress::Working:
            break;
        case ReportCompiler::Progress::Finished:
            m_finished = true;
            break;
        case ReportCompiler::Progress::Failed:
            m_batch = nullptr;
            m_problem = m_reader.problem();
            return false;
        }
    }
    m_batch = nullptr;
    return true;
}

} // namespace tonalyst
