#pragma once

#include <array>
#include <optional>

namespace varnok {

// A two-way coefficient table of the four-point-supported plate: rows are the aspect ratios
// rho = b / a from 1.00 down to 0.50 in steps of 0.05, columns the support ratios
// lambda = a / c of 10, 15 and 20.
struct CoefficientTable {
  std::array<std::array<double, 3>, 11> entries;
};

// Deflection coefficient mu.
inline constexpr CoefficientTable deflectionTable{{{
    {0.2547, 0.2668, 0.2730},
    {0.2302, 0.2414, 0.2472},
    {0.2102, 0.2206, 0.2259},
    {0.1934, 0.2030, 0.2079},
    {0.1810, 0.1890, 0.1935},
    {0.1693, 0.1776, 0.1816},
    {0.1611, 0.1688, 0.1724},
    {0.1549, 0.1619, 0.1653},
    {0.1504, 0.1570, 0.1601},
    {0.1513, 0.1567, 0.1593},
    {0.1521, 0.1565, 0.1588},
}}};

// Bending coefficient m.
inline constexpr CoefficientTable bendingTable{{{
    {0.8194, 0.8719, 0.8720},
    {0.8087, 0.8430, 0.8580},
    {0.7984, 0.8307, 0.8440},
    {0.7886, 0.8190, 0.8320},
    {0.7792, 0.8079, 0.8198},
    {0.7703, 0.7974, 0.8085},
    {0.7620, 0.7876, 0.7979},
    {0.7543, 0.7786, 0.7881},
    {0.7473, 0.7703, 0.7792},
    {0.7410, 0.7629, 0.7712},
    {0.7355, 0.7564, 0.7640},
}}};

// The support-ratio range that holds lambda: the columns 10 and 15, or 15 and 20.
enum class SupportRange { From10, From15 };

// lambda = a / c; throws CalcFailure for c = 0 and on overflow.
double supportRatio(double a, double c);

// rho = b / a; throws CalcFailure for a = 0 and on overflow.
double aspectRatio(double b, double a);

// The range for lambda in [10, 15) or [15, 20); none outside [10, 20), although 20 is a column.
std::optional<SupportRange> supportRange(double lambda);

// The coefficient at (rho, lambda), interpolated along lambda in the two rows around rho, then
// along rho. None when rho lies outside (0.5, 1]. lambda must lie in range.
std::optional<double> coefficient(const CoefficientTable& table, SupportRange range, double lambda,
                                  double rho);

}  // namespace varnok
