#include "sound_builder/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <system_error>

namespace vellomir::tools {

namespace {

void putU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

std::uint32_t getU16(const std::vector<std::uint8_t>& in, std::size_t at) {
    return in[at] | (in[at + 1] << 8);
}

std::uint32_t getU32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return getU16(in, at) | (getU16(in, at + 2) << 16);
}

bool tagAt(const std::vector<std::uint8_t>& in, std::size_t at, const char* tag) {
    return at + 4 <= in.size() && std::memcmp(in.data() + at, tag, 4) == 0;
}

} // namespace

PcmSound toPcm(const Signal& signal) {
    PcmSound sound;
    sound.samples.reserve(signal.size());
    for (const double x : signal) {
        const double scaled = std::round(std::clamp(x, -1.0, 1.0) * 32767.0);
        sound.samples.push_back(static_cast<std::int16_t>(scaled));
    }
    return sound;
}

std::vector<std::uint8_t> encodeWave(const PcmSound& sound) {
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, 1); // mono
    putU32(out, static_cast<std::uint32_t>(sound.sampleRate));
    putU32(out, static_cast<std::uint32_t>(sound.sampleRate) * 2);
    putU16(out, 2);  // bytes per frame
    putU16(out, 16); // bits per sample
    putTag(out, "data");
    putU32(out, dataBytes);
    for (const std::int16_t sample : sound.samples) {
        putU16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

std::optional<PcmSound> decodeWave(const std::vector<std::uint8_t>& bytes, std::string& error) {
    if (!tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE")) {
        error = "not a RIFF WAVE file";
        return std::nullopt;
    }
    std::optional<PcmSound> sound;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = getU32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            error = "chunk runs past the end of the file";
            return std::nullopt;
        }
        if (tagAt(bytes, at, "fmt ")) {
            if (size < 16 || getU16(bytes, body) != 1 || getU16(bytes, body + 2) != 1 ||
                getU16(bytes, body + 14) != 16) {
                error = "not 16-bit PCM mono";
                return std::nullopt;
            }
            sound.emplace();
            sound->sampleRate = static_cast<int>(getU32(bytes, body + 4));
            haveFormat = true;
        } else if (tagAt(bytes, at, "data")) {
            if (!haveFormat) {
                error = "data before format";
                return std::nullopt;
            }
            sound->samples.resize(size / 2);
            for (std::size_t i = 0; i < sound->samples.size(); ++i) {
                sound->samples[i] = static_cast<std::int16_t>(getU16(bytes, body + 2 * i));
            }
            return sound;
        }
        at = body + size + (size & 1);
    }
    error = "no data chunk";
    return std::nullopt;
}

bool writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            error = "cannot write " + temporary.string();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        error = "cannot replace " + path.string() + ": " + failure.message();
        std::filesystem::remove(temporary, failure);
        return false;
    }
    return true;
}

} // namespace vellomir::tools
