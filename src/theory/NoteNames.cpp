#include "theory/NoteNames.h"

#include "theory/Translate.h"

#include <array>
#include <atomic>
#include <cctype>

namespace tonalyst {

namespace {

std::atomic<NoteNaming> g_naming{NoteNaming::English};

constexpr std::array<std::string_view, 3> kNamingCodes{"english", "german", "fixeddo"};

// English signs as the keyboard and the right answer write them; the right answer pads
// the short ones so that names of one length line up.
constexpr std::array<std::string_view, kAccidentalCodes> kKeyboardSigns{
    "", " natural", " sharp", " flat", " double sharp", " double flat"};
constexpr std::array<std::string_view, kAccidentalCodes> kAnswerSigns{
    " ", "-natural ", "-sharp ", "-flat", "-dblShrp", "-dblFlat"};

// Signs after a German name or a syllable: one glyph each, doubled for the double signs.
constexpr std::array<std::string_view, kAccidentalCodes> kGlyphSigns{"", "♮", "♯", "♭", "♯♯", "♭♭"};

// German names by letter (C ... B) and alteration (-2 ... +2).
constexpr std::array<std::array<std::string_view, 5>, 7> kGermanNames{{
    {"Ceses", "Ces", "C", "Cis", "Cisis"},
    {"Deses", "Des", "D", "Dis", "Disis"},
    {"Eses", "Es", "E", "Eis", "Eisis"},
    {"Feses", "Fes", "F", "Fis", "Fisis"},
    {"Geses", "Ges", "G", "Gis", "Gisis"},
    {"Ases", "As", "A", "Ais", "Aisis"},
    {"Heses", "B", "H", "His", "Hisis"},
}};

std::size_t index(int value) {
    return static_cast<std::size_t>(value);
}

bool germanNameExists(const Pitch& pitch) {
    return pitch.alter >= -2 && pitch.alter <= 2;
}

std::string germanName(const Pitch& pitch) {
    if (!germanNameExists(pitch))
        return noteName(pitch);
    std::string name(kGermanNames[index(pitch.letter())][index(pitch.alter + 2)]);
    return pitch.naturalSign ? name + "♮" : name;
}

// The syllables go through translate(): French writes Ré, Spanish and Italian Re.
std::string syllable(int letter) {
    switch (letter) {
    case 0:
        return translate("NoteNames", "Do");
    case 1:
        return translate("NoteNames", "Re");
    case 2:
        return translate("NoteNames", "Mi");
    case 3:
        return translate("NoteNames", "Fa");
    case 4:
        return translate("NoteNames", "Sol");
    case 5:
        return translate("NoteNames", "La");
    default:
        return translate("NoteNames", "Si");
    }
}

// The sign spoken after a syllable, for screen readers that read glyphs poorly.
std::string spokenSign(AccidentalCode code) {
    switch (code) {
    case NoSign:
        return {};
    case Natural:
        return " " + translate("NoteNames", "natural");
    case Sharp:
        return " " + translate("NoteNames", "sharp");
    case Flat:
        return " " + translate("NoteNames", "flat");
    case DoubleSharp:
        return " " + translate("NoteNames", "double sharp");
    case DoubleFlat:
        return " " + translate("NoteNames", "double flat");
    }
    return {};
}

std::string octaveText(const Pitch& pitch) {
    return " " + std::to_string(pitch.octave());
}

// Typed glyphs read as the signs readPitch knows.
std::string withAsciiSigns(std::string_view text) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("♯")) {
            ascii += '#';
            i += std::string_view("♯").size() - 1;
        } else if (rest.starts_with("♭")) {
            ascii += 'b';
            i += std::string_view("♭").size() - 1;
        } else if (rest.starts_with("♮")) {
            ascii += 'n';
            i += std::string_view("♮").size() - 1;
        } else {
            ascii += text[i];
        }
    }
    return ascii;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// The name and the octave that may follow it, alone or after one blank ("Fis4", "Fis 4").
struct NameAndOctave {
    std::string_view name;
    std::string_view octave;
};

std::optional<NameAndOctave> splitOctave(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && std::isdigit(static_cast<unsigned char>(text[end - 1])))
        --end;
    NameAndOctave split{text.substr(0, end), text.substr(end)};
    if (split.octave.size() > 2)
        return std::nullopt;
    if (!split.octave.empty() && split.name.ends_with(' '))
        split.name.remove_suffix(1);
    return split;
}

std::optional<ReadPitch> withOctave(Pitch pitch, std::string_view octave) {
    if (!octave.empty())
        pitch.step += 7 * (std::stoi(std::string(octave)) - 4);
    return ReadPitch{pitch, !octave.empty()};
}

std::optional<ReadPitch> readGerman(std::string_view text) {
    const std::optional<NameAndOctave> split = splitOctave(text);
    if (!split)
        return std::nullopt;
    std::string name = withAsciiSigns(split->name);
    const bool natural = name.size() > 1 && name.back() == 'n';
    if (natural)
        name.pop_back();
    for (std::size_t letter = 0; letter < kGermanNames.size(); ++letter)
        for (std::size_t alter = 0; alter < 5; ++alter) {
            const std::string_view german = kGermanNames[letter][alter];
            if (name.size() == german.size() && startsWithNoCase(name, german)) {
                if (natural && alter != 2)
                    return std::nullopt;
                return withOctave({static_cast<int>(letter), static_cast<int>(alter) - 2, natural}, split->octave);
            }
        }
    return std::nullopt;
}

std::optional<ReadPitch> readFixedDo(std::string_view text) {
    // Both spellings of re are read whatever the language, and the accent may be left off.
    static constexpr std::array<std::array<std::string_view, 2>, 7> kSyllables{{
        {"Do", "Do"},
        {"Ré", "Re"},
        {"Mi", "Mi"},
        {"Fa", "Fa"},
        {"Sol", "Sol"},
        {"La", "La"},
        {"Si", "Si"},
    }};
    for (std::size_t letter = 0; letter < kSyllables.size(); ++letter)
        for (std::string_view spelling : kSyllables[letter]) {
            if (!startsWithNoCase(text, spelling))
                continue;
            // The sign and the octave read as after an English letter.
            const std::string rest = "C" + withAsciiSigns(text.substr(spelling.size()));
            std::optional<ReadPitch> read = readPitch(rest);
            if (!read || rest.find('-') != std::string::npos)
                continue;
            read->pitch.step += static_cast<int>(letter);
            return read;
        }
    return std::nullopt;
}

} // namespace

void setNoteNaming(NoteNaming naming) {
    g_naming.store(naming, std::memory_order_relaxed);
}

NoteNaming noteNaming() {
    return g_naming.load(std::memory_order_relaxed);
}

std::string_view namingCode(NoteNaming naming) {
    return kNamingCodes[index(static_cast<int>(naming))];
}

std::optional<NoteNaming> namingFromCode(std::string_view code) {
    for (std::size_t i = 0; i < kNamingCodes.size(); ++i)
        if (kNamingCodes[i] == code)
            return static_cast<NoteNaming>(i);
    return std::nullopt;
}

NoteNaming namingForLanguage(std::string_view language) {
    const std::string_view base = language.substr(0, language.find_first_of("_-"));
    if (base == "de")
        return NoteNaming::German;
    for (std::string_view romance : {"fr", "es", "it", "pt", "ro", "ca"})
        if (base == romance)
            return NoteNaming::FixedDo;
    return NoteNaming::English;
}

std::string shownNoteName(const Pitch& pitch) {
    switch (noteNaming()) {
    case NoteNaming::English:
        break;
    case NoteNaming::German:
        return germanName(pitch);
    case NoteNaming::FixedDo:
        return syllable(pitch.letter()) + std::string(kGlyphSigns[index(pitch.code())]);
    }
    return noteName(pitch);
}

std::string shownKeyName(const Pitch& tonic, bool minor) {
    std::string name = shownNoteName({tonic.letter(), tonic.alter, false});
    if (minor && !name.empty())
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    return withArgs(minor ? translate("NoteNames", "%1 minor") : translate("NoteNames", "%1 major"), {name});
}

std::string spokenName(const Pitch& pitch) {
    switch (noteNaming()) {
    case NoteNaming::English:
        break;
    case NoteNaming::German:
        return germanName(pitch) + octaveText(pitch);
    case NoteNaming::FixedDo:
        return syllable(pitch.letter()) + spokenSign(pitch.code()) + octaveText(pitch);
    }
    return noteName(pitch) + octaveText(pitch);
}

std::string keyboardName(const Pitch& pitch) {
    if (noteNaming() != NoteNaming::English)
        return spokenName(pitch);
    return std::string(1, pitch.letterName()) + std::string(kKeyboardSigns[index(pitch.code())]) + octaveText(pitch);
}

std::string answerName(const Pitch& pitch) {
    if (noteNaming() != NoteNaming::English)
        return shownNoteName(pitch) + " ";
    return std::string(1, pitch.letterName()) + std::string(kAnswerSigns[index(pitch.code())]);
}

NoteMark noteMark(const Pitch& pitch) {
    switch (noteNaming()) {
    case NoteNaming::English:
        break;
    case NoteNaming::German:
        if (pitch.letter() == 6) {
            // Below B-flat the sign counts from B: B-double-flat is B with one flat.
            if (pitch.alter < 0)
                return {"B", pitch.alter == -2 ? Flat : NoSign};
            return {"H", pitch.code()};
        }
        break;
    case NoteNaming::FixedDo:
        return {syllable(pitch.letter()), pitch.code()};
    }
    return {std::string(1, pitch.letterName()), pitch.code()};
}

std::optional<ReadPitch> readNoteName(std::string_view text) {
    std::optional<ReadPitch> own;
    if (noteNaming() == NoteNaming::German)
        own = readGerman(text);
    else if (noteNaming() == NoteNaming::FixedDo)
        own = readFixedDo(text);
    return own ? own : readPitch(withAsciiSigns(text));
}

} // namespace tonalyst
