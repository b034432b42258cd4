#include "fluid/ancillaries.h"
#include "solvers/shipped_model.h"
#include "worksheet/saturation_clamp.h"
#include "worksheet/units.h"
#include "worksheet/worksheet_functions.h"

// The saturated states are the equation of state at the ancillary densities;
// no phase equilibrium is solved.

XLOPER* KORVA_CALL Hf(double Ts, std::int32_t units) {
    const double T = clampToSaturationLine(tempToK(Ts, units));
    return enthFromKJkg(ShippedModel(T).enthalpy(dLiqOfT(T)), units);
}

XLOPER* KORVA_CALL Hg(double Ts, std::int32_t units) {
    const double T = clampToSaturationLine(tempToK(Ts, units));
    return enthFromKJkg(ShippedModel(T).enthalpy(dVapOfT(T)), units);
}

XLOPER* KORVA_CALL Sf(double Ts, std::int32_t units) {
    const double T = clampToSaturationLine(tempToK(Ts, units));
    return entrFromKJkgK(ShippedModel(T).entropy(dLiqOfT(T)), units);
}

XLOPER* KORVA_CALL Sg(double Ts, std::int32_t units) {
    const double T = clampToSaturationLine(tempToK(Ts, units));
    return entrFromKJkgK(ShippedModel(T).entropy(dVapOfT(T)), units);
}
