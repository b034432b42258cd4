#include "solvers/inverse_solvers.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "fluid/properties.h"
#include "solvers/density_solver.h"
#include "solvers/reference_model.h"
#include "tests/check_values.h"

using namespace FluidConstants;

namespace {

constexpr double twoTo32 = 4294967296.0;
constexpr double topT = 1104.525;  // 2.5 Tc
constexpr double maxResolutionK = (topT - Ttp) / twoTo32;

// Saturated values as the solvers judge them: at the ancillary densities.
struct Saturated {
    double Ts, hL, hV, sL, sV;
};

Saturated saturatedAt(double p) {
    const double Ts = tsatOfP(p);
    return {Ts, enthalpyOfDT(dLiqOfT(Ts), Ts), enthalpyOfDT(dVapOfT(Ts), Ts),
            entropyOfDT(dLiqOfT(Ts), Ts), entropyOfDT(dVapOfT(Ts), Ts)};
}

double enthalpyOfTP(double T, double p) { return enthalpyOfDT(densityOfTP(T, p), T); }

}  // namespace

TEST(InverseSolvers, WindowLimitsInTheirOrder) {
    const double inf = std::numeric_limits<double>::infinity();
    const double aboveTenPc = std::nextafter(18690.0, inf);
    struct Row {
        const char* what;
        double actual;
        double expected;
    };
    const Row rows[] = {
        {"h: p above 10 Pc", tOfPH(aboveTenPc, 300.0), Ttp},
        {"h: p above 10 Pc, h above the window", tOfPH(1e5, 2000.0), Ttp},
        {"h: negative", tOfPH(100.0, -1e-300), Ttp},
        {"h: negative at a tiny pressure", tOfPH(1e-9, -1.0), Ttp},
        {"h: above 1500", tOfPH(100.0, std::nextafter(1500.0, inf)), topT},
        {"h: far above", tOfPH(100.0, 1e300), topT},
        {"h: p below Ptp/10", tOfPH(2.3e-5, 300.0), topT},
        {"s: p above 10 Pc", tOfPS(aboveTenPc, 1.5), Ttp},
        {"s: negative", tOfPS(100.0, -1e-300), Ttp},
        {"s: above 5", tOfPS(100.0, std::nextafter(5.0, inf)), topT},
        {"s: p below Ptp/10", tOfPS(2.3e-5, 1.5), topT},
        {"s: p above 10 Pc, s above 5", tOfPS(1e5, 6.0), Ttp},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.actual, row.expected) << row.what << ": " << show(row.actual);
    }
}

TEST(InverseSolvers, WindowEdgesAreInside) {
    // 18690 kPa is inside: an ordinary bisection answer.
    const double T = tOfPH(18690.0, 300.0);
    EXPECT_GT(T, Ttp);
    EXPECT_LT(T, topT);
    EXPECT_NEAR(enthalpyOfTP(T, 18690.0), 300.0, 1e-4) << show(T);
    // 1500 kJ/kg and 5 kJ/(kg K) lie above every state: the search ends at its top.
    for (double X : {tOfPH(100.0, 1500.0), tOfPS(100.0, 5.0), tOfPH(5000.0, 1500.0)}) {
        EXPECT_LT(X, topT);
        EXPECT_GE(X, topT - maxResolutionK * (1.0 + 1e-9)) << show(X);
    }
}

// Enthalpies above 250 kJ/kg (every vapour from about 210 K, every liquid from
// about 318.5 K) are real states and are solved, not sent to 2.5 Tc.
TEST(InverseSolvers, EnthalpiesAbove250AreSolved) {
    struct Row {
        double T, p;
    };
    const Row rows[] = {{350.0, 100.0}, {330.0, 1000.0}, {1000.0, 0.001}, {1100.0, 18000.0}};
    for (const Row& row : rows) {
        const double h = enthalpyOfTP(row.T, row.p);
        ASSERT_GT(h, 250.0);
        EXPECT_NEAR(tOfPH(row.p, h), row.T, 3e-7)
            << "T " << show(row.T) << " p " << show(row.p) << " h " << show(h);
    }
    EXPECT_GT(enthalpyOfTP(topT, 0.0000231453352054), 1291.0) << "the most dilute gas at 2.5 Tc";
    EXPECT_LT(enthalpyOfTP(topT, 0.0000231453352054), 1500.0);
}

TEST(InverseSolvers, TwoPhaseInputsAnswerTheSaturationTemperature) {
    for (double p : {0.001, 1.0, 100.0, 1000.0, 1868.0}) {
        const Saturated sat = saturatedAt(p);
        // Both ends of the band are inside it.
        const double hs[] = {sat.hL, sat.hL + 0.3 * (sat.hV - sat.hL), sat.hV};
        const double ss[] = {sat.sL, sat.sL + 0.3 * (sat.sV - sat.sL), sat.sV};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(tOfPH(p, hs[i]), sat.Ts) << "p " << show(p) << " h " << show(hs[i]);
            EXPECT_EQ(tOfPS(p, ss[i]), sat.Ts) << "p " << show(p) << " s " << show(ss[i]);
        }
        // Just outside the band the bisection takes over, on the right side.
        EXPECT_LT(tOfPH(p, std::nextafter(sat.hL, -1.0)), sat.Ts) << show(p);
        EXPECT_GT(tOfPS(p, std::nextafter(sat.sV, 10.0)), sat.Ts) << show(p);
    }
}

TEST(InverseSolvers, BracketsThatCollapseToTheTriplePoint) {
    // Between Ptp/10 and Ptp the saturation temperature is Ttp: [165, 165].
    for (double p : {2.4e-5, 1e-4, Ptp}) {
        EXPECT_EQ(tOfPH(p, 10.0), Ttp) << show(p);
        EXPECT_EQ(tOfPS(p, 0.1), Ttp) << show(p);
    }
    // Below the liquid at 165 K every midpoint moves the top down: one step
    // of the last halving above Ttp.
    for (double p : {1.0, 100.0, 1800.0}) {
        ASSERT_GT(enthalpyOfTP(Ttp, p), 0.0);
        const double expected = Ttp + (tsatOfP(p) - Ttp) / twoTo32;
        EXPECT_DOUBLE_EQ(tOfPH(p, 0.0), expected) << show(p);
        EXPECT_DOUBLE_EQ(tOfPS(p, 0.0), expected) << show(p);
    }
}

TEST(InverseSolvers, TwoPhaseEnthalpyIsTheMixtureOfTheSaturatedStates) {
    for (double p : {1.0, 100.0, 1000.0, 1800.0}) {
        const Saturated sat = saturatedAt(p);
        const auto sAt = [&](double x) { return sat.sL + x * (sat.sV - sat.sL); };
        EXPECT_EQ(hOfPS(p, sat.sL), sat.hL) << show(p);
        double previous = sat.hL;
        for (double s : {sAt(0.25), sAt(0.5), sAt(0.75), sat.sV}) {
            const double h = hOfPS(p, s);
            EXPECT_GT(h, previous) << "p " << show(p) << " s " << show(s);
            EXPECT_LE(h, sat.hV * (1.0 + 1e-15)) << "p " << show(p) << " s " << show(s);
            previous = h;
        }
        // dh = T ds along the isobar: the mixture's slope is the saturation
        // temperature, to the consistency of the ancillaries with the model.
        const double slope = (hOfPS(p, sAt(0.75)) - hOfPS(p, sAt(0.25))) / (sAt(0.75) - sAt(0.25));
        EXPECT_NEAR(slope / sat.Ts, 1.0, 1e-3) << "p " << show(p) << " slope " << show(slope);
        // No jump of a whole enthalpy of vaporisation at either end of the band.
        EXPECT_NEAR(hOfPS(p, std::nextafter(sat.sL, 0.0)), sat.hL, 0.1) << show(p);
        EXPECT_NEAR(hOfPS(p, std::nextafter(sat.sV, 10.0)), hOfPS(p, sat.sV), 0.1) << show(p);
    }
}

TEST(InverseSolvers, EnthalpyOutsideTheBandIsTheStateAtTheSolvedTemperature) {
    struct Row {
        double p, s;
    };
    const Row rows[] = {{100.0, -1.0}, {100.0, 6.0}, {1e-6, 1.0}, {100.0, 0.8}, {5000.0, 1.5}};
    for (const Row& row : rows) {
        const double T = tOfPS(row.p, row.s);
        EXPECT_EQ(hOfPS(row.p, row.s), enthalpyOfTP(T, row.p))
            << "p " << show(row.p) << " s " << show(row.s) << " T " << show(T);
    }
}
