#pragma once

#include "fluid/constants.h"

// Each property relation written once, from the Helmholtz sums its caller has
// already formed. The named relations and the fused model both go through
// these, so the arithmetic, and therefore every rounding, is shared. The
// parentheses are the rounding order: keep them.
//   ard, ardd, arddd   alphaR_d, alphaR_dd, alphaR_ddd
//   delta2             pow(delta, 2)
//   A                  alphaR + alpha0, in that order
//   S                  ((arPoly_t + alpha0_t) + arExp_t) + arGauss_t
namespace PropertyFormulas {

using namespace FluidConstants;

inline double pressure(double T, double delta, double ard) {
    return (((Rgas * Dc) * T) * delta) * (ard * delta + 1.0);
}
inline double pressureSlope(double T, double delta, double delta2, double ard, double ardd) {
    return (Rgas * T) * (delta2 * ardd + ((delta * 2.0) * ard + 1.0));
}
inline double pressureCurvature(double T, double delta, double delta2, double ard, double ardd,
                                double arddd) {
    return ((Rgas * T) / Dc) * (((delta * 4.0) * ardd + 2.0 * ard) + delta2 * arddd);
}
inline double totalAlpha(double alphaR, double alpha0) { return alphaR + alpha0; }
inline double tauDerivativeTotal(double poly_t, double ideal_t, double exp_t, double gauss_t) {
    return ((poly_t + ideal_t) + exp_t) + gauss_t;
}
inline double helmholtz(double T, double A) { return ((Rgas / Mw) * A) * T; }
inline double entropy(double tau, double S, double A) {
    return ((Rgas * tau) / Mw) * S - (Rgas / Mw) * A;
}
inline double gibbs(double rho, double p, double a) { return p / (Mw * rho) + a; }
inline double enthalpy(double rho, double T, double p, double a, double s) {
    return (p / (Mw * rho) + a) + s * T;
}
inline double compressibility(double rho, double T, double p) { return ((p / rho) / Rgas) / T; }

}  // namespace PropertyFormulas
