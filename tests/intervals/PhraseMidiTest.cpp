#include "intervals/PhraseMidi.h"
#include "intervals/HeardPhrase.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tonalyst {
namespace {

Sonority notes(std::initializer_list<const char*> texts) {
    Sonority sonority;
    for (const char* text : texts)
        sonority.push_back(readPitch(text)->pitch);
    return sonority;
}

// A cadence of two chords and a question of two single notes.
HeardInKey twoChordsThenTwoNotes() {
    HeardInKey heard;
    heard.cadence = {notes({"C3", "E4", "G4"}), notes({"F3", "A4", "C5"})};
    heard.played = {notes({"D4"}), notes({"Bb3"})};
    heard.resolution = {notes({"C4"})};
    return heard;
}

TEST(InKeyPhrases, chordsSoundAsHalfNotesAndSingleNotesAsQuartersAfterABeatsRest) {
    for (const int tempo : {60, 80, 132}) {
        SCOPED_TRACE(tempo);
        const double beat = 60.0 / tempo;
        const InKeyPhrases phrases(tempo);
        const std::vector<PhraseNote> expected{{48, 0.0, 2 * beat},      {64, 0.0, 2 * beat},
                                               {67, 0.0, 2 * beat},      {53, 2 * beat, 2 * beat},
                                               {69, 2 * beat, 2 * beat}, {72, 2 * beat, 2 * beat},
                                               {62, 5 * beat, beat},     {58, 6 * beat, beat}};
        const std::vector<PhraseNote> asked = phrases.cadenceThenQuestion(twoChordsThenTwoNotes()).notes;
        ASSERT_EQ(asked.size(), expected.size());
        for (std::size_t n = 0; n < expected.size(); ++n) {
            EXPECT_EQ(asked[n].key, expected[n].key) << "note " << n;
            EXPECT_NEAR(asked[n].start, expected[n].start, 1e-9) << "note " << n;
            EXPECT_NEAR(asked[n].length, expected[n].length, 1e-9) << "note " << n;
        }
        // Heard again on its own, the question starts at once.
        const std::vector<PhraseNote> again = phrases.question(twoChordsThenTwoNotes()).notes;
        ASSERT_EQ(again.size(), 2u);
        EXPECT_NEAR(again[0].start, 0.0, 1e-9);
        EXPECT_NEAR(again[1].start, beat, 1e-9);
    }
}

// Each note-on strikes a key that is not sounding and each note-off ends one that is.
void expectEveryNoteStruckAndReleasedOnce(const MidiTimeline& timeline, std::size_t noteCount) {
    std::multiset<int> sounding;
    std::size_t struck = 0;
    for (const MidiMessage& message : timeline.messages) {
        if ((message.status & 0xF0) == 0x90) {
            EXPECT_EQ(sounding.count(message.data1), 0u)
                << "key " << int(message.data1) << " struck while sounding";
            sounding.insert(message.data1);
            ++struck;
        } else if ((message.status & 0xF0) == 0x80) {
            const auto it = sounding.find(message.data1);
            ASSERT_NE(it, sounding.end()) << "key " << int(message.data1) << " released without sounding";
            sounding.erase(it);
        }
    }
    EXPECT_EQ(struck, noteCount);
    EXPECT_TRUE(sounding.empty());
}

TEST(StandardMidiFile, readsBackAsThePhraseAtEveryTempo) {
    for (const int tempo : {40, 72, 80, 144, 208}) {
        SCOPED_TRACE(tempo);
        Phrase phrase = InKeyPhrases(tempo).cadenceThenQuestion(twoChordsThenTwoNotes());
        // A key struck again the moment it ends, a note off the beat, and one after a long
        // rest whose distance takes three bytes to write.
        const PhraseNote last = phrase.notes.back();
        phrase.notes.push_back({last.key, last.start + last.length, 0.4});
        phrase.notes.push_back({90, 0.123, 0.05, 110});
        phrase.notes.push_back({36, 40.0, 1.0});
        const MidiTimeline timeline = phraseTimeline(phrase);
        expectEveryNoteStruckAndReleasedOnce(timeline, phrase.notes.size());

        const std::vector<std::uint8_t> file = standardMidiFile(timeline, tempo);
        ASSERT_GE(file.size(), 14u);
        EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "MThd");
        EXPECT_EQ(file[9], 0) << "format 0";
        EXPECT_EQ(file[12] << 8 | file[13], 480) << "ticks a quarter";

        const auto read = parseMidiTimeline(file);
        ASSERT_TRUE(read);
        const double halfTick = 0.5 * 60.0 / tempo / 480 + 1e-9;
        ASSERT_EQ(read->messages.size(), timeline.messages.size());
        EXPECT_EQ(read->messages.front().status, 0xC0) << "the piano is chosen first";
        EXPECT_EQ(read->messages.front().data1, 0);
        for (std::size_t m = 0; m < timeline.messages.size(); ++m) {
            const MidiMessage& want = timeline.messages[m];
            const MidiMessage& got = read->messages[m];
            EXPECT_NEAR(got.seconds, want.seconds, halfTick) << "message " << m;
            EXPECT_EQ(got.status, want.status) << "message " << m;
            EXPECT_EQ(got.data1, want.data1) << "message " << m;
            if ((want.status & 0xF0) == 0x90) {
                EXPECT_EQ(got.data2, want.data2) << "message " << m;
            }
        }
        EXPECT_NEAR(read->lengthSeconds, 41.0, halfTick);
        expectEveryNoteStruckAndReleasedOnce(*read, phrase.notes.size());
    }
}

} // namespace
} // namespace tonalyst
