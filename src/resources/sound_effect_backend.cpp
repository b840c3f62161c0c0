#include "resources/sound_effect_backend.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace vellomir::resources {

SoundEffectBackend::SoundEffectBackend() = default;

SoundEffectBackend::~SoundEffectBackend() {
    stop();
}

bool SoundEffectBackend::hasOutput() {
    if (!m_hasOutput) {
        m_hasOutput = !QMediaDevices::audioOutputs().isEmpty();
    }
    return *m_hasOutput;
}

QUrl SoundEffectBackend::sourceFor(const QString& name) {
    return QUrl(QStringLiteral("qrc:/wave/") + name);
}

QSoundEffect* SoundEffectBackend::effectFor(const QString& name) {
    std::unique_ptr<QSoundEffect>& effect = m_effects[name];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(sourceFor(name));
    }
    return effect.get();
}

void SoundEffectBackend::start(const QString& name, bool looped) {
    stop();
    // Without an output QSoundEffect reports a sound as playing for ever.
    if (!hasOutput()) {
        return;
    }
    QSoundEffect* effect = effectFor(name);
    if (effect->status() == QSoundEffect::Error) {
        return;
    }
    effect->setLoopCount(looped ? QSoundEffect::Infinite : 1);
    effect->play();
    m_current = effect;
}

void SoundEffectBackend::stop() {
    if (m_current) {
        m_current->stop();
        m_current = nullptr;
    }
}

bool SoundEffectBackend::isPlaying() const {
    // A sound still loading counts as playing: play() has queued it.
    return m_current && m_current->status() != QSoundEffect::Error &&
           (m_current->isPlaying() || m_current->status() == QSoundEffect::Loading);
}

void SoundEffectBackend::idle(int milliseconds) {
    // The effect reports its end through queued events; let those through,
    // but no input, as in every busy wait of the program.
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(1);
    } while (clock.elapsed() < milliseconds);
}

} // namespace vellomir::resources
