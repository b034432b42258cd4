#include "fluid/ancillaries.h"
#include "worksheet/saturation_clamp.h"
#include "worksheet/units.h"
#include "worksheet/worksheet_functions.h"

XLOPER* KORVA_CALL Psat(double Ts, std::int32_t units) {
    return presFromKPa(psatOfT(tempToK(Ts, units)), units);
}

XLOPER* KORVA_CALL Tsat(double Ps, std::int32_t units) {
    return tempFromK(tsatOfP(presToKPa(Ps, units)), units);
}

XLOPER* KORVA_CALL Vf(double Ts, std::int32_t units) {
    return densityToVolume(dLiqOfT(clampToSaturationLine(tempToK(Ts, units))), units);
}

XLOPER* KORVA_CALL Vg(double Ts, std::int32_t units) {
    return densityToVolume(dVapOfT(clampToSaturationLine(tempToK(Ts, units))), units);
}
