#include "worksheet/InKeyWorksheet.h"

#include "activities/PaperText.h"
#include "theory/JsonText.h"
#include "theory/Translate.h"
#include "tonality/Tonality.h"

#include <algorithm>

namespace tonalyst {

namespace {

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : std::string(separator)) + parts[i];
    return text;
}

std::string sonorityText(const Sonority& sonority) {
    std::vector<std::string> notes;
    for (const Pitch& pitch : sonority)
        notes.push_back(pitchText(pitch));
    return joined(notes, " ");
}

std::string jsonList(const std::vector<std::string>& texts) {
    std::vector<std::string> quoted;
    for (const std::string& text : texts)
        quoted.push_back(jsonString(text));
    return "[" + joined(quoted, ",") + "]";
}

std::string jsonSonorities(const std::vector<Sonority>& sonorities) {
    std::vector<std::string> chords;
    for (const Sonority& sonority : sonorities) {
        std::vector<std::string> notes;
        for (const Pitch& pitch : sonority)
            notes.push_back(pitchText(pitch));
        chords.push_back(jsonList(notes));
    }
    return "[" + joined(chords, ",") + "]";
}

} // namespace

std::string sonoritiesText(const std::vector<Sonority>& sonorities) {
    std::vector<std::string> parts;
    for (const Sonority& sonority : sonorities)
        parts.push_back(sonorityText(sonority));
    return joined(parts, " | ");
}

std::string inKeyJson(std::string_view activityCode, const HeardInKey& heard) {
    return "{\"activity\":" + jsonString(activityCode) + ",\"key\":" + jsonString(keyLabel(heard.key)) +
           ",\"mode\":" + jsonString(heard.key.minor ? "minor" : "major") +
           ",\"cadence\":" + jsonSonorities(heard.cadence) + ",\"played\":" + jsonSonorities(heard.played) +
           ",\"answer\":" + jsonList(heard.answer) + "}";
}

std::vector<std::string> inKeyQuestionLines(const HeardInKey& heard) {
    return {paper::filled(translate("InKeyWorksheet", "In %1"), {keyLabel(heard.key)}),
            paper::filled(translate("InKeyWorksheet", "Cadence: %1"), {sonoritiesText(heard.cadence)}),
            paper::filled(translate("InKeyWorksheet", "Then: %1"), {sonoritiesText(heard.played)})};
}

std::string inKeyAnswerLine(const HeardInKey& heard, const ScaleDegreeOptions& shown) {
    std::vector<std::string> names;
    for (const std::string& name : heard.answer)
        names.push_back(shownDegree(name, heard.key.minor, shown));
    return joined(names, ", ");
}

std::string inKeyMidiName(int number, int count) {
    const std::size_t digits = std::max<std::size_t>(2, std::to_string(count).size());
    std::string numeral = std::to_string(number);
    numeral.insert(0, digits - std::min(digits, numeral.size()), '0');
    return "question-" + numeral + ".mid";
}

} // namespace tonalyst
