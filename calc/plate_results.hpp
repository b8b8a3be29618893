#pragma once

namespace varnok {

// Maximum mid-span deflection d (mm) = ((mu * wk) * eta) * a^4 / (t^3 * 72000000), from the
// floored wind load standard value wk (kN/m2), long side a and thickness t (mm).
double maxDeflection(double mu, double wk, double eta, double a, double t);

// Maximum mid-span stress sigma (N/mm2) = ((m * wkDesign) * eta) * a^2 / (t^2 * 1000), from the
// wind load design value 1.4 wk.
double maxStress(double m, double wkDesign, double eta, double a, double t);

// The deflection limit a / 100 (mm).
double deflectionLimit(double a);

// Stiffness verdict on the deflection as shown: acceptable when the limit is at least d.
bool stiffnessAcceptable(double shownDeflection, double a);

}  // namespace varnok
