#pragma once

#include "theory/AnswerPreparation.h"
#include "theory/QuestionSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// The answer parts the identification menus fill: the category, key mode or interval
// (answer1), the chord, key or quality (answer2) and the chosen inversion label (answer3).
struct AnswerParts {
    std::string answer1;
    std::string answer2;
    std::string answer3;
    bool operator==(const AnswerParts&) const = default;
};

// A note as the staff holds it: staff position 1..14 (1 = C) and accidental code.
struct WrittenNote {
    int position = 0;
    int code = NoSign;
    bool operator==(const WrittenNote&) const = default;
};

// What the student handed in: the menu answer and the staff's notes, lowest first.
struct Submission {
    AnswerParts answer;
    std::vector<WrittenNote> staffNotes;
};

// What the judge keeps of an answer for the review and the records.
struct RecordedAnswer {
    AnswerParts parts;              // not overwritten while the errors are reviewed
    std::vector<WrittenNote> notes; // the student's notes in the octave they were compared in
};

inline constexpr int kRight = 1;
inline constexpr int kWrong = 0;

// Whether the question asks for an inversion from the inversion list: chord
// identification with inversions on, augmented sixths excepted.
bool inversionListInUse(const Question& question, const ActivityState& activity, InversionOption inversions);

// The student's notes, lowest first, moved to the octave the spelling is judged in.
std::vector<WrittenNote> judgedOctave(const std::vector<WrittenNote>& staffNotes);

// The verdict, 1 right or 0 wrong. Letters and signs are compared note by note, never
// pitches; menu captions are compared exactly.
int judgeanswer(const Question& question, const PreparedAnswer& prepared, const ActivityState& activity,
                bool inversionList, const Submission& submission, RecordedAnswer& recorded);

// The right answer as the student is told it. A figured-bass name stands on its own line
// after the heading; anything else goes below it.
struct RightAnswer {
    std::string text;
    bool figured = false;
};

RightAnswer rightanswer(const Question& question, const PreparedAnswer& prepared,
                        const ActivityState& activity, InversionOption notation, bool inversionList);

// heading + CR LF CR LF + text, or heading + two blanks + the figured-bass name.
std::string rightAnswerMessage(std::string_view heading, const RightAnswer& answer);

} // namespace tonalyst
