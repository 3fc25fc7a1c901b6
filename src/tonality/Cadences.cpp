#include "tonality/Tonality.h"
#include "tonality/Voicing.h"

#include <array>

namespace tonalyst {

namespace {

constexpr std::string_view kPerfect = "perfect authentic";
constexpr std::string_view kImperfect = "imperfect authentic";
constexpr std::string_view kAuthentic = "authentic";
constexpr std::string_view kHalf = "half";
constexpr std::string_view kPlagal = "plagal";
constexpr std::string_view kDeceptive = "deceptive";
constexpr std::string_view kPhrygian = "Phrygian half";

using Phrase = std::vector<std::string_view>;

// Phrase endings in major; minor plays them with its own forms of the same chords.
const std::vector<Phrase> kRootAuthentic{{"I", "IV", "V", "I"},    {"I", "ii6", "V", "I"},
                                         {"I", "ii", "V7", "I"},   {"IV", "I64", "V", "I"},
                                         {"vi", "ii6", "V7", "I"}, {"I", "IV", "V7", "I"}};
const std::vector<Phrase> kInvertedAuthentic{
    {"I", "V6", "I"}, {"IV", "I", "V6", "I"}, {"I", "IV", "vii°6", "I"}, {"I", "ii6", "vii°6", "I"}};
const std::vector<Phrase> kHalfCadences{{"I", "IV", "V"},
                                        {"I", "ii6", "V"},
                                        {"I", "vi", "IV", "V"},
                                        {"I", "IV", "I64", "V"},
                                        {"I", "ii6", "I64", "V"}};
const std::vector<Phrase> kPlagalCadences{{"I", "IV", "I"}, {"I", "vi", "IV", "I"}, {"I", "I6", "IV", "I"}};
const std::vector<Phrase> kDeceptiveCadences{
    {"I", "IV", "V", "vi"}, {"I", "ii6", "V", "vi"}, {"I", "IV", "V7", "vi"}};
const std::vector<Phrase> kPhrygianCadences{
    {"i", "iv6", "V"}, {"i", "VI", "iv6", "V"}, {"i", "i6", "iv6", "V"}};

// Minor has no root-position ii: its diminished triad wants the first inversion, and iv
// takes its place before the dominant.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kMinorForms{{{"I", "i"},
                                                                                    {"I6", "i6"},
                                                                                    {"I64", "i64"},
                                                                                    {"ii", "iv"},
                                                                                    {"ii6", "ii°6"},
                                                                                    {"IV", "iv"},
                                                                                    {"vi", "VI"},
                                                                                    {"iii", "III"}}};

std::string_view inMode(std::string_view name, bool minor) {
    if (minor)
        for (const auto& [major, minorForm] : kMinorForms)
            if (major == name)
                return minorForm;
    return name;
}

template <typename T> const T& pick(const std::vector<T>& from, RandomSource& random) {
    return from[static_cast<std::size_t>(random.index(static_cast<int>(from.size())))];
}

// The soprano's tonic at the end is what makes an authentic cadence perfect.
enum class Close { Any, OnTonic, OffTonic };

std::optional<std::vector<Sonority>> voicedPhrase(const TonalKey& key, const Phrase& phrase, Close close,
                                                  RandomSource& random) {
    std::vector<ChordToVoice> chords;
    for (std::string_view name : phrase)
        chords.push_back(chordToVoice(key, inMode(name, key.minor)));
    if (close == Close::OnTonic)
        chords.back().sopranoTone = 0;
    else if (close == Close::OffTonic)
        chords.back().sopranoAvoid = 0;
    return voiceChords(chords, &random);
}

constexpr int kDraws = 100;

} // namespace

std::vector<std::string> cadenceChoices(bool minor, const CadenceOptions& options) {
    std::vector<std::string> choices;
    if (options.perfectImperfect)
        choices = {std::string(kPerfect), std::string(kImperfect)};
    else
        choices = {std::string(kAuthentic)};
    for (std::string_view name : {kHalf, kPlagal, kDeceptive})
        choices.emplace_back(name);
    if (minor && options.phrygian)
        choices.emplace_back(kPhrygian);
    return choices;
}

HeardInKey makeCadenceQuestion(const TonalKey& key, const CadenceOptions& options, RandomSource& random) {
    HeardInKey heard{key, keyCadence(key), {}, {}, {}};
    const std::vector<std::string> choices = cadenceChoices(key.minor, options);
    for (int draw = 0; draw < kDraws; ++draw) {
        const std::string& name = pick(choices, random);
        Close close = Close::Any;
        const Phrase* phrase = nullptr;
        if (name == kPerfect) {
            phrase = &pick(kRootAuthentic, random);
            close = Close::OnTonic;
        } else if (name == kImperfect) {
            // Imperfect either by the soprano or by a dominant not in root position.
            if (random.index(2) == 0) {
                phrase = &pick(kRootAuthentic, random);
                close = Close::OffTonic;
            } else {
                phrase = &pick(kInvertedAuthentic, random);
            }
        } else if (name == kAuthentic) {
            phrase = random.index(2) == 0 ? &pick(kRootAuthentic, random) : &pick(kInvertedAuthentic, random);
        } else if (name == kHalf) {
            phrase = &pick(kHalfCadences, random);
        } else if (name == kPlagal) {
            phrase = &pick(kPlagalCadences, random);
        } else if (name == kDeceptive) {
            phrase = &pick(kDeceptiveCadences, random);
        } else {
            phrase = &pick(kPhrygianCadences, random);
        }
        if (auto chords = voicedPhrase(key, *phrase, close, random)) {
            heard.played = std::move(*chords);
            heard.answer = {name};
            break;
        }
    }
    return heard;
}

} // namespace tonalyst
