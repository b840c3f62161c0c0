#include "sound_builder/sound_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace vellomir::tools {

namespace {

double sampleValue(std::int16_t sample) {
    return sample / 32768.0;
}

double rmsOf(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t count) {
    count = std::min(count, samples.size() - std::min(from, samples.size()));
    if (count == 0) {
        return 0;
    }
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        sum += sampleValue(samples[i]) * sampleValue(samples[i]);
    }
    return std::sqrt(sum / static_cast<double>(count));
}

double decibels(double level) {
    return level > 0 ? 20.0 * std::log10(level) : -999.0;
}

} // namespace

SoundFigures analyseSound(const PcmSound& sound) {
    SoundFigures figures;
    const std::vector<std::int16_t>& s = sound.samples;
    if (s.empty() || sound.sampleRate <= 0) {
        return figures;
    }
    figures.seconds = static_cast<double>(s.size()) / sound.sampleRate;
    double sum = 0;
    for (const std::int16_t sample : s) {
        figures.peak = std::max(figures.peak, std::abs(sampleValue(sample)));
        sum += sampleValue(sample);
    }
    figures.dcOffset = sum / static_cast<double>(s.size());
    figures.rms = rmsOf(s, 0, s.size());
    figures.firstSample = sampleValue(s.front());
    figures.lastSample = sampleValue(s.back());
    figures.loopStep = std::abs(figures.firstSample - figures.lastSample);

    std::vector<double> steps;
    steps.reserve(s.size());
    for (std::size_t i = 1; i < s.size(); ++i) {
        steps.push_back(std::abs(sampleValue(s[i]) - sampleValue(s[i - 1])));
    }
    if (!steps.empty()) {
        const auto at = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 99 / 100);
        std::nth_element(steps.begin(), at, steps.end());
        figures.typicalStep = *at;
    }

    const std::size_t window = static_cast<std::size_t>(sound.sampleRate / 50);
    const double head = rmsOf(s, 0, window);
    const double tail = rmsOf(s, s.size() > window ? s.size() - window : 0, window);
    figures.joinLevelRatio = head > 0 ? tail / head : (tail > 0 ? 999.0 : 1.0);
    return figures;
}

bool loopsSmoothly(const SoundFigures& figures) {
    return figures.loopStep <= std::max(figures.typicalStep, 1.0 / 32768.0) &&
           figures.joinLevelRatio > 0.5 && figures.joinLevelRatio < 2.0;
}

std::string describeFigures(std::string_view name, const SoundFigures& figures) {
    char line[256];
    std::snprintf(line, sizeof line,
                  "%-10.*s %6.3f s  peak %6.2f dBFS  rms %6.2f dBFS  dc %+.5f  ends %+.4f/%+.4f  "
                  "loop step %.4f (typical %.4f, level ratio %.2f)",
                  static_cast<int>(name.size()), name.data(), figures.seconds,
                  decibels(figures.peak), decibels(figures.rms), figures.dcOffset,
                  figures.firstSample, figures.lastSample, figures.loopStep, figures.typicalStep,
                  figures.joinLevelRatio);
    return line;
}

} // namespace vellomir::tools
