#include "activities/chordfunctions/ChordFunctions.h"

#include "theory/Translate.h"
#include "tonality/Tonality.h"

namespace tonalyst {

ChordFunctions::ChordFunctions()
    : HeardActivity({"mnuchordfunctions", "chord-functions", "Chord", "inkey"}, "chordfunction") {}

std::string ChordFunctions::caption() const {
    return translate("ChordFunctions", "Chord &Functions");
}

std::string ChordFunctions::statusText() const {
    return translate("ChordFunctions", "chord functions");
}

std::string ChordFunctions::title() const {
    return translate("ChordFunctions", "Chord Functions");
}

std::string ChordFunctions::optionsCaption() const {
    return translate("ChordFunctions", "Chord F&unction Options ...");
}

std::string ChordFunctions::windowTitle() const {
    return translate("ChordFunctions", "Ear Training : Chord Functions");
}

const InKeyCommon* ChordFunctions::inKeyCommon(const QuestionSettings& settings) const {
    return &settings.inKey.functions.common;
}

HeardInKey ChordFunctions::make(const TonalKey& key, const QuestionSettings& settings,
                                RandomSource& random) const {
    return makeChordFunctionQuestion(key, settings.inKey.functions, random);
}

std::vector<std::string> ChordFunctions::choices(bool minor, const QuestionSettings& settings) const {
    return chordFunctionChoices(minor, settings.inKey.functions);
}

std::string ChordFunctions::worksheetInstruction(InversionOption) const {
    return translate("ChordFunctions", "Listen to the cadence, then name the chord by its Roman numeral.");
}

std::vector<std::string_view> ChordFunctions::ownWorksheetOptions() const {
    return {"--sevenths", "--inverted", "--applied", "--borrowed", "--neapolitan"};
}

std::string ChordFunctions::worksheetOptionsHelp() const {
    return translate("ChordFunctions",
                     "--sevenths, --inverted (inversions, named by figures), --applied (V/x and vii°/x), "
                     "--borrowed (♭III, ♭VI, ♭VII, iv in major), --neapolitan (N6)");
}

} // namespace tonalyst
