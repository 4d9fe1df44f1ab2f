#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Building blocks for the sound recipes: a mono signal is a vector of samples in
// [-1, 1] at kSampleRate; curves are functions of the time in seconds since a voice
// started.

using Samples = std::vector<double>;
using Curve = std::function<double(double)>;

constexpr int kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;

std::size_t SampleCount(double seconds);

// Half a raised cosine up to 1 over `attack`, then exponential decay with time constant
// `decay`.
double AttackDecay(double t, double attack, double decay);

// Exponential glide from `from` to `to` over `duration`; `to` afterwards.
double Glide(double t, double from, double to, double duration);

// Rises smoothly from 0 to 1 between `begin` and `end`.
double SmoothStep(double t, double begin, double end);

// Adds a sine voice of `length` seconds starting at `start` seconds; the buffer grows
// when the voice reaches past its end. The voice fades out over its last 3 ms.
void AddSine(Samples& out, double start, double length, const Curve& frequency, const Curve& amplitude);

// A sawtooth without aliasing: harmonics are tapered off before they reach 0.45 of the
// sample rate, so a falling pitch does not pop harmonics in or out.
Samples BandLimitedSaw(double length, const Curve& frequency);

// White noise shaped by `amplitude`, fading out over its last 3 ms.
Samples Noise(double length, std::uint32_t seed, const Curve& amplitude);

// Noise low-passed to slow random wobble in about [-1, 1] (pitch jitter, flutter).
Samples Wobble(double length, std::uint32_t seed, double cutoff);

// Value of `signal` at time t (held at the ends).
double At(const Samples& signal, double t);

// Adds `in` times `gain` to `out` from `start` seconds on, growing `out` if needed.
void MixInto(Samples& out, const Samples& in, double start, double gain);

// Makes the samples ready to store: raised-cosine fades at both ends (the first and last
// sample become 0, so starting or cutting the sound does not click), zero mean, and the
// peak scaled to `peakDbfs`.
void Finish(Samples& samples, double fadeIn, double fadeOut, double peakDbfs);

double Peak(const Samples& samples);
double Mean(const Samples& samples);
