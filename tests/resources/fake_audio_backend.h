#pragma once

#include "resources/audio_backend.h"

#include <QElapsedTimer>
#include <QMap>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <climits>

namespace vellomir::testing {

/// An audio channel that records what it is asked to do ("start New once",
/// "start Shuffle looped", "stop", "ended New") and plays each sound for
/// the time given in `lengthsMs` (default 40 ms) of idle() calls; a looped
/// sound, or any sound while `neverEnds`, goes on until stopped.
class FakeAudioBackend : public resources::AudioBackend {
public:
    QStringList log;
    QMap<QString, int> lengthsMs;
    bool neverEnds = false;
    QString playing;
    bool looped = false;
    int idledMs = 0;

    void start(const QString& name, bool loop) override {
        log << QStringLiteral("start %1 %2")
                   .arg(name, loop ? QStringLiteral("looped") : QStringLiteral("once"));
        playing = name;
        looped = loop;
        m_remainingMs = lengthsMs.value(name, 40);
    }
    void stop() override {
        log << QStringLiteral("stop");
        playing.clear();
    }
    bool isPlaying() const override { return !playing.isEmpty(); }
    void idle(int milliseconds) override {
        // The time really slept, as the service's own clock sees it: on a
        // loaded machine a sleep runs long.
        QElapsedTimer slept;
        slept.start();
        QThread::msleep(milliseconds);
        const int elapsed = static_cast<int>(std::max<qint64>(slept.elapsed(), milliseconds));
        idledMs += elapsed;
        if (playing.isEmpty() || looped || neverEnds) {
            return;
        }
        m_remainingMs -= elapsed;
        if (m_remainingMs <= 0) {
            log << QStringLiteral("ended ") + playing;
            playing.clear();
        }
    }

private:
    int m_remainingMs = 0;
};

} // namespace vellomir::testing
