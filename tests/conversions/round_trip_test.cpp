#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "ui/number_text.hpp"

namespace varnok {
namespace {

// The double nearest to x rounded to 15 significant digits, by the C library: an independent
// oracle for the writer and the reader together (the C locale's '.' is the separator).
double roundedTo15(double x) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", x);
  double r = std::strtod(buffer, nullptr);
  if (std::isinf(r)) {  // only the largest doubles; the writer rounds them down
    r = std::copysign(1.79769313486231e308, x);
  }
  return r;
}

void expectRoundTrip(double x, std::string_view separator) {
  const std::string text = numberToText(x, separator);
  const std::optional<double> back = textToNumber(text, separator);
  ASSERT_TRUE(back.has_value()) << text;
  EXPECT_EQ(*back, roundedTo15(x)) << std::hexfloat << x << " -> " << text;
  EXPECT_LE(text.size(), 22u) << text;
}

TEST(RoundTrip, RandomBitPatternsReadBackRoundedToFifteenDigits) {
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 200000; ++i) {
    const double x = std::bit_cast<double>(random());
    if (std::isfinite(x)) {
      expectRoundTrip(x, i % 2 == 0 ? "." : ",");
    }
  }
}

TEST(RoundTrip, ValuesNearPowersOfTenReadBack) {
  for (int e = -324; e <= 308; ++e) {
    const double p = std::pow(10.0, e);
    if (p == 0 || !std::isfinite(p)) {
      continue;
    }
    double x = p;
    for (int step = 0; step < 4; ++step) {
      x = std::nextafter(x, 0.0);
    }
    for (int step = 0; step < 9; ++step, x = std::nextafter(x, 1e308)) {
      expectRoundTrip(x, ".");
      expectRoundTrip(-x, ",");
    }
    // Values just under a power of ten that round up to it, as 999999999999999.9 does.
    expectRoundTrip(p * 0.99999999999999995, ".");
  }
}

TEST(RoundTrip, ExtremesReadBack) {
  for (const double x : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                         std::numeric_limits<double>::denorm_min(), 1.797693134862315e308,
                         1.7976931348623149e308, 0.0, -0.0}) {
    expectRoundTrip(x, ".");
  }
}

}  // namespace
}  // namespace varnok
