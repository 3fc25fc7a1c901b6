#include "activities/chordeartraining/ChordEarTraining.h"

#include "activities/PaperText.h"
#include "activities/PlayedNotes.h"
#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"
#include "theory/Translate.h"

namespace tonalyst {

ChordEarTraining::ChordEarTraining()
    : NamingActivity({"mnuchordet", "chord-ear", "Chord", "ear"},
                     {.names = true, .byEar = true, .recordCode = "eartraining"}) {}

std::string ChordEarTraining::caption() const {
    return translate("ChordEarTraining", "Chor&d Ear Training ...");
}

std::string ChordEarTraining::statusText() const {
    return translate("ChordEarTraining", "chord ear train");
}

std::string ChordEarTraining::title() const {
    return translate("ChordEarTraining", "Chord Ear Training");
}

bool ChordEarTraining::ownsRecord(std::string_view code, std::string_view category) const {
    // Ear training keeps one code for chords and intervals; the category tells them apart.
    return code == recordCode() && category != "interval";
}

std::optional<AnswerParts> ChordEarTraining::answerFromPlayed(const Question& question,
                                                              const std::vector<int>& keys,
                                                              InversionOption notation,
                                                              bool inversionList) const {
    std::optional<int> rootKey;
    if (!question.notes.empty()) {
        // Lowest first: an inversion puts the root that many notes from the top.
        const std::size_t count = question.notes.size();
        const std::size_t root = (count - static_cast<std::size_t>(question.inversion) % count) % count;
        rootKey = kMiddleCKey + question.notes[root].semitones();
    }
    const auto chord = readPlayedChord(keys, rootKey);
    if (!chord)
        return std::nullopt;
    AnswerParts answer{std::string(chord->category), std::string(chord->quality), {}};
    if (inversionList) {
        const int notes = chord->category == kTriadCategory ? 3 : 4;
        answer.answer3 = inversionMenuLabels(notes, notation)[static_cast<std::size_t>(chord->inversion)];
    }
    return answer;
}

void ChordEarTraining::enter(AnswerDesk& desk) const {
    desk.setEarTrainingTitle(translate("ChordEarTraining", "Ear Training : Chords"));
    desk.showEarTrainingWhileRunning();
    desk.askEarTrainingChords();
}

std::vector<std::string> ChordEarTraining::worksheetContext(const Question& question, const KeySigDisplay&,
                                                            bool withStaff) const {
    // A student's sheet must not name what is played: the answer key does.
    if (withStaff)
        return {};
    return {translate("ChordEarTraining", "Sounded: ") + paper::soundedNotes(question)};
}

std::string ChordEarTraining::worksheetInstruction(InversionOption) const {
    return translate("ChordEarTraining", "Listen to each chord and name its quality.");
}

std::string ChordEarTraining::paperAnswer(const Question& question, const std::string&,
                                          InversionOption) const {
    return chordInWords(question) + paper::playedNotes(question);
}

} // namespace tonalyst
