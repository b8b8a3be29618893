#include "calc/reduction_factor.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "calc/failure.hpp"

namespace varnok {
namespace {

TEST(ReductionFactor, InterpolatesBetweenTheTablePoints) {
  struct Case {
    double theta, eta;
  };
  const Case cases[] = {
      {-3, 1},  // a negative load
      {0, 1},
      {5, 1},
      {7.5, 0.97999999999999998},
      {10, 0.96},  // a point belongs to the band below it
      {20, 0.92},
      {135, 0.63},
      {375, 0.505},
      {400, 0.5},
      {400.0001, 0.5},
      {1e300, 0.5},
      // The exact doubles of ((theta - lower) * difference) / width + lower eta.
      {6.6160888888888891, 0.98707128888888884},
      {5.000001, ((5.000001 - 5) * (0.96 - 1)) / 5 + 1},
      {399.9, ((399.9 - 350) * (0.5 - 0.51)) / 50 + 0.51},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reductionFactor(c.theta), c.eta) << c.theta;
  }
}

TEST(ReductionFactor, IsContinuousAtEveryPoint) {
  const double points[] = {10, 20, 40, 60, 80, 100, 120, 150, 200, 250, 300, 350, 400};
  for (const double p : points) {
    EXPECT_NEAR(reductionFactor(p), reductionFactor(std::nextafter(p, 1e9)), 1e-12) << p;
  }
}

TEST(LargeDeflectionParameter, UsesTheSpanLessOneEdgeDistance) {
  // (1.24 * 1400^4) / (10^4 * 72000000)
  EXPECT_EQ(largeDeflectionParameter(1500, 100, 1.24, 10), 6.6160888888888891);
  EXPECT_EQ(largeDeflectionParameter(100, 1500, 1.24, 10), 6.6160888888888891);
  EXPECT_EQ(largeDeflectionParameter(1000, 100, 1, 10), 0.91125);
  EXPECT_EQ(largeDeflectionParameter(1000, 1000, 1, 10), 0);
  EXPECT_EQ(largeDeflectionParameter(1000, 100, -1, 10), -0.91125);
  // The correctly rounded fourth powers, which the C library's pow misses by one bit here.
  EXPECT_EQ(largeDeflectionParameter(1836.2, 0, 1, 1), 157887.38644353603);
  EXPECT_EQ(largeDeflectionParameter(2700.9, 0, 1, 1), 739097.1421843591);
}

TEST(LargeDeflectionParameter, ZeroThicknessAndOverflowFail) {
  struct Bad {
    double a, c, qk, t;
  };
  const double huge = std::numeric_limits<double>::max();
  for (const Bad& b : {Bad{1000, 100, 1, 0},        // division by zero
                       Bad{1000, 1000, 1, 0},       // 0 / 0
                       Bad{1000, 100, 1, 1e-100},   // t^4 underflows to a zero divisor
                       Bad{1e100, 0, 1, 10},        // (a - c)^4 overflows
                       Bad{huge, -huge, 1, 10},     // a - c overflows
                       Bad{1e77, 0, 1e10, 1e30},    // q_k * (a - c)^4 overflows
                       Bad{1000, 100, 1, 1e77}}) {  // t^4 * 72000000 overflows: theta would be 0
    EXPECT_THROW(largeDeflectionParameter(b.a, b.c, b.qk, b.t), CalcFailure) << b.a << " " << b.t;
  }
}

}  // namespace
}  // namespace varnok
