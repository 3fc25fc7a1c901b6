#include "intervals/FluidSynthEngine.h"
#include "intervals/HeardPhrase.h"
#include "intervals/MidiTimeline.h"
#include "intervals/PhraseMidi.h"
#include "intervals/SoundFontChoice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

namespace tonalyst {
namespace {

const std::filesystem::path kToneDir(TONALYST_BUILT_TONE_DIR);
// The small soundfont keeps the test quick; the desktop prefers the larger one.
const std::string kSmallSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Plays the file's messages at their times into the synthesiser and returns the left channel.
std::vector<float> renderFile(FluidSynthEngine& engine, const MidiTimeline& timeline, double seconds) {
    constexpr std::size_t kBlock = 64;
    const double rate = engine.sampleRate();
    const auto frames = static_cast<std::size_t>(seconds * rate);
    std::vector<float> left(kBlock), right(kBlock), sound;
    auto next = timeline.messages.begin();
    for (std::size_t frame = 0; frame < frames; frame += kBlock) {
        for (; next != timeline.messages.end() && next->seconds <= frame / rate; ++next)
            engine.send(*next);
        EXPECT_TRUE(engine.render(left, right));
        sound.insert(sound.end(), left.begin(), left.end());
    }
    return sound;
}

double rms(const std::vector<float>& sound, double rate, double fromSeconds, double toSeconds) {
    const auto from = static_cast<std::size_t>(fromSeconds * rate);
    const auto to = std::min(sound.size(), static_cast<std::size_t>(toSeconds * rate));
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(sound[i]) * sound[i];
    return std::sqrt(sum / double(to - from));
}

// The fundamental by the cumulative mean normalised difference (YIN): the shortest period
// at which the sound repeats itself closely, so an octave or fifth error cannot hide in a
// multiple of the true period.
double fundamentalHz(const std::vector<float>& sound, double rate, double fromSeconds, double lowestHz) {
    constexpr std::size_t kWindow = 4096;
    constexpr double kThreshold = 0.15;
    const auto from = static_cast<std::size_t>(fromSeconds * rate);
    const auto longest = static_cast<std::size_t>(rate / lowestHz);
    std::vector<double> normalised(longest + 2, 1.0);
    double running = 0.0;
    for (std::size_t lag = 1; lag <= longest + 1; ++lag) {
        double difference = 0.0;
        for (std::size_t j = 0; j < kWindow; ++j) {
            const double d = double(sound[from + j]) - sound[from + j + lag];
            difference += d * d;
        }
        running += difference;
        normalised[lag] = running > 0.0 ? difference * double(lag) / running : 1.0;
    }
    std::size_t best = 2;
    while (best < longest && normalised[best] >= kThreshold)
        ++best;
    while (best < longest && normalised[best + 1] < normalised[best])
        ++best;
    const double a = normalised[best - 1], b = normalised[best], c = normalised[best + 1];
    const double shift = (a - 2 * b + c) != 0.0 ? 0.5 * (a - c) / (a - 2 * b + c) : 0.0;
    return rate / (double(best) + shift);
}

double hzOfKey(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

struct RenderCase {
    const char* file;
    int key;
};

class ToneRender : public ::testing::TestWithParam<RenderCase> {};

TEST_P(ToneRender, soundsThePitchItsNameGivesAndStopsWithTheFile) {
    if (!std::filesystem::is_regular_file(kSmallSoundFont))
        GTEST_SKIP() << "TimGM6mb soundfont not installed";
    const auto engine = FluidSynthEngine::openRenderer(kSmallSoundFont);
    ASSERT_TRUE(engine);
    const auto timeline = readMidiTimeline((kToneDir / GetParam().file).string());
    ASSERT_TRUE(timeline);
    const double rate = engine->sampleRate();
    const std::vector<float> sound = renderFile(*engine, *timeline, timeline->lengthSeconds + 1.6);

    const double expected = hzOfKey(GetParam().key);
    EXPECT_NEAR(fundamentalHz(sound, rate, 0.15, expected / 2.2), expected, expected * 0.025);

    const double sounding = rms(sound, rate, 0.1, 0.4);
    EXPECT_GT(sounding, 0.005);
    EXPECT_LT(rms(sound, rate, timeline->lengthSeconds + 1.4, timeline->lengthSeconds + 1.6), 0.1 * sounding);
}

INSTANTIATE_TEST_SUITE_P(AcrossBothClefs, ToneRender,
                         ::testing::Values(RenderCase{"C1.MID", 36}, RenderCase{"G1#.MID", 44},
                                           RenderCase{"C3.MID", 60}, RenderCase{"E3#.MID", 65},
                                           RenderCase{"A3.MID", 69}, RenderCase{"B4.MID", 83}),
                         [](const ::testing::TestParamInfo<RenderCase>& tone) {
                             std::string name = tone.param.file;
                             name.erase(name.find('.'));
                             if (name.back() == '#')
                                 name.replace(name.size() - 1, 1, "Sharp");
                             return name;
                         });

// How strongly the sound holds a sine of the frequency between the two moments: a
// Hann-windowed Fourier coefficient, so notes a semitone apart stay apart.
double strengthAt(const std::vector<float>& sound, double rate, double fromSeconds, double toSeconds,
                  double hz) {
    const auto from = static_cast<std::size_t>(fromSeconds * rate);
    const auto count = static_cast<std::size_t>((toSeconds - fromSeconds) * rate);
    double re = 0.0, im = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(count));
        const double phase = 2 * std::numbers::pi * hz * double(i) / rate;
        re += window * sound[from + i] * std::cos(phase);
        im += window * sound[from + i] * std::sin(phase);
    }
    return std::hypot(re, im) / double(count);
}

Sonority chord(std::initializer_list<const char*> texts) {
    Sonority sonority;
    for (const char* text : texts)
        sonority.push_back(readPitch(text)->pitch);
    return sonority;
}

TEST(PhraseRender, soundsEachChordOfTheCadenceAndTheQuestionWhereThePhraseHasIt) {
    if (!std::filesystem::is_regular_file(kSmallSoundFont))
        GTEST_SKIP() << "TimGM6mb soundfont not installed";
    const auto engine = FluidSynthEngine::openRenderer(kSmallSoundFont);
    ASSERT_TRUE(engine);
    HeardInKey heard;
    heard.cadence = {chord({"C4", "E4", "G4"})};
    heard.played = {chord({"F4", "A4", "C5"})};
    // At 120 a minute: the cadence's chord from 0 to 1 s, a rest to 1.5 s, the question's to 2.5 s.
    const Phrase phrase = InKeyPhrases(120).cadenceThenQuestion(heard);
    const std::vector<float> sound = renderFile(*engine, phraseTimeline(phrase), 2.6);
    const double rate = engine->sampleRate();

    struct Moment {
        double from, to;
        std::vector<int> sounding, silent;
    };
    for (const Moment& moment :
         {Moment{0.3, 0.8, {60, 64, 67}, {65, 69}}, Moment{1.8, 2.3, {65, 69, 72}, {64, 67}}}) {
        double weakest = 1e9, loudest = 0.0;
        for (const int key : moment.sounding)
            weakest = std::min(weakest, strengthAt(sound, rate, moment.from, moment.to, hzOfKey(key)));
        for (const int key : moment.silent)
            loudest = std::max(loudest, strengthAt(sound, rate, moment.from, moment.to, hzOfKey(key)));
        EXPECT_GT(weakest, 20 * loudest) << "between " << moment.from << " and " << moment.to << " s";
    }
    EXPECT_LT(rms(sound, rate, 1.35, 1.5), 0.1 * rms(sound, rate, 0.3, 0.8))
        << "the rest before the question";
}

TEST(SoundFontChoice, takesTheFirstInstalledSoundFontAndNothingWhenNoneIs) {
    EXPECT_EQ(findSoundFont({"/nonexistent/a.sf2", kToneDir.string() + "/C3.MID", kSmallSoundFont}),
              std::optional<std::string>(kToneDir.string() + "/C3.MID"));
    EXPECT_FALSE(findSoundFont({"/nonexistent/a.sf2", kToneDir.string()}));
}

} // namespace
} // namespace tonalyst

namespace tonalyst {
namespace {

TEST(DriverBuffering, staysWithinTenMillisecondsWithAtLeastTwoPeriods) {
    EXPECT_EQ(bufferingWithin(44100.0, 64, 10.0), (DriverBuffering{64, 6}));
    EXPECT_EQ(bufferingWithin(48000.0, 64, 10.0), (DriverBuffering{64, 7}));
    EXPECT_LE(bufferingWithin(44100.0, 64, 10.0).milliseconds(44100.0), 10.0);
    // A large period still gets the two a driver cannot do without.
    EXPECT_EQ(bufferingWithin(22050.0, 1024, 10.0), (DriverBuffering{1024, 2}));
}

TEST(DriverBuffering, theSynthesiserIsSetUpForAShortDriverBuffer) {
    const auto engine = FluidSynthEngine::openRenderer(kSmallSoundFont);
    ASSERT_NE(engine, nullptr);
    const DriverBuffering configured = engine->driverBuffering();
    EXPECT_GE(configured.periods, 2);
    EXPECT_LE(configured.milliseconds(engine->sampleRate()), 10.0);
    EXPECT_EQ(configured.periodFrames, engine->defaultBuffering().periodFrames);
}

} // namespace
} // namespace tonalyst
