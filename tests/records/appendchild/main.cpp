// Appends numbered runs to a data file until it is told to stop or is killed.
//
//   records_append_child DATA_DIR STATE_DIR USER FIRST_RUN RUN_COUNT
//
// Each run has 20 records; every record carries the run number as its seconds and its
// place in the run as its accidentals. After each run is written the number is printed
// on a line of its own, so the caller knows which runs were confirmed before a kill.

#include "platform/Clock.h"
#include "platform/FileLocations.h"
#include "records/PerformanceDataFile.h"

#include <QString>

#include <cstdio>
#include <vector>

namespace {

class FixedLocations final : public tonalyst::FileLocations {
public:
    FixedLocations(QString data, QString state) : m_data(std::move(data)), m_state(std::move(state)) {}
    QString dataDir() const override { return m_data; }
    QString stateDir() const override { return m_state; }
    QString toneDir() const override { return {}; }

private:
    QString m_data;
    QString m_state;
};

std::vector<tonalyst::PendingRecord> run(int number) {
    std::vector<tonalyst::PendingRecord> records;
    for (int i = 0; i < 20; ++i)
        records.push_back({QStringLiteral("test"), QStringLiteral("spell"), QStringLiteral("-1"),
                           QStringLiteral("Triad :"), number, i % 2, i});
    return records;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s DATA_DIR STATE_DIR USER FIRST_RUN RUN_COUNT\n", argv[0]);
        return 2;
    }
    const FixedLocations locations(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const QString user = QString::fromLocal8Bit(argv[3]);
    const int first = QByteArray(argv[4]).toInt();
    const int count = QByteArray(argv[5]).toInt();

    const tonalyst::SystemClock clock;
    tonalyst::PerformanceDataFile file(locations, clock);
    const tonalyst::WriteOutcome start = file.ensureseal();
    if (!start.written) {
        std::fprintf(stderr, "%s\n", qPrintable(start.message));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (int number = first; number < first + count; ++number) {
        const tonalyst::WriteOutcome outcome = file.writePending(user, run(number));
        if (!outcome.written) {
            std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
            return 1;
        }
        std::printf("%d\n", number);
        std::fflush(stdout);
    }
    return 0;
}
