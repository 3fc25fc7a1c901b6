#pragma once

#include "records/ReportFigures.h"
#include "records/ReportQuery.h"
#include "records/ReportTallier.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>
#include <optional>

namespace tonalyst {

// Compiles a report in one pass over a data file, a slice at a time, so a window can show
// the progress and repaint between slices. Memory stays the same whatever the file's size.
// Any line that is not a record stops the compilation: a file with foreign lines is not
// one Tonalyst wrote, and figures from part of it would mislead.
class ReportCompiler {
public:
    enum class Progress { Working, Finished, Failed };

    explicit ReportCompiler(const ReportQuery& query);

    // False, with problem() saying why, when the file cannot be read.
    bool open(const QString& path);
    bool open(std::unique_ptr<QIODevice> source);

    // Reads and counts about `bytes` more of the file.
    Progress step(qint64 bytes);

    // Of the file read so far, in whole percent.
    int percentDone() const;
    const ReportFigures& figures() const { return m_tally.figures(); }
    const QString& problem() const { return m_problem; }

private:
    bool takeLine(QByteArrayView line);
    Progress fail(const QString& problem);

    ReportTallier m_tally;
    std::unique_ptr<QIODevice> m_source;
    qint64 m_size = 0;
    qint64 m_done = 0; // bytes of whole lines counted
    qint64 m_lineNumber = 0;
    bool m_finished = false;
    QByteArray m_buffer;
    qsizetype m_held = 0; // the start of a line not yet ended, at the front of m_buffer
    QString m_problem;
};

// The whole compilation at once; nullopt, with the reason in `problem`, when it fails.
std::optional<ReportFigures> compileReport(const QString& path, const ReportQuery& query,
                                           QString* problem = nullptr);

} // namespace tonalyst
