#pragma once

#include "cycle/AnswerObserver.h"
#include "cycle/CycleView.h"
#include "cycle/QuestionSlot.h"
#include "cycle/RunCounters.h"
#include "cycle/RunState.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "records/PendingRecord.h"
#include "theory/QuestionContext.h"
#include "theory/QuestionMaker.h"
#include "theory/RandomSource.h"
#include "theory/WeakSpots.h"

#include <QDateTime>

#include <array>
#include <optional>
#include <vector>

namespace tonalyst {

// The longest test; practice asks every question in the first slot.
inline constexpr int kMaxTestLength = 20;

// The outside world the cycle reads: the clock for answer times, the prompter for every
// message box, the random source for the questions.
struct CycleServices {
    const Clock& clock;
    Prompter& prompter;
    RandomSource& random;
};

class PerformanceDataFile;

// A run of questions: presents each question, judges the answer handed in, tells the
// student the verdict, keeps the run's records until the run ends, and steps through
// the errors of a finished test.
class QuestionCycle {
public:
    QuestionCycle(RunState& state, const QuestionSettings& settings, CycleView& view, CycleServices services,
                  PerformanceDataFile& records, IntervalQuestionMaker* intervals = nullptr);

    // Start: the run's counters from zero, then the first question.
    void start();
    // Submit Answer, once the answer is complete: judges it and moves on.
    void questionstep();
    // Clear in identification: the first two answer parts go, the menu comes up again.
    void clearIdentificationAnswer();
    // Ends the run and writes its records.
    void endrun();
    // Sounds the question under way, as Repeat Tones does in ear training.
    void playanswer();
    // Sounds the cadence that set the key of the question under way, if it has one.
    void playCadence();

    // Told of every judged answer; nullptr for nobody.
    void setAnswerObserver(AnswerObserver* observer) { m_observer = observer; }
    // Practice questions favour the schedule's weak spots; nullptr draws every question
    // as the settings alone say. Tests are never weighted.
    void setWeakSpots(const WeakSpotSchedule* schedule) { m_weakSpots = schedule; }

    // The answer the identification menus are filling.
    AnswerParts& answer() { return m_answer; }
    const AnswerParts& answer() const { return m_answer; }
    // The keys the answer was played with ("C4 E4 G4"), kept in its history record; empty
    // when the answer was chosen from the menus.
    void setPlayed(const QString& keys) {
        m_played = keys;
        m_namesPlayed.clear();
    }
    // A pad's names each keep the keys they were played with ("" for a name pressed or
    // typed), so that a name taken back takes its keys with it; played() joins those of the
    // names the answer holds by " | ", as the chords asked are.
    void setNamePlayed(std::size_t index, const QString& keys);
    QString played() const;
    // The question waiting for an answer, or nullptr.
    const QuestionSlot* currentSlot() const;
    bool running() const { return m_running; }

    const RunCounters& counters() const { return m_counters; }
    const std::vector<PendingRecord>& pending() const { return m_pending; }

private:
    ActivityState activityState() const;
    int testLength() const;
    bool identification() const;
    bool spelling() const;
    bool inversionList(const QuestionSlot& slot) const;
    std::vector<WrittenNote> questionNotes(const QuestionSlot& slot) const;
    RightAnswer rightAnswer(const QuestionSlot& slot) const;
    // After the verdict: the question's notes again, or what resolves a heard question.
    void soundAnswer(const QuestionSlot& slot);
    void playHeard(const QuestionSlot& slot, CycleView::HeardParts parts);

    void testStep();
    void practiceStep();
    void finishTest();
    void retry(const QuestionSlot& slot);
    int judge(QuestionSlot& slot);
    void reportAnswer();
    void recordanswer(QuestionSlot& slot, int verdict);
    void pendRecord(const QuestionSlot& slot, int verdict, qint64 seconds);
    void nextQuestion(int number, int shownNumber);
    void presentQuestion(const QuestionSlot& slot);
    void showPrompt(const QuestionSlot& slot);

    void reviewstep();
    void showReviewedQuestion(const QuestionSlot& slot);
    void finishReview(bool withMessage);

    // The first prompt line of a test question answered right; the review passes it by.
    static constexpr std::string_view kRightMark = "right";

    RunState& m_state;
    const QuestionSettings& m_settings;
    CycleView& m_view;
    CycleServices m_services;
    PerformanceDataFile& m_records;
    IntervalQuestionMaker* m_intervals;
    AnswerObserver* m_observer = nullptr;
    const WeakSpotSchedule* m_weakSpots = nullptr;

    std::array<QuestionSlot, kMaxTestLength + 1> m_slots; // by question number; 0 unused
    AnswerParts m_answer;
    QString m_played;
    QStringList m_namesPlayed;
    RunCounters m_counters;
    std::vector<PendingRecord> m_pending;
    // The answers that the pending records count, for the history to mark once written.
    QStringList m_pendingAnswers;
    QDateTime m_questionStart;
    // The key of the last question heard in a key in this run, whose cadence then needs no repeat.
    std::optional<TonalKey> m_heardKey;
    QString m_runId;
    // The answer judged last; attempts at the question so far.
    AnswerRecord m_judged;
    int m_attempts = 0;
    // False once the run has ended, also when it ended while a message box was open.
    bool m_running = false;
};

} // namespace tonalyst
