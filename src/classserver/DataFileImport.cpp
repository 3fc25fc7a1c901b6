#include "classserver/DataFileImport.h"

#include "records/RecordParser.h"

#include <QUuid>

namespace tonalyst {

namespace {

QByteArray withoutLineEnd(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

DataFileImport::DataFileImport(const QString& path, const QString& userId) : m_file(path), m_userId(userId) {}

bool DataFileImport::open() {
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_problem = m_file.errorString();
        return false;
    }
    if (m_file.isSequential()) {
        m_problem = QStringLiteral("not a file");
        return false;
    }
    m_firstLine = withoutLineEnd(m_file.readLine());
    return m_file.seek(0);
}

QString DataFileImport::answerIdFor(const QString& userId, const QByteArray& firstLine, qint64 lineNumber,
                                    const QByteArray& line) {
    static const QUuid kImported = QUuid::fromString(QLatin1String("d7c0b3a4-1f2e-4b8a-9c61-5e0f7a2d9b13"));
    QByteArray name = userId.toUtf8();
    name += '\n' + firstLine + '\n' + QByteArray::number(lineNumber) + '\n' + line;
    return QUuid::createUuidV5(kImported, name).toString(QUuid::WithoutBraces);
}

bool DataFileImport::next(QVector<AnswerRecord>& batch, qsizetype most) {
    batch.clear();
    while (batch.size() < most && !m_file.atEnd()) {
        const QByteArray line = withoutLineEnd(m_file.readLine());
        ++m_lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        const ParsedRecord parsed = parseRecordLine(line);
        if (!parsed.record) {
            m_problem = QStringLiteral("line %1: %2").arg(m_lineNumber).arg(parsed.reason);
            return false;
        }
        const PerformanceRecord& record = *parsed.record;
        if (record.userId != m_userId) {
            ++m_others;
            continue;
        }
        ++m_mine;
        AnswerRecord answer;
        answer.answerId = answerIdFor(m_userId, m_firstLine, m_lineNumber, line);
        // Midday, so the record stays on its own day whatever the clocks do that night.
        answer.answeredUtc = QDateTime(record.date, QTime(12, 0)).toUTC();
        answer.userId = record.userId;
        answer.method = record.method;
        answer.activity = record.activity;
        answer.inversions = record.inversions;
        answer.category = record.category;
        answer.accidentals = record.accidentals;
        answer.correct = record.success == 1;
        answer.seconds = record.seconds;
        answer.inDataFile = true;
        answer.imported = true;
        batch.append(answer);
    }
    if (m_file.error() != QFileDevice::NoError) {
        m_problem = m_file.errorString();
        return false;
    }
    return true;
}

} // namespace tonalyst
