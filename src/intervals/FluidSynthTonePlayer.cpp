#include "intervals/FluidSynthTonePlayer.h"

#include "intervals/FluidSynthEngine.h"
#include "intervals/PhraseMidi.h"
#include "intervals/SoundFontChoice.h"

#include <QDir>
#include <QFile>

namespace tonalyst {

FluidSynthTonePlayer::FluidSynthTonePlayer(QString toneDir)
    : m_toneDir(std::move(toneDir)), m_work([this](std::stop_token stop) {
          const std::optional<std::string> soundFont = findSoundFont();
          const std::unique_ptr<FluidSynthEngine> engine =
              soundFont ? FluidSynthEngine::openDevice(*soundFont) : nullptr;
          if (!engine) {
              m_queue.close();
              return;
          }
          m_queue.run(*engine, stop);
      }) {}

FluidSynthTonePlayer::FluidSynthTonePlayer(QString toneDir, ToneSink& sink)
    : m_toneDir(std::move(toneDir)), m_work([this, &sink](std::stop_token stop) { m_queue.run(sink, stop); }) {
    start();
}

FluidSynthTonePlayer::~FluidSynthTonePlayer() {
    if (!m_worker.joinable())
        return;
    m_worker.request_stop();
    m_worker.join();
}

void FluidSynthTonePlayer::start() {
    if (!m_worker.joinable())
        m_worker = std::jthread(m_work);
}

void FluidSynthTonePlayer::play(const QStringList& midiFiles) {
    const QDir toneDir(m_toneDir);
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(midiFiles.size()));
    for (const QString& file : midiFiles)
        paths.push_back(QFile::encodeName(toneDir.filePath(file)).toStdString());
    m_queue.push(std::move(paths));
    start();
}

void FluidSynthTonePlayer::playPhrase(const Phrase& phrase) {
    m_queue.push(phraseTimeline(phrase));
    start();
}

void FluidSynthTonePlayer::silence() {
    m_queue.silence();
}

} // namespace tonalyst
