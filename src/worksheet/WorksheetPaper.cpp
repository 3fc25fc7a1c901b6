#include "worksheet/WorksheetPaper.h"

#include "theory/ChordNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <sstream>

namespace tonalyst {

namespace {

// Figures by inversion, a superscript then a subscript, as typed texts print stacked figures.
constexpr std::array<std::string_view, 3> kTriadFigures{"", "\u2076", "\u2076\u2084"};
constexpr std::array<std::string_view, 4> kSeventhFigures{"7", "\u2076\u2085", "\u2074\u2083",
                                                          "\u2074\u2082"};

constexpr std::string_view kFlatSign = "\u266D";

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

// "  In the key of E-flat major" → "E-flat major".
std::string keyOf(const Question& q) {
    std::string key = trimmed(q.keyText);
    constexpr std::string_view prefix = "In the key of ";
    return key.starts_with(prefix) ? key.substr(prefix.size()) : key;
}

// "Third :" → "third".
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
        text.append(text.empty() ? "" : ", ").append(noteName(note));
    return " (played: " + text + ")";
}

} // namespace

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

std::string intervalInWords(const Question& question) {
    return trimmed(question.name) + " " + intervalWord(question.category);
}

std::string worksheetHeading(const Worksheet& sheet) {
    const std::string title = worksheetTitle(sheet);
    return title.substr(0, title.rfind(" (seed "));
}

std::string worksheetInstruction(const Worksheet& sheet) {
    switch (sheet.options.activity) {
    case WorksheetActivity::KeySignature:
        return "Name the key of each key signature.";
    case WorksheetActivity::ChordIdentification:
        switch (sheet.options.settings.inversions) {
        case InversionOption::Basic:
            return "Name each chord and its inversion.";
        case InversionOption::FiguredBass:
            return "Name each chord with its Roman numeral and figures.";
        case InversionOption::Off:
            break;
        }
        return "Name each chord with its Roman numeral.";
    case WorksheetActivity::IntervalSpelling:
        return "Write the note that makes each interval with the note given.";
    case WorksheetActivity::IntervalIdentification:
        return "Name each interval.";
    case WorksheetActivity::ChordEarTraining:
        return "Listen to each chord and name its quality.";
    case WorksheetActivity::IntervalEarTraining:
        return "Listen to each interval and name it.";
    case WorksheetActivity::ChordSpelling:
        break;
    }
    return "Write each chord on the staff.";
}

bool worksheetAnswersInWords(WorksheetActivity activity) {
    return activity != WorksheetActivity::ChordSpelling && activity != WorksheetActivity::IntervalSpelling;
}

std::string worksheetPaperAnswer(const Worksheet& sheet, const WorksheetItem& item) {
    const Question& q = item.question;
    switch (sheet.options.activity) {
    case WorksheetActivity::KeySignature:
        return trimmed(q.name) + " " + intervalWord(q.category);
    case WorksheetActivity::ChordSpelling: {
        std::string notes = commaList(item.answer.text);
        replaceAll(notes, "-dblShrp", "-double-sharp");
        replaceAll(notes, "-dblFlat", "-double-flat");
        return notes;
    }
    case WorksheetActivity::IntervalSpelling:
        // Only the note to write: the upper one of an interval above the given note.
        if (q.notes.empty())
            break;
        return noteName(q.direction == IntervalDirection::Below ? q.notes.front() : q.notes.back());
    case WorksheetActivity::ChordIdentification:
        if (std::string name = textbookChordName(q, sheet.options.settings.inversions); !name.empty()) {
            const std::string key = keyOf(q);
            return key.empty() ? name : name + " in " + key;
        }
        break;
    case WorksheetActivity::IntervalIdentification:
        return intervalInWords(q);
    case WorksheetActivity::IntervalEarTraining:
        return intervalInWords(q) + playedNotes(q);
    case WorksheetActivity::ChordEarTraining: {
        std::string quality = trimmed(q.name);
        // "dominant (major-minor)": the textbook's name is the first word.
        if (const std::size_t aside = quality.find(" ("); aside != std::string::npos)
            quality.resize(aside);
        const std::string kind = q.category == kTriadCategory ? "triad" : "seventh";
        return quality + " " + kind + playedNotes(q);
    }
    }
    return worksheetAnswerLine(item);
}

} // namespace tonalyst
