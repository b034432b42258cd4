#pragma once

#include <array>

// Coefficient tables of the saturation correlations, one array per column.
namespace VapourPressureCoefficients {
inline constexpr std::array<double, 5> N = {-8.4411, 2.711, -3.6354, -5.3872, -8.1641};
inline constexpr std::array<double, 5> k = {1.0, 1.5, 2.2, 4.4, 15.0};
}  // namespace VapourPressureCoefficients

namespace LiquidDensityCoefficients {
inline constexpr std::array<double, 3> N = {1.5545, 1.149, 0.51565};
inline constexpr std::array<double, 3> t = {0.297, 0.7, 4.4};
}  // namespace LiquidDensityCoefficients

namespace VapourDensityCoefficients {
inline constexpr std::array<double, 5> N = {-1.6073, -5.8095, -17.824, -61.012, -151.3};
inline constexpr std::array<double, 5> t = {0.291, 0.82, 2.45, 5.5, 12.0};
}  // namespace VapourDensityCoefficients
