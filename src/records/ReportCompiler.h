#pragma once

#include "records/RecordScanner.h"
#include "records/ReportFigures.h"
#include "records/ReportQuery.h"

#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tonalyst {

class ReportBytes;

// Compiles a report in one pass over a data file, a slice at a time, so a window can show
// the progress and repaint between slices. Each slice is read into the same buffer, so
// memory stays the same whatever the file's size; it is shared out at line ends among the
// machine's cores, and the parts' tallies are added up in file order, so the figures and
// the first refused line are the same as one reader's.
//
// Lines end in CR LF, LF or CR alone, and a UTF-8 byte-order mark before the first line
// is passed over. Any other line that is not a record stops the compilation: a file with
// foreign lines is not one Tonalyst wrote, and figures from part of it would mislead.
class ReportCompiler {
public:
    enum class Progress { Working, Finished, Failed };

    explicit ReportCompiler(const ReportQuery& query);
    ~ReportCompiler();
    ReportCompiler(const ReportCompiler&) = delete;
    ReportCompiler& operator=(const ReportCompiler&) = delete;

    // False, with problem() saying why, when the file cannot be read. Anything but a
    // regular file (a pipe, a device, a folder) is refused at once, without waiting on it.
    bool open(const QString& path);
    // Any random-access device, read whole into memory: for small data held elsewhere.
    bool open(std::unique_ptr<QIODevice> source);

    // Hands every record of the file, whoever's, to `sink` in file order as it is read, so
    // that other readers of data files read them as reports do. The views last for the call
    // only. With a sink the file is read by one thread.
    using RecordSink = std::function<void(const RecordView&)>;
    void setRecordSink(RecordSink sink) { m_sink = std::move(sink); }

    // Reads and counts about `bytes` more of the file.
    Progress step(qint64 bytes);

    // Of the file read so far, in whole percent.
    int percentDone() const;
    const ReportFigures& figures() const { return m_figures; }
    const QString& problem() const { return m_problem; }

private:
    bool start(std::unique_ptr<ReportBytes> source);
    Progress fail(const QString& problem);

    ReportQuery m_query;
    RecordSink m_sink;
    ReportFigures m_figures;
    std::unique_ptr<ReportBytes> m_source;
    qint64 m_size = 0;
    qint64 m_done = 0; // bytes of whole lines counted
    qint64 m_lineNumber = 0;
    char m_lineEnd = '\n'; // what ends a line in this file: LF, or CR in a file of CR-only lines
    bool m_open = false;
    bool m_finished = false;
    QString m_problem;
};

// The whole compilation at once; nullopt, with the reason in `problem`, when it fails.
std::optional<ReportFigures> compileReport(const QString& path, const ReportQuery& query,
                                           QString* problem = nullptr);

} // namespace tonalyst
