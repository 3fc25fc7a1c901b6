#include "records/ReportCompiler.h"

#include "records/RecordLimits.h"
#include "records/RecordParser.h"
#include "records/RecordScanner.h"
#include "records/ReportTallier.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tonalyst {

// A data file mapped into memory for reading, without the copy a read would make.
class MappedFile {
public:
    // nullptr, with `problem` saying why, for anything but a readable regular file.
    static std::unique_ptr<MappedFile> open(const QString& path, QString& problem);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const char* data() const { return m_data; }
    qint64 size() const { return m_size; }
    // Hands the whole pages of a part already read back to the system.
    void release(const char* from, const char* to) const;

private:
    MappedFile(char* data, qint64 size) : m_data(data), m_size(size) {}

    char* m_data;
    qint64 m_size;
};

namespace {

// Slices of the whole compilation at once: big enough to share out, small enough that
// the pages read are handed back often.
constexpr qint64 kWholeFileSlice = qint64(8) << 20;
// Below this a part is not worth a thread of its own.
constexpr qint64 kSmallestPart = qint64(512) << 10;
constexpr unsigned kMostThreads = 16;

const QString kNotAFile = QStringLiteral("not a regular file");

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A run of whole lines counted on its own: its tallies, its lines, and the first line
// that is not a record, numbered from the run's start.
class PartCount {
public:
    PartCount(const ReportQuery& query, char lineEnd) : m_tally(query), m_lineEnd(lineEnd) {}

    // [begin, end) starts a line and ends just after a line end, or at the file's end.
    void count(const char* begin, const char* end) {
        const char* at = begin;
        while (at < end) {
            const void* found = std::memchr(at, m_lineEnd, static_cast<size_t>(end - at));
            const char* lineEnd = found ? static_cast<const char*>(found) : end;
            QByteArrayView line(at, lineEnd);
            at = found ? lineEnd + 1 : end;
            if (m_lineEnd == '\n') {
                if (found && line.endsWith('\r'))
                    line.chop(1);
            } else if (line.startsWith('\n')) {
                // The LF of a CR LF in a file of CR-only lines ends the line before.
                line = line.sliced(1);
                if (!found && line.isEmpty())
                    break;
            }
            if (!takeLine(line))
                return;
        }
    }

    const ReportFigures& figures() const { return m_tally.figures(); }
    qint64 lines() const { return m_lines; }
    bool refused() const { return !m_reason.isEmpty(); }
    const QString& reason() const { return m_reason; }

private:
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
        ++m_lines;
        m_tally.add(*record);
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
        m_tally.add({userId, dateKey(record.date), method, activity, inversions, category, record.seconds,
                     record.success, record.accidentals});
        return true;
    }

    ReportTallier m_tally;
    char m_lineEnd;
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

std::unique_ptr<MappedFile> MappedFile::open(const QString& path, QString& problem) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Looked at before opening: opening a pipe would wait for a writer.
    if (::stat(name.constData(), &info) != 0) {
        problem = systemError(errno);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        problem = kNotAFile;
        return nullptr;
    }
    // And again once open, in case another file was put in its place meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = systemError(errno);
        return nullptr;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = kNotAFile;
        ::close(fd);
        return nullptr;
    }
    const auto size = static_cast<qint64>(info.st_size);
    if (size == 0) {
        ::close(fd);
        return std::unique_ptr<MappedFile>(new MappedFile(nullptr, 0));
    }
    void* data = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE, fd, 0);
    const int error = errno;
    ::close(fd);
    if (data == MAP_FAILED) {
        problem = systemError(error);
        return nullptr;
    }
    ::madvise(data, static_cast<size_t>(size), MADV_SEQUENTIAL);
    return std::unique_ptr<MappedFile>(new MappedFile(static_cast<char*>(data), size));
}

MappedFile::~MappedFile() {
    if (m_data)
        ::munmap(m_data, static_cast<size_t>(m_size));
}

void MappedFile::release(const char* from, const char* to) const {
    const auto page = static_cast<qint64>(::sysconf(_SC_PAGESIZE));
    const qint64 first = (from - m_data) / page * page;
    const qint64 last = (to - m_data) / page * page;
    if (last > first)
        ::madvise(m_data + first, static_cast<size_t>(last - first), MADV_DONTNEED);
}

ReportCompiler::ReportCompiler(const ReportQuery& query) : m_query(query) {}

ReportCompiler::~ReportCompiler() = default;

bool ReportCompiler::open(const QString& path) {
    m_mapped = MappedFile::open(path, m_problem);
    if (!m_mapped)
        return false;
    start(m_mapped->data(), m_mapped->size());
    return true;
}

bool ReportCompiler::open(std::unique_ptr<QIODevice> source) {
    if (!source->isOpen() && !source->open(QIODevice::ReadOnly)) {
        m_problem = source->errorString();
        return false;
    }
    if (source->isSequential()) {
        m_problem = kNotAFile;
        return false;
    }
    m_held = source->readAll();
    start(m_held.constData(), m_held.size());
    return true;
}

void ReportCompiler::start(const char* data, qint64 size) {
    m_data = data;
    m_size = size;
    m_open = true;
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
        m_done = 3;
    // The first line end tells a file of CR-only lines from one of LF or CR LF lines.
    const qint64 look = std::min<qint64>(size - m_done, kMaxLineBytes + 2);
    for (const char* at = data + m_done; at != data + m_done + look; ++at) {
        if (*at == '\n')
            break;
        if (*at == '\r') {
            if (at + 1 == data + size || at[1] != '\n')
                m_lineEnd = '\r';
            break;
        }
    }
}

ReportCompiler::Progress ReportCompiler::step(qint64 bytes) {
    if (!m_open)
        return fail(m_problem.isEmpty() ? QStringLiteral("no file is open") : m_problem);
    const char* begin = m_data + m_done;
    const char* fileEnd = m_data + m_size;
    const qint64 want = std::max<qint64>(bytes, 1);

    // The slice runs to the first line end from `want` bytes on, or to the file's end.
    const char* end = fileEnd;
    if (fileEnd - begin > want) {
        const char* from = begin + want - 1;
        const qint64 window = std::min<qint64>(fileEnd - from, kMaxLineBytes + 2);
        if (const void* found = std::memchr(from, m_lineEnd, static_cast<size_t>(window))) {
            end = static_cast<const char*>(found) + 1;
        } else if (window < fileEnd - from) {
            // No record is this long: count up to the line, and stop there.
            const void* last = memrchr(begin, m_lineEnd, static_cast<size_t>(from - begin));
            if (!last)
                return fail(QStringLiteral("line %1: The line is longer than %2 bytes.")
                                .arg(m_lineNumber + 1)
                                .arg(kMaxLineBytes));
            end = static_cast<const char*>(last) + 1;
        }
    }

    if (begin == end) {
        m_open = false;
        m_finished = true;
        return Progress::Finished;
    }
    const std::vector<const char*> bounds = partBounds(begin, end, m_lineEnd);
    std::vector<PartCount> parts(bounds.size() - 1, PartCount(m_query, m_lineEnd));
    {
        std::vector<std::jthread> helpers;
        for (size_t i = 1; i < parts.size(); ++i)
            helpers.emplace_back([&parts, &bounds, i] { parts[i].count(bounds[i], bounds[i + 1]); });
        parts[0].count(bounds[0], bounds[1]);
    }
    for (const PartCount& part : parts) {
        if (part.refused())
            return fail(QStringLiteral("line %1: %2").arg(m_lineNumber + part.lines()).arg(part.reason()));
        m_lineNumber += part.lines();
        m_figures += part.figures();
    }
    if (m_mapped)
        m_mapped->release(begin, end);
    m_done = end - m_data;
    if (end != fileEnd)
        return Progress::Working;
    m_open = false;
    m_finished = true;
    m_mapped.reset();
    m_held.clear();
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
    m_mapped.reset();
    m_held.clear();
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
