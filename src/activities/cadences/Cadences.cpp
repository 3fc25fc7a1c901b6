#include "activities/cadences/Cadences.h"

#include "theory/Translate.h"
#include "tonality/Tonality.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace tonalyst {

namespace {

// Every cadence name, with the abbreviations textbooks write them with.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kCadenceNames{{
    {"perfect authentic", "pac"},
    {"imperfect authentic", "iac"},
    {"authentic", "ac"},
    {"half", "hc"},
    {"plagal", "pc"},
    {"deceptive", "dc"},
    {"Phrygian half", "phc"},
}};

// Lower case, blanks run together into one, none at either end.
std::string folded(std::string_view text) {
    std::string lower;
    bool blank = false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isspace(u)) {
            blank = !lower.empty();
            continue;
        }
        if (blank)
            lower += ' ';
        blank = false;
        lower += static_cast<char>(std::tolower(u));
    }
    return lower;
}

// A cadence by the name textbooks in the student's language give it; the history keeps
// the English name.
std::string translatedName(std::string_view name) {
    if (name == "perfect authentic")
        return translate("Cadences", "perfect authentic");
    if (name == "imperfect authentic")
        return translate("Cadences", "imperfect authentic");
    if (name == "authentic")
        return translate("Cadences", "authentic");
    if (name == "half")
        return translate("Cadences", "half");
    if (name == "plagal")
        return translate("Cadences", "plagal");
    if (name == "deceptive")
        return translate("Cadences", "deceptive");
    if (name == "Phrygian half")
        return translate("Cadences", "Phrygian half");
    return std::string(name);
}

} // namespace

Cadences::Cadences() : HeardActivity({"mnucadences", "cadences", "Cadence", "inkey"}, "cadence") {}

std::string Cadences::caption() const {
    return translate("Cadences", "&Cadences");
}

std::string Cadences::statusText() const {
    return translate("Cadences", "cadences");
}

std::string Cadences::title() const {
    return translate("Cadences", "Cadences");
}

std::string Cadences::optionsCaption() const {
    return translate("Cadences", "Cade&nce Options ...");
}

std::string Cadences::windowTitle() const {
    return translate("Cadences", "Ear Training : Cadences");
}

const InKeyCommon* Cadences::inKeyCommon(const QuestionSettings& settings) const {
    return &settings.inKey.cadences.common;
}

HeardInKey Cadences::make(const TonalKey& key, const QuestionSettings& settings, RandomSource& random) const {
    return makeCadenceQuestion(key, settings.inKey.cadences, random);
}

std::vector<std::string> Cadences::choices(bool minor, const QuestionSettings& settings) const {
    return cadenceChoices(minor, settings.inKey.cadences);
}

std::string Cadences::shownName(std::string_view name, const Question&, const QuestionSettings&) const {
    return translatedName(name);
}

// A name in any case, in English or as shown, its abbreviation ("PAC", "hc"), or the start
// of just one name ("dec", "phr", "Trug").
std::optional<std::string> Cadences::readName(std::string_view typed, const Question&,
                                              const QuestionSettings&) const {
    const std::string text = folded(typed);
    if (text.empty())
        return std::nullopt;
    std::optional<std::string> started;
    int starts = 0;
    for (const auto& [name, abbreviation] : kCadenceNames) {
        const std::string lower = folded(name);
        const std::string shown = folded(translatedName(name));
        if (text == lower || text == abbreviation || text == shown)
            return std::string(name);
        if (lower.starts_with(text) || shown.starts_with(text)) {
            started = std::string(name);
            ++starts;
        }
    }
    return starts == 1 ? started : std::nullopt;
}

// The cadences in the order the pad lays them out.
std::optional<std::string> Cadences::numberKeyName(int digit, const Question& question,
                                                   const QuestionSettings& settings) const {
    const std::vector<std::string> names = padNames(question, settings);
    if (digit < 1 || digit > static_cast<int>(names.size()))
        return std::nullopt;
    return names[static_cast<std::size_t>(digit - 1)];
}

std::string Cadences::worksheetInstruction(InversionOption) const {
    return translate("Cadences",
                     "Listen to the cadence that sets the key, then name the cadence that ends the phrase.");
}

std::vector<std::string_view> Cadences::ownWorksheetOptions() const {
    return {"--plain-authentic", "--no-phrygian"};
}

std::string Cadences::worksheetOptionsHelp() const {
    return translate("Cadences", "--plain-authentic (authentic cadences not named perfect or imperfect), "
                                 "--no-phrygian (no Phrygian half cadence in minor)");
}

} // namespace tonalyst
