#include "sound_builder/synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vellomir::tools {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double clampHz(double hz) {
    return std::clamp(hz, 10.0, 0.45 * kSampleRate);
}

double timeOf(std::size_t index) {
    return static_cast<double>(index) / kSampleRate;
}

} // namespace

int samplesFor(double seconds) {
    return std::max(0, static_cast<int>(std::lround(seconds * kSampleRate)));
}

double secondsOf(const Signal& signal) {
    return static_cast<double>(signal.size()) / kSampleRate;
}

std::uint64_t Rng::next() {
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return m_state * 0x2545F4914F6CDD1Dull;
}

double Rng::uniform() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

Biquad Biquad::lowPass(double hz, double q) {
    Biquad filter;
    filter.setLowPass(hz, q);
    return filter;
}

Biquad Biquad::highPass(double hz, double q) {
    Biquad filter;
    const double w0 = kTwoPi * clampHz(hz) / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * q);
    const double c = std::cos(w0);
    filter.set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    return filter;
}

Biquad Biquad::bandPass(double hz, double q) {
    Biquad filter;
    filter.setBandPass(hz, q);
    return filter;
}

void Biquad::setLowPass(double hz, double q) {
    const double w0 = kTwoPi * clampHz(hz) / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * q);
    const double c = std::cos(w0);
    set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setBandPass(double hz, double q) {
    const double w0 = kTwoPi * clampHz(hz) / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * q);
    set(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w0), 1 - alpha);
}

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2) {
    m_b0 = b0 / a0;
    m_b1 = b1 / a0;
    m_b2 = b2 / a0;
    m_a1 = a1 / a0;
    m_a2 = a2 / a0;
}

double Biquad::process(double x) {
    const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = x;
    m_y2 = m_y1;
    m_y1 = y;
    return y;
}

void applyFilter(Signal& signal, Biquad filter) {
    for (double& x : signal) {
        x = filter.process(x);
    }
}

void applyFilterLooped(Signal& signal, Biquad filter) {
    for (const double x : signal) {
        filter.process(x);
    }
    applyFilter(signal, filter);
}

double attackDecay(double t, double attack, double decay) {
    if (t < 0) {
        return 0;
    }
    if (t < attack) {
        return t / attack;
    }
    return std::exp(-(t - attack) / decay);
}

void shapeAttackDecay(Signal& signal, double attack, double decay) {
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] *= attackDecay(timeOf(i), attack, decay);
    }
}

void fadeEdges(Signal& signal, double fadeIn, double fadeOut) {
    const std::size_t in = std::min<std::size_t>(samplesFor(fadeIn), signal.size());
    for (std::size_t i = 0; i < in; ++i) {
        signal[i] *= static_cast<double>(i) / static_cast<double>(in);
    }
    const std::size_t out = std::min<std::size_t>(samplesFor(fadeOut), signal.size());
    for (std::size_t i = 0; i < out; ++i) {
        signal[signal.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
    }
}

Signal whiteNoise(Rng& rng, double seconds) {
    Signal noise(samplesFor(seconds));
    for (double& x : noise) {
        x = rng.bipolar();
    }
    return noise;
}

Signal cardFlick(Rng& rng, double centreHz, double decay, double q) {
    const double attack = 0.0012;
    Signal flick = whiteNoise(rng, attack + decay * 6.0);
    applyFilter(flick, Biquad::highPass(350.0));
    applyFilter(flick, Biquad::bandPass(centreHz, q));
    shapeAttackDecay(flick, attack, decay);
    fadeEdges(flick, 0.0, std::min(0.004, decay));
    return flick;
}

Signal noiseSweep(Rng& rng, double seconds, double fromHz, double toHz, double rise, double q) {
    Signal sweep = whiteNoise(rng, seconds);
    Biquad filter = Biquad::bandPass(fromHz, q);
    const double fall = std::max(seconds - rise, 1e-3);
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const double t = timeOf(i);
        filter.setBandPass(fromHz * std::pow(toHz / fromHz, t / seconds), q);
        double envelope = 0;
        if (t < rise) {
            envelope = std::pow(std::sin(0.5 * std::numbers::pi * t / rise), 2.0);
        } else {
            envelope =
                std::pow(std::cos(0.5 * std::numbers::pi * std::min(1.0, (t - rise) / fall)), 2.0);
        }
        sweep[i] = envelope * filter.process(sweep[i]);
    }
    return sweep;
}

Signal thump(double startHz, double endHz, double decay) {
    Signal knock(samplesFor(decay * 6.0 + 0.002));
    double phase = 0;
    for (std::size_t i = 0; i < knock.size(); ++i) {
        const double t = timeOf(i);
        const double hz = endHz + (startHz - endHz) * std::exp(-t / 0.025);
        phase += kTwoPi * hz / kSampleRate;
        knock[i] = std::sin(phase) * attackDecay(t, 0.002, decay);
    }
    fadeEdges(knock, 0.0, 0.004);
    return knock;
}

Signal woodTick(Rng& rng, double hz, double decay) {
    Signal tick(samplesFor(decay * 6.0 + 0.002));
    for (std::size_t i = 0; i < tick.size(); ++i) {
        const double t = timeOf(i);
        const double body = std::sin(kTwoPi * hz * t) * attackDecay(t, 0.0005, decay);
        const double overtone =
            0.35 * std::sin(kTwoPi * hz * 2.76 * t) * attackDecay(t, 0.0005, decay / 3.0);
        tick[i] = body + overtone;
    }
    fadeEdges(tick, 0.0, 0.004);
    Signal click = cardFlick(rng, hz * 3.0, 0.0015, 0.9);
    mixAt(tick, click, 0.0, 0.5);
    return tick;
}

Signal pluck(Rng& rng, double hz, double seconds, double brightness) {
    // The averaging filter in the loop delays by half a sample; a first-order
    // all-pass supplies the fractional rest, so the string is in tune.
    const double delay = static_cast<double>(kSampleRate) / hz - 0.5;
    int length = static_cast<int>(std::floor(delay));
    double fraction = delay - length;
    if (fraction < 0.1) {
        length -= 1;
        fraction += 1.0;
    }
    const double allpass = (1.0 - fraction) / (1.0 + fraction);
    // Loss per trip round the string so the note dies away by 60 dB in `seconds`.
    const double loss = std::pow(10.0, -3.0 / (seconds * hz));

    std::vector<double> line(length);
    const double smoothing = 0.15 + 0.85 * std::clamp(brightness, 0.0, 1.0);
    double smoothed = 0;
    double mean = 0;
    for (double& x : line) {
        smoothed += smoothing * (rng.bipolar() - smoothed);
        x = smoothed;
        mean += x;
    }
    mean /= length;
    for (double& x : line) {
        x -= mean;
    }

    Signal string(samplesFor(seconds));
    double previous = 0;
    double apIn = 0;
    double apOut = 0;
    for (std::size_t i = 0; i < string.size(); ++i) {
        const std::size_t at = i % line.size();
        const double out = line[at];
        string[i] = out;
        const double averaged = loss * 0.5 * (out + previous);
        previous = out;
        const double tuned = allpass * averaged + apIn - allpass * apOut;
        apIn = averaged;
        apOut = tuned;
        line[at] = tuned;
    }
    fadeEdges(string, 0.0005, 0.02);
    return string;
}

Signal fmTone(double hz, double seconds, double ratio, double index, double attack, double decay) {
    Signal tone(samplesFor(seconds));
    for (std::size_t i = 0; i < tone.size(); ++i) {
        const double t = timeOf(i);
        const double envelope = attackDecay(t, attack, decay);
        const double modulator = index * envelope * std::sin(kTwoPi * hz * ratio * t);
        tone[i] = envelope * std::sin(kTwoPi * hz * t + modulator);
    }
    fadeEdges(tone, 0.0, 0.02);
    return tone;
}

Signal brassNote(double hz, double hold, double release) {
    const double attack = 0.035;
    Signal note(samplesFor(hold + release));
    double phase = 0;
    for (std::size_t i = 0; i < note.size(); ++i) {
        const double t = timeOf(i);
        // A small dip after the attack, then a steady tone; the release starts
        // from wherever the dip has got to, so it joins without a click.
        const auto sustain = [&](double at) {
            return 0.82 + 0.18 * std::exp(-(at - attack) / 0.06);
        };
        double envelope = 0;
        if (t < attack) {
            envelope = t / attack;
        } else if (t < hold) {
            envelope = sustain(t);
        } else {
            const double fall = std::min(1.0, (t - hold) / release);
            envelope = sustain(hold) * std::pow(std::cos(0.5 * std::numbers::pi * fall), 2.0);
        }
        const double vibrato =
            t > 0.15 ? 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, (t - 0.15) / 0.2) : 0.0;
        phase += kTwoPi * hz * (1.0 + vibrato) / kSampleRate;
        const double index = 0.4 + 2.2 * envelope;
        note[i] = envelope * std::sin(phase + index * std::sin(phase));
    }
    applyFilter(note, Biquad::lowPass(3800.0));
    return note;
}

void mixAt(Signal& into, const Signal& sound, double atSeconds, double gain) {
    const std::size_t start = samplesFor(atSeconds);
    if (into.size() < start + sound.size()) {
        into.resize(start + sound.size(), 0.0);
    }
    for (std::size_t i = 0; i < sound.size(); ++i) {
        into[start + i] += gain * sound[i];
    }
}

void mixAtWrapped(Signal& loop, const Signal& sound, double atSeconds, double gain) {
    if (loop.empty()) {
        return;
    }
    const std::size_t start = samplesFor(atSeconds) % loop.size();
    for (std::size_t i = 0; i < sound.size(); ++i) {
        loop[(start + i) % loop.size()] += gain * sound[i];
    }
}

double peakOf(const Signal& signal) {
    double peak = 0;
    for (const double x : signal) {
        peak = std::max(peak, std::abs(x));
    }
    return peak;
}

void normalisePeak(Signal& signal, double peak) {
    const double current = peakOf(signal);
    if (current <= 0) {
        return;
    }
    const double gain = peak / current;
    for (double& x : signal) {
        x *= gain;
    }
}

void removeDc(Signal& signal) {
    if (signal.empty()) {
        return;
    }
    double mean = 0;
    for (const double x : signal) {
        mean += x;
    }
    mean /= static_cast<double>(signal.size());
    for (double& x : signal) {
        x -= mean;
    }
}

double noteHz(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

} // namespace vellomir::tools
