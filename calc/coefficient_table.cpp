#include "coefficient_table.hpp"

#include <cstddef>

#include "failure.hpp"

namespace varnok {
namespace {

// The aspect ratios of the table rows, each the double nearest to its decimal. A band edge
// used in a comparison and the same edge used in the interpolation are one and the same double.
constexpr std::array<double, 11> rowRho{1.00, 0.95, 0.90, 0.85, 0.80, 0.75,
                                        0.70, 0.65, 0.60, 0.55, 0.50};

// The interpolation divides by these constants, never by a difference of edges computed at run
// time: 1.00 - 0.95 in doubles is 0.050000000000000044, which would change the last digits.
constexpr double columnStep = 5;
constexpr double rowStep = 0.05;

double alongLambda(double lambda, double lambda0, double low, double high) {
  return ((lambda - lambda0) * (high - low)) / columnStep + low;
}

}  // namespace

double supportRatio(double a, double c) {
  return finite(a / c);
}

double aspectRatio(double b, double a) {
  return finite(b / a);
}

std::optional<SupportRange> supportRange(double lambda) {
  if (lambda >= 10 && lambda < 15) {
    return SupportRange::From10;
  }
  if (lambda >= 15 && lambda < 20) {
    return SupportRange::From15;
  }
  return std::nullopt;
}

std::optional<double> coefficient(const CoefficientTable& table, SupportRange range, double lambda,
                                  double rho) {
  const std::size_t column = range == SupportRange::From10 ? 0 : 1;
  const double lambda0 = range == SupportRange::From10 ? 10 : 15;
  // Bands (rho_lo, rho_hi] from the top; an inner edge belongs to the band it is the top of.
  for (std::size_t hi = 0; hi + 1 < rowRho.size(); ++hi) {
    const double rhoHi = rowRho[hi];
    const double rhoLo = rowRho[hi + 1];
    if (rho <= rhoHi && rho > rhoLo) {
      const auto& upper = table.entries[hi];
      const auto& lower = table.entries[hi + 1];
      const double upperRow = alongLambda(lambda, lambda0, upper[column], upper[column + 1]);
      const double lowerRow = alongLambda(lambda, lambda0, lower[column], lower[column + 1]);
      return ((upperRow - lowerRow) * (rho - rhoLo)) / rowStep + lowerRow;
    }
  }
  return std::nullopt;
}

}  // namespace varnok
