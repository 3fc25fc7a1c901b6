#include "activities/scaledegrees/ScaleDegrees.h"

#include "activities/PlayedNotes.h"
#include "theory/Translate.h"
#include "tonality/Tonality.h"

#include <algorithm>

namespace tonalyst {

ScaleDegrees::ScaleDegrees()
    : HeardActivity({"mnuscaledegrees", "scale-degrees", "Degree", "inkey"}, "scaledegree") {}

std::string ScaleDegrees::caption() const {
    return translate("ScaleDegrees", "Sc&ale Degrees");
}

std::string ScaleDegrees::statusText() const {
    return translate("ScaleDegrees", "scale degrees");
}

std::string ScaleDegrees::title() const {
    return translate("ScaleDegrees", "Scale Degrees");
}

std::string ScaleDegrees::optionsCaption() const {
    return translate("ScaleDegrees", "Scale &Degree Options ...");
}

std::string ScaleDegrees::windowTitle() const {
    return translate("ScaleDegrees", "Ear Training : Scale Degrees");
}

std::optional<std::string> ScaleDegrees::readName(std::string_view typed, const Question& question,
                                                  const QuestionSettings& settings) const {
    return readScaleDegree(typed, question.heard && question.heard->key.minor, settings.inKey.degrees);
}

std::optional<std::string> ScaleDegrees::numberKeyName(int digit, const Question&,
                                                       const QuestionSettings&) const {
    if (digit < 1 || digit > 7)
        return std::nullopt;
    return std::to_string(digit);
}

std::string ScaleDegrees::shownName(std::string_view name, const Question& question,
                                    const QuestionSettings& settings) const {
    return shownDegree(name, question.heard && question.heard->key.minor, settings.inKey.degrees);
}

std::optional<std::vector<std::string>>
ScaleDegrees::namesFromPlayed(const Question& question, const std::vector<int>& keys,
                              const QuestionSettings& settings) const {
    if (!question.heard || keys.empty())
        return std::nullopt;
    const TonalKey& key = question.heard->key;
    const std::vector<std::string> offered = padNames(question, settings);
    std::vector<std::string> names;
    for (int played : keys) {
        const int above = ((played - kMiddleCKey - key.tonic.semitones()) % 12 + 12) % 12;
        const std::optional<std::string> degree = scaleDegreeAt(key.minor, above);
        if (!degree || std::find(offered.begin(), offered.end(), *degree) == offered.end())
            return std::nullopt;
        names.push_back(*degree);
    }
    return names;
}

const InKeyCommon* ScaleDegrees::inKeyCommon(const QuestionSettings& settings) const {
    return &settings.inKey.degrees.common;
}

HeardInKey ScaleDegrees::make(const TonalKey& key, const QuestionSettings& settings,
                              RandomSource& random) const {
    return makeScaleDegreeQuestion(key, settings.inKey.degrees, random);
}

std::vector<std::string> ScaleDegrees::choices(bool minor, const QuestionSettings& settings) const {
    return scaleDegreeChoices(minor, settings.inKey.degrees);
}

std::string ScaleDegrees::worksheetInstruction(InversionOption) const {
    return translate("ScaleDegrees", "Listen to the cadence, then name the scale degree of each note.");
}

std::vector<std::string_view> ScaleDegrees::ownWorksheetOptions() const {
    return {"--chromatic", "--group", "--solfege", "--la-minor"};
}

std::string ScaleDegrees::worksheetOptionsHelp() const {
    return translate("ScaleDegrees",
                     "--chromatic (chromatic degrees too), --group N (1 to 4 notes a question, default 1), "
                     "--solfege (answer key in movable do), --la-minor (with --solfege: la-based minor)");
}

} // namespace tonalyst
