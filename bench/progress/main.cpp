// Time to open the Progress window on a history of 100,000 answers, from the window's
// construction until its charts and tables show the figures, against reading the same
// answers from the history alone in the same run. Also prints the time to work the figures
// out the straightforward way (every answer read whole, then counted) and as the window
// does (counted as they are read), and the longest the window's event loop went without
// turning while it opened.
//
//   bench_progress [ANSWERS] [RUNS]     (default 100000 answers, 3 runs; the best time counts)

#include "history/HistoryStore.h"
#include "progress/ProgressReading.h"
#include "progress/ProgressWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

using namespace tonalyst;

const QString kUser = QStringLiteral("kim");

class SilentPrompter final : public Prompter {
public:
    void message(const QString& text, Icon) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    bool askYesNo(const QString&) override { return true; }
};

// Answers of every activity spread over the last four weeks, a quarter of them wrong.
std::vector<AnswerRecord> makeAnswers(int count) {
    struct Kind {
        const char* activity;
        const char* category;
        const char* right;
        const char* wrong;
    };
    const Kind kinds[] = {
        {"spell", "Triad :", "E4 G#4 B4", "E4 Ab4 B4"},
        {"spell", "Seventh :", "D4 F#4 A4 C5", "D4 F4 A4"},
        {"identify", "Augmented 6 :", "Augmented 6 : / German", "Augmented 6 : / Italian"},
        {"identify", "V7 of", "V7 of / V  (or v) / (1st inversion)", "V7 of / ii  / (1st inversion)"},
        {"intspell", "Third :", "C4 Eb4", "C4 D#4"},
        {"intid", "Sixth :", "Sixth : / minor", "Sixth : / major"},
        {"keysigid", "major :", "major : / E-flat", "major : / A-flat"},
        {"eartraining", "interval", "Fifth : / perfect", "Fourth : / perfect"},
        {"eartraining", "Triad :", "Triad : / minor", "Triad : / major"},
    };
    const char* keys[] = {"C major", "E-flat major", "g minor", "f-sharp minor"};
    QRandomGenerator random(2026);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString run = QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::vector<AnswerRecord> answers;
    answers.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Kind& kind = kinds[random.bounded(static_cast<int>(std::size(kinds)))];
        AnswerRecord answer;
        answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        answer.answeredUtc = now.addSecs(-static_cast<qint64>(count - i) * 27 * 24 * 3600 / count);
        answer.userId = kUser;
        answer.runId = run;
        answer.method = random.bounded(3) ? QStringLiteral("practice") : QStringLiteral("test");
        answer.activity = QString::fromLatin1(kind.activity);
        answer.inversions = QStringLiteral("0");
        answer.category = QString::fromLatin1(kind.category);
        answer.key = QString::fromLatin1(keys[random.bounded(4)]);
        answer.item = QString::fromLatin1(kind.right).section(QStringLiteral(" / "), 1, 1);
        answer.asked = QStringLiteral("Eb4 G4 Bb4");
        answer.right = QString::fromLatin1(kind.right);
        answer.correct = random.bounded(4) != 0;
        answer.given = answer.correct ? answer.right : QString::fromLatin1(kind.wrong);
        answer.seconds = 3 + random.bounded(20);
        answers.push_back(std::move(answer));
    }
    return answers;
}

template <typename F>
double bestMs(int runs, F&& work) {
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 100000;
    const int runs = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 3;

    QTemporaryDir dir;
    {
        HistoryStore store(HistoryStore::pathIn(dir.path()));
        QString notice;
        QString error;
        if (!store.open(HistoryStore::Access::ReadWrite, notice) || !store.append(makeAnswers(count), error)) {
            std::fprintf(stderr, "cannot fill the history: %s%s\n", qPrintable(notice), qPrintable(error));
            return 1;
        }
    }

    std::vector<AnswerRecord> read;
    double openingMs = std::numeric_limits<double>::max();
    const double readMs = bestMs(runs, [&] {
        QElapsedTimer opening;
        opening.start();
        HistoryStore store(HistoryStore::pathIn(dir.path()));
        QString notice;
        store.open(HistoryStore::Access::ReadOnly, notice);
        openingMs = std::min(openingMs, static_cast<double>(opening.nsecsElapsed()) / 1e6);
        read = store.answers(HistoryQuery{kUser, {}, {}, {}});
    });
    const QDate today = QDate::currentDate();
    const ProgressQuery lastThirtyDays{today.addDays(-29), today, QTimeZone::systemTimeZone()};
    const double computeMs = bestMs(runs, [&] { computeProgress(read, lastThirtyDays); });
    const double tallyMs = bestMs(runs, [&] {
        HistoryStore store(HistoryStore::pathIn(dir.path()));
        QString notice;
        store.open(HistoryStore::Access::ReadOnly, notice);
        readProgress(store, kUser, lastThirtyDays);
    });

    SystemClock clock;
    SilentPrompter prompter;
    // The first window also pays for loading fonts and styles; the calmest run counts.
    qint64 longestStall = std::numeric_limits<qint64>::max();
    double firstMs = std::numeric_limits<double>::max();
    const double openMs = bestMs(runs, [&] {
        QElapsedTimer sinceOpening;
        sinceOpening.start();
        double firstSectionMs = -1;
        qint64 stall = 0;
        // A timer that should turn every millisecond: its longest gap is the longest the
        // window held the event loop up.
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] { stall = std::max(stall, sinceTick.restart()); });
        ticker.start();

        ProgressWindow window(kUser, systemProgressDesktop(dir.path(), kUser), clock, prompter);
        // The first section is what the student sees first; the rest follow a turn each.
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            if (firstSectionMs < 0 && !window.sections().isEmpty())
                firstSectionMs = static_cast<double>(sinceOpening.nsecsElapsed()) / 1e6;
        });
        QEventLoop loop;
        QObject::connect(&window, &ProgressWindow::figuresShown, &loop, &QEventLoop::quit);
        window.show();
        loop.exec();
        QCoreApplication::processEvents(); // the first paint with the figures
        longestStall = std::min(longestStall, stall);
        firstMs = std::min(firstMs, firstSectionMs);
    });

    const auto line = [](const char* what, double ms) { std::printf("%-50s %8.1f ms", what, ms); };
    std::printf("%-50s %8d (%zu read back)\n", "answers in the history:", count, read.size());
    line("reading them from the history (baseline):", readMs);
    std::printf("  (of which opening the file %.1f ms)\n", openingMs);
    line("reading them whole, then working out the figures:", readMs + computeMs);
    std::printf("  (%.2f x the baseline)\n", (readMs + computeMs) / readMs);
    line("working out the figures as they are read:", tallyMs);
    std::printf("  (%.2f x the baseline)\n", tallyMs / readMs);
    line("opening the Progress window, first section shown:", firstMs);
    std::printf("  (%.2f x the baseline; target 200 ms)\n", firstMs / readMs);
    line("opening the Progress window, every section shown:", openMs);
    std::printf("  (%.2f x the baseline)\n", openMs / readMs);
    std::printf("%-50s %8lld ms\n", "longest the event loop stood still:", static_cast<long long>(longestStall));
    return 0;
}
