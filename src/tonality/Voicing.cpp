#include "tonality/Voicing.h"

#include "tonality/KeyScale.h"
#include "tonality/Numeral.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace tonalyst {

namespace {

constexpr int kVoices = 4;
constexpr int kMiddleC = 60;
// Bass E2-D4, tenor C3-G4, alto G3-D5, soprano C4-G5, in MIDI numbers.
constexpr std::array<int, kVoices> kLowest{40, 48, 55, 60};
constexpr std::array<int, kVoices> kHighest{62, 67, 74, 79};
// Where each voice sits most comfortably; a voicing drifting away from it costs a little.
constexpr std::array<int, kVoices> kCentre{50, 57, 64, 70};

// How many of the best partial voicings survive each chord. Wide enough that a later
// chord rarely finds no way on; the search is repeated unpruned when it does.
constexpr std::size_t kBeam = 16;

constexpr double kIncompleteTriad = 8.0;
constexpr double kIncompleteSeventh = 3.0;
constexpr double kOtherDoubling = 2.0;
constexpr double kBassMotionWeight = 0.3;
constexpr double kRegisterWeight = 0.05;
// A tritone leap is hard to sing; allowed, but only when little else would do.
constexpr double kTritoneLeap = 4.0;
// Outer voices leaping together into a fifth or an octave, and a voice passing where its
// neighbour just was, are heard as faults by a strict ear; avoided where it is cheap.
constexpr double kHiddenPerfect = 3.0;
constexpr double kOverlap = 2.0;

struct Note {
    Pitch pitch;
    int midi = 0;
    int tone = 0;
};

struct Candidate {
    std::array<Note, kVoices> notes;
    double cost = 0.0;
};

std::vector<Note> placements(const ChordToVoice& chord, int tone, int voice) {
    std::vector<Note> notes;
    const Pitch& written = chord.tones[static_cast<std::size_t>(tone)];
    for (int octave = -4; octave <= 4; ++octave) {
        Pitch pitch = written;
        pitch.step += 7 * octave;
        const int midi = pitch.semitones() + kMiddleC;
        if (midi >= kLowest[static_cast<std::size_t>(voice)] &&
            midi <= kHighest[static_cast<std::size_t>(voice)])
            notes.push_back({pitch, midi, tone});
    }
    return notes;
}

// Complete where it can be: a triad doubles one tone (a root-position triad may instead
// triple its root), a seventh chord has all four or, in root position, drops its fifth for
// a second root. The leading tone and the seventh are never doubled.
std::optional<double> doublingCost(const ChordToVoice& chord, const std::array<int, kVoices>& count) {
    const int tones = static_cast<int>(chord.tones.size());
    if (chord.leadingTone >= 0 && count[static_cast<std::size_t>(chord.leadingTone)] > 1)
        return std::nullopt;
    if (chord.seventh >= 0 && count[static_cast<std::size_t>(chord.seventh)] > 1)
        return std::nullopt;
    const auto counted = [&](int tone) { return count[static_cast<std::size_t>(tone)]; };
    if (tones == 4) {
        if (counted(0) == 1 && counted(1) == 1 && counted(2) == 1)
            return 0.0;
        if (chord.bass == 0 && counted(0) == 2 && counted(1) == 1 && counted(2) == 0)
            return kIncompleteSeventh;
        return std::nullopt;
    }
    if (counted(0) >= 1 && counted(1) >= 1 && counted(2) >= 1)
        return counted(chord.doubled) == 2 ? 0.0 : kOtherDoubling;
    if (chord.bass == 0 && counted(0) == 3 && counted(1) == 1)
        return kIncompleteTriad;
    return std::nullopt;
}

std::vector<Candidate> candidatesOf(const ChordToVoice& chord, RandomSource* random) {
    const int tones = static_cast<int>(chord.tones.size());
    std::array<std::vector<Note>, kVoices> options;
    options[0] = placements(chord, chord.bass, 0);
    for (int voice = 1; voice < kVoices; ++voice)
        for (int tone = 0; tone < tones; ++tone) {
            if (voice == 3 &&
                (chord.sopranoTone >= 0 ? tone != chord.sopranoTone : tone == chord.sopranoAvoid))
                continue;
            for (const Note& note : placements(chord, tone, voice))
                options[static_cast<std::size_t>(voice)].push_back(note);
        }
    std::vector<Candidate> candidates;
    for (const Note& bass : options[0])
        for (const Note& tenor : options[1]) {
            if (tenor.midi <= bass.midi)
                continue;
            for (const Note& alto : options[2]) {
                if (alto.midi <= tenor.midi || alto.midi - tenor.midi > 12)
                    continue;
                for (const Note& soprano : options[3]) {
                    if (soprano.midi <= alto.midi || soprano.midi - alto.midi > 12)
                        continue;
                    std::array<int, kVoices> count{};
                    for (const Note* note : {&bass, &tenor, &alto, &soprano})
                        ++count[static_cast<std::size_t>(note->tone)];
                    const std::optional<double> cost = doublingCost(chord, count);
                    if (!cost)
                        continue;
                    Candidate candidate{{bass, tenor, alto, soprano}, *cost};
                    for (int voice = 0; voice < kVoices; ++voice)
                        candidate.cost +=
                            kRegisterWeight * std::abs(candidate.notes[static_cast<std::size_t>(voice)].midi -
                                                       kCentre[static_cast<std::size_t>(voice)]);
                    if (random != nullptr)
                        candidate.cost += random->uniform();
                    candidates.push_back(candidate);
                }
            }
        }
    return candidates;
}

bool hasPitchClass(const ChordToVoice& chord, int pitchClassWanted) {
    return std::any_of(chord.tones.begin(), chord.tones.end(),
                       [&](const Pitch& tone) { return pitchClass(tone) == pitchClassWanted; });
}

// What a chord's tendency tones must do in the move to the next chord.
struct Tendencies {
    int leadingTone = -1; // the tone that must rise a semitone, -1 when it need not
    int seventh = -1;     // the tone that must fall by step, -1 when it need not
};

Tendencies tendenciesBetween(const ChordToVoice& from, const ChordToVoice& to) {
    Tendencies tendencies;
    if (from.leadingTone >= 0) {
        const int leadingTone = pitchClass(from.tones[static_cast<std::size_t>(from.leadingTone)]);
        if (hasPitchClass(to, (leadingTone + 1) % 12))
            tendencies.leadingTone = from.leadingTone;
    }
    if (from.seventh >= 0) {
        const int seventh = pitchClass(from.tones[static_cast<std::size_t>(from.seventh)]);
        if (hasPitchClass(to, (seventh + 11) % 12) || hasPitchClass(to, (seventh + 10) % 12))
            tendencies.seventh = from.seventh;
    }
    return tendencies;
}

// What the move from one voicing to the next costs, or nothing when it breaks a rule:
// parallel (or contrary) fifths and octaves between any two voices, an unresolved
// leading tone or seventh, a melodic augmented second.
std::optional<double> motionCost(const Tendencies& tendencies, const Candidate& from, const Candidate& to) {
    double cost = 0.0;
    for (std::size_t voice = 0; voice < kVoices; ++voice) {
        const Note& a = from.notes[voice];
        const Note& b = to.notes[voice];
        const int motion = b.midi - a.midi;
        const int letters = b.pitch.step - a.pitch.step;
        if (std::abs(letters) == 1 && std::abs(motion) == 3)
            return std::nullopt;
        if (a.tone == tendencies.leadingTone && motion != 1)
            return std::nullopt;
        if (a.tone == tendencies.seventh && (letters != -1 || motion > -1 || motion < -2))
            return std::nullopt;
        cost += (voice == 0 ? kBassMotionWeight : 1.0) * std::abs(motion);
        if (std::abs(motion) % 12 == 6)
            cost += kTritoneLeap;
        if (motion == 0)
            continue;
        for (std::size_t other = voice + 1; other < kVoices; ++other) {
            const Note& c = from.notes[other];
            const Note& d = to.notes[other];
            if (c.midi == d.midi)
                continue;
            const int before = (c.midi - a.midi) % 12;
            const int after = (d.midi - b.midi) % 12;
            if (before == after && (before == 0 || before == 7))
                return std::nullopt;
        }
    }
    const int bassMotion = to.notes[0].midi - from.notes[0].midi;
    const int sopranoMotion = to.notes[3].midi - from.notes[3].midi;
    const int outer = (to.notes[3].midi - to.notes[0].midi) % 12;
    if (bassMotion * sopranoMotion > 0 && std::abs(sopranoMotion) > 2 && (outer == 0 || outer == 7))
        cost += kHiddenPerfect;
    for (std::size_t voice = 1; voice < kVoices; ++voice)
        if (to.notes[voice].midi < from.notes[voice - 1].midi ||
            to.notes[voice - 1].midi > from.notes[voice].midi)
            cost += kOverlap;
    return cost;
}

struct State {
    double cost;
    int candidate;
    int previous; // index into the previous chord's states
};

std::optional<std::vector<Sonority>> search(const std::vector<ChordToVoice>& chords,
                                            const std::vector<std::vector<Candidate>>& candidates,
                                            std::size_t beam) {
    std::vector<std::vector<State>> states(chords.size());
    for (std::size_t i = 0; i < candidates[0].size(); ++i)
        states[0].push_back({candidates[0][i].cost, static_cast<int>(i), -1});
    for (std::size_t chord = 0; chord < chords.size(); ++chord) {
        if (chord > 0) {
            const std::vector<State>& before = states[chord - 1];
            const Tendencies tendencies = tendenciesBetween(chords[chord - 1], chords[chord]);
            for (std::size_t i = 0; i < candidates[chord].size(); ++i) {
                const Candidate& next = candidates[chord][i];
                State best{std::numeric_limits<double>::infinity(), static_cast<int>(i), -1};
                // The states are in order of cost, so the first too dear ends the look.
                for (std::size_t p = 0; p < before.size() && before[p].cost + next.cost < best.cost; ++p) {
                    const Candidate& previous =
                        candidates[chord - 1][static_cast<std::size_t>(before[p].candidate)];
                    const auto motion = motionCost(tendencies, previous, next);
                    if (motion && before[p].cost + next.cost + *motion < best.cost)
                        best = {before[p].cost + next.cost + *motion, static_cast<int>(i),
                                static_cast<int>(p)};
                }
                if (best.previous >= 0)
                    states[chord].push_back(best);
            }
        }
        std::vector<State>& here = states[chord];
        if (here.empty())
            return std::nullopt;
        std::sort(here.begin(), here.end(), [](const State& a, const State& b) { return a.cost < b.cost; });
        if (here.size() > beam)
            here.resize(beam);
    }
    int at = 0;
    std::vector<Sonority> voiced(chords.size());
    for (std::size_t chord = chords.size(); chord-- > 0;) {
        const State& state = states[chord][static_cast<std::size_t>(at)];
        for (const Note& note : candidates[chord][static_cast<std::size_t>(state.candidate)].notes)
            voiced[chord].push_back(note.pitch);
        at = state.previous;
    }
    return voiced;
}

} // namespace

ChordToVoice chordToVoice(const TonalKey& key, const Numeral& numeral) {
    ChordToVoice chord;
    chord.tones = numeralTones(key, numeral);
    chord.bass = numeral.inversion;
    chord.leadingTone = leadingToneOf(numeral);
    chord.seventh = numeral.seventh() ? 3 : -1;
    // Root-position and first-inversion triads double the root; a six-four chord doubles
    // its bass, and so do the Neapolitan and the leading-tone triad, whose roots lean.
    if (numeral.inversion == 2 || numeral.neapolitan || chord.leadingTone == 0 ||
        numeral.quality == ChordQuality::Diminished)
        chord.doubled = numeral.inversion == 0 ? 1 : numeral.inversion;
    return chord;
}

ChordToVoice chordToVoice(const TonalKey& key, std::string_view numeral) {
    return chordToVoice(key, *parseNumeral(numeral));
}

std::optional<std::vector<Sonority>> voiceChords(const std::vector<ChordToVoice>& chords,
                                                 RandomSource* random) {
    if (chords.empty())
        return std::vector<Sonority>{};
    std::vector<std::vector<Candidate>> candidates;
    candidates.reserve(chords.size());
    for (const ChordToVoice& chord : chords)
        candidates.push_back(candidatesOf(chord, random));
    if (auto voiced = search(chords, candidates, kBeam))
        return voiced;
    return search(chords, candidates, std::numeric_limits<std::size_t>::max());
}

} // namespace tonalyst
