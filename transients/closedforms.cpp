#include "transients/closedforms.h"

#include <cmath>

namespace vorneta {

namespace {

// w*t + phi - psi, formed in that order.
Real phaseAt(Real omega, Real t, Real phi, Real psi) { return omega * t + phi - psi; }

// sqrt((w*tau)^2 + 1), the denominator of both AC amplitudes.
Real amplitudeDivisor(Real omega, Real tau)
{
    const Real wt = omega * tau;
    return sqrt(wt * wt + Real(1));
}

// Sine and cosine of one argument, as sin() and cos() give them.
void sinCos(Real x, Real &s, Real &c)
{
    if (!(std::fabs(x.value()) < 9223372036854775808.0L)) {
        s = sin(x);
        c = cos(x);
        return;
    }
    long double sv = 0;
    long double cv = 0;
    ::sincosl(x.value(), &sv, &cv);
    s = Real(sv);
    c = Real(cv);
}

}  // namespace

Real NapiecieKondensatora(Real t, Real R, Real C, Real U)
{
    const Real rc = R * C;
    const Real exponent = -t / rc;
    const Real power = exp(exponent);
    const Real difference = Real(1) - power;
    return difference * U;
}

Real NapiecieZrodlaRC(Real U0, Real Um, Real omega, Real t, Real phi)
{
    return U0 + Um * sin(omega * t + phi);
}

Real NapiecieKondensatoraRC(Real A, Real t, Real tau, Real U0, Real Um, Real omega, Real phi, Real psi)
{
    const Real Ucm = Um / amplitudeDivisor(omega, tau);
    const Real transient = A * exp(-t / tau);
    return transient + U0 + Ucm * sin(phaseAt(omega, t, phi, psi));
}

Real NapiecieRezystoraRC(Real A, Real t, Real tau, Real Um, Real omega, Real phi, Real psi)
{
    const Real transient = -A * exp(-t / tau);
    const Real amplitude = Um * omega * tau / amplitudeDivisor(omega, tau);
    return transient + amplitude * cos(phaseAt(omega, t, phi, psi));
}

RcVoltages rcVoltagesAt(Real A, Real t, Real tau, Real U0, Real Um, Real omega, Real phi, Real psi)
{
    RcVoltages v;
    v.uz = U0 + Um * sin(omega * t + phi);
    const Real divisor = amplitudeDivisor(omega, tau);
    const Real Ucm = Um / divisor;
    const Real e = exp(-t / tau);
    Real s;
    Real c;
    sinCos(phaseAt(omega, t, phi, psi), s, c);
    v.uc = A * e + U0 + Ucm * s;
    v.ur = -A * e + Um * omega * tau / divisor * c;
    return v;
}

RcDerived deriveRc(Real T, Real R, Real C, Real Uc0, Real U0, Real Um, Real Tp, Real alpha)
{
    RcDerived d;
    d.omega = Real(2 * kPi) / Tp;
    d.phi = alpha * Real(kPi / 180);
    d.tau = R * C;
    d.psi = Real(kPi / 2) - arctan(Real(1) / (d.omega * d.tau));
    d.Ucm = Um / sqrt(d.omega * d.tau * (d.omega * d.tau) + Real(1));
    d.A = (Uc0 - U0) - d.Ucm * sin(d.phi - d.psi);
    d.dt = T / Real(420);
    return d;
}

Real arctan(Real x) { return Real(std::atan(x.value())); }

}  // namespace vorneta
