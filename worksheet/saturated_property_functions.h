#pragma once

#include "fluid/ancillaries.h"
#include "worksheet/saturation_clamp.h"
#include "worksheet/units.h"

// Hf, Hg, Sf, Sg over any model: the exports use the shipped one, tests also
// the reference. The saturated states are the equation of state at the
// ancillary densities; no phase equilibrium is solved.

template <class Model>
XLOPER* HfWith(double Ts, UnitSystem units) {
    const double T = clampToSaturationLine(tempToK(Ts, units));
    return enthFromKJkg(Model(T).enthalpy(dLiqOfT(T)), units);
}

template <class Model>
XLOPER* HgWith(double Ts, UnitSystem units) {
    const double T = clampToSaturationLine(tempToK(Ts, units));
    return enthFromKJkg(Model(T).enthalpy(dVapOfT(T)), units);
}

template <class Model>
XLOPER* SfWith(double Ts, UnitSystem units) {
    const double T = clampToSaturationLine(tempToK(Ts, units));
    return entrFromKJkgK(Model(T).entropy(dLiqOfT(T)), units);
}

template <class Model>
XLOPER* SgWith(double Ts, UnitSystem units) {
    const double T = clampToSaturationLine(tempToK(Ts, units));
    return entrFromKJkgK(Model(T).entropy(dVapOfT(T)), units);
}
