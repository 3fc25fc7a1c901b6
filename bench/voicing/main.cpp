// Prints how long drawing and voicing one progression question takes, over 10,000 of
// them with random options in all thirty keys, against voicing the four chords of the
// key-setting cadence the same number of times.
#include "tonality/Tonality.h"

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace tonalyst;

constexpr int kQuestions = 10000;

std::vector<TonalKey> allKeys() {
    // Tonics by letter and sign, seven flats to seven sharps, as KeySettings lists them.
    KeySettings settings;
    KeyBoxes boxes;
    boxes.sharp.fill(true);
    boxes.flat.fill(true);
    boxes.mode = KeyMode::MajorMinor;
    settings.accept(boxes);
    return inKeyKeys(settings, {InKeyMode::Both, 7, false, 80});
}

template <typename Work> double millisecondsFor(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    const std::vector<TonalKey> keys = allKeys();
    SeededRandomSource random(2026);
    std::size_t chords = 0;
    const double progressions = millisecondsFor([&] {
        for (int i = 0; i < kQuestions; ++i) {
            ProgressionOptions options;
            options.sevenths = random.index(2) == 1;
            options.inversions = random.index(2) == 1;
            options.minChords = 3;
            options.maxChords = 6;
            chords +=
                makeProgressionQuestion(keys[static_cast<std::size_t>(i) % keys.size()], options, random)
                    .played.size();
        }
    });
    std::size_t cadenceChords = 0;
    const double cadences = millisecondsFor([&] {
        for (int i = 0; i < kQuestions; ++i)
            cadenceChords += keyCadence(keys[static_cast<std::size_t>(i) % keys.size()]).size();
    });
    // Every question voices its key's cadence as well; what is left is the progression's own.
    const double own = progressions - cadences;
    std::printf("%d progression questions: %.1f ms (%.3f ms each, %zu chords)\n", kQuestions, progressions,
                progressions / kQuestions, chords);
    std::printf("%d key-setting cadences:  %.1f ms (%.3f ms each, %zu chords)\n", kQuestions, cadences,
                cadences / kQuestions, cadenceChords);
    std::printf("progression without its cadence: %.3f ms each, %.2f x a cadence\n", own / kQuestions,
                own / cadences);
    return 0;
}
