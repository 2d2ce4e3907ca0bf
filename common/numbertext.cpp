#include "common/numbertext.h"

#include "common/errors.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

// How numbers become text and text becomes numbers.
//
// Both directions are exact and use no part of the C library that reads the locale (the
// program runs with a Polish LC_NUMERIC, under which printf and strtold would use ",").
// An extended value is m * 2^e with a 64-bit integer m, so its decimal digits and the
// nearest extended value to a decimal text are questions about integers:
//  - the common cases (values from about 1e-9 to 1e18, texts of at most 19 significant
//    digits and exponents within 27 of them) fit in 128-bit integers;
//  - everything else goes through a small big-integer of our own, sized for the whole
//    extended range including denormals. Its powers of five come from a table built once,
//    and a power of two divides by taking bits, so that a value at either end of the range
//    costs a few microseconds rather than hundreds.

namespace vorneta {

namespace {

__extension__ typedef unsigned __int128 u128;

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384 &&
                  std::numeric_limits<long double>::min_exponent == -16381,
              "the number text is written for the x87 80-bit extended format");

// The extended format: a 64-bit mantissa with an explicit integer bit, a 15-bit biased
// exponent. value = mantissa * 2^(field - kExponentBias - 63) for normal numbers,
// mantissa * 2^kSmallestExponent for denormals (field 0).
constexpr int kExponentBias = 16383;
constexpr int kSmallestExponent = 1 - kExponentBias - 63;  // -16445
constexpr int kMaxField = 0x7FFE;

struct Extended {
    std::uint64_t mantissa;
    int field;
    bool negative;
};

Extended decompose(long double v)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &v, sizeof v);
    Extended x;
    std::memcpy(&x.mantissa, bytes, 8);
    std::uint16_t signField;
    std::memcpy(&signField, bytes + 8, 2);
    x.field = signField & 0x7FFF;
    x.negative = (signField & 0x8000) != 0;
    return x;
}

long double compose(bool negative, std::uint64_t mantissa, int field)
{
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &mantissa, 8);
    const std::uint16_t signField = static_cast<std::uint16_t>(field | (negative ? 0x8000 : 0));
    std::memcpy(bytes + 8, &signField, 2);
    long double v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

constexpr std::uint64_t kPow5[28] = {
    1ULL, 5ULL, 25ULL, 125ULL, 625ULL, 3125ULL, 15625ULL, 78125ULL, 390625ULL, 1953125ULL,
    9765625ULL, 48828125ULL, 244140625ULL, 1220703125ULL, 6103515625ULL, 30517578125ULL,
    152587890625ULL, 762939453125ULL, 3814697265625ULL, 19073486328125ULL,
    95367431640625ULL, 476837158203125ULL, 2384185791015625ULL, 11920928955078125ULL,
    59604644775390625ULL, 298023223876953125ULL, 1490116119384765625ULL,
    7450580596923828125ULL};
constexpr int kFastPow5 = 27;

constexpr std::uint64_t kTenTo17 = 100000000000000000ULL;
constexpr std::uint64_t kTenTo18 = 1000000000000000000ULL;

int bitLength(u128 x)
{
    const auto high = static_cast<std::uint64_t>(x >> 64);
    if (high)
        return 128 - std::countl_zero(high);
    return 64 - std::countl_zero(static_cast<std::uint64_t>(x));
}

// ---------------------------------------------------------------------------------------
// Unsigned big integer with 32-bit limbs, least significant first, on the stack. The
// capacity holds the largest numbers the two conversions build: 5^16600 (a text of 11600
// significant digits scaled down to the denormal range) is about 38,600 bits.

class BigUInt
{
public:
    static constexpr int kCapacity = 1320;

    BigUInt() = default;
    explicit BigUInt(std::uint64_t v) { set(v); }

    void set(std::uint64_t v)
    {
        size_ = 0;
        while (v) {
            limb_[size_++] = static_cast<std::uint32_t>(v);
            v >>= 32;
        }
    }

    int size() const { return size_; }
    std::uint32_t limb(int i) const { return limb_[i]; }
    bool isZero() const { return size_ == 0; }

    int bitLength() const
    {
        if (size_ == 0)
            return 0;
        return 32 * size_ - std::countl_zero(limb_[size_ - 1]);
    }

    // *this = *this * factor + addend
    void mulAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t t = std::uint64_t(limb_[i]) * factor + carry;
            limb_[i] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry)
            push(static_cast<std::uint32_t>(carry));
    }

    // *this = *this * 5^n, from the table of powers below: one product per table power
    // instead of a pass over the whole number for every thirteen fives.
    void mulPow5(std::int64_t n);

    // *this = *this * (b[0..nb-1]), schoolbook.
    void mulLimbs(const std::uint32_t *b, int nb)
    {
        if (size_ == 0 || nb == 0) {
            size_ = 0;
            return;
        }
        // The product has size_ + nb or one limb less; only the real size must fit.
        std::uint32_t product[kCapacity + 1];
        const int n = size_ + nb;
        if (n > kCapacity + 1)
            std::abort();
        std::memset(product, 0, sizeof(std::uint32_t) * n);
        const std::uint32_t *a = limb_;
        int na = size_;
        if (na < nb) {
            std::swap(a, b);
            std::swap(na, nb);
        }
        for (int j = 0; j < nb; ++j) {
            const std::uint64_t f = b[j];
            if (f == 0)
                continue;
            std::uint64_t carry = 0;
            for (int i = 0; i < na; ++i) {
                const std::uint64_t t = a[i] * f + product[i + j] + carry;
                product[i + j] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
            product[j + na] = static_cast<std::uint32_t>(carry);
        }
        int used = n;
        while (used > 0 && product[used - 1] == 0)
            --used;
        ensure(used);
        std::memcpy(limb_, product, sizeof(std::uint32_t) * used);
        size_ = used;
    }

    void shiftLeft(std::int64_t bits)
    {
        if (size_ == 0 || bits == 0)
            return;
        const int whole = static_cast<int>(bits / 32);
        const int part = static_cast<int>(bits % 32);
        const int newSize = size_ + whole + 1;
        ensure(newSize);
        limb_[newSize - 1] = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            const std::uint64_t t = std::uint64_t(limb_[i]) << part;
            limb_[i + whole + 1] |= static_cast<std::uint32_t>(t >> 32);
            limb_[i + whole] = static_cast<std::uint32_t>(t);
        }
        for (int i = 0; i < whole; ++i)
            limb_[i] = 0;
        size_ = newSize;
        trim();
    }

    void ensure(int n) const
    {
        // The conversions bound every number they build; getting here would be a fault in
        // those bounds, never a matter of input.
        if (n > kCapacity)
            std::abort();
    }
    void push(std::uint32_t v)
    {
        ensure(size_ + 1);
        limb_[size_++] = v;
    }
    void trim()
    {
        while (size_ > 0 && limb_[size_ - 1] == 0)
            --size_;
    }

    // Plain data, so that the division below can work on the limbs directly.
    std::uint32_t limb_[kCapacity];
    int size_ = 0;
};

// Powers 5^(26k) for 26k up to 4992, the most either conversion of a value in the
// extended range needs to form its digits; built once, on first use, about 140 KB.
// Larger powers (texts of many digits) are products of these.
class Pow5Table
{
public:
    static constexpr int kStep = 26;
    static constexpr int kCount = 193;  // 5^0 .. 5^4992

    Pow5Table()
    {
        BigUInt p(1);
        for (int k = 0; k < kCount; ++k) {
            offset_[k] = static_cast<int>(limbs_.size());
            size_[k] = p.size();
            limbs_.insert(limbs_.end(), p.limb_, p.limb_ + p.size());
            p.mulAdd(static_cast<std::uint32_t>(kPow5[13]), 0);
            p.mulAdd(static_cast<std::uint32_t>(kPow5[13]), 0);
        }
    }

    // 5^(kStep * k)
    const std::uint32_t *limbs(int k) const { return limbs_.data() + offset_[k]; }
    int size(int k) const { return size_[k]; }

private:
    std::vector<std::uint32_t> limbs_;
    int offset_[kCount];
    int size_[kCount];
};

const Pow5Table &pow5Table()
{
    static const Pow5Table table;
    return table;
}

void BigUInt::mulPow5(std::int64_t n)
{
    if (size_ == 0)
        return;
    const Pow5Table &table = pow5Table();
    constexpr std::int64_t kLargest = std::int64_t(Pow5Table::kStep) * (Pow5Table::kCount - 1);
    while (n >= Pow5Table::kStep) {
        const int k = static_cast<int>((n < kLargest ? n : kLargest) / Pow5Table::kStep);
        mulLimbs(table.limbs(k), table.size(k));
        n -= std::int64_t(k) * Pow5Table::kStep;
    }
    if (n >= 13) {
        mulAdd(static_cast<std::uint32_t>(kPow5[13]), 0);
        n -= 13;
    }
    if (n > 0)
        mulAdd(static_cast<std::uint32_t>(kPow5[n]), 0);
}

// A quotient that fits 128 bits and where the remainder stands against half the divisor.
struct Division {
    u128 quotient;
    int half;    // sign of (2 * remainder - divisor)
    bool exact;  // remainder is zero
};

// Long division (Knuth's algorithm D) of u by a non-zero v, whose quotient the callers
// keep below 2^96.
Division divide(const BigUInt &u, const BigUInt &v)
{
    const int n = v.size_;
    const int m = u.size_;
    Division out{0, -1, true};
    if (m < n) {
        // quotient 0, remainder u
        out.exact = m == 0;
        BigUInt twice = u;
        twice.shiftLeft(1);
        int cmp = 0;
        if (twice.size_ != n)
            cmp = twice.size_ < n ? -1 : 1;
        for (int i = n - 1; cmp == 0 && i >= 0; --i)
            if (twice.limb_[i] != v.limb_[i])
                cmp = twice.limb_[i] < v.limb_[i] ? -1 : 1;
        out.half = cmp;
        return out;
    }

    // The quotient has at most m - n + 1 limbs, and the callers keep it below 2^96.
    std::uint32_t q[8] = {};
    if (m - n + 1 > 8)
        std::abort();
    if (n == 1) {
        const std::uint64_t d = v.limb_[0];
        std::uint64_t r = 0;
        for (int j = m - 1; j >= 0; --j) {
            const std::uint64_t cur = (r << 32) | u.limb_[j];
            q[j] = static_cast<std::uint32_t>(cur / d);
            r = cur % d;
        }
        for (int j = m - 1; j >= 0; --j)
            out.quotient = (out.quotient << 32) | q[j];
        out.exact = r == 0;
        out.half = 2 * r < d ? -1 : (2 * r == d ? 0 : 1);
        return out;
    }

    std::uint32_t un[BigUInt::kCapacity + 1];
    std::uint32_t vn[BigUInt::kCapacity];
    const int s = std::countl_zero(v.limb_[n - 1]);
    for (int i = n - 1; i > 0; --i)
        vn[i] = (v.limb_[i] << s) | (s ? v.limb_[i - 1] >> (32 - s) : 0);
    vn[0] = v.limb_[0] << s;
    un[m] = s ? u.limb_[m - 1] >> (32 - s) : 0;
    for (int i = m - 1; i > 0; --i)
        un[i] = (u.limb_[i] << s) | (s ? u.limb_[i - 1] >> (32 - s) : 0);
    un[0] = u.limb_[0] << s;

    constexpr std::uint64_t kBase = 1ULL << 32;
    for (int j = m - n; j >= 0; --j) {
        const std::uint64_t top = (std::uint64_t(un[j + n]) << 32) | un[j + n - 1];
        std::uint64_t qhat = top / vn[n - 1];
        std::uint64_t rhat = top % vn[n - 1];
        while (qhat >= kBase || qhat * vn[n - 2] > ((rhat << 32) | un[j + n - 2])) {
            --qhat;
            rhat += vn[n - 1];
            if (rhat >= kBase)
                break;
        }
        std::int64_t borrow = 0;
        std::int64_t t;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t p = qhat * vn[i];
            t = std::int64_t(un[i + j]) - borrow - std::int64_t(p & 0xFFFFFFFFu);
            un[i + j] = static_cast<std::uint32_t>(t);
            borrow = std::int64_t(p >> 32) - (t >> 32);
        }
        t = std::int64_t(un[j + n]) - borrow;
        un[j + n] = static_cast<std::uint32_t>(t);
        q[j] = static_cast<std::uint32_t>(qhat);
        if (t < 0) {
            --q[j];
            std::uint64_t carry = 0;
            for (int i = 0; i < n; ++i) {
                const std::uint64_t sum = std::uint64_t(un[i + j]) + vn[i] + carry;
                un[i + j] = static_cast<std::uint32_t>(sum);
                carry = sum >> 32;
            }
            un[j + n] = static_cast<std::uint32_t>(un[j + n] + carry);
        }
    }
    for (int j = m - n; j >= 0; --j)
        out.quotient = (out.quotient << 32) | q[j];

    // The remainder is un[0..n-1], scaled by 2^s like vn; compare twice it with vn.
    out.exact = true;
    for (int i = 0; i < n; ++i)
        if (un[i]) {
            out.exact = false;
            break;
        }
    int cmp = 0;
    for (int i = n; cmp == 0 && i >= 0; --i) {
        const std::uint32_t twice =
            (i < n ? un[i] << 1 : 0) | (i > 0 ? un[i - 1] >> 31 : 0);
        const std::uint32_t div = i < n ? vn[i] : 0;
        if (twice != div)
            cmp = twice < div ? -1 : 1;
    }
    out.half = cmp;
    return out;
}

// ---------------------------------------------------------------------------------------
// Exact decimal digits of an extended value.

// round(m * 2^e * 10^(18 - x)), ties to even, when it fits 128-bit arithmetic.
bool scaledDigitsFast(std::uint64_t m, int e, int x, std::uint64_t &q)
{
    const int s = 18 - x;
    if (s < 0 || s > kFastPow5)
        return false;
    const u128 n = u128(m) * kPow5[s];
    const int shift = -(e + s);  // the result is n / 2^shift
    if (shift <= 0) {
        if (shift <= -64 || bitLength(n) - shift > 64)
            return false;
        q = static_cast<std::uint64_t>(n << -shift);
        return true;
    }
    if (shift >= 127)
        return false;
    u128 whole = n >> shift;
    const u128 rest = n & ((u128(1) << shift) - 1);
    const u128 half = u128(1) << (shift - 1);
    if (rest > half || (rest == half && (whole & 1)))
        ++whole;
    if (whole >> 64)
        return false;
    q = static_cast<std::uint64_t>(whole);
    return true;
}

// round(num / 2^k), ties to even, for a quotient below 2^96: the bits above k and how
// those below stand against half.
std::uint64_t roundedShift(const BigUInt &num, int k)
{
    const int w = k / 32;
    const int b = k % 32;
    if (num.size() - w > 4)
        std::abort();
    u128 q = 0;
    for (int i = num.size() - 1; i >= w; --i)
        q = (q << 32) | num.limb(i);
    q >>= b;
    auto limbOrZero = [&](int i) { return i < num.size() ? num.limb(i) : 0u; };
    const int halfLimb = (k - 1) / 32;
    const int halfBit = (k - 1) % 32;
    const bool half = (limbOrZero(halfLimb) >> halfBit) & 1;
    bool below = (limbOrZero(halfLimb) & ((1u << halfBit) - 1)) != 0;
    for (int i = 0; !below && i < halfLimb && i < num.size(); ++i)
        below = num.limb(i) != 0;
    if (half && (below || (q & 1)))
        ++q;
    return static_cast<std::uint64_t>(q);
}

std::uint64_t scaledDigitsBig(std::uint64_t m, int e, int x)
{
    const int s = 18 - x;
    BigUInt num(m), den(1);
    if (s >= 0)
        num.mulPow5(s);
    else
        den.mulPow5(-s);
    const int two = e + s;
    if (s >= 0 && two < 0)
        return roundedShift(num, -two);
    if (two >= 0)
        num.shiftLeft(two);
    else
        den.shiftLeft(-two);
    const Division d = divide(num, den);
    u128 q = d.quotient;
    if (d.half > 0 || (d.half == 0 && (q & 1)))
        ++q;
    return static_cast<std::uint64_t>(q);
}

// The value's 18 significant digits, rounded to nearest (ties to even), and its decimal
// exponent x: value ~ 0.d1d2...d18 * 10^x. magnitude is finite and normal.
int exactDigits(long double magnitude, char digits[18])
{
    const Extended ext = decompose(magnitude);
    std::uint64_t m = ext.mantissa;
    int e = (ext.field ? ext.field : 1) - kExponentBias - 63;
    const int lead = std::countl_zero(m);  // 0 for every normal number
    m <<= lead;
    e -= lead;
    // 2^(e+63) <= value < 2^(e+64): this x is the exponent or one below it.
    int x = static_cast<int>(std::floor((e + 63) * 0.30102999566398119521)) + 1;
    std::uint64_t q = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (!scaledDigitsFast(m, e, x, q)) {
            // The big integers cost far more than a logarithm: first settle the exponent
            // from the leading bits of m. log10(value) in double precision is off by less
            // than 1e-11 over the whole range, so away from a power of ten its integer part
            // is the exponent less one; never more than the exponent, as this loop needs.
            if (attempt == 0) {
                const double log10Value = (e + 63) * 0.30102999566398119521 +
                                          std::log10(static_cast<double>(m >> 11) * 0x1p-52);
                const double whole = std::floor(log10Value);
                if (log10Value - whole > 1e-9 && log10Value - whole < 1 - 1e-9)
                    x = static_cast<int>(whole) + 1;
            }
            if (!scaledDigitsFast(m, e, x, q))
                q = scaledDigitsBig(m, e, x);
        }
        if (q < kTenTo17) {
            --x;
            continue;
        }
        if (q > kTenTo18) {
            ++x;
            continue;
        }
        if (q == kTenTo18) {
            q = kTenTo17;
            ++x;
        }
        break;
    }
    for (int i = 17; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + q % 10);
        q /= 10;
    }
    return x;
}

// ---------------------------------------------------------------------------------------
// The formats.

// Kept digits of a value after rounding, without trailing zeros; count 0 means the value
// rounded to nothing and is written as zero.
struct Kept {
    char digits[18];
    int count;
    int exponent;
};

// Cuts the 18 digits to `keep` significant digits, rounding half away from zero.
Kept keepDigits(const char digits[18], int exponent, int keep)
{
    Kept k;
    k.exponent = exponent;
    k.count = 0;
    if (keep <= 0) {
        if (keep == 0 && digits[0] >= '5') {
            k.digits[0] = '1';
            k.count = 1;
            k.exponent = exponent + 1;
        }
        return k;
    }
    if (keep > 18)
        keep = 18;
    std::memcpy(k.digits, digits, keep);
    if (keep < 18 && digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && k.digits[i] == '9')
            k.digits[i--] = '0';
        if (i < 0) {
            k.digits[0] = '1';
            ++k.exponent;
        } else {
            ++k.digits[i];
        }
    }
    k.count = keep;
    while (k.count > 0 && k.digits[k.count - 1] == '0')
        --k.count;
    return k;
}

void appendExponent(std::string &out, int exponent)
{
    out += 'E';
    if (exponent < 0) {
        out += '-';
        exponent = -exponent;
    }
    char buf[8];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + exponent % 10);
        exponent /= 10;
    } while (exponent);
    while (n)
        out += buf[--n];
}

std::string generalText(const Kept &k, bool negative, int precision, char separator)
{
    if (k.count == 0)
        return "0";
    std::string out;
    out.reserve(32);
    if (negative)
        out += '-';
    const int x = k.exponent;
    if (x >= -3 && x <= precision) {
        if (x >= 1) {
            for (int i = 0; i < x; ++i)
                out += i < k.count ? k.digits[i] : '0';
            if (k.count > x) {
                out += separator;
                out.append(k.digits + x, k.count - x);
            }
        } else {
            out += '0';
            out += separator;
            out.append(-x, '0');
            out.append(k.digits, k.count);
        }
    } else {
        out += k.digits[0];
        if (k.count > 1) {
            out += separator;
            out.append(k.digits + 1, k.count - 1);
        }
        appendExponent(out, x - 1);
    }
    return out;
}

int clampPrecision(int precision)
{
    return precision < 2 ? 2 : (precision > 18 ? 18 : precision);
}

// The texts that need no digits; returns false for a finite value that has some.
bool specialText(Quantity value, std::string &out)
{
    if (std::isnan(value)) {
        out = "NAN";
        return true;
    }
    if (std::isinf(value)) {
        out = value < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

bool countsAsZero(Quantity value)
{
    return std::fabs(value) < std::numeric_limits<Quantity>::min();
}

}  // namespace

std::string formatGeneral(Quantity value, int precision, int /*digits*/, char separator)
{
    std::string special;
    if (specialText(value, special))
        return special;
    if (countsAsZero(value))
        return "0";
    precision = clampPrecision(precision);
    char d[18];
    const int x = exactDigits(std::fabs(value), d);
    return generalText(keepDigits(d, x, precision), value < 0, precision, separator);
}

std::string formatFixed(Quantity value, int precision, int digits, char separator)
{
    std::string special;
    if (specialText(value, special))
        return special;
    precision = clampPrecision(precision);
    // A negative count of decimals has no meaning here; it writes none.
    digits = digits > 18 ? 18 : (digits < 0 ? 0 : digits);

    Kept k{{}, 0, 0};
    if (!countsAsZero(value)) {
        char d[18];
        const int x = exactDigits(std::fabs(value), d);
        const int keep = x + digits < precision ? x + digits : precision;
        k = keepDigits(d, x, keep);
    }
    std::string out;
    if (k.count == 0) {
        out = "0";
        if (digits > 0) {
            out += separator;
            out.append(digits, '0');
        }
        return out;
    }
    if (k.exponent > precision)
        return generalText(k, value < 0, precision, separator);

    out.reserve(32);
    if (value < 0)
        out += '-';
    const int x = k.exponent;
    if (x <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < x; ++i)
            out += i < k.count ? k.digits[i] : '0';
    }
    if (digits > 0) {
        out += separator;
        const std::size_t start = out.size();
        if (x < 0)
            out.append(-x, '0');
        const int from = x > 0 ? x : 0;
        if (k.count > from)
            out.append(k.digits + from, k.count - from);
        const std::size_t written = out.size() - start;
        if (written < static_cast<std::size_t>(digits))
            out.append(digits - written, '0');
    }
    return out;
}

std::string defaultText(Quantity value, char separator)
{
    return formatGeneral(value, 15, 0, separator);
}

// ---------------------------------------------------------------------------------------
// The parser.

namespace {

// Significant digits kept from a text; any digit after them only tells that the value
// lies above the kept ones. The halfway points between neighbouring extended values have
// at most 11515 significant digits, so this many decide every rounding correctly.
constexpr std::int64_t kMaxDigits = 11600;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The nearest extended value to (negative ? -1 : 1) * num/den * 2^binExp, where the
// text's own digits stop at num and `sticky` says digits beyond them were not all zero.
// Returns false when it lies beyond the extended range.
bool roundQuotient(BigUInt &num, BigUInt &den, std::int64_t binExp, bool sticky, bool negative,
                   long double &result)
{
    // value / 2^b lies in (2^63, 2^65)
    std::int64_t b = std::int64_t(num.bitLength()) - den.bitLength() + binExp - 64;
    if (b < kSmallestExponent)
        b = kSmallestExponent;
    const std::int64_t shift = binExp - b;
    if (shift >= 0)
        num.shiftLeft(shift);
    else
        den.shiftLeft(-shift);
    const Division d = divide(num, den);
    u128 q = d.quotient;
    bool up;
    if (q >> 64) {
        const bool dropped = q & 1;
        q >>= 1;
        ++b;
        up = dropped && (!d.exact || sticky || (q & 1));
    } else {
        up = d.half > 0 || (d.half == 0 && (sticky || (q & 1)));
    }
    auto mantissa = static_cast<std::uint64_t>(q);
    if (up) {
        ++mantissa;
        if (mantissa == 0) {
            mantissa = 1ULL << 63;
            ++b;
        }
    }
    if (mantissa == 0) {
        result = negative ? -0.0L : 0.0L;
        return true;
    }
    const bool normal = mantissa >> 63;
    const std::int64_t field = normal ? b - kSmallestExponent + 1 : 0;
    if (field > kMaxField)
        return false;
    result = compose(negative, mantissa, static_cast<int>(field));
    return true;
}

// The nearest extended value to digits * 10^exp10 in 128-bit arithmetic, digits < 10^19
// and |exp10| <= 27.
long double fastValue(std::uint64_t digits, int exp10, bool negative)
{
    std::uint64_t mantissa;
    int b;
    bool up;
    if (exp10 >= 0) {
        const u128 n = u128(digits) * kPow5[exp10];  // value = n * 2^exp10
        const int len = bitLength(n);
        if (len <= 64) {
            mantissa = static_cast<std::uint64_t>(n) << (64 - len);
            b = exp10 - (64 - len);
            up = false;
        } else {
            const int drop = len - 64;
            mantissa = static_cast<std::uint64_t>(n >> drop);
            const u128 rest = n & ((u128(1) << drop) - 1);
            const u128 half = u128(1) << (drop - 1);
            up = rest > half || (rest == half && (mantissa & 1));
            b = exp10 + drop;
        }
    } else {
        const int k = -exp10;
        const std::uint64_t p = kPow5[k];
        const int len = 64 - std::countl_zero(p);
        const int lead = std::countl_zero(digits);
        // value = (digits << lead << len) / p * 2^(-lead - len - k), the quotient in (2^63, 2^65)
        const u128 num = u128(digits << lead) << len;
        u128 q = num / p;
        const auto r = static_cast<std::uint64_t>(num % p);
        b = -lead - len - k;
        if (q >> 64) {
            const bool dropped = q & 1;
            q >>= 1;
            ++b;
            up = dropped && (r != 0 || (q & 1));
        } else {
            const u128 twice = u128(r) * 2;
            up = twice > p || (twice == p && (q & 1));
        }
        mantissa = static_cast<std::uint64_t>(q);
    }
    if (up && ++mantissa == 0) {
        mantissa = 1ULL << 63;
        ++b;
    }
    return compose(negative, mantissa, b - kSmallestExponent + 1);
}

}  // namespace

Quantity parseQuantity(std::string_view text, char separator)
{
    auto invalid = [&]() -> Quantity { throw ConversionError(std::string(text)); };

    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;

    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t intBegin = i;
    while (i < end && isDigit(text[i]))
        ++i;
    const std::size_t intEnd = i;
    std::size_t fracBegin = i, fracEnd = i;
    bool hasSeparator = false;
    if (i < end && text[i] == separator) {
        hasSeparator = true;
        fracBegin = ++i;
        while (i < end && isDigit(text[i]))
            ++i;
        fracEnd = i;
    }
    if (intEnd == intBegin && !hasSeparator)
        return invalid();
    int exponent = 0;
    bool exponentNegative = false;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        while (i < end && isDigit(text[i]) && exponent < 500)
            exponent = exponent * 10 + (text[i++] - '0');
    }
    if (i != end)
        return invalid();

    // The digits as one sequence, integer part then fraction.
    const std::int64_t intCount = std::int64_t(intEnd - intBegin);
    const std::int64_t total = intCount + std::int64_t(fracEnd - fracBegin);
    auto digitAt = [&](std::int64_t k) {
        return k < intCount ? text[intBegin + k] : text[fracBegin + (k - intCount)];
    };
    std::int64_t first = 0;
    while (first < total && digitAt(first) == '0')
        ++first;
    if (first == total)
        return negative ? -0.0L : 0.0L;
    std::int64_t last = total - 1;
    while (digitAt(last) == '0')
        --last;

    // value = (digits first..last) * 10^exp10
    std::int64_t count = last - first + 1;
    std::int64_t exp10 = (exponentNegative ? -exponent : exponent) -
                         (total - intCount) + (total - 1 - last);

    if (count <= 19 && exp10 >= -kFastPow5 && exp10 <= kFastPow5) {
        std::uint64_t digits = 0;
        for (std::int64_t k = first; k <= last; ++k)
            digits = digits * 10 + std::uint64_t(digitAt(k) - '0');
        return fastValue(digits, static_cast<int>(exp10), negative);
    }

    // 10^(count-1+exp10) <= value < 10^(count+exp10)
    if (count - 1 + exp10 >= 4933)  // above 1e4933, beyond the largest extended value
        return invalid();
    if (count + exp10 <= -4952)  // below 1e-4952, under half the smallest denormal
        return negative ? -0.0L : 0.0L;

    bool sticky = false;
    if (count > kMaxDigits) {
        sticky = true;  // the last digit is not zero
        exp10 += count - kMaxDigits;
        count = kMaxDigits;
    }
    BigUInt num, den(1);
    std::uint32_t chunk = 0, scale = 1;
    for (std::int64_t k = first; k < first + count; ++k) {
        chunk = chunk * 10 + std::uint32_t(digitAt(k) - '0');
        scale *= 10;
        if (scale == 1000000000) {
            num.mulAdd(scale, chunk);
            chunk = 0;
            scale = 1;
        }
    }
    if (scale > 1)
        num.mulAdd(scale, chunk);
    // 10^exp10 = 5^exp10 * 2^exp10
    if (exp10 >= 0)
        num.mulPow5(exp10);
    else
        den.mulPow5(-exp10);
    long double result;
    if (!roundQuotient(num, den, exp10, sticky, negative, result))
        return invalid();
    return result;
}

}  // namespace vorneta
