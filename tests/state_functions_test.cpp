#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "tests/check_values.h"
#include "tests/worksheet_calls.h"

using namespace FluidConstants;

TEST(SaturatedPropertyFunctions, ReferenceStateAndSaturatedVapour) {
    EXPECT_TRUE(agreesToDigits(call(Hf, 0.0, 1), 200.0, 4));
    EXPECT_TRUE(agreesToDigits(call(Sf, 0.0, 1), 1.000, 4));
    EXPECT_TRUE(agreesToDigits(call(Hg, 0.0, 1), 301.5816, 7));
    EXPECT_TRUE(agreesToDigits(call(Sg, 0.0, 1), 1.371886, 7));
    EXPECT_TRUE(agreesToDigits(call(Hf, 32.0, 0), 85.98, 4));
    EXPECT_TRUE(agreesToDigits(call(Sf, 32.0, 0), 0.2388, 4));
}

TEST(SaturatedPropertyFunctions, ClampedToTheSaturationLine) {
    struct Row {
        const char* what;
        double actual;
        double expected;
    };
    const Row rows[] = {
        {"Hf = Hg at Tc", call(Hf, Tc, 7), call(Hg, Tc, 7)},
        {"Sf = Sg at Tc", call(Sf, Tc, 7), call(Sg, Tc, 7)},
        {"Hf above Tc is Hf at Tc", call(Hf, 600.0, 7), call(Hf, Tc, 7)},
        {"Sg above Tc is Sg at Tc", call(Sg, 600.0, 7), call(Sg, Tc, 7)},
        {"Hf below Ttp is Hf at Ttp", call(Hf, -200.0, 1), call(Hf, -108.15, 1)},
        {"Hg below Ttp is Hg at Ttp", call(Hg, 10.0, 7), call(Hg, Ttp, 7)},
        {"Sf below Ttp is Sf at Ttp", call(Sf, 0.0, 3), call(Sf, Ttp, 3)},
        {"Sg below Ttp is Sg at Ttp", call(Sg, -1e300, 7), call(Sg, Ttp, 7)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.actual, row.expected)
            << row.what << ": " << show(row.actual) << " vs " << show(row.expected);
    }
}

// Published values of the equation of state at 0.5 mol/dm3 and 400 K.
TEST(StateFunctions, TemperatureAndVolumeAtAPublishedState) {
    const double v = 1.0 / (Mw * 0.5);
    EXPECT_TRUE(agreesToDigits(call(PofTV, 400.0, v, 7), 996.3502, 7));
    EXPECT_TRUE(agreesToDigits(call(HofTV, 400.0, v, 7), 398.7821, 7));
    EXPECT_TRUE(agreesToDigits(call(SofTV, 400.0, v, 7), 1.564091, 7));
    EXPECT_TRUE(agreesToDigits(call(ZofTV, 400.0, v, 7), 0.5991670, 7));
    EXPECT_TRUE(agreesToDigits(call(PofTV, 126.85, v, 1), 9.963502, 7)) << "bar at 400 K";
    EXPECT_TRUE(agreesToDigits(call(ZofTV, 300.0, 1.0 / (Mw * 1e-6), 7), 0.999998, 6));
    EXPECT_NEAR(call(ZofTV, 300.0, 1e12, 7), 1.0, 1e-12);
}

// The (T, P) functions solve for the density the (T, V) functions are given.
TEST(StateFunctions, TemperatureVolumeAndTemperaturePressureAgree) {
    struct State {
        double T_K, p_kPa;
    };
    const State states[] = {{200.0, 1.0},    {300.0, 5.0},     {300.0, 5000.0},
                            {430.0, 1800.0}, {445.0, 1900.0}, {800.0, 18000.0}};
    for (std::int32_t units = 0; units < 8; ++units) {
        for (const State& state : states) {
            const double T = temperatureIn(state.T_K, units);
            const double P = pressureIn(state.p_kPa, units);
            const double V = call(VofTP, T, P, units);
            const double backToKPa = presToKPa(call(PofTV, T, V, units), units);
            const double relative[] = {
                backToKPa / state.p_kPa - 1.0,
                call(HofTV, T, V, units) / call(HofTP, T, P, units) - 1.0,
                call(SofTV, T, V, units) / call(SofTP, T, P, units) - 1.0,
                call(ZofTV, T, V, units) / call(ZofTP, T, P, units) - 1.0,
            };
            const double tolerance[] = {1e-3, 1e-12, 1e-12, 1e-12};
            for (int i = 0; i < 4; ++i) {
                EXPECT_LT(std::fabs(relative[i]), tolerance[i])
                    << "units " << units << " T " << show(T) << " P " << show(P) << " V "
                    << show(V) << " check " << i << " off by " << show(relative[i]);
            }
        }
    }
}

TEST(StateFunctions, SameStateInEveryUnitSystem) {
    struct State {
        double T_K, p_kPa;
    };
    const State states[] = {{250.0, 2.0}, {350.0, 3000.0}, {600.0, 500.0}};
    for (const State& state : states) {
        const double h7 = call(HofTP, state.T_K, state.p_kPa, 7);
        const double s7 = call(SofTP, state.T_K, state.p_kPa, 7);
        const double z7 = call(ZofTP, state.T_K, state.p_kPa, 7);
        const double h0 = call(HofTP, temperatureIn(state.T_K, 0), pressureIn(state.p_kPa, 0), 0);
        const double s5 = call(SofTP, temperatureIn(state.T_K, 5), pressureIn(state.p_kPa, 5), 5);
        EXPECT_NEAR(h0, h7 / 2.326, 1e-12 * std::fabs(h7)) << show(state.T_K) << " " << show(h0);
        EXPECT_NEAR(s5, s7 / 4.1868, 1e-12 * std::fabs(s7)) << show(state.T_K) << " " << show(s5);
        for (std::int32_t units = 0; units < 8; ++units) {
            const double z = call(ZofTP, temperatureIn(state.T_K, units),
                                  pressureIn(state.p_kPa, units), units);
            EXPECT_NEAR(z, z7, 1e-12 * z7) << "units " << units << " T " << show(state.T_K);
        }
    }
}
