#include "activities/progressions/Progressions.h"

#include "theory/Translate.h"
#include "tonality/Tonality.h"

namespace tonalyst {

Progressions::Progressions()
    : HeardActivity({"mnuprogressions", "progressions", "Chord", "inkey"}, "progression") {}

std::string Progressions::caption() const {
    return translate("Progressions", "Pr&ogressions");
}

std::string Progressions::statusText() const {
    return translate("Progressions", "progressions");
}

std::string Progressions::title() const {
    return translate("Progressions", "Progressions");
}

std::string Progressions::optionsCaption() const {
    return translate("Progressions", "Pro&gression Options ...");
}

std::string Progressions::windowTitle() const {
    return translate("Progressions", "Ear Training : Progressions");
}

const InKeyCommon* Progressions::inKeyCommon(const QuestionSettings& settings) const {
    return &settings.inKey.progressions.common;
}

HeardInKey Progressions::make(const TonalKey& key, const QuestionSettings& settings,
                              RandomSource& random) const {
    return makeProgressionQuestion(key, settings.inKey.progressions, random);
}

std::vector<std::string> Progressions::choices(bool minor, const QuestionSettings& settings) const {
    return progressionChoices(minor, settings.inKey.progressions);
}

std::string Progressions::worksheetInstruction(InversionOption) const {
    return translate("Progressions",
                     "Listen to the cadence, then name every chord of the progression by its Roman numeral.");
}

std::vector<std::string_view> Progressions::ownWorksheetOptions() const {
    return {"--sevenths", "--inverted", "--length"};
}

std::string Progressions::worksheetOptionsHelp() const {
    return translate("Progressions",
                     "--sevenths, --inverted, --length N or MIN-MAX (chords, 3 to 6, default 3-4)");
}

} // namespace tonalyst
