#include "bench/comparisons.h"
#include "bench/input_sets.h"
#include "fluid/fused_model.h"
#include "solvers/density_solver.h"
#include "solvers/inverse_solvers.h"
#include "solvers/reference_model.h"

namespace {

template <class Model>
double densityAt(const Inputs& in) {
    return densityOfTPWith(Model(in.a), in.b);
}

template <class Model>
double tOfPHAt(const Inputs& in) {
    return tOfPHWith<Model>(in.a, in.b);
}

template <class Model>
double tOfPSAt(const Inputs& in) {
    return tOfPSWith<Model>(in.a, in.b);
}

template <class Model>
double hOfPSAt(const Inputs& in) {
    return hOfPSWith<Model>(in.a, in.b);
}

}  // namespace

std::vector<Comparison> solverComparisons() {
    return {
        {"densityOfTP", temperaturePressureSet(), densityAt<ReferenceModel>,
         densityAt<FusedModel>},
        {"tOfPH", pressureEnthalpySet(), tOfPHAt<ReferenceModel>, tOfPHAt<FusedModel>},
        {"tOfPS", pressureEntropySet(), tOfPSAt<ReferenceModel>, tOfPSAt<FusedModel>},
        {"hOfPS", pressureEntropySet(), hOfPSAt<ReferenceModel>, hOfPSAt<FusedModel>},
    };
}
