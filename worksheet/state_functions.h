#pragma once

#include "solvers/density_solver.h"
#include "worksheet/result_record.h"
#include "worksheet/units.h"

// The (T, V) and (T, P) functions over any model: the exports use the shipped
// one, tests also the reference. No limit is applied: the model and the
// density solver answer whatever they are given. The density solve and the
// property share one model, so both see the same converted temperature.

template <class Model>
XLOPER* PofTVWith(double T, double V, UnitSystem units) {
    return presFromKPa(Model(tempToK(T, units)).pressure(volumeToDensity(V, units)), units);
}

template <class Model>
XLOPER* HofTVWith(double T, double V, UnitSystem units) {
    return enthFromKJkg(Model(tempToK(T, units)).enthalpy(volumeToDensity(V, units)), units);
}

template <class Model>
XLOPER* SofTVWith(double T, double V, UnitSystem units) {
    return entrFromKJkgK(Model(tempToK(T, units)).entropy(volumeToDensity(V, units)), units);
}

template <class Model>
XLOPER* ZofTVWith(double T, double V, UnitSystem units) {
    return setResultNumber(Model(tempToK(T, units)).compressibility(volumeToDensity(V, units)));
}

template <class Model>
XLOPER* VofTPWith(double T, double P, UnitSystem units) {
    const Model model(tempToK(T, units));
    return densityToVolume(densityOfTPWith(model, presToKPa(P, units)), units);
}

template <class Model>
XLOPER* HofTPWith(double T, double P, UnitSystem units) {
    const Model model(tempToK(T, units));
    return enthFromKJkg(model.enthalpy(densityOfTPWith(model, presToKPa(P, units))), units);
}

template <class Model>
XLOPER* SofTPWith(double T, double P, UnitSystem units) {
    const Model model(tempToK(T, units));
    return entrFromKJkgK(model.entropy(densityOfTPWith(model, presToKPa(P, units))), units);
}

template <class Model>
XLOPER* ZofTPWith(double T, double P, UnitSystem units) {
    const Model model(tempToK(T, units));
    return setResultNumber(model.compressibility(densityOfTPWith(model, presToKPa(P, units))));
}
