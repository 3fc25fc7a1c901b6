// Prints how many questions per second the theory engine draws, key pick included,
// for each activity with every chord and key enabled (advanced intervals where allowed).
#include "EverythingEnabled.h"
#include "activities/ActivityRegistry.h"
#include "theory/EarTrainingQuality.h"
#include "theory/IntervalGenerator.h"
#include "theory/KeyPicker.h"

#include <chrono>
#include <cstdio>

namespace {

using namespace tonalyst;

double questionsPerSecond(const QuestionContext& context, IntervalQuestionMaker& intervals,
                          long long& checksum) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    long long questions = 0;
    double elapsed = 0.0;
    while (elapsed < 1.0) {
        for (int i = 0; i < 1000; ++i) {
            CurrentKey key = pickkey(context);
            const std::optional<Question> question = makeEarTrainingQuestion(key, context, &intervals);
            checksum += question ? question->notes.front().step : 0;
        }
        questions += 1000;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    }
    return static_cast<double>(questions) / elapsed;
}

} // namespace

int main() {
    QuestionSettings settings = bench::everythingEnabled();
    settings.intervalType = IntervalType::Advanced;
    settings.earTrainingChords = EarTrainingChords::Both;

    IntervalGenerator intervals;
    SeededRandomSource random(2026);
    long long checksum = 0;
    for (const Activity* activity : allActivities()) {
        const QuestionContext context{settings, activity->settledState(), random};
        std::printf("%-30s %12.0f questions/s\n", activity->title().c_str(),
                    questionsPerSecond(context, intervals, checksum));
    }
    std::printf("(checksum %lld)\n", checksum);
    return 0;
}
