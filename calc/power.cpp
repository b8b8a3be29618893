#include "power.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "double_double.hpp"

namespace varnok {
namespace {

using dd::DD;

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// 2 atanh(s) = 2 (s + s^3 / 3 + s^5 / 5 + ...) = ln((1 + s) / (1 - s)); only used at compile
// time, for the constants, with s an exact ratio of whole numbers.
constexpr DD twiceAtanh(double numerator, double denominator) {
  const DD s = dd::div(DD{numerator, 0}, DD{denominator, 0});
  const DD s2 = dd::mul(s, s);
  DD sum{0, 0};
  for (int n = 60; n >= 0; --n) {
    sum = dd::add(dd::mul(sum, s2), dd::div(DD{1, 0}, DD{2.0 * n + 1, 0}));
  }
  return dd::mul(dd::mul(s, sum), 2.0);
}

constexpr DD ln2 = twiceAtanh(1, 3);

// ln 2 split so that k * ln2High is exact for every exponent k of a double.
constexpr double ln2High = static_cast<double>(static_cast<long long>(ln2.hi * 0x1p32)) / 0x1p32;
constexpr DD ln2Rest = dd::sub(ln2, DD{ln2High, 0});

// ln(i / 64) for the 47 reduction points i / 64 from 45 / 64 to 91 / 64.
constexpr int firstPoint = 45;
constexpr std::array<DD, 47> lnPoints = [] {
  std::array<DD, 47> table{};
  for (int i = 0; i < 47; ++i) {
    const double i64 = firstPoint + i;  // ln(i / 64) = 2 atanh((i - 64) / (i + 64))
    table[i] = twiceAtanh(i64 - 64, i64 + 64);
  }
  return table;
}();

// 1 / (2n + 1), the atanh series' coefficients.
constexpr std::array<DD, 9> atanhCoefficients = [] {
  std::array<DD, 9> c{};
  for (int n = 0; n < 9; ++n) {
    c[n] = dd::div(DD{1, 0}, DD{2.0 * n + 1, 0});
  }
  return c;
}();

// 1 / n!, the exponential series' coefficients.
constexpr std::array<DD, 14> expCoefficients = [] {
  std::array<DD, 14> c{};
  DD factorial{1, 0};
  for (int n = 1; n < 14; ++n) {
    factorial = dd::mul(factorial, static_cast<double>(n));
    c[n] = dd::div(DD{1, 0}, factorial);
  }
  return c;
}();

// c[lowest] + x (c[lowest + 1] + x (... + x c[N - 1])) by Horner's rule: the coefficients from
// c[doubleFrom] up in plain doubles, where the sum of their terms is far below the last bit of the
// result, the rest in double-double.
template <std::size_t N>
DD horner(const std::array<DD, N>& c, DD x, int doubleFrom, int lowest) {
  double tail = c.back().hi;
  for (int n = static_cast<int>(N) - 2; n >= doubleFrom; --n) {
    tail = tail * x.hi + c[n].hi;
  }
  DD sum{tail, 0};
  for (int n = doubleFrom - 1; n >= lowest; --n) {
    sum = dd::add(dd::mul(sum, x), c[n]);
  }
  return sum;
}

// ln x for a finite x > 0: x = 2^k * m with m in [0.70, 1.42], m near a point c = i / 64, and
// ln m = ln c + 2 atanh((m - c) / (m + c)) with |(m - c) / (m + c)| below 0.006.
DD ln(double x) {
  int k = 0;
  double m = std::frexp(x, &k);  // exact; m in [0.5, 1)
  if (m < 0.7071067811865476) {
    m *= 2;
    --k;
  }
  const auto i = static_cast<int>(std::lround(m * 64));
  const double c = i / 64.0;
  const DD s = dd::div(DD{m - c, 0}, dd::twoSum(m, c));  // m - c is exact
  const DD s2 = dd::mul(s, s);
  // |s2| < 3.1e-5: the terms from s2^4 on weigh less than 1e-19 against the first, so plain
  // doubles carry them to well below the last bit of the double-double sum.
  const DD sum = horner(atanhCoefficients, s2, 4, 0);
  const DD lnM = dd::add(lnPoints[i - firstPoint], dd::mul(dd::mul(s, sum), 2.0));
  return dd::add(dd::mul(ln2, static_cast<double>(k)), lnM);
}

// e^z rounded to a double: z = k ln 2 + r, e^r from its series at r / 32, squared five times.
double exp(DD z) {
  if (z.hi > 709.79) {
    return infinity;
  }
  if (z.hi < -745.2) {
    return 0;
  }
  const double k = std::nearbyint(z.hi / ln2.hi);
  const DD r = dd::sub(dd::add(z, DD{-(k * ln2High), 0}), dd::mul(ln2Rest, k));
  const DD u{r.hi / 32, r.lo / 32};
  // e^u - 1, kept in this form through the squarings so that no digits cancel:
  // (1 + E)^2 - 1 = 2E + E^2.
  // |u| < 0.011: from u^8 / 8! on the terms weigh less than 1e-18 against the first, so plain
  // doubles carry them.
  DD e = dd::mul(horner(expCoefficients, u, 8, 1), u);
  for (int i = 0; i < 5; ++i) {
    e = dd::add(dd::mul(e, 2.0), dd::mul(e, e));
  }
  const DD result = dd::add(DD{1, 0}, e);
  return std::ldexp(result.hi, static_cast<int>(k));
}

// x^n for a whole n from 1 to 64 by repeated squaring.
double wholePower(double x, int n) {
  DD base{x, 0};
  DD result{0, 0};
  bool first = true;
  for (; n > 0; n >>= 1) {
    if ((n & 1) != 0) {
      result = first ? base : dd::mul(result, base);
      first = false;
    }
    if (n > 1) {
      base = dd::mul(base, base);
    }
  }
  return result.hi;
}

}  // namespace

double powerOf(double base, double exponent) {
  if (std::isnan(base) || std::isnan(exponent)) {
    return notANumber;
  }
  if (exponent == 0 || base == 1) {
    return 1;
  }
  const bool whole = std::isfinite(exponent) && exponent == std::trunc(exponent);
  const bool odd = whole && std::fabs(exponent) < 0x1p53 && std::fmod(exponent, 2) != 0;
  if (base < 0 && !whole) {
    return notANumber;
  }
  if (base == 0) {
    if (exponent < 0) {
      return odd ? std::copysign(infinity, base) : infinity;
    }
    return odd ? base : 0.0;
  }
  if (std::isinf(base) || std::isinf(exponent)) {
    return std::pow(base, exponent);  // exact by definition, the same everywhere
  }
  const double magnitude = std::fabs(base);
  double result = whole && exponent >= 1 && exponent <= 64
                      ? wholePower(magnitude, static_cast<int>(exponent))
                      : exp(dd::mul(ln(magnitude), exponent));
  if (std::isnan(result)) {
    result = infinity;  // an intermediate overflowed: so does the result
  }
  return base < 0 && odd ? -result : result;
}

}  // namespace varnok
