#include "activities/PaperText.h"

#include "theory/ChordNames.h"
#include "theory/IntervalCatalogue.h"
#include "theory/NoteNames.h"
#include "theory/Translate.h"
#include "tonality/Tonality.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <sstream>

namespace tonalyst {

namespace paper {

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string{}
                                           : std::string(text.substr(first, last - first + 1));
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace paper

namespace {

using paper::replaceAll;
using paper::trimmed;

// Figures by inversion, a superscript then a subscript, as typed texts print stacked figures.
constexpr std::array<std::string_view, 3> kTriadFigures{"", "\u2076", "\u2076\u2084"};
constexpr std::array<std::string_view, 4> kSeventhFigures{"7", "\u2076\u2085", "\u2074\u2083",
                                                          "\u2074\u2082"};

constexpr std::string_view kFlatSign = "\u266D";

// "vii-dim" → "vii°", "ii-half-dim" → "iiø", "III-aug" → "III+", "Flat-VI" → "♭VI",
// "IV-maj" → "IVM"; the numeral without the seventh's 7.
std::string numeral(std::string_view name) {
    std::string text = trimmed(name);
    // "IV (or iv)": the menu's second reading of an applied chord's target.
    if (const std::size_t alternative = text.find(" ("); alternative != std::string::npos)
        text.resize(alternative);
    replaceAll(text, "-half-dim", "\u00F8");
    replaceAll(text, "-dim", "\u00B0");
    replaceAll(text, "-aug", "+");
    replaceAll(text, "-maj", "M");
    replaceAll(text, "Flat-", kFlatSign);
    return text;
}

std::string figure(std::span<const std::string_view> figures, int inversion) {
    return inversion >= 0 && static_cast<std::size_t>(inversion) < figures.size()
               ? std::string(figures[static_cast<std::size_t>(inversion)])
               : std::string();
}

} // namespace

namespace paper {

std::string keyOf(const Question& q) {
    std::string key = trimmed(q.keyText);
    constexpr std::string_view prefix = "In the key of ";
    return key.starts_with(prefix) ? key.substr(prefix.size()) : key;
}

std::string shownKey(const Question& q) {
    const std::string key = keyOf(q);
    const std::optional<TonalKey> read = readKeyLabel(key);
    return read ? shownKeyName(read->tonic, read->minor) : key;
}

std::string keyLine(const Question& q) {
    if (trimmed(q.keyText).empty())
        return {};
    return filled(translate("PaperText", "In the key of %1"), {shownKey(q)});
}

std::string intervalWord(const std::string& category) {
    std::string word = trimmed(category);
    if (word.ends_with(':'))
        word = trimmed(word.substr(0, word.size() - 1));
    for (char& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

std::string commaList(const std::string& spaced) {
    std::istringstream words(spaced);
    std::string list;
    for (std::string word; words >> word;)
        list.append(list.empty() ? "" : ", ").append(word);
    return list;
}

std::string playedNotes(const Question& q) {
    std::vector<Pitch> notes = q.notes;
    if (q.direction == IntervalDirection::Below)
        std::reverse(notes.begin(), notes.end());
    std::string text;
    for (const Pitch& note : notes)
        text.append(text.empty() ? "" : ", ").append(shownNoteName(note));
    return " " + filled(translate("PaperText", "(played: %1)"), {text});
}

} // namespace paper

std::string textbookChordName(const Question& q, InversionOption inversions) {
    const bool figured = inversions == InversionOption::FiguredBass && !q.invLabel.empty();
    const int inversion = figured ? q.inversion : 0;
    std::string name;
    if (q.category == kTriadCategory) {
        name = numeral(q.name) + figure(kTriadFigures, inversion);
    } else if (q.category == kSeventhCategory) {
        std::string base = trimmed(q.name);
        if (base.ends_with('7'))
            base.pop_back();
        name = numeral(base) + figure(kSeventhFigures, inversion);
    } else if (q.category == kVofCategory) {
        name = "V" + figure(kSeventhFigures, inversion) + "/" + numeral(q.name);
    } else if (q.category == kViiofCategory) {
        name = "vii\u00B0" + figure(kSeventhFigures, inversion) + "/" + numeral(q.name);
    } else if (q.category == kAug6Category) {
        // Named by its kind alone, in any inversion, as the window asks it.
        return trimmed(q.name).substr(0, q.name.starts_with("German") ? 3 : 2) + "+6";
    } else if (q.category == kFlat2Category) {
        name = "N" + figure(kTriadFigures, inversion);
    } else {
        return {};
    }
    if (!figured && !q.invLabel.empty())
        name += " " + q.invLabel;
    return name;
}

namespace {

// Each interval of the catalogue as textbooks name it, in its number's order: languages
// put the quality before or after the name and make it agree with it.
std::string intervalName(std::size_t number) {
    switch (number) {
    case 0:
        return translate("PaperText", "perfect unison");
    case 1:
        return translate("PaperText", "minor second");
    case 2:
        return translate("PaperText", "major second");
    case 3:
        return translate("PaperText", "augmented second");
    case 4:
        return translate("PaperText", "diminished third");
    case 5:
        return translate("PaperText", "minor third");
    case 6:
        return translate("PaperText", "major third");
    case 7:
        return translate("PaperText", "diminished fourth");
    case 8:
        return translate("PaperText", "perfect fourth");
    case 9:
        return translate("PaperText", "augmented fourth");
    case 10:
        return translate("PaperText", "diminished fifth");
    case 11:
        return translate("PaperText", "perfect fifth");
    case 12:
        return translate("PaperText", "augmented fifth");
    case 13:
        return translate("PaperText", "minor sixth");
    case 14:
        return translate("PaperText", "major sixth");
    case 15:
        return translate("PaperText", "augmented sixth");
    case 16:
        return translate("PaperText", "diminished seventh");
    case 17:
        return translate("PaperText", "minor seventh");
    case 18:
        return translate("PaperText", "major seventh");
    default:
        return translate("PaperText", "perfect octave");
    }
}

} // namespace

// Chords in a context of their own: a "diminished seventh" chord is not the interval.
std::string chordInWords(const Question& question) {
    std::string quality = trimmed(question.name);
    // "dominant (major-minor)": the textbook's name is the first word.
    if (const std::size_t aside = quality.find(" ("); aside != std::string::npos)
        quality.resize(aside);
    if (question.category == kTriadCategory) {
        if (quality == "diminished")
            return translate("PaperChords", "diminished triad");
        if (quality == "minor")
            return translate("PaperChords", "minor triad");
        if (quality == "major")
            return translate("PaperChords", "major triad");
        if (quality == "augmented")
            return translate("PaperChords", "augmented triad");
        return quality + " " + translate("PaperChords", "triad");
    }
    if (quality == "diminished")
        return translate("PaperChords", "diminished seventh");
    if (quality == "half-diminished")
        return translate("PaperChords", "half-diminished seventh");
    if (quality == "minor")
        return translate("PaperChords", "minor seventh");
    if (quality == "major")
        return translate("PaperChords", "major seventh");
    if (quality == "dominant")
        return translate("PaperChords", "dominant seventh");
    return quality + " " + translate("PaperChords", "seventh");
}

std::string intervalInWords(const Question& question) {
    if (question.interval && *question.interval >= 0 &&
        static_cast<std::size_t>(*question.interval) < kIntervals.size())
        return intervalName(static_cast<std::size_t>(*question.interval));
    return trimmed(question.name) + " " + paper::intervalWord(question.category);
}

namespace paper {

std::string noteList(const std::vector<Pitch>& notes) {
    std::string text;
    for (const Pitch& note : notes)
        text.append(text.empty() ? "" : "  ").append(shownNoteName(note));
    return text;
}

std::string soundedNotes(const Question& question) {
    std::vector<Pitch> notes = question.notes;
    if (question.direction == IntervalDirection::Below)
        std::reverse(notes.begin(), notes.end());
    return noteList(notes);
}

std::string filled(std::string text, std::initializer_list<std::string> args) {
    int number = 1;
    for (const std::string& arg : args) {
        const std::string marker = "%" + std::to_string(number++);
        if (const std::size_t at = text.find(marker); at != std::string::npos)
            text.replace(at, marker.size(), arg);
    }
    return text;
}

} // namespace paper

} // namespace tonalyst
