#include "calc/seismic_load.hpp"

#include <gtest/gtest.h>

#include "calc/failure.hpp"

namespace varnok {
namespace {

struct SeismicCase {
  double wk, G, betaE, alphaMax;
  double qk, q;
};

TEST(CombinedLoads, AddSixTenthsOfTheSeismicLoad) {
  const SeismicCase cases[] = {
      // q_Ek = 0.5, 1.3 q_Ek = 0.65.
      {1, 1250, 5, 0.08, 1.3, 1.79},
      // q_Ek = 0.4.
      {1, 1000, 5, 0.08, 1.24, 1.712},
      // No self-weight: the wind values themselves.
      {1, 0, 5, 0.08, 1, 1.4},
      {2.5, 0, 5, 0.08, 2.5, 3.5},
      // A negative self-weight lowers both.
      {1, -1250, 5, 0.08, 0.7, 1.01},
  };
  for (const SeismicCase& c : cases) {
    const CombinedLoads loads = combinedLoads({c.wk, 1.4 * c.wk}, c.G, c.betaE, c.alphaMax);
    EXPECT_DOUBLE_EQ(loads.qk, c.qk) << c.G;
    EXPECT_DOUBLE_EQ(loads.q, c.q) << c.G;
  }
}

TEST(CombinedLoads, KeepsTheOrderOfOperations) {
  // alpha_max * (beta_E * G) / 1000, then the products by 0.6 and 1.3: the exact doubles.
  const CombinedLoads loads = combinedLoads({1, 1.4}, 1000, 5, 0.08);
  EXPECT_EQ(loads.qk, 1 + 0.6 * ((0.08 * (5.0 * 1000)) / 1000));
  EXPECT_EQ(loads.q, 1.4 + 0.6 * (1.3 * ((0.08 * (5.0 * 1000)) / 1000)));
  EXPECT_EQ(combinedLoads({1, 1.4}, 1250, 5, 0.08).qk, 1.3);
}

TEST(CombinedLoads, OverflowFails) {
  EXPECT_THROW(combinedLoads({1, 1.4}, 1e308, 10, 1), CalcFailure);
  EXPECT_THROW(combinedLoads({1e308, 1.79e308}, 1e307, 1000, 1000), CalcFailure);
}

}  // namespace
}  // namespace varnok
