#include "theory/NoteNames.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

class NoteNames : public ::testing::Test {
protected:
    ~NoteNames() override { setNoteNaming(NoteNaming::English); }
};

// Each naming's forms of one note, worked out from German and French theory books.
struct Named {
    NoteNaming naming;
    Pitch pitch;
    std::string_view shown, spoken, key;
    NoteMark mark;
};

const Named kNamed[] = {
    {NoteNaming::English, {6, -1}, "B-flat", "B-flat 4", "B-flat major", {"B", Flat}},
    {NoteNaming::German, {6, -1}, "B", "B 4", "B major", {"B", NoSign}},
    {NoteNaming::German, {6, 0}, "H", "H 4", "H major", {"H", NoSign}},
    {NoteNaming::German, {6, -2}, "Heses", "Heses 4", "Heses major", {"B", Flat}},
    {NoteNaming::German, {2, -1}, "Es", "Es 4", "Es major", {"E", Flat}},
    {NoteNaming::German, {5, -1}, "As", "As 4", "As major", {"A", Flat}},
    {NoteNaming::German, {3, 1}, "Fis", "Fis 4", "Fis major", {"F", Sharp}},
    {NoteNaming::German, {0, 2}, "Cisis", "Cisis 4", "Cisis major", {"C", DoubleSharp}},
    {NoteNaming::German, {2, 0, true}, "E♮", "E♮ 4", "E major", {"E", Natural}},
    {NoteNaming::FixedDo, {6, -1}, "Si♭", "Si flat 4", "Si♭ major", {"Si", Flat}},
    {NoteNaming::FixedDo, {1, 1}, "Re♯", "Re sharp 4", "Re♯ major", {"Re", Sharp}},
    {NoteNaming::FixedDo, {4, -2}, "Sol♭♭", "Sol double flat 4", "Sol♭♭ major", {"Sol", DoubleFlat}},
};

TEST_F(NoteNames, eachNamingNamesAndReadsBackItsNotes) {
    for (const Named& named : kNamed) {
        setNoteNaming(named.naming);
        SCOPED_TRACE(named.shown);
        EXPECT_EQ(shownNoteName(named.pitch), named.shown);
        EXPECT_EQ(spokenName(named.pitch), named.spoken);
        EXPECT_EQ(shownKeyName(named.pitch, false), named.key);
        EXPECT_EQ(noteMark(named.pitch), named.mark);
        // What a student sees, typed back, is the same note; so is what the history keeps.
        EXPECT_EQ(readNoteName(named.shown), (ReadPitch{named.pitch, false}));
        // The data's name stays English whatever the naming.
        EXPECT_EQ(readPitch(noteName(named.pitch)), (ReadPitch{named.pitch, false}));
    }
}

TEST_F(NoteNames, typedNamesTakeTheNamingsOwnMeaningFirstAndEnglishLettersAlways) {
    struct Typed {
        NoteNaming naming;
        std::string_view text;
        std::optional<ReadPitch> read;
    };
    const Typed typed[] = {
        // B is B-flat to a German student, B to everybody else; H only to the German.
        {NoteNaming::German, "B", ReadPitch{{6, -1}, false}},
        {NoteNaming::German, "b3", ReadPitch{{-1, -1}, true}},
        {NoteNaming::German, "H", ReadPitch{{6, 0}, false}},
        {NoteNaming::English, "B", ReadPitch{{6, 0}, false}},
        {NoteNaming::English, "H", std::nullopt},
        {NoteNaming::German, "Bb", ReadPitch{{6, -1}, false}},
        {NoteNaming::German, "fis 5", ReadPitch{{10, 1}, true}},
        {NoteNaming::German, "Eb4", ReadPitch{{2, -1}, true}},
        {NoteNaming::German, "Esn", std::nullopt},
        {NoteNaming::FixedDo, "Sib", ReadPitch{{6, -1}, false}},
        {NoteNaming::FixedDo, "sol#3", ReadPitch{{-3, 1}, true}},
        {NoteNaming::FixedDo, "Ré♭", ReadPitch{{1, -1}, false}},
        {NoteNaming::FixedDo, "Dox", ReadPitch{{0, 2}, false}},
        {NoteNaming::FixedDo, "F#", ReadPitch{{3, 1}, false}},
        {NoteNaming::FixedDo, "Si-flat", std::nullopt},
        {NoteNaming::FixedDo, "Sii", std::nullopt},
        {NoteNaming::English, "E♭", ReadPitch{{2, -1}, false}},
    };
    for (const Typed& t : typed) {
        setNoteNaming(t.naming);
        EXPECT_EQ(readNoteName(t.text), t.read) << t.text << " in " << namingCode(t.naming);
    }
}

TEST_F(NoteNames, theNamingFollowsTheLanguageAndIsStoredByCode) {
    EXPECT_EQ(namingForLanguage("de_AT"), NoteNaming::German);
    EXPECT_EQ(namingForLanguage("fr"), NoteNaming::FixedDo);
    EXPECT_EQ(namingForLanguage("es_MX"), NoteNaming::FixedDo);
    EXPECT_EQ(namingForLanguage("en_GB"), NoteNaming::English);
    EXPECT_EQ(namingForLanguage("dev"), NoteNaming::English);
    for (NoteNaming naming : {NoteNaming::English, NoteNaming::German, NoteNaming::FixedDo})
        EXPECT_EQ(namingFromCode(namingCode(naming)), naming);
    EXPECT_EQ(namingFromCode("German"), std::nullopt);
}

} // namespace
} // namespace tonalyst
