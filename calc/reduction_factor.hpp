#pragma once

namespace varnok {

// Divisor of the large-deflection parameter and of the deflection.
inline constexpr double plateStiffnessDivisor = 72000000;

// theta = (qk * (a - c)^4) / (t^4 * 72000000) for the combined standard load qk (kN/m2), the
// long side a, the support distance c and the thickness t (mm). Throws CalcFailure for t = 0
// and on overflow.
double largeDeflectionParameter(double a, double c, double qk, double t);

// Reduction factor eta for large deflections: 1 up to theta = 5, linear between the table's
// points, 0.5 above theta = 400.
double reductionFactor(double theta);

}  // namespace varnok
