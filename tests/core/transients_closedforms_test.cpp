// The closed-form responses against a numerical solution of the circuit's equation.
#include "common/errors.h"
#include "transients/closedforms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

using namespace vorneta;

namespace {

// Fourth-order Runge-Kutta for tau * du/dt + u = source(t), u(0) = u0, fixed step.
class Integrator
{
public:
    Integrator(Quantity tau, std::function<Quantity(Quantity)> source, Quantity u0, Quantity step)
        : tau_(tau), source_(std::move(source)), u_(u0), step_(step)
    {
    }

    Quantity advanceTo(Quantity t)
    {
        while (t_ < t) {
            const Quantity h = std::min(step_, t - t_);
            const auto f = [&](Quantity time, Quantity u) { return (source_(time) - u) / tau_; };
            const Quantity k1 = f(t_, u_);
            const Quantity k2 = f(t_ + h / 2, u_ + h / 2 * k1);
            const Quantity k3 = f(t_ + h / 2, u_ + h / 2 * k2);
            const Quantity k4 = f(t_ + h, u_ + h * k3);
            u_ += h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
            t_ += h;
        }
        return u_;
    }

private:
    Quantity tau_;
    std::function<Quantity(Quantity)> source_;
    Quantity u_;
    Quantity step_;
    Quantity t_ = 0;
};

}  // namespace

TEST(ClosedForms, CapacitorChargingSolvesItsEquation)
{
    const Quantity R = 220, C = 0.0047L, U = -12;  // tau = 1.034 s
    Integrator numeric(R * C, [&](Quantity) { return U; }, 0, R * C / 4000);
    for (Quantity t = 0.1L; t <= 5; t += 0.1L) {
        const Quantity closed = NapiecieKondensatora(t, R, C, U).value();
        ASSERT_NEAR(closed, numeric.advanceTo(t), 1e-11L) << t;
    }
    // the argument order t, R, C, U
    const Quantity sixth = 1.0L / 6;
    EXPECT_NEAR(NapiecieKondensatora(1, 2, 3, 4).value(), (1 - std::exp(-sixth)) * 4, 1e-18L);
}

TEST(ClosedForms, RcResponseSolvesItsEquation)
{
    struct Case
    {
        const char *name;
        Quantity R, C, Uc0, U0, rms, f, alpha, until;
    };
    const Case cases[] = {
        {"w*tau = 6.3", 1000, 0.001, 2, 1, 5, 1, 30, 3},
        {"w*tau = 0.063", 10, 0.001, -3, 4, 2, 1, -120, 1},
        {"w*tau = 1", 500, 0.001, -5, 0, 10, 0.3183098861837907L, 200, 4},
        {"w*tau = 63", 2, 1, 7, -2, 1, 5, 75, 2},
        {"no initial voltage, no DC", 100, 0.0033, 0, 0, 230, 50, 0, 0.05},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Real Um = sqrt(Real(2)) * Real(c.rms);
        const RcDerived d = deriveRc(c.until, c.R, c.C, c.Uc0, c.U0, Um, Real(1) / Real(c.f), c.alpha);
        const Quantity omega = 2 * kPi * c.f;
        const Quantity phi = c.alpha * kPi / 180;
        const auto source = [&](Quantity t) { return c.U0 + Um.value() * std::sin(omega * t + phi); };
        const Quantity tau = c.R * c.C;
        Integrator numeric(tau, source, c.Uc0, std::min(tau, 1 / c.f) / 4000);
        const Quantity scale = std::fabs(c.U0) + std::fabs(c.Uc0) + Um.value();
        for (int i = 1; i <= 40; ++i) {
            const Quantity t = c.until * i / 40;
            const Real uz = NapiecieZrodlaRC(c.U0, Um, d.omega, t, d.phi);
            const Real uc = NapiecieKondensatoraRC(d.A, t, d.tau, c.U0, Um, d.omega, d.phi, d.psi);
            const Real ur = NapiecieRezystoraRC(d.A, t, d.tau, Um, d.omega, d.phi, d.psi);
            const Quantity ucNumeric = numeric.advanceTo(t);
            ASSERT_NEAR(uz.value(), source(t), 1e-12L * scale) << t;
            ASSERT_NEAR(uc.value(), ucNumeric, 1e-9L * scale) << t;
            // Ur = tau * dUc/dt = Uz - Uc on the numerical solution
            ASSERT_NEAR(ur.value(), source(t) - ucNumeric, 1e-9L * scale) << t;
        }
        // at time 0 the capacitor holds its initial voltage
        EXPECT_NEAR(NapiecieKondensatoraRC(d.A, 0, d.tau, c.U0, Um, d.omega, d.phi, d.psi).value(), c.Uc0,
                    1e-15L * scale);
        EXPECT_EQ(d.dt.value(), c.until / 420);
    }
}

TEST(ClosedForms, VoltagesTogetherEqualTheSeparateFunctionsExactly)
{
    std::mt19937_64 random(7);
    const auto any = [&](int lowExponent, int highExponent) {
        const Quantity mantissa = Quantity(random() >> 11) / Quantity(1ULL << 53);
        const int exponent = lowExponent + int(random() % unsigned(highExponent - lowExponent + 1));
        return std::ldexp(mantissa, exponent) * (random() % 4 ? 1 : -1);
    };
    for (int i = 0; i < 20000; ++i) {
        const Real A = any(-10, 10), t = any(-20, 12), tau = any(-12, 4), U0 = any(-5, 10), Um = any(-5, 10);
        const Real omega = any(-5, 20), phi = any(-3, 3), psi = any(-3, 2);
        RcVoltages v;
        try {
            v = rcVoltagesAt(A, t, tau, U0, Um, omega, phi, psi);
        } catch (const Failure &) {
            EXPECT_ANY_THROW(NapiecieKondensatoraRC(A, t, tau, U0, Um, omega, phi, psi));
            continue;
        }
        ASSERT_EQ(v.uz, NapiecieZrodlaRC(U0, Um, omega, t, phi));
        ASSERT_EQ(v.uc, NapiecieKondensatoraRC(A, t, tau, U0, Um, omega, phi, psi));
        ASSERT_EQ(v.ur, NapiecieRezystoraRC(A, t, tau, Um, omega, phi, psi));
    }
}

TEST(ClosedForms, FaultsOfTheFormulas)
{
    const auto message = [](const std::function<void()> &f) -> std::string {
        try {
            f();
        } catch (const Failure &failure) {
            return failure.message();
        }
        return "";
    };
    EXPECT_EQ(message([] { NapiecieKondensatora(1, 0, 1, 1); }), "Floating point division by zero");
    EXPECT_EQ(message([] { NapiecieKondensatora(0, 1, 0, 1); }), "Invalid floating point operation");
    EXPECT_EQ(message([] { NapiecieKondensatora(20000, -1, 1, 1); }), "Floating point overflow");
    EXPECT_EQ(message([] { NapiecieKondensatoraRC(1, 20000, -1, 0, 1, 1, 0, 0); }), "Floating point overflow");
    EXPECT_EQ(message([] { NapiecieRezystoraRC(1, 20000, -1, 1, 1, 0, 0); }), "Floating point overflow");
    // a zero time constant or frequency cannot form psi
    EXPECT_EQ(message([] { deriveRc(1, 0, 1, 0, 0, 1, 1, 0); }), "Floating point division by zero");
    // w*tau underflowing to zero: a period of 1E4000 s with a time constant of 1E-1000 s
    EXPECT_EQ(message([] { deriveRc(1, 1e-1000L, 1, 0, 0, 1, 1e4000L, 0); }), "Floating point division by zero");
}
