// Exporting a long history as CSV, each way in a child process of its own so that its
// wall time and peak memory (getrusage of the child) are its own: `tonalyst history
// --csv`, the Progress window's Export CSV (through the same desktop function the window
// calls), and, as the baseline, the sqlite3 command-line program on the same query.
// Also the time the writer takes to open the history at start, after a clean close and
// after a writer that died with it open (when the whole file is checked).
//
//   bench_historyexport [ANSWERS]     (default 1000000; needs `sqlite3` on the PATH)

#include "history/HistoryStore.h"
#include "progress/ProgressDesktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QUuid>

#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace tonalyst;

const QString kUser = QStringLiteral("kim");

// The query `tonalyst history --csv` runs, for the baseline.
const char* const kQuery =
    "SELECT answer_id, answered_utc, user_id, run_id, method, activity, inversions, category, accidentals, "
    "key_name, item, inversion, asked, given, right_answer, correct, attempt, seconds, in_data_file, "
    "imported, played "
    "FROM answers WHERE user_id = 'kim' AND answered_utc >= '' AND answered_utc < '~' "
    "ORDER BY answered_utc, rowid";

bool fill(const QString& path, int count) {
    HistoryStore history(path);
    QString error;
    if (!history.open(HistoryStore::Access::ReadWrite, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    QRandomGenerator random(7);
    const QStringList items{QStringLiteral("I"), QStringLiteral("ii"), QStringLiteral("V7"),
                            QStringLiteral("vi")};
    const QDateTime start(QDate(2025, 9, 1), QTime(8, 0), Qt::UTC);
    std::vector<AnswerRecord> batch;
    for (int i = 0; i < count; ++i) {
        AnswerRecord a;
        a.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        a.answeredUtc = start.addSecs(i * 20);
        a.userId = kUser;
        a.runId = QStringLiteral("run-%1").arg(i / 20);
        a.method = i % 3 ? QStringLiteral("practice") : QStringLiteral("test");
        a.activity = QStringLiteral("spell");
        a.inversions = QStringLiteral("-1");
        a.category = QStringLiteral("Seventh :");
        a.accidentals = static_cast<int>(random.bounded(8));
        a.key = QStringLiteral("E-flat major");
        a.item = items[static_cast<qsizetype>(random.bounded(4))];
        a.asked = QStringLiteral("Bb4 D5 F5 Ab5");
        a.right = a.asked;
        a.correct = random.bounded(4) != 0;
        a.given = a.correct ? a.asked : QStringLiteral("Bb4 D5 F5 A5");
        a.attempt = 1;
        a.seconds = static_cast<int>(random.bounded(30));
        batch.push_back(std::move(a));
        if (batch.size() == 20000 || i + 1 == count) {
            if (!history.append(batch, error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return false;
            }
            batch.clear();
        }
    }
    return true;
}

struct Run {
    double seconds = 0;
    long peakKiB = 0;
    int status = -1;
};

// Runs the program with its output in `output`, and measures it alone.
Run measure(const std::vector<QByteArray>& args, const QString& output) {
    std::vector<char*> argv;
    for (const QByteArray& arg : args)
        argv.push_back(const_cast<char*>(arg.constData()));
    argv.push_back(nullptr);
    const QByteArray outputName = QFile::encodeName(output);
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        const int out = ::open(outputName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {static_cast<double>(timer.nsecsElapsed()) / 1e9, usage.ru_maxrss,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// The child that exports as the Progress window does.
int progressExport(const QString& dataDir, const QString& path) {
    const ProgressDesktop desktop = systemProgressDesktop(dataDir, kUser);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const AnswerExportLoad written =
        desktop.exportAnswers({QDate(), QDate(2099, 1, 1), QTimeZone::utc()}, file);
    if (!written.error.isEmpty() || !file.commit()) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error));
        return 1;
    }
    return 0;
}

// The child that opens the history for writing and dies with it open, as a kill leaves it.
int leftOpen(const QString& path) {
    HistoryStore history(path);
    QString notice;
    if (!history.open(HistoryStore::Access::ReadWrite, notice))
        return 1;
    std::fflush(nullptr);
    _exit(0);
}

double secondsToOpen(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    HistoryStore history(path);
    QString notice;
    if (!history.open(HistoryStore::Access::ReadWrite, notice) || !notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(notice));
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

qint64 rows(const QString& path) {
    QFile file(path);
    qint64 count = 0;
    if (file.open(QIODevice::ReadOnly))
        while (!file.atEnd() && !file.readLine().isEmpty())
            ++count;
    return count;
}

void print(const char* what, const Run& run, const Run& baseline, qint64 lines) {
    std::printf("%-36s %7.2f s  x%4.2f   peak %8ld KiB  x%6.2f   exit %d, %lld lines\n", what, run.seconds,
                run.seconds / baseline.seconds, run.peakKiB,
                static_cast<double>(run.peakKiB) / static_cast<double>(baseline.peakKiB), run.status,
                static_cast<long long>(lines));
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--progress-export") == 0) {
        QCoreApplication app(argc, argv);
        return progressExport(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 3 && qstrcmp(argv[1], "--left-open") == 0) {
        QCoreApplication app(argc, argv);
        return leftOpen(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QTemporaryDir dir;
    const QString history = HistoryStore::pathIn(dir.path());
    QElapsedTimer filling;
    filling.start();
    if (count <= 0 || !fill(history, count))
        return 1;
    std::printf("%d answers stored in %.1f s\n", count, static_cast<double>(filling.elapsed()) / 1000.0);

    const QByteArray data = QFile::encodeName(dir.path());
    const QString baselineOut = dir.filePath(QStringLiteral("sqlite3.csv"));
    const QString commandOut = dir.filePath(QStringLiteral("history.csv"));
    const QString progressOut = dir.filePath(QStringLiteral("progress.csv"));
    // Warm the page cache for all three alike.
    measure({"sqlite3", "-csv", QFile::encodeName(history), kQuery}, baselineOut);
    const Run baseline = measure({"sqlite3", "-csv", QFile::encodeName(history), kQuery}, baselineOut);
    const Run command = measure(
        {TONALYST_PROGRAM, "history", "--user", kUser.toUtf8(), "--csv", "--data-dir", data}, commandOut);
    const Run progress = measure({QFile::encodeName(QCoreApplication::applicationFilePath()),
                                  "--progress-export", data, QFile::encodeName(progressOut)},
                                 dir.filePath(QStringLiteral("progress.log")));

    std::printf("CSV of %d answers, each in its own process (baseline: sqlite3 -csv, same query)\n", count);
    print("baseline: sqlite3 -csv", baseline, baseline, rows(baselineOut));
    print("tonalyst history --csv", command, baseline, rows(commandOut));
    print("Progress window's Export CSV", progress, baseline, rows(progressOut));

    const double clean = secondsToOpen(history);
    measure({QFile::encodeName(QCoreApplication::applicationFilePath()), "--left-open",
             QFile::encodeName(history)},
            dir.filePath(QStringLiteral("left-open.log")));
    const double unclean = secondsToOpen(history);
    std::printf(
        "The writer opens the history in %.3f s after a clean close, %.3f s after a writer died with it "
        "open (checked whole)\n",
        clean, unclean);
    return 0;
}
