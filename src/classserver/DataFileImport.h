#pragma once

#include "history/AnswerRecord.h"
#include "records/ReportCompiler.h"

#include <QString>
#include <QVector>

namespace tonalyst {

// Reads one student's records out of a data file as answers for the class server, a
// batch at a time. The file is read by the reader reports use, so a file a report reads
// (with a byte-order mark, with CR-only line ends) is a file that can be imported, and a
// line a report refuses refuses the import.
class DataFileImport {
public:
    DataFileImport(const QString& path, const QString& userId);

    // False, with problem() saying why, when the file cannot be read.
    bool open();
    // Fills `batch` with about `most` of the student's records; empty at the end. False,
    // with the line and the reason, on a line that is not a record.
    bool next(QVector<AnswerRecord>& batch, qsizetype most);

    const QString& problem() const { return m_problem; }
    // Lines of the file that were records of other users.
    qint64 otherUsersRecords() const { return m_others; }
    qint64 studentRecords() const { return m_mine; }

private:
    void take(const RecordView& record);

    QString m_path;
    QString m_userId;
    QByteArray m_userIdBytes;
    ReportCompiler m_reader;
    QVector<AnswerRecord>* m_batch = nullptr;
    bool m_finished = false;
    qint64 m_others = 0;
    qint64 m_mine = 0;
    QString m_problem;
};

} // namespace tonalyst
