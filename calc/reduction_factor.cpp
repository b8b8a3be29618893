#include "reduction_factor.hpp"

#include <array>

#include "failure.hpp"

namespace varnok {
namespace {

struct Point {
  double theta;
  double eta;
};

constexpr std::array<Point, 14> etaPoints{{
    {5, 1},
    {10, 0.96},
    {20, 0.92},
    {40, 0.84},
    {60, 0.78},
    {80, 0.73},
    {100, 0.68},
    {120, 0.65},
    {150, 0.61},
    {200, 0.57},
    {250, 0.54},
    {300, 0.52},
    {350, 0.51},
    {400, 0.5},
}};

}  // namespace

double largeDeflectionParameter(double a, double c, double qk, double t) {
  const double load = finite(qk * power(finite(a - c), 4));
  const double stiffness = finite(power(t, 4) * plateStiffnessDivisor);
  return finite(load / stiffness);
}

double reductionFactor(double theta) {
  if (theta <= etaPoints.front().theta) {
    return 1;
  }
  for (std::size_t i = 1; i < etaPoints.size(); ++i) {
    const Point lower = etaPoints[i - 1];
    const Point upper = etaPoints[i];
    if (theta > lower.theta && theta <= upper.theta) {
      // Subtraction, product with the eta difference, division by the width, then the lower
      // eta: this order fixes the last bits.
      const double difference = upper.eta - lower.eta;
      const double width = upper.theta - lower.theta;
      return ((theta - lower.theta) * difference) / width + lower.eta;
    }
  }
  return 0.5;
}

}  // namespace varnok
