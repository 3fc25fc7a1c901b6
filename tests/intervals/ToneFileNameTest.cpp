#include "intervals/ToneFileName.h"
#include "theory/Pitch.h"

#include <gtest/gtest.h>

#include <string>

namespace tonalyst {
namespace {

struct NamedNote {
    int code;
    int position;
    ToneClef clef;
    const char* file;
};

void expectNames(const std::vector<NamedNote>& notes) {
    for (const NamedNote& note : notes) {
        SCOPED_TRACE("code " + std::to_string(note.code) + " at position " + std::to_string(note.position) +
                     (note.clef == ToneClef::Bass ? " (bass)" : " (treble)"));
        EXPECT_EQ(playnotesFileName(note.code, note.position, note.clef),
                  std::optional<std::string>(note.file));
    }
}

// The pitch a tone file's name promises: letter, octave digit (3 holds middle C), "#" a semitone up.
int pitchOfFileName(const std::string& name) {
    static const std::string letters = "C-D-EF-G-A-B";
    const int letter = static_cast<int>(letters.find(name.at(0)));
    const int digit = name.at(1) - '0';
    const bool sharp = name.at(2) == '#';
    return 12 * (digit + 2) + letter + (sharp ? 1 : 0);
}

TEST(ToneFileName, namesPlainNotesSharpsAndFlatsAfterTheirLetterAndOctave) {
    expectNames({
        {NoSign, 1, ToneClef::Treble, "C3.MID"},
        {Natural, 8, ToneClef::Treble, "C4.MID"},
        {NoSign, 14, ToneClef::Treble, "B4.MID"},
        {Sharp, 5, ToneClef::Treble, "G3#.MID"},
        {Flat, 2, ToneClef::Treble, "C3#.MID"},
        {Flat, 14, ToneClef::Treble, "A4#.MID"},
        {Flat, 9, ToneClef::Treble, "C4#.MID"},
    });
}

TEST(ToneFileName, playsCFlatAndFFlatAsTheNaturalLetterBelow) {
    expectNames({
        {Flat, 8, ToneClef::Treble, "B3.MID"},
        {Flat, 4, ToneClef::Treble, "E3.MID"},
        {Flat, 11, ToneClef::Treble, "E4.MID"},
    });
}

TEST(ToneFileName, keepsTheWrittenLetterForESharpAndBSharp) {
    expectNames({
        {Sharp, 3, ToneClef::Treble, "E3#.MID"},
        {Sharp, 10, ToneClef::Treble, "E4#.MID"},
        {Sharp, 7, ToneClef::Treble, "B3#.MID"},
        {Sharp, 14, ToneClef::Treble, "B4#.MID"},
    });
}

TEST(ToneFileName, playsDoubleSharpsAndDoubleFlatsAsTheNeighbouringLetter) {
    expectNames({
        {DoubleSharp, 1, ToneClef::Treble, "D3.MID"},
        {DoubleSharp, 5, ToneClef::Treble, "A3.MID"},
        {DoubleFlat, 3, ToneClef::Treble, "D3.MID"},
        {DoubleFlat, 7, ToneClef::Treble, "A3.MID"},
        {DoubleFlat, 12, ToneClef::Treble, "F4.MID"},
    });
}

// Where the neighbouring letter would sound a semitone or an octave off, the file that
// holds the written note's true pitch is played instead.
TEST(ToneFileName, soundsTheTruePitchWhereTheNeighbouringLetterWouldBeWrong) {
    expectNames({
        {Flat, 1, ToneClef::Treble, "B2.MID"},
        {DoubleFlat, 8, ToneClef::Treble, "A3#.MID"},
        {DoubleFlat, 1, ToneClef::Treble, "A2#.MID"},
        {DoubleFlat, 4, ToneClef::Treble, "D3#.MID"},
        {DoubleSharp, 3, ToneClef::Treble, "F3#.MID"},
        {DoubleSharp, 7, ToneClef::Treble, "C4#.MID"},
        {DoubleSharp, 14, ToneClef::Treble, "C5#.MID"},
        {Flat, 1, ToneClef::Bass, "B0.MID"},
    });
}

TEST(ToneFileName, usesOctaveDigitsOneAndTwoInTheBassClef) {
    expectNames({
        {NoSign, 1, ToneClef::Bass, "C1.MID"},
        {Natural, 8, ToneClef::Bass, "C2.MID"},
        {Flat, 8, ToneClef::Bass, "B1.MID"},
        {Flat, 2, ToneClef::Bass, "C1#.MID"},
        {Sharp, 14, ToneClef::Bass, "B2#.MID"},
        {NoSign, 14, ToneClef::Bass, "B2.MID"},
    });
}

TEST(ToneFileName, placesTheStaffInTheRightOctaveForEachClef) {
    EXPECT_EQ(notePitch(NoSign, 1, ToneClef::Treble), 60);
    EXPECT_EQ(notePitch(NoSign, 14, ToneClef::Treble), 83);
    EXPECT_EQ(notePitch(NoSign, 1, ToneClef::Bass), 36);
    EXPECT_EQ(notePitch(NoSign, 14, ToneClef::Bass), 59);
    EXPECT_EQ(notePitch(DoubleFlat, 10, ToneClef::Treble), 74);
}

TEST(ToneFileName, everyNoteOnTheStaffPlaysAFileOfItsOwnPitch) {
    for (const ToneClef clef : {ToneClef::Treble, ToneClef::Bass}) {
        for (int code = NoSign; code <= DoubleFlat; ++code) {
            for (int position = 1; position <= 14; ++position) {
                const auto file = playnotesFileName(code, position, clef);
                const auto pitch = notePitch(code, position, clef);
                ASSERT_TRUE(file && pitch);
                EXPECT_EQ(pitchOfFileName(*file), *pitch) << *file;
            }
        }
    }
}

TEST(ToneFileName, refusesNotesOffTheStaff) {
    EXPECT_FALSE(playnotesFileName(NoSign, 0, ToneClef::Treble));
    EXPECT_FALSE(playnotesFileName(NoSign, 15, ToneClef::Bass));
    EXPECT_FALSE(playnotesFileName(6, 3, ToneClef::Treble));
    EXPECT_FALSE(playnotesFileName(99, 3, ToneClef::Treble));
    EXPECT_FALSE(notePitch(-1, 3, ToneClef::Treble));
}

} // namespace
} // namespace tonalyst
