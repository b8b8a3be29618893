#include "seismic_load.hpp"

#include "failure.hpp"

namespace varnok {

CombinedLoads combinedLoads(const WindLoad& wind, double G, double betaE, double alphaMax) {
  // The division by 1000 turns N/m2 into kN/m2.
  const double qEk = finite(finite(alphaMax * finite(betaE * G)) / 1000);
  const double qEkDesign = finite(1.3 * qEk);
  const double qk = finite(wind.wk + finite(0.6 * qEk));
  const double q = finite(wind.wkDesign + finite(0.6 * qEkDesign));
  return {qk, q};
}

}  // namespace varnok
