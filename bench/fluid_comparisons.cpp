#include <vector>

#include "bench/comparisons.h"
#include "fluid/fused_model.h"
#include "solvers/reference_model.h"

// The model members at fixed (rho, T) states, each with a model built for the
// call, as a worksheet function builds one: liquid, vapour, supercritical,
// dilute, and the negative densities of a Newton overshoot.
namespace {

const std::vector<Inputs> densityStates = {
    {6.0, 200.0},  {5.6, 250.0},   {5.0, 300.0},   {4.4, 350.0},  // liquid: rho, T
    {0.01, 250.0}, {0.05, 300.0},  {0.2, 350.0},   {0.4, 400.0},  // vapour
    {2.0, 450.0},  {1.0, 500.0},   {3.0, 700.0},   {0.5, 1000.0}, // supercritical
    {1e-5, 300.0}, {1e-7, 600.0},  {-0.155, 400.0}, {-0.3, 440.0},
};

template <class Model>
double pressureAt(const Inputs& s) {
    return Model(s.b).pressure(s.a);
}

// One Newton step's evaluations: the pressure and its slope at one density.
template <class Model>
double newtonStepAt(const Inputs& s) {
    const Model model(s.b);
    const double p = model.pressure(s.a);
    return p / model.pressureSlope(s.a);
}

template <class Model>
double enthalpyAt(const Inputs& s) {
    return Model(s.b).enthalpy(s.a);
}

template <class Model>
double entropyAt(const Inputs& s) {
    return Model(s.b).entropy(s.a);
}

template <class Model>
double compressibilityAt(const Inputs& s) {
    return Model(s.b).compressibility(s.a);
}

}  // namespace

std::vector<Comparison> fluidComparisons() {
    return {
        {"model.pressure", densityStates, pressureAt<ReferenceModel>, pressureAt<FusedModel>},
        {"model.newtonStep", densityStates, newtonStepAt<ReferenceModel>,
         newtonStepAt<FusedModel>},
        {"model.enthalpy", densityStates, enthalpyAt<ReferenceModel>, enthalpyAt<FusedModel>},
        {"model.entropy", densityStates, entropyAt<ReferenceModel>, entropyAt<FusedModel>},
        {"model.compressibility", densityStates, compressibilityAt<ReferenceModel>,
         compressibilityAt<FusedModel>},
    };
}
