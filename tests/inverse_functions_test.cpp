#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "fluid/properties.h"
#include "tests/check_values.h"
#include "tests/worksheet_calls.h"

using namespace FluidConstants;

namespace {

struct State {
    double T_K, p_kPa;
};

// Single-phase states from 166 K to 1100 K and 1e-3 kPa to 18 MPa, kept 2 %
// away from the vapour pressure, where the phase choice is unambiguous.
std::vector<State> singlePhaseGrid() {
    const double temperatures[] = {166.0, 230.0, 300.0, 370.0, 425.0, 445.0, 600.0, 1100.0};
    const double pressures[] = {1e-3, 0.3, 20.0, 400.0, 1500.0, 2500.0, 18000.0};
    std::vector<State> grid;
    for (double T : temperatures) {
        for (double p : pressures) {
            if (T < Tc && std::fabs(p / psatOfT(T) - 1.0) < 0.02) {
                continue;
            }
            grid.push_back({T, p});
        }
    }
    return grid;
}

}  // namespace

TEST(InverseFunctions, RoundTripsInEveryUnitSystem) {
    const std::vector<State> grid = singlePhaseGrid();
    for (std::int32_t units = 0; units < 8; ++units) {
        const double toleranceT = 3e-7 * degreesPerKelvin(units);
        for (const State& state : grid) {
            const double T = temperatureIn(state.T_K, units);
            const double P = pressureIn(state.p_kPa, units);
            const double H = call(HofTP, T, P, units);
            const double S = call(SofTP, T, P, units);
            const double fromH = call(TofPH, P, H, units);
            const double fromS = call(TofPS, P, S, units);
            const double hFromS = call(HofPS, P, S, units);
            const std::string row = "units " + std::to_string(units) + " T " + show(T) + " P " +
                                    show(P) + " H " + show(H) + " S " + show(S);
            EXPECT_NEAR(fromH, T, toleranceT) << row << " TofPH " << show(fromH);
            EXPECT_NEAR(fromS, T, toleranceT) << row << " TofPS " << show(fromS);
            EXPECT_NEAR(hFromS, H, 1e-6) << row << " HofPS " << show(hFromS);
        }
    }
}

TEST(InverseFunctions, TwoPhaseAnswersTsatInEveryUnitSystem) {
    for (double p : {1.0, 101.325, 1500.0}) {
        const double Ts = tsatOfP(p);
        const double hL = enthalpyOfDT(dLiqOfT(Ts), Ts);
        const double hV = enthalpyOfDT(dVapOfT(Ts), Ts);
        const double sL = entropyOfDT(dLiqOfT(Ts), Ts);
        const double sV = entropyOfDT(dVapOfT(Ts), Ts);
        for (std::int32_t units = 0; units < 8; ++units) {
            const double P = pressureIn(p, units);
            const double tsat = call(Tsat, P, units);
            // A fifth of the way in, well clear of either end after conversion.
            const double H = enthFromKJkg(hL + 0.2 * (hV - hL), units)->val.num;
            const double S = entrFromKJkgK(sL + 0.2 * (sV - sL), units)->val.num;
            EXPECT_EQ(call(TofPH, P, H, units), tsat) << "units " << units << " p " << show(p);
            EXPECT_EQ(call(TofPS, P, S, units), tsat) << "units " << units << " p " << show(p);
            const double h = enthToKJkg(call(HofPS, P, S, units), units);
            EXPECT_NEAR(h, hL + 0.2 * (hV - hL), 1e-9 * hV) << "units " << units << " p " << show(p);
        }
    }
}

TEST(InverseFunctions, LimitsAreJudgedInInternalUnits) {
    EXPECT_EQ(call(TofPH, 100.0, -1.0, 7), 165.0);
    EXPECT_NEAR(call(TofPH, 100.0, -1.0, 1), -108.15, 1e-12);
    EXPECT_NEAR(call(TofPS, 1.0, -1.0, 0), 165.0 * 1.8 - 459.67, 1e-12);
    EXPECT_EQ(call(HofPS, 100.0, -1.0, 7), call(HofTP, 165.0, 100.0, 7));
    EXPECT_EQ(call(TofPH, 100.0, 1501.0, 7), 1104.525);
    // 700 Btu/lb is 1628 kJ/kg: above the window, although 700 < 1500.
    EXPECT_NEAR(call(TofPH, 14.5, 700.0, 0), 1104.525 * 1.8 - 459.67, 1e-12);
    // 180 MPa is above 10 Pc.
    EXPECT_NEAR(call(TofPS, 180.0, 1.0, 3), 165.0, 1e-12);
}

TEST(InverseFunctions, SameStateInTwoUnitSystems) {
    for (const State& state : {State{250.0, 2.0}, State{350.0, 3000.0}, State{700.0, 50.0}}) {
        const double s = call(SofTP, state.T_K, state.p_kPa, 7);
        EXPECT_EQ(call(TofPS, state.p_kPa, s, 4), call(TofPS, state.p_kPa, s, 7) - 273.15)
            << show(state.T_K);
    }
}
