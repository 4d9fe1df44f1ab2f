#include "SoundDesign.h"

#include "Biquad.h"

#include <cmath>
#include <cstdint>

namespace {

Curve Fixed(double value)
{
    return [value](double) { return value; };
}

Curve Envelope(double gain, double attack, double decay)
{
    return [=](double t) { return gain * AttackDecay(t, attack, decay); };
}

Samples Filtered(Samples samples, Biquad filter)
{
    for (double& v : samples)
        v = filter.Process(v);
    return samples;
}

double Time(std::size_t i)
{
    return static_cast<double>(i) / kSampleRate;
}

// "Standard": a soft wooden tick, a sine whose overtones die faster than it does.
Samples StandardGood()
{
    Samples s;
    AddSine(s, 0.0, 0.040, Fixed(880.0), Envelope(1.0, 0.0015, 0.010));
    AddSine(s, 0.0, 0.040, Fixed(1760.0), Envelope(0.2, 0.0015, 0.006));
    AddSine(s, 0.0, 0.040, Fixed(3432.0), Envelope(0.1, 0.0008, 0.003));
    return s;
}

// A low buzz: two sawtooths a semitone apart rub against each other.
Samples StandardBad()
{
    const double length = 0.200;
    Samples s = BandLimitedSaw(length, Fixed(146.8));
    MixInto(s, BandLimitedSaw(length, Fixed(155.6)), 0.0, 1.0);
    Biquad lowPass(Biquad::Kind::LowPass, 1800.0, 0.7071);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Time(i);
        s[i] = lowPass.Process(s[i]) * SmoothStep(t, 0.0, 0.006) * (1.0 - SmoothStep(t, 0.14, length));
    }
    return s;
}

struct QuackShape
{
    double length;
    double pitchFrom;
    double pitchTo;
    double jitter; // relative pitch wobble
    double creak;  // depth of the slow amplitude beat that makes it rasp
    std::uint32_t seed;
};

// "Ente": a nasal buzz through three formants. The first formant opens at the start
// and closes again at the end ("qu-a-ck") while the pitch drops.
Samples Quack(const QuackShape& q)
{
    const Samples wobble = Wobble(q.length, q.seed, 60.0);
    const Samples source = BandLimitedSaw(q.length, [&](double t) {
        return Glide(t, q.pitchFrom, q.pitchTo, q.length) * (1.0 + q.jitter * At(wobble, t));
    });
    Biquad f1(Biquad::Kind::BandPass, 600.0, 5.0);
    Biquad f2(Biquad::Kind::BandPass, 1650.0, 7.0);
    Biquad f3(Biquad::Kind::BandPass, 2750.0, 9.0);
    Samples s(source.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Time(i);
        const double open = SmoothStep(t, 0.0, 0.3 * q.length);
        const double close = SmoothStep(t, 0.7 * q.length, q.length);
        f1.Tune(600.0 + 500.0 * open - 250.0 * close, 5.0);
        const double x = source[i];
        const double voiced = f1.Process(x) + 0.7 * f2.Process(x) + 0.35 * f3.Process(x) + 0.05 * x;
        const double creak = 1.0 - q.creak * (0.5 + 0.5 * std::sin(2.0 * kPi * 45.0 * t));
        s[i] = voiced * creak * SmoothStep(t, 0.0, 0.004) * (1.0 - 0.4 * t / q.length);
    }
    return s;
}

Samples DuckGood()
{
    return Quack({0.060, 520.0, 400.0, 0.015, 0.0, 21});
}

// Longer, lower and creaky: the duck complains.
Samples DuckBad()
{
    return Quack({0.230, 330.0, 220.0, 0.04, 0.55, 22});
}

// "Schreibmaschine": the key goes down (dull tap), then the type bar strikes the
// platen (bright crack, a thump of the body and a short metallic ring).
Samples TypewriterGood()
{
    Samples s;
    MixInto(s,
            Filtered(Noise(0.015, 31, Envelope(1.0, 0.0003, 0.002)), {Biquad::Kind::BandPass, 2200.0, 1.0}),
            0.0, 0.35);
    const double strike = 0.008;
    MixInto(s,
            Filtered(Noise(0.030, 32, Envelope(1.0, 0.0002, 0.0035)), {Biquad::Kind::BandPass, 4200.0, 0.9}),
            strike, 1.0);
    AddSine(
        s, strike, 0.045, [](double t) { return Glide(t, 190.0, 110.0, 0.02); },
        Envelope(0.5, 0.0008, 0.012));
    AddSine(s, strike, 0.040, Fixed(2650.0), Envelope(0.12, 0.0005, 0.009));
    return s;
}

// The carriage clunks against its stop and the end-of-line bell rings.
Samples TypewriterBad()
{
    Samples s;
    MixInto(s, Filtered(Noise(0.060, 41, Envelope(1.0, 0.0005, 0.012)), {Biquad::Kind::LowPass, 900.0, 0.8}),
            0.0, 1.0);
    AddSine(
        s, 0.0, 0.090, [](double t) { return Glide(t, 120.0, 65.0, 0.04); }, Envelope(0.9, 0.001, 0.025));
    // A small bell: inharmonic partials, the higher the shorter; two slightly
    // detuned fundamentals give it a shimmer.
    const double bell = 0.030;
    const double ring = 0.210;
    const double base = 1960.0;
    struct Partial
    {
        double ratio, gain, decay;
    };
    for (const Partial& p : {Partial{1.0, 0.35, 0.085}, Partial{1.004, 0.25, 0.085},
                             Partial{2.41, 0.18, 0.05}, Partial{3.93, 0.1, 0.03}, Partial{5.61, 0.05, 0.018}})
        AddSine(s, bell, ring, Fixed(base * p.ratio), Envelope(p.gain, 0.0005, p.decay));
    return s;
}

// "Blubb": a bubble; its pitch rises as it dies away.
Samples BubbleGood()
{
    Samples s;
    AddSine(
        s, 0.0, 0.045, [](double t) { return Glide(t, 550.0, 1300.0, 0.045); }, Envelope(1.0, 0.002, 0.012));
    return s;
}

// A low gurgle of three big bubbles, roughened by a fast beat and a second harmonic.
Samples BubbleBad()
{
    struct Bubble
    {
        double start, from, to, decay;
    };
    Samples s;
    for (const Bubble& b : {Bubble{0.0, 210.0, 480.0, 0.028}, Bubble{0.065, 260.0, 560.0, 0.024},
                            Bubble{0.125, 190.0, 430.0, 0.035}}) {
        const double length = 0.110;
        AddSine(
            s, b.start, length, [&](double t) { return Glide(t, b.from, b.to, length); },
            Envelope(1.0, 0.002, b.decay));
        AddSine(
            s, b.start, length, [&](double t) { return 2.0 * Glide(t, b.from, b.to, length); },
            Envelope(0.25, 0.002, b.decay));
    }
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= 1.0 - 0.5 * (0.5 + 0.5 * std::sin(2.0 * kPi * 38.0 * Time(i)));
    return s;
}

// The welcome chime: a rising C major arpeggio of soft bell tones over a low C.
Samples WelcomeChime()
{
    Samples s;
    const double length = 1.6;
    AddSine(s, 0.0, length, Fixed(523.25), Envelope(0.3, 0.01, 0.6));
    const double notes[] = {1046.50, 1318.51, 1567.98, 2093.00};
    for (int n = 0; n < 4; ++n) {
        const double start = 0.11 * n;
        const double f = notes[n];
        AddSine(s, start, length - start, Fixed(f), Envelope(0.5, 0.003, 0.45));
        AddSine(s, start, length - start, Fixed(2.0 * f), Envelope(0.15, 0.003, 0.2));
        AddSine(s, start, length - start, Fixed(3.0 * f), Envelope(0.06, 0.003, 0.1));
        AddSine(s, start, length - start, Fixed(4.2 * f), Envelope(0.025, 0.002, 0.05));
    }
    return s;
}

} // namespace

const std::vector<SoundDesign>& AllSoundDesigns()
{
    static const std::vector<SoundDesign> designs = {
        {"good1.wav", "Standard: soft tick", StandardGood, 0.001, 0.008},
        {"bad1.wav", "Standard: low buzz", StandardBad, 0.002, 0.02},
        {"good2.wav", "Ente: short quack", DuckGood, 0.002, 0.01},
        {"bad2.wav", "Ente: long low quack", DuckBad, 0.003, 0.03},
        {"good3.wav", "Schreibmaschine: key clack", TypewriterGood, 0.0005, 0.01},
        {"bad3.wav", "Schreibmaschine: carriage clunk and bell", TypewriterBad, 0.0005, 0.04},
        {"good4.wav", "Blubb: bubble", BubbleGood, 0.001, 0.008},
        {"bad4.wav", "Blubb: low gurgle", BubbleBad, 0.002, 0.02},
        {"wellcome.wav", "Welcome chime", WelcomeChime, 0.002, 0.3},
    };
    return designs;
}
