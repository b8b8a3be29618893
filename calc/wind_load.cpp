#include "wind_load.hpp"

#include <array>

#include "failure.hpp"

namespace varnok {
namespace {

struct TerrainConstants {
  double hMin;       // m; lower heights take the height variation of hMin
  double muzFactor;  // k in mu_z = k * h^muzExponent
  double muzExponent;
  double betaFactor;       // K in beta_gz = (p * C + 1) * K
  double betaCoefficient;  // C
  double betaExponent;     // exponent of z / 10 in p
};

constexpr std::array<TerrainConstants, 4> terrainConstants{{
    {5, 0.792925, 0.24, 0.92, 0.774, -0.12},  // A
    {10, 0.479, 0.32, 0.89, 1, -0.16},        // B
    {15, 0.224, 0.44, 0.85, 1.468, -0.22},    // C
    {30, 0.08, 0.6, 0.8, 2.4496, -0.3},       // D
}};

// The height variation uses the raised height h, the gust coefficient the entered height z.
double heightVariation(const TerrainConstants& row, double z) {
  const double h = z < row.hMin ? row.hMin : z;
  return finite(row.muzFactor * power(h, row.muzExponent));
}

double gustCoefficient(const TerrainConstants& row, double z) {
  const double p = power(finite(z / 10), row.betaExponent);
  return finite(finite(finite(p * row.betaCoefficient) + 1) * row.betaFactor);
}

}  // namespace

WindLoad windLoad(Terrain terrain, double z, double w0, double mus) {
  const TerrainConstants& row = terrainConstants[static_cast<int>(terrain)];
  const double muz = heightVariation(row, z);
  const double betagz = gustCoefficient(row, z);
  double wk = finite(finite(finite(muz * betagz) * w0) * mus);
  if (wk < 1) {
    wk = 1;  // kN/m2: the wind load never counts as less than 1
  }
  return {wk, finite(1.4 * wk)};
}

}  // namespace varnok
