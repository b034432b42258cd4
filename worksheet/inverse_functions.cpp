#include "solvers/inverse_solvers.h"
#include "worksheet/units.h"
#include "worksheet/worksheet_functions.h"

// The windows of the solvers judge the inputs after conversion to internal
// units, so a negative enthalpy means negative on the model's scale.

XLOPER* KORVA_CALL TofPH(double P, double H, std::int32_t units) {
    return tempFromK(tOfPH(presToKPa(P, units), enthToKJkg(H, units)), units);
}

XLOPER* KORVA_CALL TofPS(double P, double S, std::int32_t units) {
    return tempFromK(tOfPS(presToKPa(P, units), entrToKJkgK(S, units)), units);
}

XLOPER* KORVA_CALL HofPS(double P, double S, std::int32_t units) {
    return enthFromKJkg(hOfPS(presToKPa(P, units), entrToKJkgK(S, units)), units);
}
