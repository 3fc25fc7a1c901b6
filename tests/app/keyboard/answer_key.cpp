// The right answer to a question as the window shows it, worked out with the theory
// library from what a student reads on the screen. The keyboard drill test reads the
// question through the accessibility bus and asks this program for the answer to type.
//
//   answer_key spell "the IV chord " "  In the key of E-flat major"
//       prints the notes to type:                      Ab C Eb
//   answer_key keysig "identify the given MAJOR key" "treble clef, key signature of 3 flats"
//       prints the answer menu's two captions:         major :
//                                                      E-flat
//
// Only what the default settings ask is known: the triads of a key in root position, and
// key signatures. Anything else is refused with exit status 2.
#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"
#include "theory/Key.h"
#include "theory/Scale.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <regex>
#include <string>

using namespace tonalyst;

namespace {

constexpr int kLetters = 7;

int refuse(const std::string& what) {
    std::cerr << "answer_key: " << what << "\n";
    return 2;
}

// "Ab", "C", "F#", "Bbb", "Gx", "An": a note as the Notes field takes it, without an
// octave so that each note goes next to the one before. A natural is written where the
// key signature would alter the letter.
std::string typedName(const Pitch& note, int signatureAccidental) {
    std::string name(1, note.letterName());
    switch (note.alter) {
    case -2:
        return name + "bb";
    case -1:
        return name + "b";
    case 1:
        return name + "#";
    case 2:
        return name + "x";
    default:
        return signatureAccidental == 0 ? name : name + "n";
    }
}

struct NamedKey {
    int letter;
    int accidental;
    KeyMode mode;
};

// "  In the key of E-flat major", "  In the key of f-sharp minor".
std::optional<NamedKey> readKeyLine(const std::string& line) {
    static const std::regex pattern(R"(In the key of ([A-Ga-g])(-sharp|-flat)? (major|minor))");
    std::smatch match;
    if (!std::regex_search(line, match, pattern))
        return std::nullopt;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(match[1].str()[0])));
    const int index = static_cast<int>(std::string_view("CDEFGAB").find(letter));
    const int accidental = match[2] == "-sharp" ? 1 : match[2] == "-flat" ? -1 : 0;
    return NamedKey{index, accidental, match[3] == "minor" ? KeyMode::Minor : KeyMode::Major};
}

int spell(const std::string& prompt, const std::string& keyLine) {
    static const std::regex chordPattern(R"(^the (\S+) chord)");
    std::smatch chord;
    if (!std::regex_search(prompt, chord, chordPattern))
        return refuse("not a chord to spell: \"" + prompt + "\"");
    const std::optional<NamedKey> key = readKeyLine(keyLine);
    if (!key)
        return refuse("not a key line: \"" + keyLine + "\"");

    const bool minor = key->mode == KeyMode::Minor;
    const auto& names = minor ? kMinorTriadNames : kMajorTriadNames;
    // A minor key's second seven chords are built on its raised sixth or seventh degree
    // (ii, IV and vi-dim on the sixth; III-aug, V and vii-dim on the seventh); the major
    // key's come only with mixture, which is off.
    const auto named = std::find(names.begin(), names.begin() + (minor ? 2 : 1) * kLetters, chord[1].str());
    if (named == names.begin() + (minor ? 2 : 1) * kLetters)
        return refuse("not a triad of the default settings: \"" + chord[1].str() + "\"");
    const int index = static_cast<int>(named - names.begin());
    const int degree = index % kLetters;

    const ScaleDegrees signature = buildscale(key->letter, key->accidental, minor ? minorsteps : majorsteps);
    ScaleDegrees scale = signature;
    if (index >= kLetters)
        ++scale[index % 2 == 0 ? 5 : 6].alter;
    for (int member = 0; member < 3; ++member) {
        const auto entry = static_cast<std::size_t>((degree + 2 * member) % kLetters);
        std::cout << (member ? " " : "") << typedName(scale[entry], signature[entry].alter);
    }
    std::cout << "\n";
    return 0;
}

int identifyKey(const std::string& prompt, const std::string& staffText) {
    const bool minor = prompt.find("MINOR") != std::string::npos;
    if (!minor && prompt.find("MAJOR") == std::string::npos)
        return refuse("not a key to identify: \"" + prompt + "\"");
    int count = 0;
    int sign = 0;
    static const std::regex signature(R"(key signature of (\d) (sharp|flat))");
    std::smatch match;
    if (std::regex_search(staffText, match, signature)) {
        count = std::stoi(match[1]);
        sign = match[2] == "sharp" ? 1 : -1;
    } else if (staffText.find("key signature without sharps or flats") == std::string::npos) {
        return refuse("no key signature on the staff: \"" + staffText + "\"");
    }

    // The key whose scale has exactly the signature's sharps or flats.
    const KeyMode mode = minor ? KeyMode::Minor : KeyMode::Major;
    for (int letter = 0; letter < kLetters; ++letter) {
        for (int accidental = -1; accidental <= 1; ++accidental) {
            const ScaleDegrees scale = buildscale(letter, accidental, minor ? minorsteps : majorsteps);
            const bool fits = std::all_of(scale.begin(), scale.end(), [sign](const Pitch& note) {
                return note.alter == 0 || note.alter == sign;
            });
            const auto signs = std::count_if(scale.begin(), scale.end(),
                                             [](const Pitch& note) { return note.alter != 0; });
            if (fits && signs == count) {
                std::cout << mnukeymode[minor ? 1 : 0] << "\n" << keyName(letter, accidental, mode) << "\n";
                return 0;
            }
        }
    }
    return refuse("no key has that signature: \"" + staffText + "\"");
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "spell")
        return spell(argv[2], argv[3]);
    if (argc == 4 && std::string(argv[1]) == "keysig")
        return identifyKey(argv[2], argv[3]);
    return refuse("usage: answer_key spell PROMPT KEY-LINE | keysig PROMPT STAFF-TEXT");
}
