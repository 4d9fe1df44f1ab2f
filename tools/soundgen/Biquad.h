#pragma once

// Second-order filter after the well-known audio-EQ cookbook formulas, in transposed
// direct form II so that retuning it every sample (formant sweeps) stays smooth.
class Biquad
{
public:
    enum class Kind
    {
        LowPass,
        HighPass,
        BandPass // 0 dB at the centre frequency
    };

    Biquad(Kind kind, double frequency, double q);

    // New frequency and Q; the filter state is kept, so a sweep does not click.
    void Tune(double frequency, double q);
    double Process(double x);

private:
    Kind m_kind;
    double m_b0 = 0.0;
    double m_b1 = 0.0;
    double m_b2 = 0.0;
    double m_a1 = 0.0;
    double m_a2 = 0.0;
    double m_z1 = 0.0;
    double m_z2 = 0.0;
};
