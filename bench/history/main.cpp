// How long storing one answer takes: what the window pays to hand it to the writer, and
// what the writer's thread pays to commit it alone; against appending one line to a
// plain file, measured in the same run.
#include "history/HistoryStore.h"
#include "history/HistoryWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using tonalyst::AnswerRecord;

constexpr int kAnswers = 2000;

AnswerRecord answer(int i) {
    AnswerRecord a;
    a.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    a.answeredUtc = QDateTime::currentDateTimeUtc();
    a.userId = QStringLiteral("AB");
    a.runId = QStringLiteral("bench");
    a.method = QStringLiteral("practice");
    a.activity = QStringLiteral("spell");
    a.inversions = QStringLiteral("-1");
    a.category = QStringLiteral("Seventh :");
    a.accidentals = i % 7;
    a.key = QStringLiteral("E-flat major");
    a.item = QStringLiteral("V7");
    a.asked = QStringLiteral("Bb4 D5 F5 Ab5");
    a.given = a.asked;
    a.right = a.asked;
    a.correct = true;
    a.seconds = i % 30;
    return a;
}

struct Figures {
    double median;
    double worst;
};

// Microseconds per call.
template <typename F>
Figures measure(F&& call) {
    std::vector<double> times;
    times.reserve(kAnswers);
    QElapsedTimer timer;
    for (int i = 0; i < kAnswers; ++i) {
        timer.start();
        call(i);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

void print(const char* what, Figures f, Figures baseline) {
    std::printf("%-44s median %9.1f us  worst %9.1f us  median x%.1f of the baseline\n", what, f.median, f.worst,
                f.median / baseline.median);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;

    const QString linePath = dir.filePath(QStringLiteral("answers.txt"));
    const Figures line = measure([&](int i) {
        QFile file(linePath);
        file.open(QIODevice::Append);
        file.write(QStringLiteral("\"AB\",\"practice\",\"spell\",\"V7\",%1,1\r\n").arg(i).toUtf8());
    });

    tonalyst::HistoryStore store(dir.filePath(QStringLiteral("store.sqlite")));
    QString notice;
    if (!store.open(tonalyst::HistoryStore::Access::ReadWrite, notice)) {
        std::fprintf(stderr, "%s\n", qPrintable(notice));
        return 1;
    }
    const Figures commit = measure([&](int i) {
        QString error;
        store.append({answer(i)}, error);
    });

    tonalyst::HistoryWriter writer(dir.filePath(QStringLiteral("writer.sqlite")), dir.filePath(QStringLiteral("none")));
    writer.start();
    writer.flush();
    const Figures handOver = measure([&](int i) { writer.record(answer(i)); });
    QElapsedTimer drain;
    drain.start();
    writer.flush();
    const double drained = static_cast<double>(drain.nsecsElapsed()) / 1000.0;

    std::printf("Storing one answer, %d answers each (baseline: one line appended to a plain file)\n", kAnswers);
    print("baseline: append a line to a plain file", line, line);
    print("HistoryStore::append, one answer per commit", commit, line);
    print("HistoryWriter::record (what the window pays)", handOver, line);
    std::printf("the writer's thread then stored the %d queued answers in %.1f ms (batched)\n", kAnswers,
                drained / 1000.0);
    return 0;
}
