#pragma once

#include <cmath>

#include "fluid/ancillaries.h"
#include "fluid/constants.h"

// Molar density (mol/dm3) at which the model's temperature gives the pressure
// p (kPa). The phase follows from p against the vapour pressure; at most nine
// residuals are tested against p/1000 around eight bare Newton updates, and
// if none passes, exactly 32 halvings of the phase's bracket answer. The
// fixed lengths are part of the result: every input is answered by the same
// path, with the same number, on every machine.
template <class Model>
double densityOfTPWith(const Model& model, double p) {
    using namespace FluidConstants;
    const double T = model.T;

    double start = 0.0;
    double lo = 0.0;
    double hi = 0.0;
    if (T < Tc) {
        // A pressure equal to the vapour pressure is vapour.
        if (p > psatOfT(T)) {
            start = dLiqOfT(T);
            lo = 0.98 * start;
            hi = 4.0 * Dc;
        } else {
            start = dVapOfT(T);
            hi = start;
        }
    } else {
        // The ideal-gas density over the critical compressibility factor.
        start = ((p / Pc) * Dc) * (Tc / T);
        hi = 3.0 * Dc;
    }

    // Undamped and unclamped: an iterate may go negative, where the pressure
    // is still defined; a non-finite one never passes and spends the budget.
    const double tolerance = p / 1000.0;
    double rho = start;
    for (int updates = 0;; ++updates) {
        const double residual = model.pressure(rho) - p;
        if (std::fabs(residual) < tolerance) {
            return rho;
        }
        if (updates == 8) {
            break;
        }
        rho = rho - residual / model.pressureSlope(rho);
    }

    // Assumes pressure rises with density across the bracket; a root outside
    // it ends at the nearer end.
    double mid = lo;
    for (int i = 0; i < 32; ++i) {
        mid = (hi + lo) / 2.0;
        if (p > model.pressure(mid)) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return mid;
}

// The same, through the shipped model at temperature T (K).
double densityOfTP(double T, double p);
