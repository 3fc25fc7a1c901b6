#include "tonality/KeyScale.h"
#include "tonality/Tonality.h"

#include "theory/KeyTables.h"
#include "theory/NoteNames.h"

#include <array>
#include <cctype>

namespace tonalyst {

namespace {

constexpr std::array<int, 7> kMajorSemitones{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinorSemitones{0, 2, 3, 5, 7, 8, 10};

int floorDiv(int value, int by) {
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

template <std::size_t N> bool inTable(const std::array<Tonic, N>& table, const Pitch& tonic) {
    for (const Tonic& entry : table)
        if (entry.letter == tonic.letter() && entry.accidental == tonic.alter)
            return true;
    return false;
}

// Only the thirty keys of Key Settings have a name: A-sharp major would need double sharps.
bool isNamedKey(const TonalKey& key) {
    return key.minor ? inTable(kMinorSharpKeys, key.tonic) || inTable(kMinorFlatKeys, key.tonic)
                     : inTable(kMajorSharpKeys, key.tonic) || inTable(kMajorFlatKeys, key.tonic);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

void addKeys(std::vector<TonalKey>& keys, const EnabledKeyList& list, bool minor, int maxAccidentals) {
    for (const EnabledKey& enabled : list.keys)
        if (enabled.sigCount <= maxAccidentals)
            keys.push_back({Pitch{enabled.letter, enabled.accidental, false}, minor});
}

} // namespace

int scaleSemitones(bool minor, int degree) {
    const int octave = floorDiv(degree, 7);
    const auto index = static_cast<std::size_t>(degree - 7 * octave);
    return 12 * octave + (minor ? kMinorSemitones[index] : kMajorSemitones[index]);
}

Pitch scaleNote(const TonalKey& key, int letters, int alter) {
    return transposed(key.tonic, letters, scaleSemitones(key.minor, letters) + alter);
}

int pitchClass(const Pitch& pitch) {
    return ((pitch.semitones() % 12) + 12) % 12;
}

std::string keyLabel(const TonalKey& key) {
    static constexpr std::array<std::string_view, 5> kSigns{"-double-flat", "-flat", "", "-sharp",
                                                            "-double-sharp"};
    std::string label(1, key.tonic.letterName());
    if (key.tonic.alter >= -2 && key.tonic.alter <= 2)
        label += kSigns[static_cast<std::size_t>(key.tonic.alter + 2)];
    return label + (key.minor ? " minor" : " major");
}

std::string shownKeyLabel(const TonalKey& key) {
    std::string label = shownKeyName(key.tonic, key.minor);
    // English letters keep their capital in minor, as the history writes the key.
    if (noteNaming() == NoteNaming::English && !label.empty())
        label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
    return label;
}

std::optional<TonalKey> readKeyLabel(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return std::nullopt;
    std::optional<bool> minor;
    const std::size_t blank = text.rfind(' ');
    if (blank != std::string_view::npos) {
        const std::string_view mode = text.substr(blank + 1);
        if (mode == "major" || mode == "minor") {
            minor = mode == "minor";
            text = trimmed(text.substr(0, blank));
        }
    }
    const std::optional<ReadPitch> note = readPitch(text);
    if (!note || note->octaveGiven || note->pitch.naturalSign)
        return std::nullopt;
    // Without a mode word the letter's case tells it, as in "D" and "f#".
    const TonalKey key{note->pitch,
                       minor.value_or(std::islower(static_cast<unsigned char>(text.front())) != 0)};
    if (!isNamedKey(key))
        return std::nullopt;
    return key;
}

std::vector<TonalKey> inKeyKeys(const KeySettings& keys, const InKeyCommon& common) {
    std::vector<TonalKey> result;
    if (common.mode != InKeyMode::Minor)
        addKeys(result, keys.majorKeys(), false, common.maxAccidentals);
    if (common.mode != InKeyMode::Major)
        addKeys(result, keys.minorKeys(), true, common.maxAccidentals);
    return result;
}

} // namespace tonalyst
