#include "plate_results.hpp"

#include "failure.hpp"
#include "reduction_factor.hpp"

namespace varnok {

double maxDeflection(double mu, double wk, double eta, double a, double t) {
  const double a4 = power(a, 4);
  const double stiffness = finite(power(t, 3) * plateStiffnessDivisor);
  const double load = finite(finite(finite(mu * wk) * eta) * a4);
  return finite(load / stiffness);
}

double maxStress(double m, double wkDesign, double eta, double a, double t) {
  const double a2 = power(a, 2);
  const double section = finite(power(t, 2) * 1000);
  const double moment = finite(finite(finite(m * wkDesign) * eta) * a2);
  return finite(moment / section);
}

double deflectionLimit(double a) {
  return finite(a / 100);
}

bool stiffnessAcceptable(double shownDeflection, double a) {
  return deflectionLimit(a) >= shownDeflection;
}

}  // namespace varnok
