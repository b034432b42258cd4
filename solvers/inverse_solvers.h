#pragma once

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "solvers/density_solver.h"

// Temperature (K) from pressure (kPa) with specific enthalpy (kJ/kg) or
// entropy (kJ/(kg K)), and enthalpy from pressure with entropy. Templates over
// the model so that each trial temperature builds one model and uses it for
// both the density solve and the property.

// Upper ends of the input windows. Each lies above every value the model gives
// between Ttp and 2.5 Tc (the most dilute gas at 2.5 Tc has about 1291.8 kJ/kg
// and 3.3 kJ/(kg K)), so a valid state is never cut off by its window.
inline constexpr double enthalpyLimit_kJkg = 1500.0;
inline constexpr double entropyLimit_kJkgK = 5.0;

// Highest temperature of every search: 2.5 Tc.
inline constexpr double searchTopT_K = 2.5 * FluidConstants::Tc;

struct InverseTemperature {
    double T;
    // Set when p < Pc and XL <= X <= XV: T is then the saturation temperature
    // and XL, XV are the saturated values at the ancillary densities there.
    bool twoPhase;
    double XL;
    double XV;
};

// The one search behind tOfPH and tOfPS; property(model, rho) gives X.
// The tests are strict except the two-phase band, which holds both ends.
template <class Model, class Property>
InverseTemperature temperatureOfPX(double p, double X, double Xmax, Property property) {
    using namespace FluidConstants;
    // The high-pressure and negative-input limit is tested first and wins.
    if (p > 10.0 * Pc || X < 0.0) {
        return {Ttp, false, 0.0, 0.0};
    }
    if (p < Ptp / 10.0 || X > Xmax) {
        return {searchTopT_K, false, 0.0, 0.0};
    }

    double lo = Ttp;
    double hi = searchTopT_K;
    if (p < Pc) {
        const double Ts = tsatOfP(p);
        const Model saturated(Ts);
        const double XL = property(saturated, dLiqOfT(Ts));
        if (X < XL) {
            hi = Ts;
        } else {
            const double XV = property(saturated, dVapOfT(Ts));
            if (X > XV) {
                lo = Ts;
            } else {
                return {Ts, true, XL, XV};
            }
        }
    }

    // Assumes X rises with temperature at fixed pressure; an input beyond a
    // bracket end ends next to that end.
    double mid = lo;
    for (int i = 0; i < 32; ++i) {
        mid = (hi + lo) / 2.0;
        const Model model(mid);
        if (X > property(model, densityOfTPWith(model, p))) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return {mid, false, 0.0, 0.0};
}

template <class Model>
double enthalpyAt(const Model& model, double rho) {
    return model.enthalpy(rho);
}

template <class Model>
double entropyAt(const Model& model, double rho) {
    return model.entropy(rho);
}

template <class Model>
double tOfPHWith(double p, double h) {
    return temperatureOfPX<Model>(p, h, enthalpyLimit_kJkg, enthalpyAt<Model>).T;
}

template <class Model>
double tOfPSWith(double p, double s) {
    return temperatureOfPX<Model>(p, s, entropyLimit_kJkgK, entropyAt<Model>).T;
}

// In the two-phase band the answer is the mixture at the quality the entropy
// gives, hL + x (hV - hL), on the same saturated states the band was judged
// on; a single saturated phase would be off by up to the whole enthalpy of
// vaporisation. Elsewhere it is the enthalpy at tOfPS's temperature and p.
template <class Model>
double hOfPSWith(double p, double s) {
    const InverseTemperature found =
        temperatureOfPX<Model>(p, s, entropyLimit_kJkgK, entropyAt<Model>);
    const Model model(found.T);
    if (!found.twoPhase) {
        return model.enthalpy(densityOfTPWith(model, p));
    }
    const double hL = model.enthalpy(dLiqOfT(found.T));
    if (found.XV == found.XL) {
        return hL;
    }
    const double hV = model.enthalpy(dVapOfT(found.T));
    const double x = (s - found.XL) / (found.XV - found.XL);
    return hL + x * (hV - hL);
}

// The same, through the shipped model.
double tOfPH(double p, double h);
double tOfPS(double p, double s);
double hOfPS(double p, double s);
