#include "records/ReportCompiler.h"

#include "records/RecordLimits.h"
#include "records/RecordParser.h"

#include <QFile>

#include <cstring>

namespace tonalyst {

namespace {

constexpr qint64 kWholeFileSlice = qint64(1) << 20;

bool isBlank(QByteArrayView line) {
    return line == "\n" || line == "\r\n" || line.isEmpty();
}

} // namespace

ReportCompiler::ReportCompiler(const ReportQuery& query) : m_tally(query) {}

bool ReportCompiler::open(const QString& path) {
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_problem = file->errorString();
        return false;
    }
    return open(std::move(file));
}

bool ReportCompiler::open(std::unique_ptr<QIODevice> source) {
    if (!source->isOpen() && !source->open(QIODevice::ReadOnly)) {
        m_problem = source->errorString();
        return false;
    }
    if (source->isSequential()) {
        m_problem = QStringLiteral("not a file");
        return false;
    }
    m_size = source->size();
    m_source = std::move(source);
    return true;
}

ReportCompiler::Progress ReportCompiler::step(qint64 bytes) {
    if (!m_source)
        return fail(m_problem.isEmpty() ? QStringLiteral("no file is open") : m_problem);
    const qsizetype room = static_cast<qsizetype>(qMax<qint64>(bytes, 1));
    if (m_buffer.size() < m_held + room)
        m_buffer.resize(m_held + room);
    const qint64 got = m_source->read(m_buffer.data() + m_held, room);
    if (got < 0)
        return fail(m_source->errorString());
    if (got == 0) {
        // The last line may lack its line end.
        if (m_held > 0 && !takeLine(QByteArrayView(m_buffer.constData(), m_held)))
            return Progress::Failed;
        m_done += m_held;
        m_held = 0;
        m_source.reset();
        m_finished = true;
        return Progress::Finished;
    }

    const char* start = m_buffer.constData();
    const char* end = start + m_held + got;
    while (start != end) {
        const void* found = std::memchr(start, '\n', static_cast<size_t>(end - start));
        if (!found)
            break;
        const char* next = static_cast<const char*>(found) + 1;
        if (!takeLine(QByteArrayView(start, next)))
            return Progress::Failed;
        m_done += next - start;
        start = next;
    }
    m_held = end - start;
    if (m_held > kMaxLineBytes)
        return fail(QStringLiteral("line %1: the line is longer than %2 bytes.")
                        .arg(m_lineNumber + 1)
                        .arg(kMaxLineBytes));
    std::memmove(m_buffer.data(), start, static_cast<size_t>(m_held));
    return Progress::Working;
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

bool ReportCompiler::takeLine(QByteArrayView line) {
    ++m_lineNumber;
    if (isBlank(line))
        return true;
    if (const auto record = scanRecordLine(line)) {
        m_tally.add(*record);
        return true;
    }
    const ParsedRecord parsed = parseRecordLine(line);
    if (!parsed.record) {
        fail(QStringLiteral("line %1: %2").arg(m_lineNumber).arg(parsed.reason));
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

ReportCompiler::Progress ReportCompiler::fail(const QString& problem) {
    m_problem = problem;
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
