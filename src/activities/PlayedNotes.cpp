#include "activities/PlayedNotes.h"

#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"

#include <algorithm>
#include <set>

namespace tonalyst {

namespace {

constexpr std::array<int, 7> kNaturalSemitones{0, 2, 4, 5, 7, 9, 11};

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int pitchClass(int key) {
    return ((key % 12) + 12) % 12;
}

// The note on a letter that sounds the key, or nothing beyond a double sharp or flat.
std::optional<Pitch> onLetter(int key, int letter) {
    const int semitones = key - kMiddleCKey;
    const int fromNatural = semitones - kNaturalSemitones[static_cast<std::size_t>(letter)];
    const int octave = floorDiv(fromNatural + 6, 12);
    Pitch pitch{octave * 7 + letter, fromNatural - octave * 12, false};
    if (!isWritable(pitch))
        return std::nullopt;
    return pitch;
}

// The letter C-sharp, E-flat, F-sharp, A-flat and B-flat are written on.
constexpr std::array<int, 12> kCommonLetter{0, 0, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6};

struct Shape {
    std::string_view category;
    std::string_view quality;
    std::vector<int> above; // semitones of the third, fifth (and seventh) above the root
};

const std::array<Shape, 9>& shapes() {
    static const std::array<Shape, 9> all{{
        {kTriadCategory, mnutriet[0], {3, 6}},
        {kTriadCategory, mnutriet[1], {3, 7}},
        {kTriadCategory, mnutriet[2], {4, 7}},
        {kTriadCategory, mnutriet[3], {4, 8}},
        {kSeventhCategory, mnusevet[0], {3, 6, 9}},
        {kSeventhCategory, mnusevet[1], {3, 6, 10}},
        {kSeventhCategory, mnusevet[2], {3, 7, 10}},
        {kSeventhCategory, mnusevet[3], {4, 7, 11}},
        {kSeventhCategory, mnusevet[4], {4, 7, 10}},
    }};
    return all;
}

} // namespace

Pitch spellPlayedKey(int key, const std::array<int, 7>& signature, const std::vector<Pitch>& asked) {
    for (int letter = 0; letter < 7; ++letter) {
        const auto pitch = onLetter(key, letter);
        if (pitch && pitch->alter == signature[static_cast<std::size_t>(letter)]) {
            Pitch written = *pitch;
            written.naturalSign = false;
            return written;
        }
    }
    for (const Pitch& note : asked) {
        if (pitchClass(note.semitones()) != pitchClass(key - kMiddleCKey))
            continue;
        if (auto pitch = onLetter(key, note.letter())) {
            pitch->naturalSign = pitch->alter == 0 && signature[static_cast<std::size_t>(note.letter())] != 0;
            return *pitch;
        }
    }
    Pitch common = *onLetter(key, kCommonLetter[static_cast<std::size_t>(pitchClass(key))]);
    common.naturalSign = common.alter == 0 && signature[static_cast<std::size_t>(common.letter())] != 0;
    return common;
}

std::vector<Pitch> enharmonicSpellings(const Pitch& note, const std::array<int, 7>& signature) {
    std::vector<Pitch> spellings;
    const int key = kMiddleCKey + note.semitones();
    for (int letter = 0; letter < 7; ++letter)
        if (auto pitch = onLetter(key, letter)) {
            pitch->naturalSign = pitch->alter == 0 && signature[static_cast<std::size_t>(letter)] != 0;
            spellings.push_back(*pitch);
        }
    std::sort(spellings.begin(), spellings.end(),
              [](const Pitch& a, const Pitch& b) { return a.step < b.step; });
    return spellings;
}

std::optional<PlayedChord> readPlayedChord(const std::vector<int>& keys, std::optional<int> questionRootKey) {
    if (keys.empty())
        return std::nullopt;
    std::set<int> classes;
    for (int key : keys)
        classes.insert(pitchClass(key));
    const int bass = pitchClass(*std::min_element(keys.begin(), keys.end()));
    std::optional<PlayedChord> found;
    for (const Shape& shape : shapes()) {
        if (classes.size() != shape.above.size() + 1)
            continue;
        for (int root : classes) {
            std::vector<int> tones{root};
            for (int above : shape.above)
                tones.push_back(pitchClass(root + above));
            if (!std::all_of(tones.begin(), tones.end(), [&](int tone) { return classes.count(tone) == 1; }))
                continue;
            const int inversion =
                static_cast<int>(std::find(tones.begin(), tones.end(), bass) - tones.begin());
            const PlayedChord chord{shape.category, shape.quality, inversion};
            // Symmetric chords fit on every note; the question's root, when played, is theirs.
            if (!found || (questionRootKey && pitchClass(*questionRootKey) == root))
                found = chord;
        }
        if (found)
            return found;
    }
    return std::nullopt;
}

std::optional<PlayedInterval> readPlayedInterval(const std::vector<int>& keys) {
    if (keys.size() != 2)
        return std::nullopt;
    int semitones = std::abs(keys[1] - keys[0]);
    if (semitones > 12)
        semitones = (semitones - 1) % 12 + 1;
    // Semitones to the interval menu's type and the quality's place in its submenu; the
    // tritone is the diminished fifth, the augmented fourth being none of ear training's.
    static constexpr std::array<std::pair<int, int>, 13> kBySemitones{{{0, 0},
                                                                       {1, 0},
                                                                       {1, 1},
                                                                       {2, 1},
                                                                       {2, 2},
                                                                       {3, 1},
                                                                       {4, 0},
                                                                       {4, 1},
                                                                       {5, 0},
                                                                       {5, 1},
                                                                       {6, 1},
                                                                       {6, 2},
                                                                       {7, 0}}};
    const auto [type, quality] = kBySemitones[static_cast<std::size_t>(semitones)];
    return PlayedInterval{mnuintervaltype[static_cast<std::size_t>(type)],
                          intervalQualityMenu(type).captions[static_cast<std::size_t>(quality)]};
}

std::string playedKeysText(std::vector<int> keys) {
    std::sort(keys.begin(), keys.end());
    std::string text;
    for (int key : keys) {
        if (!text.empty())
            text += ' ';
        text += pitchText(*onLetter(key, kCommonLetter[static_cast<std::size_t>(pitchClass(key))]));
    }
    return text;
}

} // namespace tonalyst
