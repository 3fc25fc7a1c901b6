#pragma once

#include "theory/AnswerPreparation.h"
#include "theory/QuestionSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// The answer parts the identification menus fill: the category, key mode or interval
// (answer1), the chord, key or quality (answer2) and the chosen inversion label (answer3).
// What is heard in a key is named name by name instead: the canonical names in order.
struct AnswerParts {
    std::string answer1;
    std::string answer2;
    std::string answer3;
    std::vector<std::string> sequence = {};
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

// The student's notes, lowest first, moved to the octave the spelling is judged in.
std::vector<WrittenNote> judgedOctave(const std::vector<WrittenNote>& staffNotes);

// The verdicts, 1 right or 0 wrong. Letters and signs are compared note by note, never
// pitches; normalised gets the student's notes as they were compared.
int judgeSpelling(const PreparedAnswer& prepared, const std::vector<WrittenNote>& staffNotes,
                  std::vector<WrittenNote>& normalised);
// Menu captions are compared exactly; the inversion counts where the list is in use.
int judgeNaming(const Question& question, bool inversionList, const AnswerParts& answer);

// The right answer as the student is told it. A figured-bass name stands on its own line
// after the heading; anything else goes below it.
struct RightAnswer {
    std::string text;
    bool figured = false;
};

// The notes to write, each with its sign.
RightAnswer spelledAnswer(const PreparedAnswer& prepared);
// The menu captions; the key line follows where withKey.
RightAnswer namedAnswer(const Question& question, InversionOption notation, bool inversionList, bool withKey);

// heading + CR LF CR LF + text, or heading + two blanks + the figured-bass name.
std::string rightAnswerMessage(std::string_view heading, const RightAnswer& answer);

} // namespace tonalyst
