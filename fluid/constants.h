#pragma once

// The working fluid's fixed constants, in the model's internal units
// (K, mol/dm3, kPa, J/(mol K), g/mol).
namespace FluidConstants {
inline constexpr double Tc = 441.81;
inline constexpr double Dc = 1.92;
inline constexpr double Pc = 1869.0;
inline constexpr double Rgas = 8.3144621;
inline constexpr double Mw = 316.0444;
inline constexpr double Ttp = 165.0;
inline constexpr double Ptp = 0.000231453352054;
}  // namespace FluidConstants
