#include "solvers/density_solver.h"
#include "solvers/shipped_model.h"
#include "worksheet/result_record.h"
#include "worksheet/units.h"
#include "worksheet/worksheet_functions.h"

// Properties at a state given by temperature with specific volume or with
// pressure. No limit is applied: the model and the density solver answer
// whatever they are given. The density solve and the property share one
// model, so both see the same converted temperature.

XLOPER* KORVA_CALL PofTV(double T, double V, std::int32_t units) {
    return presFromKPa(ShippedModel(tempToK(T, units)).pressure(volumeToDensity(V, units)), units);
}

XLOPER* KORVA_CALL HofTV(double T, double V, std::int32_t units) {
    return enthFromKJkg(ShippedModel(tempToK(T, units)).enthalpy(volumeToDensity(V, units)),
                        units);
}

XLOPER* KORVA_CALL SofTV(double T, double V, std::int32_t units) {
    return entrFromKJkgK(ShippedModel(tempToK(T, units)).entropy(volumeToDensity(V, units)),
                         units);
}

XLOPER* KORVA_CALL ZofTV(double T, double V, std::int32_t units) {
    return setResultNumber(
        ShippedModel(tempToK(T, units)).compressibility(volumeToDensity(V, units)));
}

XLOPER* KORVA_CALL VofTP(double T, double P, std::int32_t units) {
    const ShippedModel model(tempToK(T, units));
    return densityToVolume(densityOfTPWith(model, presToKPa(P, units)), units);
}

XLOPER* KORVA_CALL HofTP(double T, double P, std::int32_t units) {
    const ShippedModel model(tempToK(T, units));
    return enthFromKJkg(model.enthalpy(densityOfTPWith(model, presToKPa(P, units))), units);
}

XLOPER* KORVA_CALL SofTP(double T, double P, std::int32_t units) {
    const ShippedModel model(tempToK(T, units));
    return entrFromKJkgK(model.entropy(densityOfTPWith(model, presToKPa(P, units))), units);
}

XLOPER* KORVA_CALL ZofTP(double T, double P, std::int32_t units) {
    const ShippedModel model(tempToK(T, units));
    return setResultNumber(model.compressibility(densityOfTPWith(model, presToKPa(P, units))));
}
