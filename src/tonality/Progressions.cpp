#include "tonality/KeyScale.h"
#include "tonality/Numeral.h"
#include "tonality/Tonality.h"
#include "tonality/Voicing.h"

#include <algorithm>
#include <array>

namespace tonalyst {

namespace {

enum class Function { Tonic, Substitute, Predominant, Cadential64, Dominant };

// The chords a progression may use, in the order the answer buttons show them, with the
// minor key's form beside the major one (empty where minor has none it would use).
struct Chord {
    std::string_view major;
    std::string_view minor;
    Function function;
    bool seventh;
    bool inverted;
};

constexpr std::array<Chord, 18> kChords{{
    {"I", "i", Function::Tonic, false, false},
    {"I6", "i6", Function::Tonic, false, true},
    {"I64", "i64", Function::Cadential64, false, true},
    {"ii", "", Function::Predominant, false, false},
    {"ii6", "ii°6", Function::Predominant, false, true},
    {"ii7", "iiø7", Function::Predominant, true, false},
    {"ii65", "iiø65", Function::Predominant, true, true},
    {"iii", "III", Function::Substitute, false, false},
    {"IV", "iv", Function::Predominant, false, false},
    {"IV6", "iv6", Function::Predominant, false, true},
    {"V", "V", Function::Dominant, false, false},
    {"V6", "V6", Function::Dominant, false, true},
    {"V7", "V7", Function::Dominant, true, false},
    {"V65", "V65", Function::Dominant, true, true},
    {"V43", "V43", Function::Dominant, true, true},
    {"V42", "V42", Function::Dominant, true, true},
    {"vi", "VI", Function::Substitute, false, false},
    {"vii°6", "vii°6", Function::Dominant, false, true},
}};

// The chords are told apart by their major names; minor ones follow the same rules.
bool is(const Chord& chord, std::string_view name) {
    return chord.major == name;
}

bool isRootDominant(const Chord& chord) {
    return is(chord, "V") || is(chord, "V7");
}

// Common-practice syntax: tonic to predominant to dominant to tonic, the submediant and
// mediant standing in for the tonic, the cadential six-four only before its dominant,
// the dominant only ever moving on to a tonic (or deceptively to vi).
bool canFollow(const Chord& from, const Chord& to) {
    if (&from == &to)
        return false;
    switch (from.function) {
    case Function::Tonic:
        return to.function != Function::Cadential64;
    case Function::Substitute:
        return is(from, "vi") ? to.function == Function::Predominant : is(to, "vi") || is(to, "IV");
    case Function::Predominant:
        return to.function == Function::Dominant || to.function == Function::Cadential64 ||
               ((is(from, "IV") || is(from, "IV6")) && to.major.starts_with("ii")) ||
               (is(from, "IV") && is(to, "I"));
    case Function::Cadential64:
        return isRootDominant(to);
    case Function::Dominant:
        if (is(from, "V42"))
            return is(to, "I6");
        if (is(from, "V43"))
            return is(to, "I");
        return is(to, "I") || is(to, "I6") || (isRootDominant(from) && is(to, "vi"));
    }
    return false;
}

// The last two chords make a cadence: authentic, plagal, deceptive, or half on V.
bool endsPhrase(const Chord& before, const Chord& last) {
    if (is(last, "I"))
        return (before.function == Function::Dominant && !is(before, "V42")) || is(before, "IV");
    if (is(last, "vi"))
        return isRootDominant(before);
    return is(last, "V") && before.function != Function::Dominant;
}

// Whether a bass can sing the move: no tritone, no augmented second, fifth or diminished fourth.
bool singableBass(const Pitch& from, const Pitch& to) {
    const int letters = ((to.step - from.step) % 7 + 7) % 7;
    const int semitones = ((to.semitones() - from.semitones()) % 12 + 12) % 12;
    return semitones != 6 && !(letters == 1 && semitones == 3) && !(letters == 6 && semitones == 9) &&
           !(letters == 4 && semitones == 8) && !(letters == 3 && semitones == 4);
}

class ProgressionDrawer {
public:
    ProgressionDrawer(const TonalKey& key, const ProgressionOptions& options) {
        for (const Chord& chord : kChords) {
            const std::string_view name = key.minor ? chord.minor : chord.major;
            if ((options.sevenths || !chord.seventh) && (options.inversions || !chord.inverted) &&
                !name.empty()) {
                m_chords.push_back(&chord);
                const Numeral numeral = *parseNumeral(name);
                m_basses.push_back(numeralTones(key, numeral)[static_cast<std::size_t>(numeral.inversion)]);
            }
        }
        m_known.fill(kUnknown);
    }

    std::vector<const Chord*> draw(int length, RandomSource& random) {
        std::vector<const Chord*> drawn{m_chords.front()};
        while (static_cast<int>(drawn.size()) < length) {
            std::vector<std::size_t> next;
            const std::size_t at = indexOf(drawn.back());
            for (std::size_t to = 0; to < m_chords.size(); ++to)
                if (follows(at, to) && finishes(at, to, length - static_cast<int>(drawn.size()) - 1))
                    next.push_back(to);
            if (next.empty())
                return {};
            drawn.push_back(
                m_chords[next[static_cast<std::size_t>(random.index(static_cast<int>(next.size())))]]);
        }
        return drawn;
    }

private:
    static constexpr signed char kUnknown = -1;
    static constexpr int kMaxLeft = 6;

    bool follows(std::size_t from, std::size_t to) const {
        return canFollow(*m_chords[from], *m_chords[to]) && singableBass(m_basses[from], m_basses[to]);
    }

    std::size_t indexOf(const Chord* chord) const {
        return static_cast<std::size_t>(std::find(m_chords.begin(), m_chords.end(), chord) -
                                        m_chords.begin());
    }

    // Whether a progression at `before`, `last` with `left` chords still to come can end on a cadence.
    bool finishes(std::size_t before, std::size_t last, int left) {
        if (left == 0)
            return endsPhrase(*m_chords[before], *m_chords[last]);
        signed char& known =
            m_known[(before * kChords.size() + last) * kMaxLeft + static_cast<std::size_t>(left)];
        if (known == kUnknown) {
            known = 0;
            for (std::size_t next = 0; next < m_chords.size() && known == 0; ++next)
                if (follows(last, next) && finishes(last, next, left - 1))
                    known = 1;
        }
        return known == 1;
    }

    std::vector<const Chord*> m_chords;
    std::vector<Pitch> m_basses;
    std::array<signed char, kChords.size() * kChords.size() * kMaxLeft> m_known;
};

std::vector<std::string> namesOf(const std::vector<const Chord*>& chords, bool minor) {
    std::vector<std::string> names;
    for (const Chord* chord : chords)
        names.emplace_back(minor ? chord->minor : chord->major);
    return names;
}

std::optional<std::vector<Sonority>> voiced(const TonalKey& key, const std::vector<std::string>& names,
                                            RandomSource* random) {
    std::vector<ChordToVoice> chords;
    for (const std::string& name : names)
        chords.push_back(chordToVoice(key, name));
    return voiceChords(chords, random);
}

// A question's chords are drawn again when they cannot be voiced; so few ever are that
// this many tries never run out.
constexpr int kDraws = 100;

} // namespace

std::vector<Sonority> keyCadence(const TonalKey& key) {
    const std::vector<std::string_view> names = key.minor
                                                    ? std::vector<std::string_view>{"i", "iv", "V", "i"}
                                                    : std::vector<std::string_view>{"I", "IV", "V", "I"};
    std::vector<ChordToVoice> chords;
    for (std::string_view name : names)
        chords.push_back(chordToVoice(key, name));
    // It closes on the tonic in the soprano, the sound of a key arrived at.
    chords.back().sopranoTone = 0;
    return voiceChords(chords, nullptr).value_or(std::vector<Sonority>{});
}

HeardInKey makeChordFunctionQuestion(const TonalKey& key, const ChordFunctionOptions& options,
                                     RandomSource& random) {
    HeardInKey heard{key, keyCadence(key), {}, {}, {}};
    const std::vector<std::string> choices = chordFunctionChoices(key.minor, options);
    for (int draw = 0; draw < kDraws; ++draw) {
        const std::string& name =
            choices[static_cast<std::size_t>(random.index(static_cast<int>(choices.size())))];
        if (auto chord = voiced(key, {name}, &random)) {
            heard.played = std::move(*chord);
            heard.answer = {name};
            break;
        }
    }
    return heard;
}

std::vector<std::string> progressionChoices(bool minor, const ProgressionOptions& options) {
    std::vector<std::string> choices;
    for (const Chord& chord : kChords)
        if ((options.sevenths || !chord.seventh) && (options.inversions || !chord.inverted)) {
            const std::string_view name = minor ? chord.minor : chord.major;
            if (!name.empty())
                choices.emplace_back(name);
        }
    return choices;
}

HeardInKey makeProgressionQuestion(const TonalKey& key, const ProgressionOptions& options,
                                   RandomSource& random) {
    HeardInKey heard{key, keyCadence(key), {}, {}, {}};
    const int most = std::clamp(options.maxChords, 3, 6);
    const int least = std::clamp(options.minChords, 3, most);
    ProgressionDrawer drawer(key, options);
    for (int draw = 0; draw < kDraws; ++draw) {
        const int length = least + random.index(most - least + 1);
        const std::vector<std::string> names = namesOf(drawer.draw(length, random), key.minor);
        if (names.empty())
            continue;
        if (auto chords = voiced(key, names, &random)) {
            heard.played = std::move(*chords);
            heard.answer = names;
            break;
        }
    }
    return heard;
}

} // namespace tonalyst
