#include "fluid/ancillaries.h"

#include <cmath>
#include <cstddef>

#include "fluid/ancillary_coefficients.h"
#include "fluid/constants.h"

using namespace FluidConstants;

namespace {

// Sum of N[i] * theta^e[i], added term by term in table order. The first
// exponent of the vapour-pressure table is 1, written as a bare theta; pow
// returns its base exactly for that exponent, so the loop gives the same sum.
template <std::size_t Rows>
double correlationSum(double start, double theta, const std::array<double, Rows>& N,
                      const std::array<double, Rows>& e) {
    double sum = start;
    for (std::size_t i = 0; i < Rows; ++i) {
        sum += N[i] * std::pow(theta, e[i]);
    }
    return sum;
}

}  // namespace

double psatOfT(double T) {
    if (T < Ttp) {
        return Ptp;
    }
    if (T > Tc) {
        return Pc;
    }
    const double theta = 1.0 - T / Tc;
    const double S = correlationSum(0.0, theta, VapourPressureCoefficients::N,
                                    VapourPressureCoefficients::k);
    return Pc * std::exp(S * Tc / T);
}

double tsatOfP(double p) {
    if (p <= Ptp) {
        return Ttp;
    }
    if (p >= Pc) {
        return Tc;
    }
    double lo = Ttp;
    double hi = Tc;
    double mid = lo;
    // Fixed length by design: callers rely on exactly 32 vapour-pressure evaluations.
    for (int i = 0; i < 32; ++i) {
        mid = (hi + lo) / 2.0;
        if (p > psatOfT(mid)) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return mid;
}

double dLiqOfT(double T) {
    const double theta = 1.0 - T / Tc;
    return Dc * correlationSum(1.0, theta, LiquidDensityCoefficients::N,
                               LiquidDensityCoefficients::t);
}

double dVapOfT(double T) {
    const double theta = 1.0 - T / Tc;
    return Dc * std::exp(correlationSum(0.0, theta, VapourDensityCoefficients::N,
                                        VapourDensityCoefficients::t));
}
