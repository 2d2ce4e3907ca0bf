#pragma once

#include "common/quantity.h"

#include <compare>

namespace vorneta {

// Checked extended-precision arithmetic.
//
// The program's formulas are written with Real, a thin value type around Quantity whose
// operators and functions check every result the way the x87 unit would with division by
// zero, invalid operation and overflow unmasked, and throw the matching fault
// (FloatDivideByZero, FloatInvalidOperation, FloatOverflow from common/errors.h).
// Underflow, denormals and inexact results pass silently.
//
// A value type rather than a set of checked functions: the formulas then read as written
// in physics, "U * (1 - exp(-t / tau))", and a forgotten check cannot slip in through
// a plain long double operator, since nothing converts a Real back to a Quantity
// except an explicit value(). No hardware traps are involved: each check is explicit.
class Real
{
public:
    constexpr Real() = default;
    constexpr Real(Quantity v) : v_(v) {}  // NOLINT: implicit on purpose, so 10 or 0.5L mix in

    constexpr Quantity value() const { return v_; }

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);
    friend constexpr Real operator-(Real a) { return Real(-a.v_); }
    friend constexpr Real operator+(Real a) { return a; }

    Real &operator+=(Real b) { return *this = *this + b; }
    Real &operator-=(Real b) { return *this = *this - b; }
    Real &operator*=(Real b) { return *this = *this * b; }
    Real &operator/=(Real b) { return *this = *this / b; }

    friend constexpr bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend constexpr std::partial_ordering operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }

private:
    Quantity v_ = 0;
};

// e to the power x; overflow when a finite x gives a result beyond the extended range.
Real exp(Real x);
// Square root; invalid operation for a negative argument.
Real sqrt(Real x);
// Sine and cosine in extended precision; 0 for an argument of magnitude 2^63 or more.
Real sin(Real x);
Real cos(Real x);
// The constant pi in extended precision.
inline constexpr Quantity kPi = 3.14159265358979323846264338327950288L;

// A real converted to a signed 64-bit integer, rounded to nearest with halves to even
// (2.5 gives 2, 3.5 gives 4, -2.5 gives -2); invalid operation outside the 64-bit range,
// for infinities and for NaN. Pixel coordinates are made this way.
Pixel roundToPixel(Real x);
// The same conversion truncating toward zero.
std::int64_t truncToInt64(Real x);

}  // namespace vorneta
