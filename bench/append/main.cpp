// Time to append one run of 20 records to the performance data file, with the seal
// check before it, the journal, and the new seal after it, on data files of 10,000 and
// 1,000,000 records. Prints the median and the spread over many runs.
//
//   bench_append [RUNS]        (default 200 runs per file size)

#include "platform/Clock.h"
#include "platform/FileLocations.h"
#include "records/PerformanceDataFile.h"
#include "records/PerformanceRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class BenchLocations final : public tonalyst::FileLocations {
public:
    explicit BenchLocations(const QTemporaryDir& root) : m_root(root.path()) {
        QDir(m_root).mkpath(QStringLiteral("data"));
        QDir(m_root).mkpath(QStringLiteral("state"));
    }
    QString dataDir() const override { return m_root + QStringLiteral("/data"); }
    QString stateDir() const override { return m_root + QStringLiteral("/state"); }
    QString toneDir() const override { return {}; }

private:
    QString m_root;
};

std::vector<tonalyst::PendingRecord> run() {
    std::vector<tonalyst::PendingRecord> records;
    for (int i = 0; i < 20; ++i)
        records.push_back({QStringLiteral("test"), QStringLiteral("spell"), QStringLiteral("-1"),
                           QStringLiteral("Seventh :"), 7 + i, i % 2, i % 8});
    return records;
}

bool fillDataFile(const QString& path, int records) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray line = tonalyst::recordLine(
        tonalyst::PerformanceRecord::fromPending(run().front(), QStringLiteral("AB"), QDate(1998, 5, 12)));
    QByteArray block;
    for (int i = 0; i < 1000; ++i)
        block += line;
    for (int written = 0; written < records; written += 1000) {
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

bool measure(int records, int runs) {
    QTemporaryDir root;
    const BenchLocations locations(root);
    const tonalyst::SystemClock clock;
    tonalyst::PerformanceDataFile file(locations, clock);
    if (!fillDataFile(file.dataFilePath(), records) || !file.ensureseal().written) {
        std::fprintf(stderr, "cannot prepare a data file in %s\n", qPrintable(root.path()));
        return false;
    }
    const auto pending = run();
    std::vector<double> millis;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const tonalyst::WriteOutcome outcome = file.writePending(QStringLiteral("AB"), pending);
        millis.push_back(timer.nsecsElapsed() / 1e6);
        if (!outcome.written) {
            std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
            return false;
        }
    }
    std::sort(millis.begin(), millis.end());
    const auto at = [&](double q) { return millis[static_cast<size_t>(q * (millis.size() - 1))]; };
    std::printf("%9d records: median %.3f ms, 10%% %.3f ms, 90%% %.3f ms, max %.3f ms (%d runs of 20)\n",
                records, at(0.5), at(0.1), at(0.9), millis.back(), runs);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 200;
    for (int records : {10000, 1000000}) {
        if (!measure(records, runs))
            return 1;
    }
    return 0;
}
