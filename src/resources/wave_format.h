#pragma once

#include <QByteArray>

#include <optional>

namespace vellomir::resources {

/// The format of a RIFF WAVE sound, read from its header.
struct WaveFormat {
    int formatTag = 0; ///< 1 for PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0;

    /// Playing time in milliseconds, rounded up.
    qint64 durationMs() const;
};

/// The format of the WAVE in `bytes`, or nullopt when it is not a RIFF WAVE
/// with a sound format and a data chunk that fits in the file.
std::optional<WaveFormat> readWaveFormat(const QByteArray& bytes);

} // namespace vellomir::resources
