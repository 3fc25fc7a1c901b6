#include "records/ReportCompiler.h"

#include "records/RecordLimits.h"
#include "records/RecordParser.h"
#include "records/RecordScanner.h"
#include "records/ReportBytes.h"
#include "records/ReportTallier.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

namespace tonalyst {

namespace {

// Slices of the whole compilation at once: big enough to share out, small enough that
// the buffer stays small.
constexpr qint64 kWholeFileSlice = qint64(4) << 20;
// Below this a part is not worth a thread of its own.
constexpr qint64 kSmallestPart = qint64(512) << 10;
constexpr unsigned kMostThreads = 16;

// A run of whole lines counted on its own: its tallies, its lines, and the first line
// that is not a record, numbered from the run's start.
class PartCount {
public:
    PartCount(const ReportQuery& query, char lineEnd, const ReportCompiler::RecordSink* sink)
        : m_tally(query), m_lineEnd(lineEnd), m_sink(sink) {}

    // [begin, end) starts a line and ends just after a line end, or at the file's end.
    void count(const char* begin, const char* end) {
        const char* at = begin;
        while (at < end) {
            const char* next = takeRecord(at, end);
            if (!next)
                next = takeAnyLine(at, end);
            if (!next)
                return;
            at = next;
        }
    }

    const ReportFigures& figures() const { return m_tally.figures(); }
    qint64 lines() const { return m_lines; }
    bool refused() const { return !m_reason.isEmpty(); }
    const QString& reason() const { return m_reason; }

private:
    // A record line as Tonalyst writes it, read in place, its end found by reading its
    // fields: where the next line starts, or nullptr for any other line.
    const char* takeRecord(const char* at, const char* end) {
        RecordView record;
        const char* stop = scanRecord(at, end, record);
        if (!stop || stop - at > kMaxLineBytes)
            return nullptr;
        if (stop != end) {
            if (*stop == m_lineEnd)
                ++stop;
            else if (m_lineEnd == '\n' && *stop == '\r' && end - stop > 1 && stop[1] == '\n')
                stop += 2;
            else
                return nullptr;
        }
        add(record);
        return stop;
    }

    // Any line, the careful way: where the next line starts, or nullptr when the line is
    // not a record.
    const char* takeAnyLine(const char* at, const char* end) {
        const void* found = std::memchr(at, m_lineEnd, static_cast<size_t>(end - at));
        const char* lineEnd = found ? static_cast<const char*>(found) : end;
        QByteArrayView line(at, lineEnd);
        const char* next = found ? lineEnd + 1 : end;
        if (m_lineEnd == '\n') {
            if (found && line.endsWith('\r'))
                line.chop(1);
        } else if (line.startsWith('\n')) {
            // The LF of a CR LF in a file of CR-only lines ends the line before.
            line = line.sliced(1);
            if (!found && line.isEmpty())
                return next;
        }
        return takeLine(line) ? next : nullptr;
    }

    bool takeLine(QByteArrayView line) {
        if (takeQuickly(line))
            return true;
        // A file of LF lines may still end some lines with CR alone, and the other way round.
        const char other = m_lineEnd == '\n' ? '\r' : '\n';
        qsizetype start = 0;
        while (true) {
            const qsizetype next = line.indexOf(other, start);
            if (!takeOne(line.sliced(start, (next < 0 ? line.size() : next) - start)))
                return false;
            if (next < 0)
                return true;
            start = next + 1;
        }
    }

    // A record line as Tonalyst writes it, read in place.
    bool takeQuickly(QByteArrayView line) {
        if (line.isEmpty() || line.back() == '\r' || line.back() == '\n')
            return false;
        const auto record = scanRecordLine(line);
        if (!record)
            return false;
        add(*record);
        return true;
    }

    bool takeOne(QByteArrayView line) {
        if (takeQuickly(line))
            return true;
        ++m_lines;
        if (line.isEmpty())
            return true;
        const ParsedRecord parsed = parseRecordLine(line);
        if (!parsed.record) {
            m_reason = parsed.reason;
            return false;
        }
        const PerformanceRecord& record = *parsed.record;
        const QByteArray userId = record.userId.toUtf8();
        const QByteArray method = record.method.toUtf8();
        const QByteArray activity = record.activity.toUtf8();
        const QByteArray inversions = record.inversions.toUtf8();
        const QByteArray category = record.category.toUtf8();
        const RecordView view{userId,   dateKey(record.date), method,         activity,          inversions,
                              category, record.seconds,       record.success, record.accidentals};
        m_tally.add(view);
        if (m_sink)
            (*m_sink)(view);
        return true;
    }

    void add(const RecordView& record) {
        ++m_lines;
        m_tally.add(record);
        if (m_sink)
            (*m_sink)(record);
    }

    ReportTallier m_tally;
    char m_lineEnd;
    const ReportCompiler::RecordSink* m_sink;
    qint64 m_lines = 0;
    QString m_reason;
};

// The places that share [begin, end) out in about equal parts, each after a line end.
std::vector<const char*> partBounds(const char* begin, const char* end, char lineEnd) {
    const qint64 size = end - begin;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const auto parts = static_cast<qint64>(std::min({cores, kMostThreads})) < size / kSmallestPart
                           ? static_cast<qint64>(std::min(cores, kMostThreads))
                           : std::max<qint64>(1, size / kSmallestPart);
    std::vector<const char*> bounds{begin};
    for (qint64 i = 1; i < parts; ++i) {
        const char* from = std::max(bounds.back(), begin + size * i / parts);
        const void* found = std::memchr(from, lineEnd, static_cast<size_t>(end - from));
        if (!found)
            break;
        bounds.push_back(static_cast<const char*>(found) + 1);
    }
    bounds.push_back(end);
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    return bounds;
}

} // namespace

ReportCompiler::ReportCompiler(const ReportQuery& query) : m_query(query) {}

ReportCompiler::~ReportCompiler() = default;

bool ReportCompiler::open(const QString& path) {
    auto source = ReportBytes::openFile(path, m_problem);
    return source && start(std::move(source));
}

bool ReportCompiler::open(std::unique_ptr<QIODevice> source) {
    if (!source->isOpen() && !source->open(QIODevice::ReadOnly)) {
        m_problem = source->errorString();
        return false;
    }
    if (source->isSequential()) {
        m_problem = QCoreApplication::translate("ReportCompiler", "not a regular file");
        return false;
    }
    return start(std::make_unique<ReportBytes>(source->readAll()));
}

bool ReportCompiler::start(std::unique_ptr<ReportBytes> source) {
    m_size = source->size();
    // A byte-order mark, the longest line and what follows its end.
    const qint64 head = std::min<qint64>(m_size, 3 + kMaxLineBytes + 3);
    const char* data = source->slice(0, head, m_problem);
    if (!data)
        return false;
    if (head >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
        m_done = 3;
    // The first line end tells a file of CR-only lines from one of LF or CR LF lines.
    const char* lookEnd = data + std::min<qint64>(head, m_done + kMaxLineBytes + 2);
    for (const char* at = data + m_done; at < lookEnd; ++at) {
        if (*at == '\n')
            break;
        if (*at == '\r') {
            if (at + 1 == data + m_size || at[1] != '\n')
                m_lineEnd = '\r';
            break;
        }
    }
    m_source = std::move(source);
    m_open = true;
    return true;
}

ReportCompiler::Progress ReportCompiler::step(qint64 bytes) {
    if (!m_open)
        return fail(m_problem.isEmpty() ? QCoreApplication::translate("ReportCompiler", "no file is open")
                                        : m_problem);
    const qint64 left = m_size - m_done;
    if (left == 0) {
        m_open = false;
        m_finished = true;
        m_source.reset();
        return Progress::Finished;
    }
    const qint64 want = std::max<qint64>(bytes, 1);
    // Enough to find the first line end from `want` bytes on, if there is one.
    const qint64 reach = std::min<qint64>(left, want + kMaxLineBytes + 1);
    QString problem;
    const char* begin = m_source->slice(m_done, reach, problem);
    if (!begin)
        return fail(problem);

    // The slice runs to the first line end from `want` bytes on, or to the file's end.
    qint64 length = left;
    if (left > want) {
        const char* from = begin + want - 1;
        const qint64 window = std::min<qint64>(left - (want - 1), kMaxLineBytes + 2);
        if (const void* found = std::memchr(from, m_lineEnd, static_cast<size_t>(window))) {
            length = static_cast<const char*>(found) + 1 - begin;
        } else if (window < left - (want - 1)) {
            // No record is this long: count up to the line, and stop there.
            const void* last = memrchr(begin, m_lineEnd, static_cast<size_t>(from - begin));
            if (!last)
                return fail(QCoreApplication::translate("ReportCompiler",
                                                        "line %1: The line is longer than %2 bytes.")
                                .arg(m_lineNumber + 1)
                                .arg(kMaxLineBytes));
            length = static_cast<const char*>(last) + 1 - begin;
        }
    }
    const char* end = begin + length;

    const std::vector<const char*> bounds =
        m_sink ? std::vector<const char*>{begin, end} : partBounds(begin, end, m_lineEnd);
    std::vector<PartCount> parts(bounds.size() - 1,
                                 PartCount(m_query, m_lineEnd, m_sink ? &m_sink : nullptr));
    {
        std::vector<std::jthread> helpers;
        for (size_t i = 1; i < parts.size(); ++i)
            helpers.emplace_back([&parts, &bounds, i] { parts[i].count(bounds[i], bounds[i + 1]); });
        parts[0].count(bounds[0], bounds[1]);
    }
    for (const PartCount& part : parts) {
        if (part.refused())
            return fail(QCoreApplication::translate("ReportCompiler", "line %1: %2")
                            .arg(m_lineNumber + part.lines())
                            .arg(part.reason()));
        m_lineNumber += part.lines();
        m_figures += part.figures();
    }
    m_done += length;
    if (m_done != m_size)
        return Progress::Working;
    m_open = false;
    m_finished = true;
    m_source.reset();
    return Progress::Finished;
}

int ReportCompiler::percentDone() const {
    if (m_finished)
        return 100;
    if (m_size <= 0)
        return 0;
    // The position is taken in whole units of 128 bytes, as a reader's record buffer would.
    const qint64 position = m_done / 128 * 128;
    return static_cast<int>(qMin<qint64>(100, position * 100 / m_size));
}

ReportCompiler::Progress ReportCompiler::fail(const QString& problem) {
    m_problem = problem;
    m_open = false;
    m_source.reset();
    return Progress::Failed;
}

std::optional<ReportFigures> compileReport(const QString& path, const ReportQuery& query, QString* problem) {
    ReportCompiler compiler(query);
    ReportCompiler::Progress progress =
        compiler.open(path) ? ReportCompiler::Progress::Working : ReportCompiler::Progress::Failed;
    while (progress == ReportCompiler::Progress::Working)
        progress = compiler.step(kWholeFileSlice);
    if (progress == ReportCompiler::Progress::Failed) {
        if (problem)
            *problem = compiler.problem();
        return std::nullopt;
    }
    return compiler.figures();
}

} // namespace tonalyst
