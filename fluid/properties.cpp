#include "fluid/properties.h"

#include <cmath>

#include "fluid/coefficients.h"
#include "fluid/constants.h"
#include "fluid/helmholtz.h"
#include "fluid/property_formulas.h"

using namespace FluidConstants;
namespace IC = IdealCoefficients;
namespace PF = PropertyFormulas;
using std::pow;

// The reference relations: each calls the named Helmholtz routines it needs
// and shares nothing with any other relation or call.
namespace {

double totalAlpha(double delta, double tau) {
    return PF::totalAlpha(alphaR(delta, tau), alpha0(delta, tau));
}

}  // namespace

double pressureOfDT(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    return PF::pressure(T, delta, alphaR_d(delta, tau));
}

double dPdD(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    return PF::pressureSlope(T, delta, pow(delta, 2.0), alphaR_d(delta, tau),
                             alphaR_dd(delta, tau));
}

double d2PdD2(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    return PF::pressureCurvature(T, delta, pow(delta, 2.0), alphaR_d(delta, tau),
                                 alphaR_dd(delta, tau), alphaR_ddd(delta, tau));
}

double helmholtzOfDT(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    return PF::helmholtz(T, totalAlpha(delta, tau));
}

double gibbsOfDT(double rho, double T) {
    return PF::gibbs(rho, pressureOfDT(rho, T), helmholtzOfDT(rho, T));
}

double entropyOfDT(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    const double S = PF::tauDerivativeTotal(arPoly_t(delta, tau), alpha0_t(delta, tau),
                                            arExp_t(delta, tau), arGauss_t(delta, tau));
    return PF::entropy(tau, S, totalAlpha(delta, tau));
}

double enthalpyOfDT(double rho, double T) {
    return PF::enthalpy(rho, T, pressureOfDT(rho, T), helmholtzOfDT(rho, T), entropyOfDT(rho, T));
}

double compressibilityOfDT(double rho, double T) {
    return PF::compressibility(rho, T, pressureOfDT(rho, T));
}

double cp0OfT(double T) {
    const double x = IC::u / T;
    const double ex = std::exp(x);
    return (((pow(x, 2.0) * IC::v) * ex) / pow(ex - 1.0, 2.0) + IC::c0) * Rgas;
}
