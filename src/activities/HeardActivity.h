#pragma once

#include "activities/Activity.h"

namespace tonalyst {

// A drill heard in a key: a cadence sets the key, then what the student names by its
// function in that key, name by name from a pad of names. The four such activities differ
// in what they play and which names they offer.
class HeardActivity : public Activity {
public:
    HeardActivity(ActivityNames names, std::string_view recordCode);

    // Keys from Key Settings as the activity's options narrow them; no key, no question.
    DrawnQuestion draw(const QuestionContext& context, IntervalQuestionMaker* intervals,
                       const WeakSpotSchedule* favor) const override;

    bool answersOnStaff() const override { return false; }
    bool earTraining() const override { return true; }
    bool needsAllNotes() const override { return false; }
    bool answersOnPad() const override { return true; }
    // Named place by place; the data file's format has no place for these answers, so
    // the history alone keeps them.
    bool namesInOrder() const override { return true; }
    bool keptInDataFile() const override { return false; }

    std::vector<std::string> padNames(const Question& question,
                                      const QuestionSettings& settings) const override;
    std::optional<std::string> readName(std::string_view typed, const Question& question,
                                        const QuestionSettings& settings) const override;
    // The diatonic triad on the degree.
    std::optional<std::string> numberKeyName(int digit, const Question& question,
                                             const QuestionSettings& settings) const override;

    // A chord played names the pad's chord of its pitch classes in the key, in any voicing
    // and octave; its bass picks among the positions the pad offers.
    std::optional<std::vector<std::string>> namesFromPlayed(const Question& question,
                                                            const std::vector<int>& keys,
                                                            const QuestionSettings& settings) const override;

    // Right when every name is right, in order.
    int judge(const Question& question, const PreparedAnswer& prepared, bool inversionList,
              const Submission& submission, RecordedAnswer& recorded, bool reviewing) const override;
    RightAnswer rightAnswer(const Question& question, const PreparedAnswer& prepared,
                            InversionOption notation, bool inversionList) const override;
    AnswerTexts answerTexts(const Question& question, const PreparedAnswer& prepared,
                            const Submission& submission, bool inversionList) const override;

    // A phrase in four parts does not fit the staff: the display names its notes.
    std::string displayedQuestion(const Question& question) const override;

    void clearAnswer(AnswerDesk& desk) const override { desk.replayAndOfferChoices(); }
    void enter(AnswerDesk& desk) const override;

    std::string paperAnswer(const Question& question, const std::string& answerLine,
                            InversionOption inversions) const override;
    // The key's signatures, the tempo and MIDI files, then the activity's own options.
    std::vector<std::string_view> worksheetOptions() const final;

protected:
    // The worksheet options of this activity's own option dialog.
    virtual std::vector<std::string_view> ownWorksheetOptions() const = 0;
    // The question in the key, and the names the pad offers in a key of this mode.
    virtual HeardInKey make(const TonalKey& key, const QuestionSettings& settings,
                            RandomSource& random) const = 0;
    virtual std::vector<std::string> choices(bool minor, const QuestionSettings& settings) const = 0;
    // "Ear Training : Scale Degrees": the ear-training window's title.
    virtual std::string windowTitle() const = 0;

    std::vector<std::string> worksheetContext(const Question& question, const KeySigDisplay& display,
                                              bool withStaff) const override;

private:
    std::optional<Question> questionIn(const TonalKey& key, const QuestionSettings& settings,
                                       RandomSource& random) const;
};

} // namespace tonalyst
