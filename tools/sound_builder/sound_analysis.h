#pragma once

#include "sound_builder/wave_file.h"

#include <string>
#include <string_view>

namespace vellomir::tools {

/// Objective figures of a sound, in fractions of full scale.
struct SoundFigures {
    double seconds = 0;
    double peak = 0;
    double rms = 0;
    double dcOffset = 0;
    /// First and last sample: a sound that is not looped starts and ends near zero.
    double firstSample = 0;
    double lastSample = 0;
    /// The step from the last sample back to the first, as heard when looping.
    double loopStep = 0;
    /// The step between neighbouring samples that 99 % of steps stay under.
    double typicalStep = 0;
    /// RMS of the last 20 ms over RMS of the first 20 ms: near 1 for a loop
    /// that does not jump in loudness at the join.
    double joinLevelRatio = 1;
};

SoundFigures analyseSound(const PcmSound& sound);

/// True when looping the sound gives no step larger than its ordinary
/// sample-to-sample movement and no jump in loudness.
bool loopsSmoothly(const SoundFigures& figures);

/// One line of the report: name, duration, peak and RMS in dBFS, DC, ends, loop join.
std::string describeFigures(std::string_view name, const SoundFigures& figures);

} // namespace vellomir::tools
