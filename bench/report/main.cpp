// Time to compile a performance report from data files of 100,000 and 1,000,000 records,
// against awk computing the same figures and `wc -l` merely counting the lines of the same
// file in the same run. The user IDs are ASCII in one pair of files and not in the other.
// Prints the times, the ratios (awk over the report: higher is better; the report over
// wc -l: lower is better), whether the figures agree, and the peak memory after each file.
//
//   bench_report [RUNS]        (default 3 runs per file size; the best time counts)

#include "records/PerformanceRecord.h"
#include "records/ReportCompiler.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <limits>

namespace {

using tonalyst::ReportFigures;

// The user IDs of a file; the report is on the first.
struct Users {
    const char* name;
    QString ids[3];
};

const Users kAsciiUsers{"ASCII", {QStringLiteral("AB"), QStringLiteral("CD"), QStringLiteral("EF")}};
const Users kUnicodeUsers{
    "non-ASCII", {QStringLiteral("Zo\u00eb"), QStringLiteral("\u5b66\u751f"), QStringLiteral("J\u00f8rn")}};

tonalyst::ReportQuery queryFor(const Users& users) {
    return {users.ids[0], QDate(1998, 5, 6), QDate(1998, 5, 12), QString()};
}

bool fillDataFile(const QString& path, int records, const Users& ids) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QRandomGenerator random(1998);
    const QString* users = ids.ids;
    const QString activities[] = {QStringLiteral("spell"),    QStringLiteral("identify"),
                                  QStringLiteral("intid"),    QStringLiteral("intspell"),
                                  QStringLiteral("keysigid"), QStringLiteral("eartraining")};
    const QString categories[] = {QStringLiteral("Triad :"),       QStringLiteral("Seventh :"),
                                  QStringLiteral("V7 of"),         QStringLiteral("vii-dim7 of"),
                                  QStringLiteral("Augmented 6 :"), QStringLiteral("Flat-II (Neapolitan)"),
                                  QStringLiteral("interval"),      QStringLiteral("major :")};
    QByteArray block;
    for (int i = 0; i < records; ++i) {
        block += tonalyst::recordLine(
            {users[random.bounded(3)], QDate(1998, 4, 20).addDays(random.bounded(30)),
             random.bounded(2) ? QStringLiteral("test") : QStringLiteral("practice"),
             activities[random.bounded(6)], random.bounded(2) ? QStringLiteral("-1") : QStringLiteral("0"),
             categories[random.bounded(8)], random.bounded(60), random.bounded(2), random.bounded(8)});
        if (block.size() > (1 << 16)) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return file.write(block) == block.size();
}

QByteArray figuresText(const ReportFigures& f) {
    QByteArray text;
    for (const auto& c : f.categories)
        text += QByteArray::number(c.attempts) + ' ' + QByteArray::number(c.spelling) + ' ' +
                QByteArray::number(c.identification) + ' ' + QByteArray::number(c.earTraining) + ' ' +
                QByteArray::number(c.inversionsOn) + ' ' + QByteArray::number(c.successes) + ' ' +
                QByteArray::number(c.seconds) + ' ' + QByteArray::number(c.accidentals) + '\n';
    const auto& i = f.intervals;
    text += QByteArray::number(i.identification) + ' ' + QByteArray::number(i.spelling) + ' ' +
            QByteArray::number(i.earTraining) + ' ' + QByteArray::number(i.successes) + ' ' +
            QByteArray::number(i.seconds) + '\n';
    const auto& k = f.keySignatures;
    text += QByteArray::number(k.attempts) + ' ' + QByteArray::number(k.successes) + ' ' +
            QByteArray::number(k.seconds) + '\n' + QByteArray::number(f.recordCount) + '\n';
    return text;
}

long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

struct Timed {
    double seconds = std::numeric_limits<double>::max();
    QByteArray figures;
};

Timed timeCompiler(const QString& path, const tonalyst::ReportQuery& query, int runs) {
    Timed best;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const auto figures = tonalyst::compileReport(path, query);
        best.seconds = qMin(best.seconds, timer.nsecsElapsed() / 1e9);
        best.figures = figures ? figuresText(*figures) : QByteArray("failed");
    }
    return best;
}

Timed timeAwk(const QString& path, const QString& user, int runs) {
    Timed best;
    for (int run = 0; run < runs; ++run) {
        QProcess awk;
        QElapsedTimer timer;
        timer.start();
        awk.start(QStringLiteral("awk"),
                  {QStringLiteral("-F,"), QStringLiteral("-v"), QStringLiteral("user=") + user,
                   QStringLiteral("-v"), QStringLiteral("start=1998-05-06"), QStringLiteral("-v"),
                   QStringLiteral("end=1998-05-12"), QStringLiteral("-v"), QStringLiteral("method="),
                   QStringLiteral("-f"), QStringLiteral(REPORT_AWK_SCRIPT), path});
        awk.waitForFinished(-1);
        best.seconds = qMin(best.seconds, timer.nsecsElapsed() / 1e9);
        best.figures = awk.readAllStandardOutput();
    }
    return best;
}

double timeLineCount(const QString& path, int runs) {
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < runs; ++run) {
        QProcess wc;
        QElapsedTimer timer;
        timer.start();
        wc.start(QStringLiteral("wc"), {QStringLiteral("-l"), path});
        wc.waitForFinished(-1);
        best = qMin(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;
    const int sizes[] = {100000, 1000000};
    std::printf("%10s %10s %6s %10s %8s %8s %9s %8s %8s %12s\n", "IDs", "records", "MB", "report s", "awk s",
                "wc -l s", "awk/rep", "rep/wc", "agree", "peak RSS KB");
    for (const Users* users : {&kAsciiUsers, &kUnicodeUsers}) {
        for (int records : sizes) {
            const QString path = dir.filePath(QString::number(records));
            if (!fillDataFile(path, records, *users)) {
                std::fprintf(stderr, "cannot write the data files\n");
                return 1;
            }
            const Timed compiled = timeCompiler(path, queryFor(*users), runs);
            const Timed awk = timeAwk(path, users->ids[0], runs);
            const double wc = timeLineCount(path, runs);
            std::printf("%10s %10d %6.1f %10.4f %8.4f %8.4f %8.1fx %7.1fx %8s %12ld\n", users->name, records,
                        QFile(path).size() / 1e6, compiled.seconds, awk.seconds, wc,
                        awk.seconds / compiled.seconds, compiled.seconds / wc,
                        compiled.figures == awk.figures ? "yes" : "NO", peakKilobytes());
            QFile::remove(path);
        }
    }
    return 0;
}
