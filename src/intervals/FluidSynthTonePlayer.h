#pragma once

#include "intervals/ToneQueue.h"
#include "platform/TonePlayer.h"

#include <QString>

#include <functional>
#include <thread>

namespace tonalyst {

// Sounds the one-note MIDI files and phrases through FluidSynth, one after the other, each
// for its own length, on a thread of its own: play() only queues the files and returns.
// A name without a folder is looked up in the tone folder; a full path is used as given.
// Files that are missing or unreadable are skipped, as is everything when no soundfont
// or no audio device is available.
class FluidSynthTonePlayer final : public TonePlayer {
public:
    // Through the desktop's audio device, with the first installed soundfont of
    // soundFontCandidates(). Loading the soundfont takes a moment and a core, so it starts
    // on the player's thread with start() or the first play(); notes asked for meanwhile
    // wait their turn.
    explicit FluidSynthTonePlayer(QString toneDir);
    // Through the given sink, which must outlive the player (tests, benchmarks).
    FluidSynthTonePlayer(QString toneDir, ToneSink& sink);

    // Stops the note that sounds, drops those that wait and releases the synthesiser.
    ~FluidSynthTonePlayer() override;

    // Starts the player's thread unless it runs already. Called on the thread that owns
    // the player, as play() is.
    void start();

    void play(const QStringList& midiFiles) override;
    void playPhrase(const Phrase& phrase) override;
    void silence() override;

private:
    QString m_toneDir;
    ToneQueue m_queue;
    std::function<void(std::stop_token)> m_work;
    // Declared last: the thread ends before the queue it reads goes away.
    std::jthread m_worker;
};

} // namespace tonalyst
