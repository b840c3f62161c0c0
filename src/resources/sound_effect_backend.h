#pragma once

#include "resources/audio_backend.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>

class QSoundEffect;
class QUrl;

namespace vellomir::resources {

/// Plays the library's WAVE resources with QSoundEffect on one channel.
/// Each sound gets its own effect, made on first use and kept, so a sound
/// heard again starts without loading. A machine without an audio output
/// plays nothing and reports nothing: every start is silent.
class SoundEffectBackend : public AudioBackend {
public:
    SoundEffectBackend();
    ~SoundEffectBackend() override;
    SoundEffectBackend(const SoundEffectBackend&) = delete;
    SoundEffectBackend& operator=(const SoundEffectBackend&) = delete;

    void start(const QString& name, bool looped) override;
    void stop() override;
    bool isPlaying() const override;
    void idle(int milliseconds) override;

    /// Where QSoundEffect finds the WAVE resource `name`.
    static QUrl sourceFor(const QString& name);

    /// False when the machine has no audio output. Asked once, on the first
    /// sound, so start-up does not wait for the audio system.
    bool hasOutput();

private:
    QSoundEffect* effectFor(const QString& name);

    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_current = nullptr;
    std::optional<bool> m_hasOutput;
};

} // namespace vellomir::resources
