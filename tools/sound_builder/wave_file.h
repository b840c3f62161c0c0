#pragma once

#include "sound_builder/synthesis.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vellomir::tools {

/// The samples of a 16-bit PCM mono sound.
struct PcmSound {
    int sampleRate = kSampleRate;
    std::vector<std::int16_t> samples;
};

/// Converts to 16-bit samples, rounding; values beyond -1..1 are clamped.
PcmSound toPcm(const Signal& signal);

/// The bytes of a RIFF WAVE file: 16-bit PCM, one channel.
std::vector<std::uint8_t> encodeWave(const PcmSound& sound);

/// Reads back a RIFF WAVE file written by encodeWave (16-bit PCM mono);
/// nullopt with `error` set for anything else.
std::optional<PcmSound> decodeWave(const std::vector<std::uint8_t>& bytes, std::string& error);

/// Writes the file through a temporary beside it and a rename, so a failed
/// run never leaves half a sound behind. False with `error` set on failure.
bool writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error);

} // namespace vellomir::tools
