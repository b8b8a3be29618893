#include "calc/coefficient_table.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "calc/failure.hpp"

namespace varnok {
namespace {

std::optional<double> lookup(const CoefficientTable& table, double a, double b, double c) {
  const double lambda = supportRatio(a, c);
  const std::optional<SupportRange> range = supportRange(lambda);
  EXPECT_TRUE(range.has_value()) << "lambda " << lambda;
  return range ? coefficient(table, *range, lambda, aspectRatio(b, a)) : std::nullopt;
}

struct CoefficientCase {
  double a, b, c;
  double mu, m;  // exact doubles where the comment says so, else within 5e-8
  bool exact;
};

void PrintTo(const CoefficientCase& c, std::ostream* os) {
  *os << "a " << c.a << ", b " << c.b << ", c " << c.c;
}

class CoefficientTest : public ::testing::TestWithParam<CoefficientCase> {};

TEST_P(CoefficientTest, InterpolatesAlongLambdaThenRho) {
  const CoefficientCase& c = GetParam();
  const std::optional<double> mu = lookup(deflectionTable, c.a, c.b, c.c);
  const std::optional<double> m = lookup(bendingTable, c.a, c.b, c.c);
  ASSERT_TRUE(mu && m);
  if (c.exact) {
    EXPECT_EQ(*mu, c.mu);
    EXPECT_EQ(*m, c.m);
  } else {
    EXPECT_NEAR(*mu, c.mu, 5e-8);
    EXPECT_NEAR(*m, c.m, 5e-8);
  }
}

INSTANTIATE_TEST_SUITE_P(
    BothTables, CoefficientTest,
    ::testing::Values(
        // lambda = 10, rho = 1: the corner entries.
        CoefficientCase{1000, 1000, 100, 0.2547, 0.8194, true},
        // lambda = 12, rho = 0.8333: band (0.80, 0.85].
        CoefficientCase{1200, 1000, 100, 0.19289333333333333, 0.7973999999999999, true},
        // rho = 0.95 on an inner edge belongs to the band below; mu differs from the entry
        // 0.2302 in the last bits only.
        CoefficientCase{1000, 950, 100, 0.23019999999999996, 0.80869999999999997, true},
        CoefficientCase{1000, 950.0001, 100, 0.23020004900000002, 0.80870002139999997, true},
        // lambda = 15 exactly: second range, lambda0 = 15; rho = 0.8 in (0.75, 0.80].
        CoefficientCase{1500, 1200, 100, 0.189, 0.8079, false},
        // lambda just below 15: first range, continuous with the second.
        CoefficientCase{1499.999, 1200, 100, 0.1890001, 0.8079001, false},
        CoefficientCase{1499.9, 1462.4025, 100, 0.2540977, 0.8574413, false},
        CoefficientCase{1500, 1462.5, 100, 0.2541, 0.85745, false},
        CoefficientCase{1500, 1100, 120, 0.1706167, 0.7808333, false},
        CoefficientCase{1200, 990, 100, 0.19072, 0.79572, false},
        CoefficientCase{1200, 1170, 100, 0.24711, 0.83141, false},
        CoefficientCase{1700, 1615, 100, 0.24372, 0.849, false},
        // lambda = 19.99: second range, bottom band.
        CoefficientCase{1999, 1000, 100, 0.1587979, 0.7640208, false},
        CoefficientCase{1999, 1599.2, 100, 0.193491, 0.8197762, false},
        CoefficientCase{1200, 600.12, 100, 0.1538592, 0.7438718, false}));

TEST(SupportRange, CoversTenToTwentyWithoutTwenty) {
  struct Case {
    double lambda;
    std::optional<SupportRange> range;
  };
  const Case cases[] = {
      {9.99, std::nullopt},
      {10, SupportRange::From10},
      {14.999999, SupportRange::From10},
      {15, SupportRange::From15},
      {19.99, SupportRange::From15},
      {20, std::nullopt},  // although 20 is a table column
      {0, std::nullopt},
      {-12, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(supportRange(c.lambda), c.range) << c.lambda;
  }
}

TEST(Coefficient, AspectRatioOutsideTheTableHasNoValue) {
  // rho = 0.5 is a table row but not inside any band; rho above 1 is a side entered swapped.
  for (const double rho : {0.5, 0.4999, 1.001, 0.0, -0.8, 1e9}) {
    EXPECT_EQ(coefficient(deflectionTable, SupportRange::From10, 12, rho), std::nullopt) << rho;
    EXPECT_EQ(coefficient(bendingTable, SupportRange::From15, 17, rho), std::nullopt) << rho;
  }
  EXPECT_TRUE(coefficient(deflectionTable, SupportRange::From10, 12, 1.0).has_value());
  EXPECT_TRUE(coefficient(deflectionTable, SupportRange::From10, 12, 0.5000001).has_value());
}

TEST(Coefficient, IsContinuousAcrossBandEdgesAndLambdaFifteen) {
  for (const CoefficientTable* table : {&deflectionTable, &bendingTable}) {
    for (double rho = 0.55; rho < 0.99; rho += 0.05) {
      const double edge = std::round(rho * 100) / 100;
      for (const double lambda : {10.0, 12.5, 15.0, 17.5, 19.9}) {
        const SupportRange range = lambda < 15 ? SupportRange::From10 : SupportRange::From15;
        const double below = *coefficient(*table, range, lambda, edge);
        const double above = *coefficient(*table, range, lambda, std::nextafter(edge, 2.0));
        EXPECT_NEAR(below, above, 1e-12) << edge << " " << lambda;
      }
      const double left =
          *coefficient(*table, SupportRange::From10, std::nextafter(15.0, 0.0), edge + 0.01);
      const double right = *coefficient(*table, SupportRange::From15, 15, edge + 0.01);
      EXPECT_NEAR(left, right, 1e-12) << edge;
    }
  }
}

TEST(Ratios, DivisionByZeroFails) {
  EXPECT_THROW(supportRatio(1000, 0), CalcFailure);
  EXPECT_THROW(supportRatio(0, 0), CalcFailure);  // 0 / 0
  EXPECT_THROW(supportRatio(1e308, 1e-10), CalcFailure);
  EXPECT_THROW(aspectRatio(1000, 0), CalcFailure);
  EXPECT_EQ(supportRatio(0, 100), 0);
}

}  // namespace
}  // namespace varnok
