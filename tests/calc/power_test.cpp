#include "calc/power.hpp"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <limits>
#include <random>

namespace varnok {
namespace {

// base^exponent correctly rounded to a double by MPFR, an independent reference. Only results in
// the normal range are compared.
double referencePower(double base, double exponent) {
  mpfr_t x, y, r;
  mpfr_inits2(53, x, y, r, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(x, base, MPFR_RNDN);
  mpfr_set_d(y, exponent, MPFR_RNDN);
  mpfr_pow(r, x, y, MPFR_RNDN);
  const double result = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clears(x, y, r, static_cast<mpfr_ptr>(nullptr));
  return result;
}

// The exponents of the height variation and the gust coefficient, the plate's whole powers and a
// few others.
constexpr double exponents[] = {0.24, 0.32, 0.44, 0.6, -0.12, -0.16, -0.22, -0.3,
                                2,    3,    4,    0.5, 1.5,   -1,    -2,    7};

TEST(Power, IsCorrectlyRoundedOverWideRanges) {
  std::mt19937_64 random(7);
  int compared = 0;
  for (const double y : exponents) {
    // Bases spread over the magnitudes whose powers stay normal doubles, and engineering values.
    const double limit = 700 / std::fabs(y);
    std::uniform_real_distribution<double> logBase(-limit, limit);
    std::uniform_real_distribution<double> plain(0.001, 3000);
    for (int i = 0; i < 40000; ++i) {
      const double x = i % 2 == 0 ? plain(random) : std::exp(logBase(random));
      const double expected = referencePower(x, y);
      if (!std::isfinite(expected) || std::fabs(expected) < std::numeric_limits<double>::min()) {
        continue;
      }
      ASSERT_EQ(powerOf(x, y), expected) << std::hexfloat << x << " ^ " << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, 500000);
}

TEST(Power, RandomExponentsAreCorrectlyRounded) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> exponent(-8, 8);
  std::uniform_real_distribution<double> base(1e-3, 1e3);
  for (int i = 0; i < 100000; ++i) {
    const double x = base(random);
    const double y = exponent(random);
    ASSERT_EQ(powerOf(x, y), referencePower(x, y)) << std::hexfloat << x << " ^ " << y;
  }
}

TEST(Power, ExactCasesAndUndefinedPowers) {
  struct Case {
    double base, exponent, result;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {1000, 4, 1e12},
      {10, 3, 1000},
      {-10, 3, -1000},
      {-10, 4, 10000},
      {4, 0.5, 2},
      {1, 0.24, 1},
      {7, 0, 1},
      {0, 0.24, 0},
      {0, -0.12, inf},
      {1e100, 4, inf},
      {1e200, 2, inf},
      {1e-200, -2, inf},
      {1e-100, 4, 0},
      {2, 1024.5, inf},
      {2, -1074, std::numeric_limits<double>::denorm_min()},
      {0x1p-537, 2, 0x1p-1074},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(powerOf(c.base, c.exponent), c.result) << c.base << " ^ " << c.exponent;
  }
  // Within 0.0004 ulp of a midpoint: the C library's pow on Debian 12 rounds it the wrong way.
  const double hard = 2243.7893597099542;
  EXPECT_EQ(powerOf(hard, 2), hard * hard);
  EXPECT_TRUE(std::isnan(powerOf(-5, 0.24)));
  EXPECT_TRUE(std::isnan(powerOf(-0.3, -0.12)));
  EXPECT_TRUE(std::signbit(powerOf(-0.0, 3)));
}

}  // namespace
}  // namespace varnok
