#pragma once

#include <array>
#include <cstdint>

// Ideal-gas part of the reduced Helmholtz energy.
namespace IdealCoefficients {
inline constexpr double a1 = -30.6610503233;  // constant term; fixes the entropy zero
inline constexpr double a2 = 6.8305296372;    // coefficient of tau; fixes the enthalpy zero
inline constexpr double c0 = 30.8;
inline constexpr double v = 29.8;
inline constexpr double u = 1940.0;  // K
}  // namespace IdealCoefficients

// Residual part: seventeen rows held column by column. Rows 0-6 (k = 1-7) are
// polynomial, 7-9 exponential, 10-16 Gaussian. A column that a family does not
// use holds 0 in that family's rows and is never read there.
namespace ResidualCoefficients {
inline constexpr int rows = 17;
inline constexpr int polyBegin = 0;
inline constexpr int expBegin = 7;
inline constexpr int gaussBegin = 10;
inline constexpr int end = 17;

inline constexpr std::array<double, rows> n = {
    0.05623648, 2.973616, -6.12697,  3.44024,   1.451737,  -2.837857,
    0.2077767,  2.168307, -2.124648, -1.296704, -1.010569, 2.701505,
    0.8167202,  -1.814579, 0.2075389, -1.009347, -0.04848043};
inline constexpr std::array<double, rows> t = {
    1.0, 0.25, 0.793, 1.16, 0.75, 1.09, 0.75, 1.3, 2.25,
    1.9, 0.88, 1.63,  1.3,  2.0,  1.15, 1.66, 1.5};
inline constexpr std::array<std::int32_t, rows> d = {
    4, 1, 1, 1, 2, 2, 3, 2, 1, 2, 1, 1, 2, 2, 3, 3, 1};
inline constexpr std::array<std::int32_t, rows> l = {
    0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0};
inline constexpr std::array<double, rows> eta = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.32, 1.32, 1.35, 1.48, 0.51, 1.3, 5.15};
inline constexpr std::array<double, rows> beta = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.12, 0.83, 0.19, 0.95, 0.1, 0.11, 65.0};
inline constexpr std::array<double, rows> gamma = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.1, 1.04, 1.15, 0.9, 0.8, 1.2, 1.19};
inline constexpr std::array<double, rows> epsilon = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.16, 0.793, 1.13, 0.527, 1.19, 0.83, 0.82};
}  // namespace ResidualCoefficients
