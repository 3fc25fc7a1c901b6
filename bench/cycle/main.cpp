// Prints the median time from Submit Answer (an answer judged right) to the next question
// presented, for each activity in practice and in test. Message boxes answer at once and
// the windows are stand-ins that do nothing, so the figure is the cycle's own work: judging,
// recording, the status values, drawing the next key and question, and preparing its answer.
#include "EverythingEnabled.h"
#include "cycle/QuestionCycle.h"
#include "cycle/RunCounters.h"
#include "records/PerformanceDataFile.h"
#include "theory/IntervalGenerator.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace tonalyst;

class InstantPrompter final : public Prompter {
public:
    void message(const QString&, Icon) override {}
    bool askYesNo(const QString&) override { return false; }
};

class QuietView final : public CycleView {
public:
    void showQuestionNumber(const QString&) override {}
    void showPrompt(const QString&, const QString&) override {}
    void showAnswerWas(const QString&, AnswerWasStyle) override {}
    void showAnswerMessage(const QString&) override {}
    void clearAnswerLabels() override {}
    void showAnswerLabels() override {}
    void clearIdentificationLabels() override {}
    void showRecordedAnswer(const AnswerParts&, const Question&, InversionOption, bool) override {}
    void showChoices() override {}
    void prepareAnswerEntry() override {}
    void hideInversionList() override {}
    void displayinvmnu(const Question&, InversionOption, const std::optional<std::string>&) override {}
    void changeclef() override {}
    void clearstaff() override {}
    void setNoteLimit(int) override {}
    void enterNotes(const std::vector<WrittenNote>&) override {}
    std::vector<WrittenNote> staffNotes() const override { return staff; }
    void showkeysig(const Question&, bool) override {}
    void showKeyIndication(const Question&, const CurrentKey&) override {}
    void playanswer(const std::vector<WrittenNote>&) override {}
    void playHeard(const HeardInKey&, HeardParts, int) override {}
    void offerNames(const Question&) override {}
    void beepn(int) override {}
    void showStatus(const StatusValues&) override {}
    void stopElapsedTime() override {}
    void showReviewControls() override {}
    void enableReset() override {}
    void endrun() override {}
    void applyactivity() override {}
    QString userId() const override { return QStringLiteral("BNCH"); }

    std::vector<WrittenNote> staff;
};

class StillClock final : public Clock {
public:
    QDateTime now() const override { return m_now; }
    void tick() { m_now = m_now.addSecs(3); }

private:
    QDateTime m_now{QDate(2026, 1, 5), QTime(9, 0)};
};

class TempFiles final : public FileLocations {
public:
    QString dataDir() const override { return m_root.path(); }
    QString stateDir() const override { return m_root.path(); }
    QString toneDir() const override { return m_root.path(); }

private:
    QTemporaryDir m_root;
};

struct Case {
    const char* title;
    std::string_view activity; // its `tonalyst worksheet --activity` name
    Method method;
};

// The right answer to the question under way, on the staff and in the menus.
void answerRight(QuestionCycle& cycle, QuietView& view) {
    const QuestionSlot& slot = *cycle.currentSlot();
    view.staff.clear();
    for (std::size_t i = 0; i < slot.prepared.notes.size(); ++i)
        view.staff.push_back({slot.prepared.notes[i].step + 1, slot.prepared.notes[i].code()});
    cycle.answer() = {slot.question.category, slot.question.name, slot.question.invLabel};
}

double medianMicroseconds(const Case& c, const QuestionSettings& settings, int questions) {
    RunState state;
    state.selected = state.current = activityByWorksheetName(c.activity);
    state.method = c.method;
    QuietView view;
    StillClock clock;
    InstantPrompter prompter;
    SeededRandomSource random(2026);
    TempFiles files;
    PerformanceDataFile records(files, clock);
    IntervalGenerator intervals;
    QuestionCycle cycle(state, settings, view, {clock, prompter, random}, records, &intervals);

    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(questions));
    using Steady = std::chrono::steady_clock;
    while (static_cast<int>(times.size()) < questions) {
        cycle.start();
        // A test restarts after its last question, whose step ends the run instead.
        while (cycle.running() && static_cast<int>(times.size()) < questions) {
            answerRight(cycle, view);
            clock.tick();
            const bool lastOfTest = c.method == Method::Test && state.questionNumber == settings.testLength;
            const auto begin = Steady::now();
            cycle.questionstep();
            const auto end = Steady::now();
            if (!lastOfTest)
                times.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
        }
        if (cycle.running())
            cycle.endrun();
    }
    std::nth_element(times.begin(), times.begin() + questions / 2, times.end());
    return times[static_cast<std::size_t>(questions / 2)];
}

} // namespace

int main() {
    QuestionSettings settings = bench::everythingEnabled();
    settings.testLength = 20;

    const Case cases[]{
        {"chord spelling, practice", "chord-spell", Method::Practice},
        {"chord spelling, test", "chord-spell", Method::Test},
        {"chord identification, practice", "chord-id", Method::Practice},
        {"chord identification, test", "chord-id", Method::Test},
        {"key signatures, test", "keysig", Method::Test},
        {"interval spelling, practice", "interval-spell", Method::Practice},
        {"interval identification, practice", "interval-id", Method::Practice},
        {"chord ear training, practice", "chord-ear", Method::Practice},
        {"interval ear training, practice", "interval-ear", Method::Practice},
    };
    constexpr int kQuestions = 5000;
    std::printf("Submit to next question, median of %d questions (no message boxes, no tones)\n", kQuestions);
    for (const Case& c : cases)
        std::printf("  %-36s %8.2f us\n", c.title, medianMicroseconds(c, settings, kQuestions));
    return 0;
}
