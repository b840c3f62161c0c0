#pragma once

#include <cstdint>
#include <vector>

namespace vellomir::tools {

// The building blocks the sounds are made of: noise, filters, envelopes,
// plucked strings and FM tones, mixed into mono signals of doubles in -1..1.

inline constexpr int kSampleRate = 44100;

using Signal = std::vector<double>;

int samplesFor(double seconds);
double secondsOf(const Signal& signal);

/// A small deterministic random source (xorshift64*), so that every build
/// writes the same sounds bit for bit.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    std::uint64_t next();
    /// Uniform in [0, 1).
    double uniform();
    /// Uniform in [low, high).
    double between(double low, double high) { return low + (high - low) * uniform(); }
    /// Uniform in [-1, 1).
    double bipolar() { return 2.0 * uniform() - 1.0; }

private:
    std::uint64_t m_state;
};

/// A second-order filter (the usual audio-cookbook biquads). The
/// coefficients may be changed between samples for sweeps.
class Biquad {
public:
    static Biquad lowPass(double hz, double q = 0.707);
    static Biquad highPass(double hz, double q = 0.707);
    static Biquad bandPass(double hz, double q);
    void setBandPass(double hz, double q);
    void setLowPass(double hz, double q = 0.707);
    double process(double x);

private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
    double m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

/// Filters the signal in place.
void applyFilter(Signal& signal, Biquad filter);
/// Filters a looping signal so that its end flows into its start: one pass
/// settles the filter on the loop, the second pass writes the output.
void applyFilterLooped(Signal& signal, Biquad filter);

/// Attack (linear rise) then exponential decay with time constant `decay`.
double attackDecay(double t, double attack, double decay);
/// Multiplies by an attack-decay envelope starting at sample 0.
void shapeAttackDecay(Signal& signal, double attack, double decay);
/// Short linear fades at both ends so the sound starts and ends at zero.
void fadeEdges(Signal& signal, double fadeIn, double fadeOut);

Signal whiteNoise(Rng& rng, double seconds);

/// A paper-like flick: band-passed noise with a sharp attack and a quick decay.
Signal cardFlick(Rng& rng, double centreHz, double decay, double q = 1.2);
/// A swish: noise through a band-pass whose centre glides from `fromHz` to
/// `toHz`, swelling in over `rise` and dying away over the rest.
Signal noiseSweep(Rng& rng, double seconds, double fromHz, double toHz, double rise,
                  double q = 1.5);
/// The dull knock of a card landing on the cloth: a low sine whose pitch
/// falls, with a quick decay.
Signal thump(double startHz, double endHz, double decay);
/// A short wooden click: a noise tick over two damped partials (the body of
/// the card and the board it hits).
Signal woodTick(Rng& rng, double hz, double decay);
/// A plucked string (Karplus-Strong with a fractional tuning delay).
/// `brightness` in 0..1 sets how bright the pluck and how slow the damping.
Signal pluck(Rng& rng, double hz, double seconds, double brightness);
/// A two-operator FM tone; `ratio` is modulator to carrier, the modulation
/// index falls from `index` with the amplitude.
Signal fmTone(double hz, double seconds, double ratio, double index, double attack, double decay);
/// A brassy FM note for the fanfare: ratio 1, index following a swelling
/// envelope, slight vibrato, held for `hold` and released over `release`.
Signal brassNote(double hz, double hold, double release);

/// Adds `sound` times `gain` into `into` from `atSeconds` on, growing `into` as needed.
void mixAt(Signal& into, const Signal& sound, double atSeconds, double gain = 1.0);
/// Adds into a loop of fixed length: whatever runs past the end wraps to the start.
void mixAtWrapped(Signal& loop, const Signal& sound, double atSeconds, double gain = 1.0);

double peakOf(const Signal& signal);
/// Scales the signal so that its highest absolute sample is `peak`.
void normalisePeak(Signal& signal, double peak);
/// Removes a constant offset (so a loop does not start on a step).
void removeDc(Signal& signal);

/// Frequency of a note given as semitones from A4 (440 Hz).
double noteHz(int semitonesFromA4);

} // namespace vellomir::tools
