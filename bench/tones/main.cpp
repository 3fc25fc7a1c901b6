// Prints how long a note takes from the play() request a key click makes to its note-on
// reaching the synthesiser, and to the first rendered block in which it sounds (above a
// level that ignores the reverb tail of the note before; the piano's own attack takes
// about 2 ms of that). A thread stands in for the audio device, pulling 64-frame blocks at
// the sample rate's pace, so no sound device is needed. The audio driver's buffer adds its
// latency on top of these figures; the configured buffer is printed with them. The notes are 30 ms files so that 200 of them take
// seconds, not minutes; a file's length does not change how soon its note starts.
#include "intervals/FluidSynthEngine.h"
#include "intervals/FluidSynthTonePlayer.h"
#include "intervals/SoundFontChoice.h"

#include "OneNoteMidi.h"

#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using namespace tonalyst;
using Clock = std::chrono::steady_clock;

constexpr int kNotes = 200;
constexpr std::size_t kBlockFrames = 64;
constexpr double kNoteSeconds = 0.03;
// Well above the reverb tail a cut note leaves, well below a piano attack.
constexpr float kOnsetLevel = 0.01f;

// Pulls blocks like an audio device and notes when sound first appears after arm().
class DeviceStandIn {
public:
    explicit DeviceStandIn(FluidSynthEngine& engine)
        : m_engine(engine), m_thread([this](std::stop_token stop) { run(stop); }) {}

    void arm() {
        m_heardAt.store(0);
        m_armed.store(true);
    }

    // Nothing until sound has been rendered since arm().
    std::optional<Clock::time_point> heardAt() const {
        const auto ticks = m_heardAt.load();
        if (ticks == 0)
            return std::nullopt;
        return Clock::time_point(Clock::duration(ticks));
    }

private:
    void run(const std::stop_token& stop) {
        std::vector<float> left(kBlockFrames), right(kBlockFrames);
        const auto period = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(double(kBlockFrames) / m_engine.sampleRate()));
        Clock::time_point next = Clock::now();
        while (!stop.stop_requested()) {
            m_engine.render(left, right);
            const bool sounding =
                std::any_of(left.begin(), left.end(), [](float s) { return std::fabs(s) > kOnsetLevel; });
            if (sounding && m_armed.exchange(false))
                m_heardAt.store(Clock::now().time_since_epoch().count());
            next += period;
            std::this_thread::sleep_until(next);
        }
    }

    FluidSynthEngine& m_engine;
    std::atomic<bool> m_armed{false};
    std::atomic<Clock::rep> m_heardAt{0};
    std::jthread m_thread;
};

// Passes the messages on and notes when a note-on leaves the player's queue.
class TimedSink final : public ToneSink {
public:
    explicit TimedSink(FluidSynthEngine& engine) : m_engine(engine) {}

    void send(const MidiMessage& message) override {
        if ((message.status & 0xF0) == 0x90 && message.data2 > 0)
            m_noteOnAt.store(Clock::now().time_since_epoch().count());
        m_engine.send(message);
    }

    Clock::time_point noteOnAt() const { return Clock::time_point(Clock::duration(m_noteOnAt.load())); }

private:
    FluidSynthEngine& m_engine;
    std::atomic<Clock::rep> m_noteOnAt{0};
};

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void report(const char* what, std::vector<double> figures) {
    std::sort(figures.begin(), figures.end());
    std::printf("%s: median %.2f ms, 95th percentile %.2f ms, worst %.2f ms\n", what,
                figures[figures.size() / 2], figures[figures.size() * 95 / 100], figures.back());
}

} // namespace

int main() {
    const std::optional<std::string> soundFont = findSoundFont();
    if (!soundFont) {
        std::puts("no General MIDI soundfont installed");
        return 1;
    }
    const auto engine = FluidSynthEngine::openRenderer(*soundFont);
    if (!engine) {
        std::printf("cannot load %s\n", soundFont->c_str());
        return 1;
    }
    QTemporaryDir dir;
    const std::vector<int> keys{48, 60, 64, 67, 72, 83};
    for (const int key : keys) {
        OneNote note;
        note.key = key;
        note.soundingSeconds = note.lengthSeconds = kNoteSeconds;
        writeBytes(dir.filePath(QString::number(key) + ".MID").toStdString(), oneNoteMidi(note));
    }

    DeviceStandIn device(*engine);
    TimedSink sink(*engine);
    FluidSynthTonePlayer player(dir.path(), sink);

    std::vector<double> toSynth;
    std::vector<double> latencies;
    for (int n = 0; n < kNotes; ++n) {
        // All sound off, so each note starts from near silence.
        engine->send({0.0, 0xB0, 120, 0});
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        device.arm();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (device.heardAt()) {
            std::puts("the synthesiser did not fall silent between notes");
            return 1;
        }
        const Clock::time_point asked = Clock::now();
        player.play({QString::number(keys[static_cast<std::size_t>(n) % keys.size()]) + ".MID"});
        while (!device.heardAt() && Clock::now() - asked < std::chrono::seconds(1))
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        if (const auto heard = device.heardAt()) {
            latencies.push_back(milliseconds(*heard - asked));
            toSynth.push_back(milliseconds(sink.noteOnAt() - asked));
        }
        std::this_thread::sleep_for(std::chrono::duration<double>(kNoteSeconds));
    }
    if (latencies.size() != static_cast<std::size_t>(kNotes)) {
        std::printf("only %zu of %d notes were heard\n", latencies.size(), kNotes);
        return 1;
    }
    std::printf("soundfont %s, %zu-frame blocks at %.0f Hz, %d notes\n", soundFont->c_str(), kBlockFrames,
                engine->sampleRate(), kNotes);
    report("request to note-on at the synthesiser", toSynth);
    report("request to first rendered sample above the onset level", latencies);
    // What is heard also waits for the audio driver's buffer, set up as configured here
    // when the device accepts it.
    const double rate = engine->sampleRate();
    const DriverBuffering configured = engine->driverBuffering();
    const DriverBuffering standard = engine->defaultBuffering();
    std::printf("audio driver buffer as configured: %d periods of %d frames, %.2f ms "
                "(the synthesiser's default: %d of %d, %.2f ms; ratio %.2f)\n",
                configured.periods, configured.periodFrames, configured.milliseconds(rate), standard.periods,
                standard.periodFrames, standard.milliseconds(rate),
                configured.milliseconds(rate) / standard.milliseconds(rate));
    std::sort(latencies.begin(), latencies.end());
    const double median = latencies[latencies.size() / 2];
    std::printf("request to sound at the device: median %.2f ms as configured, %.2f ms at the default\n",
                median + configured.milliseconds(rate), median + standard.milliseconds(rate));
    return 0;
}
