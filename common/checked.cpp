#include "common/checked.h"

#include "common/errors.h"

#include <cmath>

namespace vorneta {

namespace {

// The checks shared by the four basic operations: a NaN born of non-NaN operands is an
// invalid operation, an infinity born of finite operands is an overflow.
Real checkedResult(Quantity a, Quantity b, Quantity r)
{
    if (std::isnan(r) && !std::isnan(a) && !std::isnan(b))
        throw FloatInvalidOperation();
    if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
        throw FloatOverflow();
    return Real(r);
}

constexpr Quantity kTwoTo63 = 9223372036854775808.0L;

std::int64_t toInt64Checked(Quantity whole)
{
    // whole is integral here; the signed range is [-2^63, 2^63).
    if (!(whole >= -kTwoTo63 && whole < kTwoTo63))
        throw FloatInvalidOperation();
    return static_cast<std::int64_t>(whole);
}

}  // namespace

Real operator+(Real a, Real b) { return checkedResult(a.v_, b.v_, a.v_ + b.v_); }
Real operator-(Real a, Real b) { return checkedResult(a.v_, b.v_, a.v_ - b.v_); }
Real operator*(Real a, Real b) { return checkedResult(a.v_, b.v_, a.v_ * b.v_); }

Real operator/(Real a, Real b)
{
    if (b.v_ == 0 && std::isfinite(a.v_)) {
        if (a.v_ == 0)
            throw FloatInvalidOperation();
        throw FloatDivideByZero();
    }
    return checkedResult(a.v_, b.v_, a.v_ / b.v_);
}

Real exp(Real x)
{
    const Quantity r = std::exp(x.value());
    if (std::isinf(r) && std::isfinite(x.value()))
        throw FloatOverflow();
    return Real(r);
}

Real sqrt(Real x)
{
    if (x.value() < 0)
        throw FloatInvalidOperation();
    return Real(std::sqrt(x.value()));
}

Real sin(Real x)
{
    if (!(std::fabs(x.value()) < kTwoTo63))
        return std::isnan(x.value()) ? x : Real(0);
    return Real(std::sin(x.value()));
}

Real cos(Real x)
{
    if (!(std::fabs(x.value()) < kTwoTo63))
        return std::isnan(x.value()) ? x : Real(0);
    return Real(std::cos(x.value()));
}

Pixel roundToPixel(Real x)
{
    const Quantity v = x.value();
    if (!std::isfinite(v))
        throw FloatInvalidOperation();
    Quantity whole = std::floor(v);
    const Quantity rest = v - whole;  // exact for extended values
    if (rest > 0.5L || (rest == 0.5L && std::fmod(whole, 2.0L) != 0))
        whole += 1;
    return toInt64Checked(whole);
}

std::int64_t truncToInt64(Real x)
{
    const Quantity v = x.value();
    if (!std::isfinite(v))
        throw FloatInvalidOperation();
    return toInt64Checked(std::trunc(v));
}

}  // namespace vorneta
