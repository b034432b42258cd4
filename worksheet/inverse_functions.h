#pragma once

#include "solvers/inverse_solvers.h"
#include "worksheet/units.h"

// TofPH, TofPS and HofPS over any model: the exports use the shipped one,
// tests also the reference. The windows of the solvers judge the inputs after
// conversion to internal units, so a negative enthalpy means negative on the
// model's scale.

template <class Model>
XLOPER* TofPHWith(double P, double H, UnitSystem units) {
    return tempFromK(tOfPHWith<Model>(presToKPa(P, units), enthToKJkg(H, units)), units);
}

template <class Model>
XLOPER* TofPSWith(double P, double S, UnitSystem units) {
    return tempFromK(tOfPSWith<Model>(presToKPa(P, units), entrToKJkgK(S, units)), units);
}

template <class Model>
XLOPER* HofPSWith(double P, double S, UnitSystem units) {
    return enthFromKJkg(hOfPSWith<Model>(presToKPa(P, units), entrToKJkgK(S, units)), units);
}
