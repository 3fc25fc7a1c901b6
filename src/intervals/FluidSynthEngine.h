#pragma once

#include "intervals/ToneSink.h"

#include <memory>
#include <span>
#include <string>

namespace tonalyst {

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

private:
    struct Handles;
    explicit FluidSynthEngine(std::unique_ptr<Handles> handles);

    std::unique_ptr<Handles> m_handles;
};

} // namespace tonalyst
