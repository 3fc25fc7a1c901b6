#include "theory/Pitch.h"

#include <array>
#include <cctype>

namespace tonalyst {

namespace {

constexpr std::string_view kLetters = "CDEFGAB";
constexpr std::array<int, 7> kNaturalSemitones{0, 2, 4, 5, 7, 9, 11};

int floorDiv7(int step) {
    return step >= 0 ? step / 7 : (step - 6) / 7;
}

constexpr std::array<std::string_view, kAccidentalCodes> kSpelledSigns{
    "", "-natural", "-sharp", "-flat", "-double-sharp", "-double-flat"};

// The history's signs are data and never translated.
constexpr std::array<std::string_view, kAccidentalCodes> kTextSigns{"", "n", "#", "b", "x", "bb"};

struct SignReading {
    std::string_view text;
    AccidentalCode code;
};

// Where one sign begins another ("b" and "bb"), both are tried: what follows the sign must
// be an octave or nothing.
constexpr std::array<SignReading, 12> kSignReadings{{
    {"-double-sharp", DoubleSharp},
    {"-double-flat", DoubleFlat},
    {"-natural", Natural},
    {"-sharp", Sharp},
    {"-flat", Flat},
    {"##", DoubleSharp},
    {"bb", DoubleFlat},
    {"x", DoubleSharp},
    {"#", Sharp},
    {"b", Flat},
    {"n", Natural},
    {"", NoSign},
}};

bool allDigits(std::string_view text) {
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

int Pitch::letter() const {
    return ((step % 7) + 7) % 7;
}

int Pitch::octave() const {
    return 4 + floorDiv7(step);
}

char Pitch::letterName() const {
    return kLetters[static_cast<std::size_t>(letter())];
}

int Pitch::semitones() const {
    return 12 * floorDiv7(step) + kNaturalSemitones[static_cast<std::size_t>(letter())] + alter;
}

AccidentalCode Pitch::code() const {
    switch (alter) {
    case 0:
        return naturalSign ? Natural : NoSign;
    case 1:
        return Sharp;
    case -1:
        return Flat;
    case 2:
        return DoubleSharp;
    case -2:
        return DoubleFlat;
    default:
        return NoSign;
    }
}

Pitch pitchWithCode(int step, AccidentalCode code) {
    static constexpr std::array<int, kAccidentalCodes> kAlter{0, 0, 1, -1, 2, -2};
    return {step, kAlter[static_cast<std::size_t>(code)], code == Natural};
}

Pitch transposed(const Pitch& from, int steps, int semitones) {
    Pitch to{from.step + steps, 0, false};
    to.alter = from.semitones() + semitones - to.semitones();
    return to;
}

std::optional<ReadPitch> readPitch(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const std::size_t letter =
        kLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
    if (letter == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(1);
    for (const SignReading& sign : kSignReadings) {
        if (!text.starts_with(sign.text))
            continue;
        std::string_view octave = text.substr(sign.text.size());
        if (octave.starts_with(' '))
            octave.remove_prefix(1);
        if (octave.size() > 2 || !allDigits(octave))
            continue;
        ReadPitch read{pitchWithCode(static_cast<int>(letter), sign.code), !octave.empty()};
        if (read.octaveGiven)
            read.pitch.step += 7 * (std::stoi(std::string(octave)) - 4);
        return read;
    }
    return std::nullopt;
}

std::string noteName(const Pitch& pitch) {
    return std::string(1, pitch.letterName()) + std::string(kSpelledSigns[static_cast<std::size_t>(pitch.code())]);
}

std::string pitchText(const Pitch& pitch) {
    return std::string(1, pitch.letterName()) +
           std::string(kTextSigns[static_cast<std::size_t>(pitch.code())]) + std::to_string(pitch.octave());
}

bool isWritable(const Pitch& pitch) {
    const int letter = pitch.letter();
    if (pitch.alter < -2 || pitch.alter > 2)
        return false;
    if (pitch.alter == 2 && (letter == 2 || letter == 6))
        return false;
    return !(pitch.alter == -2 && (letter == 0 || letter == 3));
}

} // namespace tonalyst
