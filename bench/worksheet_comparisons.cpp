#include <cstdint>

#include "bench/comparisons.h"
#include "bench/input_sets.h"
#include "fluid/fused_model.h"
#include "solvers/reference_model.h"
#include "worksheet/inverse_functions.h"
#include "worksheet/saturated_property_functions.h"
#include "worksheet/state_functions.h"
#include "worksheet/worksheet_functions.h"

// The nineteen worksheet functions in unit system 7, each over both models.
// Psat, Tsat, Vf and Vg use only the ancillaries and have one path: they are
// measured against themselves, to show they did not get slower.
namespace {

constexpr std::int32_t units = 7;

template <XLOPER* (*F)(double, std::int32_t)>
double one(const Inputs& in) {
    return F(in.a, units)->val.num;
}

template <XLOPER* (*F)(double, double, std::int32_t)>
double two(const Inputs& in) {
    return F(in.a, in.b, units)->val.num;
}

std::vector<Inputs> pressures() {
    std::vector<Inputs> set;
    for (const Inputs& in : pressureEnthalpySet()) {
        set.push_back({in.a, 0.0});
    }
    return set;
}

using R = ReferenceModel;
using F = FusedModel;

}  // namespace

std::vector<Comparison> worksheetComparisons() {
    const std::vector<Inputs> Ts = saturationTemperatureSet();
    const std::vector<Inputs> TV = temperatureVolumeSet();
    const std::vector<Inputs> TP = temperaturePressureSet();
    const std::vector<Inputs> PH = pressureEnthalpySet();
    const std::vector<Inputs> PS = pressureEntropySet();
    return {
        {"Psat", Ts, one<Psat>, one<Psat>},
        {"Tsat", pressures(), one<Tsat>, one<Tsat>},
        {"Vf", Ts, one<Vf>, one<Vf>},
        {"Vg", Ts, one<Vg>, one<Vg>},
        {"Hf", Ts, one<HfWith<R>>, one<HfWith<F>>},
        {"Hg", Ts, one<HgWith<R>>, one<HgWith<F>>},
        {"Sf", Ts, one<SfWith<R>>, one<SfWith<F>>},
        {"Sg", Ts, one<SgWith<R>>, one<SgWith<F>>},
        {"PofTV", TV, two<PofTVWith<R>>, two<PofTVWith<F>>},
        {"HofTV", TV, two<HofTVWith<R>>, two<HofTVWith<F>>},
        {"SofTV", TV, two<SofTVWith<R>>, two<SofTVWith<F>>},
        {"ZofTV", TV, two<ZofTVWith<R>>, two<ZofTVWith<F>>},
        {"VofTP", TP, two<VofTPWith<R>>, two<VofTPWith<F>>},
        {"HofTP", TP, two<HofTPWith<R>>, two<HofTPWith<F>>},
        {"SofTP", TP, two<SofTPWith<R>>, two<SofTPWith<F>>},
        {"ZofTP", TP, two<ZofTPWith<R>>, two<ZofTPWith<F>>},
        {"TofPH", PH, two<TofPHWith<R>>, two<TofPHWith<F>>},
        {"TofPS", PS, two<TofPSWith<R>>, two<TofPSWith<F>>},
        {"HofPS", PS, two<HofPSWith<R>>, two<HofPSWith<F>>},
    };
}
