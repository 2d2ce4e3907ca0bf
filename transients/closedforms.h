#pragma once

#include "common/checked.h"

namespace vorneta {

// Closed-form time responses of the two transient tabs, on checked extended arithmetic:
// every division by zero, invalid operation or overflow on the way throws its fault.

// Capacitor voltage while charging through R from U: U*(1 - e^(-t/(R*C))).
Real NapiecieKondensatora(Real t, Real R, Real C, Real U);

// Source voltage of the RC circuit: U0 + Um*sin(w*t + phi).
Real NapiecieZrodlaRC(Real U0, Real Um, Real omega, Real t, Real phi);

// Capacitor voltage of the RC circuit: A*e^(-t/tau) + U0 + Ucm*sin(w*t + phi - psi),
// Ucm = Um/sqrt((w*tau)^2 + 1).
Real NapiecieKondensatoraRC(Real A, Real t, Real tau, Real U0, Real Um, Real omega, Real phi, Real psi);

// Resistor voltage of the RC circuit: -A*e^(-t/tau) + (Um*w*tau/sqrt((w*tau)^2 + 1))*cos(w*t + phi - psi).
Real NapiecieRezystoraRC(Real A, Real t, Real tau, Real Um, Real omega, Real phi, Real psi);

// The three voltages of the RC circuit at one instant, exactly as the three functions above
// give them, formed together: the exponential, the amplitude divisor and the sine and
// cosine of the shared phase are evaluated once.
struct RcVoltages
{
    Real uz, uc, ur;
};
RcVoltages rcVoltagesAt(Real A, Real t, Real tau, Real U0, Real Um, Real omega, Real phi, Real psi);

// The values an RC press derives from its inputs, formed in the order of the fields:
// w = 2*pi/Tp, phi = alpha*(pi/180), tau = R*C, psi = pi/2 - arctan(1/(w*tau)),
// Ucm = Um/sqrt((w*tau)^2 + 1), A = (Uc0 - U0) - Ucm*sin(phi - psi), dt = T/420.
struct RcDerived
{
    Real omega, phi, tau, psi, Ucm, A, dt;
};
RcDerived deriveRc(Real T, Real R, Real C, Real Uc0, Real U0, Real Um, Real Tp, Real alpha);

// Arc tangent in extended precision; never faults.
Real arctan(Real x);

}  // namespace vorneta
