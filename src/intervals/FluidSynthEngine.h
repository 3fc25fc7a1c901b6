#pragma once

#include "intervals/ToneSink.h"

#include <memory>
#include <span>
#include <string>

namespace tonalyst {

// How the audio driver buffers: periods of periodFrames frames each.
struct DriverBuffering {
    int periodFrames = 0;
    int periods = 0;
    double milliseconds(double sampleRate) const { return 1000.0 * periodFrames * periods / sampleRate; }
    bool operator==(const DriverBuffering&) const = default;
};

// The most periods of periodFrames that stay within maxMilliseconds at sampleRate, and
// never fewer than the two a driver needs to play one while filling the other.
DriverBuffering bufferingWithin(double sampleRate, int periodFrames, double maxMilliseconds);

// The synthesiser the tone files sound through: a General MIDI soundfont played either
// through the desktop's audio device or, without any device, pulled by render().
class FluidSynthEngine final : public ToneSink {
public:
    // Nothing when the soundfont does not load or no audio device opens.
    static std::unique_ptr<FluidSynthEngine> openDevice(const std::string& soundFont);
    // Nothing when the soundfont does not load.
    static std::unique_ptr<FluidSynthEngine> openRenderer(const std::string& soundFont);

    ~FluidSynthEngine() override;
    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    // Thread-safe: messages may come while another thread renders.
    void send(const MidiMessage& message) override;

    // Fills both channels with the next left.size() frames. False when the engine sounds
    // through a device, the channels differ in size or the synthesiser fails.
    bool render(std::span<float> left, std::span<float> right);

    double sampleRate() const;
    // The buffering the audio driver is (or, for a renderer, would be) set up with; what
    // is heard waits this long on top of the first rendered sample.
    DriverBuffering driverBuffering() const;
    // The same at the synthesiser's own defaults, for comparison.
    DriverBuffering defaultBuffering() const;

private:
    struct Handles;
    explicit FluidSynthEngine(std::unique_ptr<Handles> handles);

    std::unique_ptr<Handles> m_handles;
};

} // namespace tonalyst
