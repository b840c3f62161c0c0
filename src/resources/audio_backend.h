#pragma once

#include <QString>

namespace vellomir::resources {

/// What the sound service needs from the machine's audio: one channel that
/// plays a WAVE of the resource library by name. The program uses
/// SoundEffectBackend; the tests use a fake.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    /// Starts the WAVE resource `name`, cutting off the sound playing.
    /// A looped sound repeats until stop() or the next start().
    virtual void start(const QString& name, bool looped) = 0;
    /// Stops whatever is playing.
    virtual void stop() = 0;
    /// True from start() until the sound has ended or was stopped.
    virtual bool isPlaying() const = 0;
    /// Lets the audio system work for about `milliseconds` without handling
    /// input; called while waiting for a sound to end.
    virtual void idle(int milliseconds) = 0;
};

} // namespace vellomir::resources
