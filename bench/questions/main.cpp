// Prints how many questions per second the theory engine draws, key pick included,
// for each chord and key-signature activity with every chord and key enabled.
#include "theory/KeyPicker.h"
#include "theory/QuestionMaker.h"

#include <chrono>
#include <cstdio>

namespace {

using namespace tonalyst;

struct Run {
    const char* title;
    ActivityState activity;
};

double questionsPerSecond(const QuestionContext& context, long long& checksum) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    long long questions = 0;
    double elapsed = 0.0;
    while (elapsed < 1.0) {
        for (int i = 0; i < 1000; ++i) {
            CurrentKey key = pickkey(context);
            const std::optional<Question> question = makequestion(key, context);
            checksum += question ? question->notes.front().step : 0;
        }
        questions += 1000;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    }
    return static_cast<double>(questions) / elapsed;
}

} // namespace

int main() {
    QuestionSettings settings;
    KeyBoxes keys;
    keys.sharp.fill(true);
    keys.flat.fill(true);
    settings.keys.accept(keys);
    ChordBoxes chords;
    chords.sevenths.fill(true);
    chords.appliedDominants.fill(true);
    chords.appliedLeadingTones.fill(true);
    chords.augmentedSixths.fill(true);
    chords.neapolitan = true;
    chords.triadMixture = true;
    chords.seventhMixture = true;
    settings.chords.accept(chords);
    settings.inversions = InversionOption::FiguredBass;

    const Run runs[]{
        {"chord spelling", ActivityState::settled(QuestionType::Spell, ActivityMode::None)},
        {"chord identification", ActivityState::settled(QuestionType::Identify, ActivityMode::None)},
        {"key signature identification",
         ActivityState::settled(QuestionType::Identify, ActivityMode::KeySigId)},
    };
    SeededRandomSource random(2026);
    long long checksum = 0;
    for (const Run& run : runs) {
        const QuestionContext context{settings, run.activity, random};
        std::printf("%-30s %12.0f questions/s\n", run.title, questionsPerSecond(context, checksum));
    }
    std::printf("(checksum %lld)\n", checksum);
    return 0;
}
