#pragma once

#include "wind_load.hpp"

namespace varnok {

struct CombinedLoads {
  double qk;  // combined standard load, kN/m2
  double q;   // combined design load, kN/m2
};

// Seismic load from the wall's self-weight G (N/m2), the dynamic amplification factor betaE and
// the horizontal seismic influence coefficient alphaMax, combined with the wind load.
// Throws CalcFailure on overflow.
CombinedLoads combinedLoads(const WindLoad& wind, double G, double betaE, double alphaMax);

}  // namespace varnok
