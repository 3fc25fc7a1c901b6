// Arbitrary bytes as a data file: the record parser and the report compiler must neither
// crash nor disagree. Whatever the quick line scanner accepts, the full parser accepts with
// the same fields, and the one-pass compiler gives exactly the six-pass figures (or both
// refuse the file).

#include "records/RecordParser.h"
#include "records/RecordScanner.h"
#include "records/ReportCompiler.h"
#include "records/ReportSixPasses.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

using namespace tonalyst;

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkLine(QByteArrayView line) {
    const auto scanned = scanRecordLine(line);
    const ParsedRecord parsed = parseRecordLine(line);
    if (!scanned)
        return;
    require(parsed.record.has_value());
    const PerformanceRecord& r = *parsed.record;
    require(scanned->userId == r.userId.toUtf8() && scanned->method == r.method.toUtf8() &&
            scanned->activity == r.activity.toUtf8() && scanned->inversions == r.inversions.toUtf8() &&
            scanned->category == r.category.toUtf8());
    require(scanned->dateKey == dateKey(r.date) && scanned->seconds == r.seconds &&
            scanned->success == r.success && scanned->accidentals == r.accidentals);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        checkLine(QByteArrayView(bytes).sliced(start, end - start));
        start = end;
    }

    const ReportQuery query{QStringLiteral("AB"), QDate(1990, 1, 1), QDate(2030, 12, 31),
                            size % 2 ? QStringLiteral("test") : QString()};
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    ReportCompiler compiler(query);
    require(compiler.open(std::move(buffer)));
    ReportCompiler::Progress progress = ReportCompiler::Progress::Working;
    const qint64 slice = 1 + static_cast<qint64>(size % 97);
    while (progress == ReportCompiler::Progress::Working)
        progress = compiler.step(slice);

    const auto expected = test::compileInSixPasses(bytes, query);
    require((progress == ReportCompiler::Progress::Finished) == expected.has_value());
    if (expected)
        require(compiler.figures() == *expected);
    return 0;
}
