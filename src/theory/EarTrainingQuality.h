#pragma once

#include "theory/Key.h"
#include "theory/Question.h"
#include "theory/QuestionContext.h"
#include "theory/QuestionMaker.h"

#include <array>
#include <optional>
#include <string_view>

namespace tonalyst {

// A chord quality of ear training: its answer caption and the semitones added to the
// notes of the base chord (root, third, fifth, seventh).
struct ChordQuality {
    std::string_view caption;
    std::array<int, 4> shift;
};

// By the quality index q drawn as Int(4r): altered from the major triad.
inline constexpr std::array<ChordQuality, 4> kTriadQualities{{
    {"diminished", {0, -1, -1, 0}},
    {"minor", {0, -1, 0, 0}},
    {"major", {0, 0, 0, 0}},
    {"augmented", {0, 0, 1, 0}},
}};

// By the quality index q drawn as Int(5r): altered from the minor seventh chord.
inline constexpr std::array<ChordQuality, 5> kSeventhQualities{{
    {"diminished", {0, 0, -1, -1}},
    {"half-diminished", {0, 0, -1, 0}},
    {"minor", {0, 0, 0, 0}},
    {"dominant (major-minor)", {0, 1, 0, 0}},
    {"major", {0, 1, 0, 1}},
}};

// The base chord turned into the quality: notes altered, name set to the quality's caption.
void applyChordQuality(Question& question, const ChordQuality& quality);

// Draws the quality of an ear-training chord built by makequestion (category "Triad :"
// or "Seventh :") uniformly among the qualities whose notes the staff can hold, and
// applies it. A diminished seventh on the second degree of C-flat major (C double flat)
// is thus never asked. False, with the question unchanged, for any other category or
// when no quality can be written.
bool drawEarTrainingQuality(Question& question, RandomSource& random);

// The question of an ear-training activity, ready to be asked. Chord ear training: the
// base chord of makequestion in the quality drawn above; interval ear training: the
// interval of makequestion (advanced intervals are never drawn there, whatever the
// settings). Nothing when makequestion finds nothing. Outside ear training this is
// makequestion itself.
std::optional<Question> makeEarTrainingQuestion(CurrentKey& key, const QuestionContext& context,
                                                IntervalQuestionMaker* intervals);

} // namespace tonalyst
