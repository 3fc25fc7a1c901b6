#include "theory/NoteNames.h"
#include "theory/Pitch.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

// Every form a note is read in, and every form it is written in, worked out by hand.
struct NoteForms {
    std::string_view typed;
    Pitch pitch; // step from middle C, alter, natural sign
    bool octaveGiven;
    std::string_view name, spoken, keyboard, answer, text;
};

constexpr NoteForms kForms[] = {
    {"Eb4", {2, -1}, true, "E-flat", "E-flat 4", "E flat 4", "E-flat", "Eb4"},
    {"F##", {3, 2}, false, "F-double-sharp", "F-double-sharp 4", "F double sharp 4", "F-dblShrp", "Fx4"},
    {"Cx5", {7, 2}, true, "C-double-sharp", "C-double-sharp 5", "C double sharp 5", "C-dblShrp", "Cx5"},
    {"Bbb2", {-8, -2}, true, "B-double-flat", "B-double-flat 2", "B double flat 2", "B-dblFlat", "Bbb2"},
    {"En4", {2, 0, true}, true, "E-natural", "E-natural 4", "E natural 4", "E-natural ", "En4"},
    {"B-flat 3", {-1, -1}, true, "B-flat", "B-flat 3", "B flat 3", "B-flat", "Bb3"},
    {"C-sharp", {0, 1}, false, "C-sharp", "C-sharp 4", "C sharp 4", "C-sharp ", "C#4"},
    {"g3", {-3, 0}, true, "G", "G 3", "G 3", "G ", "G3"},
    // A lower-case b is the letter first, then the flat.
    {"bb", {6, -1}, false, "B-flat", "B-flat 4", "B flat 4", "B-flat", "Bb4"},
    {"A-double-flat 0",
     {-23, -2},
     true,
     "A-double-flat",
     "A-double-flat 0",
     "A double flat 0",
     "A-dblFlat",
     "Abb0"},
};

TEST(Pitch, everyFormANoteIsTypedInReadsAndWritesBackAsWritten) {
    for (const NoteForms& forms : kForms) {
        SCOPED_TRACE(forms.typed);
        EXPECT_EQ(readPitch(forms.typed), (ReadPitch{forms.pitch, forms.octaveGiven}));
        EXPECT_EQ(noteName(forms.pitch), forms.name);
        EXPECT_EQ(spokenName(forms.pitch), forms.spoken);
        EXPECT_EQ(keyboardName(forms.pitch), forms.keyboard);
        EXPECT_EQ(answerName(forms.pitch), forms.answer);
        EXPECT_EQ(pitchText(forms.pitch), forms.text);
        // What the history and the staff's text write reads back as the same note.
        EXPECT_EQ(readPitch(forms.text), (ReadPitch{forms.pitch, true}));
        EXPECT_EQ(readPitch(forms.spoken), (ReadPitch{forms.pitch, true}));
    }
    for (std::string_view text :
         {"", "H", "Cbx", "C###4", "C4x", "G123", "E#b", "C 4 ", "C-sharp  4", "D-flatt"})
        EXPECT_FALSE(readPitch(text)) << text;
}

TEST(Pitch, spellingsOfOnePitchSoundAlikeAndIntervalsTakeTheirLetterFromTheSteps) {
    EXPECT_EQ((Pitch{-1, 1}).semitones(), 0);    // B-sharp 3 is middle C
    EXPECT_EQ((Pitch{0, -1}).semitones(), -1);   // C-flat 4 is B 3
    EXPECT_EQ((Pitch{-8, -2}).semitones(), -15); // B-double-flat 2

    struct Step {
        Pitch from;
        int steps, semitones;
        Pitch to;
    };
    for (const Step& step : {
             Step{{5, 0}, 2, 3, {7, 0}},    // a minor third above A 4 is C 5
             Step{{4, 1}, 2, 3, {6, 0}},    // above G-sharp 4, B 4
             Step{{-2, -1}, 5, 10, {3, 1}}, // an augmented sixth above A-flat 3 is F-sharp 4
             Step{{-1, 0}, 4, 6, {3, 0}},   // a diminished fifth above B 3 is F 4
             Step{{1, 0}, -4, -7, {-3, 0}}, // a perfect fifth below D 4 is G 3
             Step{{0, 0}, -1, -1, {-1, 0}}, // a minor second below C 4 is B 3
             Step{{4, 1}, 6, 9, {10, 0}},   // a diminished seventh above G-sharp 4 is F 5
         })
        EXPECT_EQ(transposed(step.from, step.steps, step.semitones), step.to) << spokenName(step.from);

    // The staff and the keyboard hold no triple accidentals and no double sharp on E or B,
    // nor a double flat on C or F.
    EXPECT_TRUE(isWritable({0, 2}));
    EXPECT_TRUE(isWritable({6, -2}));
    EXPECT_FALSE(isWritable({9, 2}));
    EXPECT_FALSE(isWritable({13, 2}));
    EXPECT_FALSE(isWritable({7, -2}));
    EXPECT_FALSE(isWritable({3, -2}));
    EXPECT_FALSE(isWritable({1, -3}));
    EXPECT_EQ((Pitch{1, -3}).code(), NoSign);
}

} // namespace
} // namespace tonalyst
