#include "sound_builder/sound_recipes.h"

#include <cmath>
#include <numbers>

namespace vellomir::tools {

namespace {

// Notes as semitones from A4.
constexpr int C4 = -9, E4 = -5, G4 = -2, B4 = 2, C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12, B5 = 14,
              C6 = 15, D6 = 17, E6 = 19, G6 = 22, C7 = 27;

// Levels: tunes sit just under -1 dBFS; the card noises a little lower so
// that frequent clicks do not tire the ear.
constexpr double kTunePeak = 0.89;
constexpr double kCardPeak = 0.71;
constexpr double kSoftPeak = 0.56;

// --- Start-up and about ------------------------------------------------------

// A rising plucked arpeggio of C major that settles on a soft bell chord.
Signal splashJingle() {
    Rng rng(0x5B1A5B);
    Signal out;
    const int arpeggio[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) {
        mixAt(out, pluck(rng, noteHz(arpeggio[i]), 1.2, 0.75), 0.11 * i, 0.8);
    }
    for (const int note : {C5, E5, G5, C6}) {
        mixAt(out, fmTone(noteHz(note), 1.3, 2.0, 0.8, 0.03, 0.35), 0.5, 0.3);
    }
    return out;
}

// A falling bell motif that rests on a low G major chord: quieter and
// rounder than the start-up tune.
Signal aboutChime() {
    Signal out;
    const int motif[] = {D6, B5, G5};
    for (int i = 0; i < 3; ++i) {
        mixAt(out, fmTone(noteHz(motif[i]), 0.7, 3.5, 1.1, 0.004, 0.18), 0.14 * i, 0.55);
    }
    for (const int note : {G4, B4, D5}) {
        mixAt(out, fmTone(noteHz(note), 1.0, 1.0, 0.6, 0.02, 0.3), 0.42, 0.35);
    }
    return out;
}

// --- Whole-game events ---------------------------------------------------------

// The cards swept together before a new deal: a rising swish that ends in
// the deck being knocked square on the table.
Signal newGameSweep() {
    Rng rng(0x0E3);
    Signal out = noiseSweep(rng, 0.32, 700.0, 4200.0, 0.22, 1.3);
    mixAt(out, thump(170.0, 95.0, 0.035), 0.28, 0.9);
    mixAt(out, cardFlick(rng, 2600.0, 0.012), 0.28, 0.6);
    return out;
}

// The winning fanfare: three brass pickups, a long top note, then the
// C major chord held under a sparkle of high plucks.
Signal winningFanfare() {
    Rng rng(0x3011);
    Signal out;
    mixAt(out, brassNote(noteHz(G4), 0.12, 0.05), 0.00, 0.7);
    mixAt(out, brassNote(noteHz(G4), 0.12, 0.05), 0.18, 0.7);
    mixAt(out, brassNote(noteHz(G4), 0.12, 0.05), 0.36, 0.7);
    mixAt(out, brassNote(noteHz(C5), 0.45, 0.12), 0.54, 0.8);
    for (const int note : {C4, E4, G4, C5, E5}) {
        mixAt(out, brassNote(noteHz(note), 1.1, 0.6), 1.12, 0.32);
    }
    const int sparkle[] = {C6, E6, G6, C7};
    for (int i = 0; i < 4; ++i) {
        mixAt(out, pluck(rng, noteHz(sparkle[i]), 0.9, 0.6), 1.14 + 0.09 * i, 0.3);
    }
    return out;
}

// --- Single cards --------------------------------------------------------------

// A card lifted off its pile: a light upward "fwip".
Signal cardUp() {
    Rng rng(0xC0A1);
    Signal out = noiseSweep(rng, 0.07, 2400.0, 5200.0, 0.012, 1.6);
    mixAt(out, cardFlick(rng, 4200.0, 0.006), 0.0, 0.5);
    return out;
}

// Carried cards put back: a soft dull tap.
Signal cardDown() {
    Rng rng(0xC0D0);
    Signal out = thump(150.0, 90.0, 0.03);
    Signal felt = cardFlick(rng, 1100.0, 0.012, 0.8);
    applyFilter(felt, Biquad::lowPass(1800.0));
    mixAt(out, felt, 0.0, 0.9);
    return out;
}

// A card turned over: a quick swish that rises as the card lifts on its
// edge and falls as it lands, with a light tap at the end.
Signal faceUp() {
    Rng rng(0xFACE);
    Signal out = noiseSweep(rng, 0.09, 1800.0, 4800.0, 0.045, 2.0);
    Signal fall = noiseSweep(rng, 0.06, 4000.0, 2000.0, 0.01, 2.0);
    mixAt(out, fall, 0.06, 0.8);
    mixAt(out, cardFlick(rng, 3000.0, 0.008), 0.105, 0.7);
    mixAt(out, thump(200.0, 130.0, 0.015), 0.105, 0.4);
    return out;
}

// A flick of the stock: the thumb runs over a few card edges, then the card
// snaps onto the waste.
Signal stockFlick() {
    Rng rng(0x570C);
    Signal out;
    for (int i = 0; i < 4; ++i) {
        mixAt(out, cardFlick(rng, rng.between(4200.0, 5600.0), 0.003, 1.5), 0.011 * i,
              0.35 + 0.1 * i);
    }
    mixAt(out, cardFlick(rng, 3300.0, 0.01, 1.0), 0.05, 1.0);
    mixAt(out, thump(190.0, 120.0, 0.012), 0.05, 0.3);
    return out;
}

// A card snapping onto a foundation: a hard click and a short woody ring.
Signal foundationSnap() {
    Rng rng(0xF0D);
    Signal out = woodTick(rng, 1250.0, 0.035);
    mixAt(out, cardFlick(rng, 5000.0, 0.0025, 0.8), 0.0, 1.0);
    mixAt(out, thump(230.0, 160.0, 0.02), 0.0, 0.5);
    return out;
}

// A card sent home by automatic play: a lighter snap followed by a small
// high pluck, so that the player hears the program did it.
Signal autoplaySnap() {
    Rng rng(0xA070);
    Signal out = woodTick(rng, 1600.0, 0.02);
    mixAt(out, cardFlick(rng, 5200.0, 0.002, 0.8), 0.0, 0.7);
    mixAt(out, pluck(rng, noteHz(E6), 0.28, 0.5), 0.045, 0.55);
    return out;
}

// A card sliding across the cloth onto a tableau and coming to rest.
Signal tableauSlide() {
    Rng rng(0x7AB1);
    Signal out = noiseSweep(rng, 0.2, 2200.0, 1100.0, 0.07, 0.9);
    applyFilter(out, Biquad::lowPass(3200.0));
    mixAt(out, thump(140.0, 100.0, 0.02), 0.17, 0.55);
    mixAt(out, cardFlick(rng, 1800.0, 0.006), 0.17, 0.35);
    return out;
}

// A card whirled onto a tableau: a swish whose colour circles round, like
// the card spinning as it slides, then a tap.
Signal eddySwirl() {
    Rng rng(0xEDD1);
    const double seconds = 0.32;
    Signal out = whiteNoise(rng, seconds);
    Biquad filter = Biquad::bandPass(1500.0, 2.5);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double centre = 1700.0 + 1000.0 * std::sin(2.0 * std::numbers::pi * 11.0 * t);
        filter.setBandPass(centre, 2.5);
        const double envelope = std::pow(std::sin(std::numbers::pi * t / seconds), 1.5);
        out[i] = envelope * filter.process(out[i]);
    }
    mixAt(out, thump(150.0, 100.0, 0.02), 0.29, 0.5);
    mixAt(out, cardFlick(rng, 2200.0, 0.006), 0.29, 0.35);
    return out;
}

// A pair taken off the table: two bell tones a fifth apart.
Signal pairingChime() {
    Signal out = fmTone(noteHz(A5), 0.75, 3.5, 1.3, 0.003, 0.16);
    mixAt(out, fmTone(noteHz(E6), 0.7, 3.5, 1.1, 0.003, 0.16), 0.07, 0.8);
    return out;
}

// --- Loops and deck handling ---------------------------------------------------

// One cycle of a riffle shuffle, made to loop: card edges slap past each
// other at a rate that swells and eases once per cycle, over a soft swish.
// Every click and the swish wrap round the loop, so its end flows into its
// start without a step.
Signal shuffleRiffle() {
    Rng rng(0x5A0FF1E);
    const double seconds = 0.96;
    Signal loop(samplesFor(seconds), 0.0);

    Signal bed = whiteNoise(rng, seconds);
    applyFilterLooped(bed, Biquad::bandPass(2600.0, 0.8));
    for (std::size_t i = 0; i < bed.size(); ++i) {
        const double phase = static_cast<double>(i) / static_cast<double>(bed.size());
        bed[i] *= 0.18 + 0.1 * std::sin(2.0 * std::numbers::pi * phase);
    }
    mixAtWrapped(loop, bed, 0.0);

    double t = 0;
    while (t < seconds) {
        const double phase = t / seconds;
        const double gap = 0.016 - 0.006 * std::sin(2.0 * std::numbers::pi * phase);
        // Random draws in a fixed order (C++ leaves argument order open), so
        // every compiler makes the same riffle.
        const double centre = rng.between(2600.0, 5200.0);
        const double decay = rng.between(0.0025, 0.005);
        const double gain = rng.between(0.45, 1.0);
        mixAtWrapped(loop, cardFlick(rng, centre, decay, 1.3), t, gain);
        t += gap * rng.between(0.75, 1.25);
    }
    removeDc(loop);
    return loop;
}

// One cycle of a redeal with animation, made to loop: the waste is gathered
// and cards are dealt out again, four to a cycle, each a flick and a tap.
Signal redealLoop() {
    Rng rng(0x4EDEA1);
    const double seconds = 0.8;
    Signal loop(samplesFor(seconds), 0.0);

    Signal bed = whiteNoise(rng, seconds);
    applyFilterLooped(bed, Biquad::bandPass(1400.0, 0.9));
    for (double& x : bed) {
        x *= 0.08;
    }
    mixAtWrapped(loop, bed, 0.0);

    for (int i = 0; i < 4; ++i) {
        const double at = 0.2 * i + rng.between(0.0, 0.015);
        mixAtWrapped(loop, noiseSweep(rng, 0.09, 1500.0, 3600.0, 0.06, 1.4), at, 0.5);
        mixAtWrapped(loop, cardFlick(rng, rng.between(2800.0, 3600.0), 0.007), at + 0.085, 0.8);
        mixAtWrapped(loop, thump(170.0, 110.0, 0.015), at + 0.085, 0.4);
    }
    removeDc(loop);
    return loop;
}

// A redeal without animation: a quick riffle gathering the cards, then the
// deck squared with two taps.
Signal redealAtOnce() {
    Rng rng(0x4ED0A);
    Signal out;
    double t = 0;
    while (t < 0.24) {
        const double gain = 0.4 + 0.6 * std::sin(std::numbers::pi * t / 0.24);
        const double centre = rng.between(2800.0, 5000.0);
        const double decay = rng.between(0.0025, 0.004);
        mixAt(out, cardFlick(rng, centre, decay, 1.3), t, gain);
        t += rng.between(0.009, 0.014);
    }
    mixAt(out, thump(160.0, 95.0, 0.03), 0.29, 0.8);
    mixAt(out, cardFlick(rng, 2000.0, 0.01), 0.29, 0.5);
    mixAt(out, thump(180.0, 110.0, 0.025), 0.39, 0.55);
    mixAt(out, cardFlick(rng, 2400.0, 0.008), 0.39, 0.35);
    return out;
}

} // namespace

const std::vector<SoundRecipe>& soundRecipes() {
    static const std::vector<SoundRecipe> recipes = {
        {"Splash", false, kTunePeak, splashJingle},
        {"About", false, kTunePeak, aboutChime},
        {"New", false, kCardPeak, newGameSweep},
        {"Won", false, kTunePeak, winningFanfare},
        {"card_up", false, kSoftPeak, cardUp},
        {"card_down", false, kSoftPeak, cardDown},
        {"Face_up", false, kCardPeak, faceUp},
        {"Stock", false, kCardPeak, stockFlick},
        {"Foundation", false, kCardPeak, foundationSnap},
        {"Autoplay", false, kCardPeak, autoplaySnap},
        {"Tableau", false, kCardPeak, tableauSlide},
        {"Eddy", false, kCardPeak, eddySwirl},
        {"Pairing", false, kCardPeak, pairingChime},
        {"Shuffle", true, kCardPeak, shuffleRiffle},
        {"Redeal", true, kCardPeak, redealLoop},
        {"Red_no_a", false, kCardPeak, redealAtOnce},
    };
    return recipes;
}

Signal renderSound(const SoundRecipe& recipe) {
    Signal signal = recipe.make();
    if (!recipe.looped) {
        // The pitch-falling knocks leave a little offset; a gentle high-pass
        // takes it out before the ends are faded to silence.
        applyFilter(signal, Biquad::highPass(30.0));
        fadeEdges(signal, 0.0005, 0.008);
    }
    normalisePeak(signal, recipe.peak);
    return signal;
}

} // namespace vellomir::tools
