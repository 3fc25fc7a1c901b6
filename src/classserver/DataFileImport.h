#pragma once

#include "history/AnswerRecord.h"

#include <QFile>
#include <QString>
#include <QVector>

namespace tonalyst {

// Reads one student's records out of a data file as answers for the class server, a
// batch at a time. Each record's answer id is made from where it stands in the file and
// from the file's first line, so reading the same file again, or the file after it has
// grown, gives the same ids to the same records: two identical lines are still two answers.
class DataFileImport {
public:
    DataFileImport(const QString& path, const QString& userId);

    // False, with problem() saying why, when the file cannot be read.
    bool open();
    // Fills `batch` with up to `most` of the student's records; empty at the end. False,
    // with the line and the reason, on a line that is not a record.
    bool next(QVector<AnswerRecord>& batch, qsizetype most);

    const QString& problem() const { return m_problem; }
    // Lines of the file that were records of other users.
    qint64 otherUsersRecords() const { return m_others; }
    qint64 studentRecords() const { return m_mine; }

    // The id of the record on line `lineNumber` (counting from 1) of a file whose first
    // line is `firstLine`.
    static QString answerIdFor(const QString& userId, const QByteArray& firstLine, qint64 lineNumber,
                               const QByteArray& line);

private:
    QFile m_file;
    QString m_userId;
    QByteArray m_firstLine;
    qint64 m_lineNumber = 0;
    qint64 m_others = 0;
    qint64 m_mine = 0;
    QString m_problem;
};

} // namespace tonalyst
