#include "fluid/fused_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fluid/constants.h"
#include "solvers/reference_model.h"
#include "tests/check_values.h"
#include "tests/same_double.h"

// The fused model must give the reference's doubles for every member, at
// every state a solver or a worksheet function can reach, in any order of
// calls: its kept per-density state must never leak into another density.
namespace {

using FluidConstants::Tc;

struct Member {
    const char* name;
    double (FusedModel::*fast)(double) const;
    double (ReferenceModel::*reference)(double) const;
};

const Member members[] = {
    {"pressure", &FusedModel::pressure, &ReferenceModel::pressure},
    {"pressureSlope", &FusedModel::pressureSlope, &ReferenceModel::pressureSlope},
    {"enthalpy", &FusedModel::enthalpy, &ReferenceModel::enthalpy},
    {"entropy", &FusedModel::entropy, &ReferenceModel::entropy},
    {"compressibility", &FusedModel::compressibility, &ReferenceModel::compressibility},
};
constexpr int memberCount = static_cast<int>(std::size(members));

// Densities of the kinds the solvers and worksheet functions evaluate, in
// mol/dm3: compressed liquid, vapour, supercritical, dilute gas, the negative
// iterates of a vapour Newton overshoot, and the exact and non-finite ends.
double drawDensity(std::mt19937_64& random, int kind) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double u = unit(random);
    switch (kind) {
        case 0: return 3.5 + 4.2 * u;                    // liquid, up to the 7.68 bracket end
        case 1: return std::pow(10.0, -4.0 + 4.2 * u);   // vapour, 1e-4 .. 1.6
        case 2: return 6.0 * u;                          // supercritical bracket and beyond
        case 3: return std::pow(10.0, -15.0 + 10.0 * u); // dilute
        case 4: return -4.0 * u;                         // Newton overshoot
        case 5: return -std::pow(10.0, -12.0 + 11.0 * u);
        default: {
            const double ends[] = {0.0,
                                   -0.0,
                                   FluidConstants::Dc,
                                   7.68,
                                   std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::denorm_min()};
            return ends[random() % std::size(ends)];
        }
    }
}

std::vector<double> temperatures(std::mt19937_64& random, int count) {
    std::vector<double> Ts = {165.0, Tc,    2.5 * Tc, 273.15, 400.0, 440.0,
                              100.0, 5.0,   5000.0,   Tc * (1.0 - 1e-12), 1e-300};
    std::uniform_real_distribution<double> range(150.0, 1200.0);
    std::uniform_real_distribution<double> nearCritical(0.99 * Tc, 1.01 * Tc);
    while (static_cast<int>(Ts.size()) < count) {
        Ts.push_back(Ts.size() % 4 == 0 ? nearCritical(random) : range(random));
    }
    return Ts;
}

}  // namespace

TEST(FusedModel, EveryMemberIsTheReferenceDoubleInAnyCallOrder) {
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<int> kindOf(0, 6);
    std::uniform_int_distribution<int> chance(0, 7);
    const int densitiesPerTemperature = 100;
    int states = 0;
    int mismatches = 0;
    for (const double T : temperatures(random, 1010)) {
        const FusedModel fast(T);
        const ReferenceModel reference(T);
        double previous = 1.0;
        for (int i = 0; i < densitiesPerTemperature; ++i) {
            // Now and then go back to the density before: the kept state must
            // be the one of the density asked for, not the last one formed.
            const double rho = chance(random) == 0 ? previous : drawDensity(random, kindOf(random));
            std::array<int, memberCount> order = {0, 1, 2, 3, 4};
            std::shuffle(order.begin(), order.end(), random);
            // Some states see only a prefix (a Newton test, then perhaps its
            // slope), some see a member twice.
            const int calls = chance(random) < 3 ? 1 + chance(random) % memberCount : memberCount;
            std::vector<int> sequence(order.begin(), order.begin() + calls);
            if (chance(random) < 2) {
                sequence.push_back(sequence[random() % sequence.size()]);
            }
            for (const int m : sequence) {
                const double got = (fast.*members[m].fast)(rho);
                const double want = (reference.*members[m].reference)(rho);
                if (!sameDouble(got, want) && ++mismatches <= 10) {
                    ADD_FAILURE() << members[m].name << " at rho " << show(rho) << ", T "
                                  << show(T) << ": fused " << show(got) << ", reference "
                                  << show(want);
                }
            }
            previous = rho;
            ++states;
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << states << " states";
}

// The kept state is keyed by the density's bits: -0 follows +0 and NaN
// follows NaN without reusing a stale sum.
TEST(FusedModel, SignedZeroAndNaNDensitiesAreEvaluatedAfresh) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double sequence[] = {0.0, -0.0, 0.0, nan, nan, -0.0, 1e-300, -1e-300};
    for (const double T : {300.0, Tc, 900.0}) {
        const FusedModel fast(T);
        const ReferenceModel reference(T);
        for (const double rho : sequence) {
            for (const Member& m : members) {
                const double got = (fast.*m.fast)(rho);
                const double want = (reference.*m.reference)(rho);
                EXPECT_TRUE(sameDouble(got, want))
                    << m.name << " at rho " << show(rho) << ", T " << show(T) << ": fused "
                    << show(got) << ", reference " << show(want);
            }
        }
    }
}
