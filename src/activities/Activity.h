#pragma once

#include "theory/Activity.h"
#include "theory/Judge.h"
#include "theory/QuestionContext.h"
#include "theory/QuestionSettings.h"
#include "theory/WeakSpots.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// The pop-up menu an activity's answers are chosen from.
enum class ChoiceMenu { None, Chords, KeySignatures, ChordQualities, Intervals };

// What an activity asks of the window its answers are entered in. The main window
// implements it; the activity decides which of these its answers need.
class AnswerDesk {
public:
    virtual ~AnswerDesk() = default;
    virtual void clearStaff() = 0;
    virtual void focusSubmit() = 0;
    virtual void clearChoices() = 0;
    // Plays the question again and offers the answer menu.
    virtual void replayAndOfferChoices() = 0;
    // Ear training: the window's title, the settings only ear training allows, its own dialog.
    virtual void setEarTrainingTitle(const std::string& title) = 0;
    virtual void restrictToCommonIntervals() = 0;
    virtual void showEarTrainingWhileRunning() = 0;
    virtual void askEarTrainingChords() = 0;
    // The option dialogs of the activities heard in a key.
    virtual void editScaleDegreeOptions() = 0;
    virtual void editChordFunctionOptions() = 0;
    virtual void editProgressionOptions() = 0;
    virtual void editCadenceOptions() = 0;
};

// What the history keeps of one answer besides its verdict, in one notation for what
// was asked, given and right, so that a right answer's given reads as its right.
struct AnswerTexts {
    std::string key;
    std::string item;
    std::string asked;
    std::string given;
    std::string right;
};

// The codes an activity goes by; data, never translated.
struct ActivityNames {
    std::string_view menuName;      // object name of its Activity menu item
    std::string_view worksheetName; // `tonalyst worksheet --activity` takes it
    std::string_view itemKind;      // what its questions name: "Chord", "Interval" or "Key"
    std::string_view group;         // neighbours in the Activity menu share it
};

// One drill: its names, how its question is drawn (through the theory toolkit's
// parameters), how answers are entered and judged, and how it prints. The window, the
// question cycle, the worksheet, the history and the Progress window ask it, never its kind.
class Activity {
public:
    Activity(ActivityNames names, ActivityTraits traits);
    virtual ~Activity() = default;
    Activity(const Activity&) = delete;
    Activity& operator=(const Activity&) = delete;

    const ActivityNames& names() const { return m_names; }
    // The texts a person reads: the Activity menu's caption with its shortcut mark, the
    // status panel's name, and the title of its worksheet and Progress section.
    virtual std::string caption() const = 0;
    virtual std::string statusText() const = 0;
    virtual std::string title() const = 0;

    // The parameters the theory toolkit draws, prepares and records questions with.
    const ActivityTraits& traits() const { return m_traits; }
    ActivityState settledState() const { return ActivityState::settled(m_traits); }

    // The next question and its key, favouring the schedule's weak spots when one is given.
    virtual DrawnQuestion draw(const QuestionContext& context, IntervalQuestionMaker* intervals,
                               const WeakSpotSchedule* favor) const;

    std::string_view recordCode() const { return m_traits.recordCode; }
    std::string recordCategory(const Question& question) const;
    // Whether an answer the history keeps with this code and category is one of ours.
    virtual bool ownsRecord(std::string_view code, std::string_view category) const;
    // The answer is a sequence of names ("I, IV, V7, I") compared place by place, so the
    // history's figures count each name at its place: right name R answered G is R wrong.
    virtual bool namesInOrder() const { return false; }
    // The data file keeps one record per question; activities its format has no place for
    // leave it alone, and the history alone counts their questions (by their first answers).
    virtual bool keptInDataFile() const { return true; }

    // Answers are notes written on the staff; otherwise they are chosen from menus.
    virtual bool answersOnStaff() const = 0;
    virtual ChoiceMenu choiceMenu() const { return ChoiceMenu::None; }
    virtual bool earTraining() const { return false; }
    virtual bool asksIntervals() const { return false; }
    // Key signatures shown as symbols, and whether the key-signature display and its menu item stay.
    virtual bool namesKeySignatures() const { return false; }
    virtual bool keepsKeySignatureDisplay() const { return false; }
    virtual bool offersKeySignatureView() const { return false; }
    // The advanced intervals among the answer choices.
    virtual bool offersAdvancedIntervals() const { return true; }
    // Submit Answer wants as many notes on the staff as the question has.
    virtual bool needsAllNotes() const { return true; }
    // Submit Answer wants a second choice after this first one.
    virtual bool needsSecondChoice(const AnswerParts& answer) const;
    virtual bool offersReview() const { return true; }

    // Answers named one after the other from a pad of names, as many as namesWanted:
    // the names offered, in their order on the pad.
    virtual bool answersOnPad() const { return false; }
    virtual std::vector<std::string> padNames(const Question& question,
                                              const QuestionSettings& settings) const;
    // A typed name as the pad knows it, or nothing when the text names none.
    virtual std::optional<std::string> readName(std::string_view typed, const Question& question,
                                                const QuestionSettings& settings) const;
    // The name number key 1 to 7 enters, if any.
    virtual std::optional<std::string> numberKeyName(int digit, const Question& question,
                                                     const QuestionSettings& settings) const;
    // A pad name as the student sees it.
    virtual std::string shownName(std::string_view name, const Question& question,
                                  const QuestionSettings& settings) const;
    static int namesWanted(const Question& question);
    // The options heard questions share (tempo, whether the cadence is repeated), or
    // nullptr for an activity whose questions are not heard in a key.
    virtual const InKeyCommon* inKeyCommon(const QuestionSettings& settings) const;

    // The main window's question line while an ear-training question is under way, seen
    // when the student shows the display: nothing where the staff shows what was played.
    virtual std::string displayedQuestion(const Question&) const { return {}; }

    // The notes the staff shows with the question, from the question's notes in sounding order.
    virtual std::vector<WrittenNote> shownNotes(const std::vector<WrittenNote>& questionNotes) const;

    // Whether the inversion list is part of the answer for this question.
    virtual bool usesInversionList(const Question& question, InversionOption inversions) const;
    // 1 right or 0 wrong; what the judge keeps of the answer goes to recorded. While
    // reviewing, the menu answer the test was given stays recorded.
    virtual int judge(const Question& question, const PreparedAnswer& prepared, bool inversionList,
                      const Submission& submission, RecordedAnswer& recorded, bool reviewing) const = 0;
    virtual RightAnswer rightAnswer(const Question& question, const PreparedAnswer& prepared,
                                    InversionOption notation, bool inversionList) const = 0;
    virtual AnswerTexts answerTexts(const Question& question, const PreparedAnswer& prepared,
                                    const Submission& submission, bool inversionList) const;

    // The Options menu's item for a dialog of the activity's own ("" for none), and the
    // dialog that item and the ear-training window's Options button open.
    virtual std::string optionsCaption() const { return {}; }
    virtual void editOptions(AnswerDesk& desk) const { desk.askEarTrainingChords(); }

    // What keys played on a MIDI keyboard (key numbers, in the order struck) answer, as the
    // answer menus would give it; nothing when the keys answer nothing this activity asks.
    virtual std::optional<AnswerParts> answerFromPlayed(const Question& question,
                                                        const std::vector<int>& keys,
                                                        InversionOption notation, bool inversionList) const;
    // Answers named from a pad: the pad's names the keys played give, in order (a chord
    // gives one name, a melody one per note); nothing when they give no name the pad offers.
    virtual std::optional<std::vector<std::string>> namesFromPlayed(const Question& question,
                                                                    const std::vector<int>& keys,
                                                                    const QuestionSettings& settings) const;
    // Whether keys played on a MIDI keyboard answer at all, or only light the on-screen keys.
    virtual bool answersByPlaying() const { return earTraining(); }

    // What Clear does.
    virtual void clearAnswer(AnswerDesk& desk) const = 0;
    // Set up when the activity takes effect, beyond what its answers above say.
    virtual void enter(AnswerDesk& desk) const;

    // Worksheets. The lines that ask a question, without its number: on paper, where a
    // staff shows the notes, they are not listed again, nor are the notes an ear-training
    // question plays.
    std::vector<std::string> worksheetLines(const Question& question, const KeySigDisplay& display,
                                            InversionOption inversions, bool withStaff) const;
    // What a printed question's staff shows besides its clef: whether the key signature
    // stands on it, and the notes given (from the answer's notes, lowest first).
    struct PaperStaff {
        bool signature = false;
        std::vector<WrittenNote> notes;
    };
    virtual PaperStaff worksheetStaff(const Question& question, const KeySigDisplay& display,
                                      const std::vector<WrittenNote>& answerNotes) const;
    // One line telling the student what to do, such as "Write each chord on the staff."
    virtual std::string worksheetInstruction(InversionOption inversions) const = 0;
    // The answer key's line on paper, as a textbook prints it; answerLine is the window's
    // right answer on one line.
    virtual std::string paperAnswer(const Question& question, const std::string& answerLine,
                                    InversionOption inversions) const = 0;
    // Questions set in the major scale of the tonic drawn, whatever mode the key settings
    // keep; their JSON names the interval.
    virtual bool inMajorScale() const { return false; }
    // The `tonalyst worksheet` options that only some activities take and this one does;
    // given with an activity that does not take it, an option is refused, not ignored.
    // These are the ones of questions written on staves: chord boxes, intervals, paper.
    virtual std::vector<std::string_view> worksheetOptions() const;
    // What its own worksheet options do, one paragraph for `tonalyst worksheet --help`
    // ("" when it has none beyond those of its kind).
    virtual std::string worksheetOptionsHelp() const { return {}; }

protected:
    // The lines before the prompt, and the prompt line itself.
    virtual std::vector<std::string> worksheetContext(const Question& question, const KeySigDisplay& display,
                                                      bool withStaff) const = 0;
    virtual std::string worksheetPrompt(const Question& question, InversionOption inversions,
                                        bool withStaff) const;

private:
    ActivityNames m_names;
    ActivityTraits m_traits;
};

// Answers written as notes on the staff and judged letter and sign by letter and sign.
class SpellingActivity : public Activity {
public:
    using Activity::Activity;
    bool answersOnStaff() const override { return true; }
    int judge(const Question& question, const PreparedAnswer& prepared, bool inversionList,
              const Submission& submission, RecordedAnswer& recorded, bool reviewing) const override;
    RightAnswer rightAnswer(const Question& question, const PreparedAnswer& prepared,
                            InversionOption notation, bool inversionList) const override;
};

// Answers chosen from menus and judged caption by caption.
class NamingActivity : public Activity {
public:
    using Activity::Activity;
    bool answersOnStaff() const override { return false; }
    int judge(const Question& question, const PreparedAnswer& prepared, bool inversionList,
              const Submission& submission, RecordedAnswer& recorded, bool reviewing) const override;
    RightAnswer rightAnswer(const Question& question, const PreparedAnswer& prepared,
                            InversionOption notation, bool inversionList) const override;
    void clearAnswer(AnswerDesk& desk) const override { desk.clearChoices(); }

protected:
    // The key line follows the name in the right answer.
    virtual bool namesKey() const { return true; }
};

} // namespace tonalyst
