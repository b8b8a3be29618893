#include "calc/plate_results.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "calc/failure.hpp"

namespace varnok {
namespace {

TEST(PlateResults, DeflectionAndStressFromTheWindValues) {
  struct Case {
    double mu, m, eta, wk, a, t;
    double d, sigma;
  };
  const Case cases[] = {
      // d = 0.2547 * 10^12 / (1000 * 72000000): 3.5375 up to the sixteenth digit.
      {0.2547, 0.8194, 1, 1, 1000, 10, 3.5374999999999996, 11.4716},
      {0.2547, 0.8194, 1, 1, 1500, 8, 34.97772216796875, 40.329843750000002},
      // A negative thickness keeps its sign in t^3.
      {0.2547, 0.8194, 1, 1, 1000, -10, -3.5374999999999996, 11.4716},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(maxDeflection(c.mu, c.wk, c.eta, c.a, c.t), c.d) << c.a << " " << c.t;
    EXPECT_EQ(maxStress(c.m, 1.4 * c.wk, c.eta, c.a, c.t), c.sigma) << c.a << " " << c.t;
  }
}

TEST(PlateResults, VerdictAcceptsTheLimitItself) {
  EXPECT_EQ(deflectionLimit(1000), 10);
  EXPECT_EQ(deflectionLimit(1234), 12.34);
  EXPECT_TRUE(stiffnessAcceptable(3.5375, 1000));
  EXPECT_TRUE(stiffnessAcceptable(10, 1000));
  EXPECT_FALSE(stiffnessAcceptable(std::nextafter(10.0, 11.0), 1000));
  EXPECT_FALSE(stiffnessAcceptable(34.9777221679688, 1500));
  EXPECT_TRUE(stiffnessAcceptable(-3.5375, 1000));
}

TEST(PlateResults, ZeroThicknessAndOverflowFail) {
  EXPECT_THROW(maxDeflection(0.2547, 1, 1, 1000, 0), CalcFailure);
  EXPECT_THROW(maxStress(0.8194, 1.4, 1, 1000, 0), CalcFailure);
  EXPECT_THROW(maxDeflection(0.2547, 1, 1, 1e80, 10), CalcFailure);     // a^4
  EXPECT_THROW(maxDeflection(0.2547, 1, 1, 1000, 1e101), CalcFailure);  // t^3 * 72000000
  EXPECT_THROW(maxStress(0.8194, 1.4, 1, 1e155, 10), CalcFailure);      // a^2
  EXPECT_THROW(maxStress(0.8194, 1.4, 1, 1000, 1e153), CalcFailure);    // t^2 * 1000
  EXPECT_THROW(deflectionLimit(std::numeric_limits<double>::infinity()), CalcFailure);
}

}  // namespace
}  // namespace varnok
