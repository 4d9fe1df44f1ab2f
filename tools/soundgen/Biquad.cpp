#include "Biquad.h"

#include "Synth.h"

#include <cmath>

Biquad::Biquad(Kind kind, double frequency, double q)
    : m_kind(kind)
{
    Tune(frequency, q);
}

void Biquad::Tune(double frequency, double q)
{
    const double w0 = 2.0 * kPi * frequency / kSampleRate;
    const double cosW = std::cos(w0);
    const double alpha = std::sin(w0) / (2.0 * q);
    double b0 = 0.0;
    double b1 = 0.0;
    double b2 = 0.0;
    switch (m_kind) {
    case Kind::LowPass:
        b0 = b2 = (1.0 - cosW) / 2.0;
        b1 = 1.0 - cosW;
        break;
    case Kind::HighPass:
        b0 = b2 = (1.0 + cosW) / 2.0;
        b1 = -(1.0 + cosW);
        break;
    case Kind::BandPass:
        b0 = alpha;
        b2 = -alpha;
        break;
    }
    const double a0 = 1.0 + alpha;
    m_b0 = b0 / a0;
    m_b1 = b1 / a0;
    m_b2 = b2 / a0;
    m_a1 = -2.0 * cosW / a0;
    m_a2 = (1.0 - alpha) / a0;
}

double Biquad::Process(double x)
{
    const double y = m_b0 * x + m_z1;
    m_z1 = m_b1 * x - m_a1 * y + m_z2;
    m_z2 = m_b2 * x - m_a2 * y;
    return y;
}
