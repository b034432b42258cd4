#pragma once

#include "fluid/properties.h"

// The equation of state at one fixed temperature, as the solvers and the
// worksheet functions use it. The solvers are written once, over any model
// with these members; this one answers through the named property relations,
// and every faster model must give the same doubles.
struct ReferenceModel {
    double T;

    explicit ReferenceModel(double T_K) : T(T_K) {}

    [[nodiscard]] double pressure(double rho) const { return pressureOfDT(rho, T); }
    [[nodiscard]] double pressureSlope(double rho) const { return dPdD(rho, T); }
    [[nodiscard]] double enthalpy(double rho) const { return enthalpyOfDT(rho, T); }
    [[nodiscard]] double entropy(double rho) const { return entropyOfDT(rho, T); }
    [[nodiscard]] double compressibility(double rho) const { return compressibilityOfDT(rho, T); }
};
