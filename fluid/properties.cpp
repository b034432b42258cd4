#include "fluid/properties.h"

#include <cmath>

#include "fluid/coefficients.h"
#include "fluid/constants.h"
#include "fluid/helmholtz.h"

using namespace FluidConstants;
namespace IC = IdealCoefficients;
using std::pow;

namespace {

// alphaR first, then alpha0: the order both energy relations share.
double totalAlpha(double delta, double tau) {
    return ((arExp(delta, tau) + arPoly(delta, tau)) + arGauss(delta, tau)) + alpha0(delta, tau);
}

}  // namespace

double pressureOfDT(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    return (((Rgas * Dc) * T) * delta) * (alphaR_d(delta, tau) * delta + 1.0);
}

double dPdD(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    return (Rgas * T) *
           (pow(delta, 2.0) * alphaR_dd(delta, tau) + ((delta * 2.0) * alphaR_d(delta, tau) + 1.0));
}

double d2PdD2(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    return ((Rgas * T) / Dc) * (((delta * 4.0) * alphaR_dd(delta, tau) + 2.0 * alphaR_d(delta, tau)) +
                                pow(delta, 2.0) * alphaR_ddd(delta, tau));
}

double helmholtzOfDT(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    return ((Rgas / Mw) * totalAlpha(delta, tau)) * T;
}

double gibbsOfDT(double rho, double T) {
    return pressureOfDT(rho, T) / (Mw * rho) + helmholtzOfDT(rho, T);
}

double entropyOfDT(double rho, double T) {
    const double tau = Tc / T;
    const double delta = rho / Dc;
    const double S = ((arPoly_t(delta, tau) + alpha0_t(delta, tau)) + arExp_t(delta, tau)) +
                     arGauss_t(delta, tau);
    return ((Rgas * tau) / Mw) * S - (Rgas / Mw) * totalAlpha(delta, tau);
}

double enthalpyOfDT(double rho, double T) {
    return (pressureOfDT(rho, T) / (Mw * rho) + helmholtzOfDT(rho, T)) + entropyOfDT(rho, T) * T;
}

double compressibilityOfDT(double rho, double T) {
    return ((pressureOfDT(rho, T) / rho) / Rgas) / T;
}

double cp0OfT(double T) {
    const double x = IC::u / T;
    const double ex = std::exp(x);
    return (((pow(x, 2.0) * IC::v) * ex) / pow(ex - 1.0, 2.0) + IC::c0) * Rgas;
}
