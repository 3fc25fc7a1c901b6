#pragma once

#include "theory/Judge.h"
#include "theory/Key.h"
#include "theory/Question.h"
#include "theory/QuestionSettings.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace tonalyst {

struct StatusValues;

// What the question cycle asks of the windows. The main window implements it, and
// passes each call on to the ear-training window where that window has the same control.
class CycleView {
public:
    enum class AnswerWasStyle { Plain, Wrong };
    // What of a question heard in a key sounds, in this order.
    struct HeardParts {
        bool cadence = false;
        bool question = false;
        bool resolution = false;
    };

    virtual ~CycleView() = default;

    // lblQuesnum.
    virtual void showQuestionNumber(const QString& text) = 0;
    // lblQues1 and lblQues2.
    virtual void showPrompt(const QString& line1, const QString& line2) = 0;
    // lblanswerwas with this text, shown; Wrong is the light red of the review.
    virtual void showAnswerWas(const QString& text, AnswerWasStyle style) = 0;
    // lblanswermsg; an empty text clears it.
    virtual void showAnswerMessage(const QString& text) = 0;

    // lblchordtype, lblchordname and lblinversion: emptied and hidden, or shown.
    virtual void clearAnswerLabels() = 0;
    virtual void showAnswerLabels() = 0;
    // The identification answer was emptied: clear lblchordtype and lblchordname and pop
    // up the answer menu of the activity again.
    virtual void clearIdentificationLabels() = 0;
    // The review shows what the student answered: the captions, or with figured-bass
    // notation the combined answer.
    virtual void showRecordedAnswer(const AnswerParts& answer, const Question& question,
                                    InversionOption notation, bool inversionList) = 0;
    // The right answer as the window names it: the cycle builds it from the English
    // captions and key the history records; the window may name them in its language.
    virtual RightAnswer shownRightAnswer(const Question&, RightAnswer answer) const { return answer; }
    // Presses Show Choices.
    virtual void showChoices() = 0;
    // The answer controls are ready for an answer (again): the staff takes notes.
    virtual void prepareAnswerEntry() = 0;

    // ComboInversion: cleared and hidden with lblinversion and the chosen text emptied;
    // or filled for the question in the notation and shown, with "(inversion)" chosen,
    // or the recorded inversion when one is given.
    virtual void hideInversionList() = 0;
    virtual void displayinvmnu(const Question& question, InversionOption notation,
                               const std::optional<std::string>& recorded) = 0;

    // The staff. changeclef draws the clef for the question under way, in the review the
    // one that question had.
    virtual void changeclef() = 0;
    virtual void clearstaff() = 0;
    virtual void setNoteLimit(int notes) = 0;
    // Entered one after the other, in this order, each sounding as it is entered.
    virtual void enterNotes(const std::vector<WrittenNote>& notes) = 0;
    // The student's notes, lowest first.
    virtual std::vector<WrittenNote> staffNotes() const = 0;
    virtual void showkeysig(const Question& question, bool show) = 0;
    // The key as the key-display option says: a written key line, the signature, or both.
    virtual void showKeyIndication(const Question& question, const CurrentKey& key) = 0;

    // Sounds the notes one after the other, unless tones are off.
    virtual void playanswer(const std::vector<WrittenNote>& notes) = 0;
    // Sounds the parts of a question heard in a key at the tempo (quarter notes a minute),
    // unless tones are off; whatever still sounds stops first.
    virtual void playHeard(const HeardInKey& heard, HeardParts parts, int tempo) = 0;
    // A question heard in a key is asked: the names to answer it with are offered.
    virtual void offerNames(const Question& question) = 0;
    // Feedback beeps, heard only while beeps are on.
    virtual void beepn(int count) = 0;

    // lblstatmsg 4 to 7, and the score of the ear-training window.
    virtual void showStatus(const StatusValues& values) = 0;
    virtual void stopElapsedTime() = 0;
    // The review begins: the ear-training window's hide-display button is shown.
    virtual void showReviewControls() = 0;
    // Reset is enabled.
    virtual void enableReset() = 0;
    // The windows return to their idle state; the records are written by the cycle.
    virtual void endrun() = 0;
    // An activity change that waited for the question under way takes effect.
    virtual void applyactivity() = 0;
    virtual QString userId() const = 0;
};

} // namespace tonalyst
