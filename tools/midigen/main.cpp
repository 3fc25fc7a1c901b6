// Writes the one-note MIDI files Tonalyst sounds its notes with: a letter, an octave digit
// and ".MID", with "#" before the dot for a semitone above the letter. Digit 3 holds middle
// C (C3 = key 60); each digit is one octave. Digits 1 to 4 cover both clefs' staff notes;
// 0 and 5 catch the few double flats and double sharps that reach past them.
#include "OneNoteMidi.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

struct Letter {
    char name;
    int semitone;
};

constexpr std::array<Letter, 7> kLetters{
    {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}}};
constexpr int kLowestDigit = 0;
constexpr int kHighestDigit = 5;

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot make %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    for (const Letter& letter : kLetters) {
        for (int digit = kLowestDigit; digit <= kHighestDigit; ++digit) {
            for (const bool sharp : {false, true}) {
                const std::string name =
                    std::string(1, letter.name) + std::to_string(digit) + (sharp ? "#" : "") + ".MID";
                tonalyst::OneNote note;
                note.key = 12 * (digit + 2) + letter.semitone + (sharp ? 1 : 0);
                const std::filesystem::path path = folder / name;
                if (!tonalyst::writeBytes(path.string(), tonalyst::oneNoteMidi(note))) {
                    std::fprintf(stderr, "cannot write %s\n", path.c_str());
                    return 1;
                }
            }
        }
    }
    return 0;
}
