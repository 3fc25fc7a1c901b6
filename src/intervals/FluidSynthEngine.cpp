#include "intervals/FluidSynthEngine.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>

namespace tonalyst {

namespace {

// Loud enough for a single piano note at a moderate velocity; the library's default is
// made for whole arrangements.
constexpr double kGain = 0.6;

// The desktop's sound server first (PipeWire answers as PulseAudio too): it shares the
// device with other programs.
constexpr std::array<const char*, 2> kAudioDrivers{"pulseaudio", "alsa"};

// What a student hears waits for the driver's buffer on top of the synthesiser; the
// library's default periods add over 20 ms, which is heard as a lag behind the click.
constexpr double kMaxBufferMilliseconds = 10.0;

bool settingsChanged(int result) {
#if FLUIDSYNTH_VERSION_MAJOR >= 2
    return result == FLUID_OK;
#else
    return result == 1;
#endif
}

void keyPressure(fluid_synth_t* synth, int channel, int key, int value) {
#if FLUIDSYNTH_VERSION_MAJOR >= 2
    fluid_synth_key_pressure(synth, channel, key, value);
#else
    (void)synth, (void)channel, (void)key, (void)value;
#endif
}

int settingInt(fluid_settings_t* settings, const char* name, bool defaultValue) {
    int value = 0;
    if (defaultValue)
        fluid_settings_getint_default(settings, name, &value);
    else
        fluid_settings_getint(settings, name, &value);
    return value;
}

DriverBuffering buffering(fluid_settings_t* settings, bool defaults) {
    return {settingInt(settings, "audio.period-size", defaults),
            settingInt(settings, "audio.periods", defaults)};
}

void setBuffering(fluid_settings_t* settings, const DriverBuffering& buffering) {
    fluid_settings_setint(settings, "audio.period-size", buffering.periodFrames);
    fluid_settings_setint(settings, "audio.periods", buffering.periods);
}

} // namespace

DriverBuffering bufferingWithin(double sampleRate, int periodFrames, double maxMilliseconds) {
    const double framesAllowed = maxMilliseconds * sampleRate / 1000.0;
    const int periods = periodFrames > 0 ? static_cast<int>(framesAllowed / periodFrames) : 0;
    return {periodFrames, std::max(2, periods)};
}

struct FluidSynthEngine::Handles {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    double sampleRate = 44100.0;

    Handles() = default;
    Handles(const Handles&) = delete;
    Handles& operator=(const Handles&) = delete;

    // The driver calls into the synth from its own thread, so it goes first.
    ~Handles() {
        if (driver)
            delete_fluid_audio_driver(driver);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }

    // Settings, synth and soundfont, each checked before the next.
    static std::unique_ptr<Handles> load(const std::string& soundFont) {
        auto handles = std::make_unique<Handles>();
        handles->settings = new_fluid_settings();
        if (!handles->settings)
            return nullptr;
        fluid_settings_setnum(handles->settings, "synth.gain", kGain);
        fluid_settings_getnum(handles->settings, "synth.sample-rate", &handles->sampleRate);
        const DriverBuffering standard = buffering(handles->settings, true);
        setBuffering(handles->settings,
                     bufferingWithin(handles->sampleRate, standard.periodFrames, kMaxBufferMilliseconds));
        handles->synth = new_fluid_synth(handles->settings);
        if (!handles->synth)
            return nullptr;
        if (fluid_synth_sfload(handles->synth, soundFont.c_str(), 1) == FLUID_FAILED)
            return nullptr;
        return handles;
    }

    // The short buffer first; a device that refuses it gets the library's own.
    bool openDriver() {
        if (openAnyDriver())
            return true;
        setBuffering(settings, buffering(settings, true));
        return openAnyDriver();
    }

    bool openAnyDriver() {
        for (const char* name : kAudioDrivers) {
            if (!settingsChanged(fluid_settings_setstr(settings, "audio.driver", name)))
                continue;
            driver = new_fluid_audio_driver(settings, synth);
            if (driver)
                return true;
        }
        return false;
    }
};

FluidSynthEngine::FluidSynthEngine(std::unique_ptr<Handles> handles) : m_handles(std::move(handles)) {}

FluidSynthEngine::~FluidSynthEngine() = default;

std::unique_ptr<FluidSynthEngine> FluidSynthEngine::openDevice(const std::string& soundFont) {
    std::unique_ptr<Handles> handles = Handles::load(soundFont);
    if (!handles || !handles->openDriver())
        return nullptr;
    return std::unique_ptr<FluidSynthEngine>(new FluidSynthEngine(std::move(handles)));
}

std::unique_ptr<FluidSynthEngine> FluidSynthEngine::openRenderer(const std::string& soundFont) {
    std::unique_ptr<Handles> handles = Handles::load(soundFont);
    if (!handles)
        return nullptr;
    return std::unique_ptr<FluidSynthEngine>(new FluidSynthEngine(std::move(handles)));
}

void FluidSynthEngine::send(const MidiMessage& message) {
    fluid_synth_t* synth = m_handles->synth;
    const int channel = message.status & 0x0F;
    switch (message.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, message.data1);
        break;
    case 0x90:
        fluid_synth_noteon(synth, channel, message.data1, message.data2);
        break;
    case 0xA0:
        keyPressure(synth, channel, message.data1, message.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, message.data1, message.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, message.data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth, channel, message.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth, channel, (message.data2 << 7) | message.data1);
        break;
    default:
        break;
    }
}

bool FluidSynthEngine::render(std::span<float> left, std::span<float> right) {
    if (m_handles->driver || left.size() != right.size())
        return false;
    return fluid_synth_write_float(m_handles->synth, static_cast<int>(left.size()), left.data(), 0, 1,
                                   right.data(), 0, 1) == FLUID_OK;
}

double FluidSynthEngine::sampleRate() const {
    return m_handles->sampleRate;
}

DriverBuffering FluidSynthEngine::driverBuffering() const {
    return buffering(m_handles->settings, false);
}

DriverBuffering FluidSynthEngine::defaultBuffering() const {
    return buffering(m_handles->settings, true);
}

} // namespace tonalyst
