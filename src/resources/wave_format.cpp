#include "resources/wave_format.h"

#include <QtEndian>

namespace vellomir::resources {

namespace {

quint32 u32At(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16At(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

qint64 WaveFormat::durationMs() const {
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * ((bitsPerSample + 7) / 8);
    if (bytesPerSecond <= 0) {
        return 0;
    }
    return (dataBytes * 1000 + bytesPerSecond - 1) / bytesPerSecond;
}

std::optional<WaveFormat> readWaveFormat(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<WaveFormat> format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray tag = bytes.mid(at, 4);
        const quint32 size = u32At(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(bytes.size() - body)) {
            return std::nullopt;
        }
        if (tag == "fmt ") {
            if (size < 16) {
                return std::nullopt;
            }
            format.emplace();
            format->formatTag = u16At(bytes, body);
            format->channels = u16At(bytes, body + 2);
            format->sampleRate = int(u32At(bytes, body + 4));
            format->bitsPerSample = u16At(bytes, body + 14);
            if (format->channels == 0 || format->sampleRate <= 0 || format->bitsPerSample == 0) {
                return std::nullopt;
            }
        } else if (tag == "data") {
            if (!format) {
                return std::nullopt;
            }
            format->dataBytes = size;
            return format;
        }
        // Chunks are padded to an even length.
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

} // namespace vellomir::resources
