#pragma once

namespace varnok {

enum class Terrain { A, B, C, D };

struct WindLoad {
  double wk;        // wind load standard value after its floor at 1, kN/m2
  double wkDesign;  // wind load design value 1.4 wk, kN/m2
};

// Wind load on the pane at height z (m) for basic wind pressure w0 (kN/m2) and shape
// coefficient mus. Throws CalcFailure for a height of zero or less (undefined power) and on
// overflow.
WindLoad windLoad(Terrain terrain, double z, double w0, double mus);

}  // namespace varnok
