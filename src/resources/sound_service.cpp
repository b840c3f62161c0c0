#include "resources/sound_service.h"

#include "resources/audio_backend.h"
#include "resources/resource_library.h"
#include "resources/wave_format.h"

#include <QElapsedTimer>

namespace vellomir::resources {

namespace {

// How often a wait looks whether the sound has ended.
constexpr int kWaitStepMs = 5;

} // namespace

SoundService::SoundService(const settings::SettingsRecord& settings, const ResourceLibrary& library,
                           AudioBackend& backend)
    : m_settings(settings), m_library(library), m_backend(backend) {}

void SoundService::play(std::string_view name, bool switchOn, seam::SoundMode mode) {
    if (!switchOn || !m_settings.isYes(settings::field::SoundsEnabled)) {
        return;
    }
    const QString resourceName = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (!m_library.hasWave(resourceName)) {
        m_backend.stop();
        return;
    }
    m_backend.start(resourceName, mode == seam::SoundMode::Looped);
    if (mode == seam::SoundMode::Wait) {
        waitForEnd(resourceName);
    }
}

void SoundService::stop() {
    play(kStopName, true, seam::SoundMode::AtOnce);
}

void SoundService::waitForEnd(const QString& name) {
    // The sound's own length bounds the wait, so a silent machine or an audio
    // system that never reports the end cannot hang the program.
    const std::optional<WaveFormat> format = readWaveFormat(m_library.loadWave(name));
    const qint64 limit = (format ? format->durationMs() : 0) + m_waitGraceMs;
    QElapsedTimer clock;
    clock.start();
    while (m_backend.isPlaying() && clock.elapsed() < limit) {
        m_backend.idle(kWaitStepMs);
    }
}

void playSplashSound(settings::SettingsRecord& settings, SoundService& sounds, bool soundsEnabled,
                     bool soundsSplash) {
    settings.writeFlag(settings::field::SoundsEnabled, soundsEnabled);
    sounds.play("Splash", soundsSplash, seam::SoundMode::AtOnce);
}

} // namespace vellomir::resources
