// Prints how long the real window takes from Start to the first note of the question's
// sound reaching the tone player's sink, and from an answer handed in to the first note of
// the next question, for the activities heard in a key (the cadence comes first) against
// Chord Ear Training (the chord's first tone). The tone player is the real FluidSynth one,
// its sink a stand-in that only notes the time of each note-on, so no sound device or
// soundfont is needed. Message boxes answer at once; tests of 20 questions are answered
// wrong, so that nothing but the next question sounds after an answer.
#include "activities/ActivityRegistry.h"
#include "app/EarTrainingWindow.h"
#include "app/MainWindow.h"
#include "app/NamePad.h"
#include "cycle/QuestionCycle.h"
#include "intervals/FluidSynthTonePlayer.h"
#include "platform/ControlNames.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace tonalyst;
using Steady = std::chrono::steady_clock;

constexpr int kQuestions = 20;

// Notes the first note-on after arm().
class TimedSink final : public ToneSink {
public:
    void arm() { m_noteOnAt.store(0); }
    void send(const MidiMessage& message) override {
        Steady::rep none = 0;
        if ((message.status & 0xF0) == 0x90 && message.data2 > 0)
            m_noteOnAt.compare_exchange_strong(none, Steady::now().time_since_epoch().count());
    }
    bool heard() const { return m_noteOnAt.load() != 0; }
    Steady::time_point noteOnAt() const { return Steady::time_point(Steady::duration(m_noteOnAt.load())); }

private:
    std::atomic<Steady::rep> m_noteOnAt{0};
};

class InstantPrompter final : public Prompter {
public:
    void message(const QString&, Icon) override {}
    bool askYesNo(const QString&) override { return yes; }
    bool yes = false;
};

class QuietBeeper final : public Beeper {
public:
    void beep() override {}
};

class BenchFiles final : public FileLocations {
public:
    QString dataDir() const override { return m_root.path(); }
    QString stateDir() const override { return m_root.path(); }
    QString toneDir() const override { return QStringLiteral(TONALYST_TONE_DIR); }

private:
    QTemporaryDir m_root;
};

struct Figures {
    std::vector<double> start;
    std::vector<double> next;
};

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2),
                     values.end());
    return values[values.size() / 2];
}

class Bench {
public:
    Bench() : m_player(m_files.toneDir(), m_sink), m_window(m_platform) {
        m_player.start();
        m_window.setUserId(QStringLiteral("BNCH"));
        // The shortest way through a test: 20 questions, set in the dialog as a student would.
        QTimer::singleShot(0, [] {
            QWidget* modal = QApplication::activeModalWidget();
            findControl<QRadioButton>(modal, "optquesnum", 3)->setChecked(true);
            findControl<QPushButton>(modal, "Command1", 1)->click();
        });
        action("mnutestlong")->trigger();
        action("mnutest")->trigger();
    }

    Figures run(const Activity& activity) {
        // Chord Ear Training asks for its chords when chosen; its defaults stand.
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        action(activity.names().menuName.data())->trigger();
        Figures figures;
        for (int round = 0; round < 5; ++round) {
            quiet();
            figures.start.push_back(timeToFirstNote([this] { control<QPushButton>("cmdStart")->click(); }));
            for (int question = 1; question < kQuestions; ++question) {
                quiet();
                answerWrong();
                figures.next.push_back(
                    timeToFirstNote([this] { m_window.earTrainingWindow()->submitButton()->click(); }));
            }
            m_prompter.yes = true;
            action("mnuquittest")->trigger();
            m_prompter.yes = false;
        }
        return figures;
    }

private:
    QAction* action(const char* name) const { return findControl<QAction>(&m_window, name); }
    template <typename T> T* control(const char* name) const { return findControl<T>(&m_window, name); }

    // Whatever still sounds is dropped, so the next note-on is the one measured.
    void quiet() {
        m_player.silence();
        QThread::msleep(30);
        QCoreApplication::processEvents();
    }

    template <typename Act> double timeToFirstNote(Act act) {
        m_sink.arm();
        const Steady::time_point begin = Steady::now();
        act();
        const Steady::time_point give = begin + std::chrono::seconds(5);
        while (!m_sink.heard() && Steady::now() < give) {
            QCoreApplication::processEvents();
            QThread::usleep(100);
        }
        if (!m_sink.heard())
            std::puts("no note reached the sink");
        return std::chrono::duration<double, std::milli>(m_sink.noteOnAt() - begin).count();
    }

    // A name that is not the right one at each place, or a chord quality that is not it.
    void answerWrong() {
        const Question& question = m_window.cycle().currentSlot()->question;
        if (question.heard) {
            const std::vector<std::string> offered =
                m_window.state().current->padNames(question, m_window.settings());
            for (const std::string& right : question.heard->answer) {
                const std::string& wrong = offered.front() == right ? offered.back() : offered.front();
                m_window.earTrainingWindow()->namePad()->button(QString::fromStdString(wrong))->click();
            }
            return;
        }
        QMenu* qualities = findControl<QMenu>(&m_window, "mnuchordeartrain");
        for (QAction* type : qualities->actions())
            for (QAction* item : type->menu() ? type->menu()->actions() : QList<QAction*>{})
                if (item->text().trimmed() != QString::fromStdString(question.name).trimmed()) {
                    item->trigger();
                    return;
                }
    }

    SystemClock m_clock;
    SeededRandomSource m_random{2026};
    InstantPrompter m_prompter;
    QuietBeeper m_beeper;
    BenchFiles m_files;
    TimedSink m_sink;
    FluidSynthTonePlayer m_player;
    Platform m_platform{m_clock, m_random, m_prompter, m_beeper, m_player, m_files};
    MainWindow m_window;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench bench;
    const Figures baseline = bench.run(*activityByWorksheetName("chord-ear"));
    const double baseStart = median(baseline.start);
    const double baseNext = median(baseline.next);
    std::printf("Start to first note, and answer to the next question's first note; medians of %d and %d\n",
                5, 5 * (kQuestions - 1));
    std::printf("  %-22s %8.2f ms %8.2f ms  (baseline)\n", "chord ear training", baseStart, baseNext);
    for (const char* name : {"scale-degrees", "chord-functions", "progressions", "cadences"}) {
        const Figures figures = bench.run(*activityByWorksheetName(name));
        const double start = median(figures.start);
        const double next = median(figures.next);
        std::printf("  %-22s %8.2f ms %8.2f ms  (x%.2f, x%.2f)\n", name, start, next, start / baseStart,
                    next / baseNext);
    }
    return 0;
}
