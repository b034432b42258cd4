#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "fluid/fused_model.h"
#include "solvers/density_solver.h"
#include "solvers/inverse_solvers.h"
#include "solvers/reference_model.h"
#include "tests/check_values.h"
#include "tests/same_double.h"
#include "worksheet/inverse_functions.h"
#include "worksheet/saturated_property_functions.h"
#include "worksheet/state_functions.h"
#include "worksheet/worksheet_functions.h"

// The shipped path (the fused model) gives the reference path's doubles for
// the density solver, the inverse solvers, the model's property relations and
// every worksheet function that evaluates the equation of state, on states
// drawn to reach every branch: each density-solver case answered by Newton and
// by the bisection, each inverse-solver bracket, the two-phase band and the
// window limits. Each test also checks that its draw did reach its branches.
// Psat, Tsat, Vf and Vg use only the ancillaries: they have one path.
//
// The sanitizer build runs unoptimised; it draws a tenth of the sample, which
// still reaches every branch, to keep its run short.
#ifndef KORVA_PROOF_SAMPLE_DIVISOR
#define KORVA_PROOF_SAMPLE_DIVISOR 1
#endif

using namespace FluidConstants;

namespace {

constexpr int sampleDivisor = KORVA_PROOF_SAMPLE_DIVISOR;
constexpr int minimumPerBranch = 5;

int sample(int full) { return full / sampleDivisor; }

// Counts the states where the paths differ and prints the first few in full.
class Mismatches {
public:
    void expectSame(const char* what, double a, double b, std::int32_t units, double reference,
                    double fused) {
        if (sameDouble(reference, fused)) {
            return;
        }
        if (++count_ <= 10) {
            ADD_FAILURE() << what << "(" << show(a) << ", " << show(b) << ", units " << units
                          << "): reference " << show(reference) << ", fused " << show(fused);
        }
    }
    void expectNone() const { EXPECT_EQ(count_, 0) << "states where the fused path differs"; }

private:
    int count_ = 0;
};

void expectEveryBranchReached(const std::map<std::string, int>& reached,
                              std::initializer_list<const char*> branches) {
    for (const char* branch : branches) {
        const auto it = reached.find(branch);
        const int n = it == reached.end() ? 0 : it->second;
        EXPECT_GE(n, minimumPerBranch) << "the draw reached the branch '" << branch << "' only "
                                       << n << " times; widen the draw";
    }
}

double uniform(std::mt19937_64& random, double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(random);
}

double logUniform(std::mt19937_64& random, double lo, double hi) {
    return std::pow(10.0, uniform(random, std::log10(lo), std::log10(hi)));
}

// Codes 0-7 and two outside, which act as 7.
std::int32_t drawUnits(std::mt19937_64& random) {
    return std::uniform_int_distribution<std::int32_t>(-1, 8)(random);
}

// A (T, p) state in K and kPa: mostly wide, a third near the critical point,
// and now and then an exact edge of the density solver's case choice.
std::array<double, 2> drawTemperaturePressure(std::mt19937_64& random) {
    const double T = uniform(random, 0.0, 1.0) < 0.35 ? uniform(random, 0.9 * Tc, 1.1 * Tc)
                                                       : uniform(random, 150.0, 1200.0);
    const double p = logUniform(random, 1e-5, 3e4);
    switch (std::uniform_int_distribution<int>(0, 39)(random)) {
        case 0: return {Tc, p};
        case 1: return {T, T < Tc ? psatOfT(T) : p};
        case 2: return {T, 0.0};
        case 3: return {T, -p};
        case 4: return {uniform(random, 100.0, Ttp), logUniform(random, 1e-6, 1e4)};
        default: return {T, p};
    }
}

// Keeps the reached Newton/bisection count of the fused model's solve.
struct CountingFusedModel {
    double T;
    FusedModel model;
    mutable int pressures = 0;

    explicit CountingFusedModel(double T_K) : T(T_K), model(T_K) {}
    double pressure(double rho) const {
        ++pressures;
        return model.pressure(rho);
    }
    double pressureSlope(double rho) const { return model.pressureSlope(rho); }
};

std::string densityBranch(double T, double p, int pressures) {
    const std::string method = pressures == 9 + 32 ? " bisection" : " Newton";
    if (T >= Tc) {
        return "supercritical" + method;
    }
    return (p > psatOfT(T) ? "liquid" : "vapour") + method;
}

}  // namespace

TEST(FusedPath, DensitySolverAndPropertiesAtTheSolvedDensity) {
    std::mt19937_64 random(1);
    Mismatches mismatches;
    std::map<std::string, int> reached;
    for (int i = 0; i < sample(50000); ++i) {
        const auto [T, p] = drawTemperaturePressure(random);
        const ReferenceModel reference(T);
        const CountingFusedModel counted(T);
        const double rho = densityOfTPWith(reference, p);
        const double rhoFused = densityOfTPWith(counted, p);
        mismatches.expectSame("densityOfTPWith", T, p, 7, rho, rhoFused);
        mismatches.expectSame("densityOfTP", T, p, 7, rho, densityOfTP(T, p));
        ++reached[densityBranch(T, p, counted.pressures)];
        // The model the solve used, with its kept state, at the solved density.
        const FusedModel& fused = counted.model;
        mismatches.expectSame("pressure", rho, T, 7, reference.pressure(rho), fused.pressure(rho));
        mismatches.expectSame("pressureSlope", rho, T, 7, reference.pressureSlope(rho),
                              fused.pressureSlope(rho));
        mismatches.expectSame("enthalpy", rho, T, 7, reference.enthalpy(rho), fused.enthalpy(rho));
        mismatches.expectSame("entropy", rho, T, 7, reference.entropy(rho), fused.entropy(rho));
        mismatches.expectSame("compressibility", rho, T, 7, reference.compressibility(rho),
                              fused.compressibility(rho));
    }
    mismatches.expectNone();
    expectEveryBranchReached(reached, {"liquid Newton", "liquid bisection", "vapour Newton",
                                       "vapour bisection", "supercritical Newton",
                                       "supercritical bisection"});
}

TEST(FusedPath, TemperaturePressureFunctions) {
    using Function = XLOPER* (*)(double, double, std::int32_t);
    struct Row {
        const char* name;
        Function reference;
        Function fused;
        Function exported;
    };
    const Row rows[] = {
        {"VofTP", VofTPWith<ReferenceModel>, VofTPWith<FusedModel>, VofTP},
        {"HofTP", HofTPWith<ReferenceModel>, HofTPWith<FusedModel>, HofTP},
        {"SofTP", SofTPWith<ReferenceModel>, SofTPWith<FusedModel>, SofTP},
        {"ZofTP", ZofTPWith<ReferenceModel>, ZofTPWith<FusedModel>, ZofTP},
    };
    std::mt19937_64 random(2);
    Mismatches mismatches;
    for (int i = 0; i < sample(10000); ++i) {
        const auto [T_K, p_kPa] = drawTemperaturePressure(random);
        const std::int32_t units = drawUnits(random);
        const double T = tempFromK(T_K, units)->val.num;
        const double P = presFromKPa(p_kPa, units)->val.num;
        for (const Row& row : rows) {
            const double want = row.reference(T, P, units)->val.num;
            mismatches.expectSame(row.name, T, P, units, want, row.fused(T, P, units)->val.num);
            mismatches.expectSame(row.name, T, P, units, want, row.exported(T, P, units)->val.num);
        }
    }
    mismatches.expectNone();
}

TEST(FusedPath, TemperatureVolumeAndSaturatedPropertyFunctions) {
    using TwoState = XLOPER* (*)(double, double, std::int32_t);
    using OneState = XLOPER* (*)(double, std::int32_t);
    struct TwoStateRow {
        const char* name;
        TwoState reference;
        TwoState fused;
        TwoState exported;
    };
    struct OneStateRow {
        const char* name;
        OneState reference;
        OneState fused;
        OneState exported;
    };
    const TwoStateRow tv[] = {
        {"PofTV", PofTVWith<ReferenceModel>, PofTVWith<FusedModel>, PofTV},
        {"HofTV", HofTVWith<ReferenceModel>, HofTVWith<FusedModel>, HofTV},
        {"SofTV", SofTVWith<ReferenceModel>, SofTVWith<FusedModel>, SofTV},
        {"ZofTV", ZofTVWith<ReferenceModel>, ZofTVWith<FusedModel>, ZofTV},
    };
    const OneStateRow saturated[] = {
        {"Hf", HfWith<ReferenceModel>, HfWith<FusedModel>, Hf},
        {"Hg", HgWith<ReferenceModel>, HgWith<FusedModel>, Hg},
        {"Sf", SfWith<ReferenceModel>, SfWith<FusedModel>, Sf},
        {"Sg", SgWith<ReferenceModel>, SgWith<FusedModel>, Sg},
    };
    std::mt19937_64 random(3);
    Mismatches mismatches;
    for (int i = 0; i < sample(30000); ++i) {
        const std::int32_t units = drawUnits(random);
        const double T_K = uniform(random, 0.0, 1.0) < 0.1 ? uniform(random, 1.0, 150.0)
                                                            : uniform(random, 150.0, 1500.0);
        // Liquid to dilute gas, and the non-physical volumes a user may type.
        double rho = logUniform(random, 1e-9, 7.7);
        if (i % 50 == 0) {
            rho = -rho;
        }
        const double T = tempFromK(T_K, units)->val.num;
        const double V = i % 97 == 0 ? 0.0 : densityToVolume(rho, units)->val.num;
        for (const TwoStateRow& row : tv) {
            const double want = row.reference(T, V, units)->val.num;
            mismatches.expectSame(row.name, T, V, units, want, row.fused(T, V, units)->val.num);
            mismatches.expectSame(row.name, T, V, units, want, row.exported(T, V, units)->val.num);
        }
        // Below Ttp, on the line and above Tc: the clamp's three cases.
        if (i % 3 == 0) {
            const double Ts = tempFromK(uniform(random, 100.0, 500.0), units)->val.num;
            for (const OneStateRow& row : saturated) {
                const double want = row.reference(Ts, units)->val.num;
                mismatches.expectSame(row.name, Ts, 0.0, units, want,
                                      row.fused(Ts, units)->val.num);
                mismatches.expectSame(row.name, Ts, 0.0, units, want,
                                      row.exported(Ts, units)->val.num);
            }
        }
    }
    mismatches.expectNone();
}

namespace {

// What the two temperature searches differ in.
struct Search {
    const char* name;
    double (*propertyOfFused)(const FusedModel&, double rho);
    double limit;
};

const Search enthalpySearch = {"h", enthalpyAt<FusedModel>, enthalpyLimit_kJkg};
const Search entropySearch = {"s", entropyAt<FusedModel>, entropyLimit_kJkgK};

// A (p, X) input in kPa and kJ/kg or kJ/(kg K): the property of a (T, p) state,
// an arbitrary value inside the window, a value in the two-phase band (both
// ends included), or an input at or beyond a window limit.
std::array<double, 2> drawPressureProperty(std::mt19937_64& random, const Search& search) {
    const double u = uniform(random, 0.0, 1.0);
    if (u < 0.45) {
        const double T = uniform(random, Ttp, 2.5 * Tc);
        const double p = logUniform(random, 1e-5, 2e4);
        const FusedModel model(T);
        return {p, search.propertyOfFused(model, densityOfTPWith(model, p))};
    }
    if (u < 0.6) {
        return {logUniform(random, 1e-5, 2e4), uniform(random, 0.0, search.limit)};
    }
    if (u < 0.8) {
        const double p = logUniform(random, Ptp, Pc);
        const double Ts = tsatOfP(p);
        const FusedModel model(Ts);
        const double XL = search.propertyOfFused(model, dLiqOfT(Ts));
        const double XV = search.propertyOfFused(model, dVapOfT(Ts));
        const int end = std::uniform_int_distribution<int>(0, 9)(random);
        const double x = end == 0 ? 0.0 : end == 1 ? 1.0 : uniform(random, 0.0, 1.0);
        return {p, XL + x * (XV - XL)};
    }
    const double p = logUniform(random, 1e-5, 2e4);
    const double X = uniform(random, 0.0, search.limit);
    switch (std::uniform_int_distribution<int>(0, 7)(random)) {
        case 0: return {10.0 * Pc * uniform(random, 1.0, 3.0), X};
        case 1: return {10.0 * Pc, X};
        case 2: return {p, -X};
        case 3: return {uniform(random, 0.0, Ptp / 10.0), X};
        case 4: return {p, search.limit * uniform(random, 1.0, 2.0)};
        case 5: return {p, search.limit};
        case 6: return {p, 0.0};
        default: return {uniform(random, Ptp / 10.0, Ptp), X};
    }
}

std::string inverseBranch(double p, double X, const Search& search) {
    if (p > 10.0 * Pc || X < 0.0) {
        return "Ttp limit";
    }
    if (p < Ptp / 10.0 || X > search.limit) {
        return "2.5 Tc limit";
    }
    if (p >= Pc) {
        return "bracket above Pc";
    }
    const InverseTemperature found =
        temperatureOfPX<FusedModel>(p, X, search.limit, search.propertyOfFused);
    if (found.twoPhase) {
        return "two-phase";
    }
    return found.T <= tsatOfP(p) ? "liquid bracket" : "vapour bracket";
}

const std::initializer_list<const char*> inverseBranches = {
    "Ttp limit", "2.5 Tc limit", "bracket above Pc", "two-phase", "liquid bracket",
    "vapour bracket"};

}  // namespace

TEST(FusedPath, InverseSolvers) {
    struct Row {
        const char* name;
        const Search& search;
        double (*reference)(double, double);
        double (*fused)(double, double);
        double (*exported)(double, double);
    };
    const Row rows[] = {
        {"tOfPH", enthalpySearch, tOfPHWith<ReferenceModel>, tOfPHWith<FusedModel>, tOfPH},
        {"tOfPS", entropySearch, tOfPSWith<ReferenceModel>, tOfPSWith<FusedModel>, tOfPS},
        {"hOfPS", entropySearch, hOfPSWith<ReferenceModel>, hOfPSWith<FusedModel>, hOfPS},
    };
    std::mt19937_64 random(4);
    Mismatches mismatches;
    for (const Row& row : rows) {
        std::map<std::string, int> reached;
        for (int i = 0; i < sample(2500); ++i) {
            const auto [p, X] = drawPressureProperty(random, row.search);
            const double want = row.reference(p, X);
            mismatches.expectSame(row.name, p, X, 7, want, row.fused(p, X));
            mismatches.expectSame(row.name, p, X, 7, want, row.exported(p, X));
            ++reached[inverseBranch(p, X, row.search)];
        }
        SCOPED_TRACE(row.name);
        expectEveryBranchReached(reached, inverseBranches);
    }
    mismatches.expectNone();
}

TEST(FusedPath, InverseFunctions) {
    using Function = XLOPER* (*)(double, double, std::int32_t);
    struct Row {
        const char* name;
        const Search& search;
        XLOPER* (*toUnits)(double, UnitSystem);
        Function reference;
        Function fused;
        Function exported;
    };
    const Row rows[] = {
        {"TofPH", enthalpySearch, enthFromKJkg, TofPHWith<ReferenceModel>, TofPHWith<FusedModel>,
         TofPH},
        {"TofPS", entropySearch, entrFromKJkgK, TofPSWith<ReferenceModel>, TofPSWith<FusedModel>,
         TofPS},
        {"HofPS", entropySearch, entrFromKJkgK, HofPSWith<ReferenceModel>, HofPSWith<FusedModel>,
         HofPS},
    };
    std::mt19937_64 random(5);
    Mismatches mismatches;
    for (const Row& row : rows) {
        for (int i = 0; i < sample(1500); ++i) {
            const auto [p_kPa, X_SI] = drawPressureProperty(random, row.search);
            const std::int32_t units = drawUnits(random);
            const double P = presFromKPa(p_kPa, units)->val.num;
            const double X = row.toUnits(X_SI, units)->val.num;
            const double want = row.reference(P, X, units)->val.num;
            mismatches.expectSame(row.name, P, X, units, want, row.fused(P, X, units)->val.num);
            mismatches.expectSame(row.name, P, X, units, want,
                                  row.exported(P, X, units)->val.num);
        }
    }
    mismatches.expectNone();
}
