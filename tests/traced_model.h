#pragma once

#include <vector>

#include "solvers/reference_model.h"

// The reference model with a log of the densities the solver asks about, so a
// test can tell which stage answered and what the iterates were.
struct TracedModel {
    double T;
    ReferenceModel model;
    mutable std::vector<double> pressureAt;
    mutable std::vector<double> slopeAt;

    explicit TracedModel(double T_K) : T(T_K), model(T_K) {}

    double pressure(double rho) const {
        pressureAt.push_back(rho);
        return model.pressure(rho);
    }
    double pressureSlope(double rho) const {
        slopeAt.push_back(rho);
        return model.pressureSlope(rho);
    }
    double enthalpy(double rho) const { return model.enthalpy(rho); }
    double entropy(double rho) const { return model.entropy(rho); }
    double compressibility(double rho) const { return model.compressibility(rho); }

    // Nine residual tests and eight updates, then the 32 bisection midpoints.
    bool bisected() const { return pressureAt.size() == 9 + 32 && slopeAt.size() == 8; }
};
