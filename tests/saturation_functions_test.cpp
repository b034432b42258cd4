#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "tests/check_values.h"
#include "worksheet/units.h"
#include "worksheet/worksheet_functions.h"

namespace {

// Entered as the host enters them: callee-cleans on 32-bit Windows.
using SaturationFunction = XLOPER*(KORVA_CALL*)(double, std::int32_t);

double call(SaturationFunction f, double x, std::int32_t units) {
    XLOPER* record = f(x, units);
    EXPECT_EQ(record->xltype, xltypeNum);
    return record->val.num;
}

}  // namespace

TEST(SaturationFunctions, LimitValues) {
    struct Row {
        const char* call;
        double actual;
        double expected;
    };
    const Row rows[] = {
        {"Psat(-120, 1)", call(Psat, -120.0, 1), 2.31453352054e-06},
        {"Psat(150, 7)", call(Psat, 150.0, 7), 0.000231453352054},
        {"Psat(200, 1)", call(Psat, 200.0, 1), 18.69},
        {"Tsat(0, 7)", call(Tsat, 0.0, 7), 165.0},
        {"Tsat(5000, 7)", call(Tsat, 5000.0, 7), 441.81},
        {"Vf(500, 7)", call(Vf, 500.0, 7), 0.0016479752001090143},
        {"Vg(441.81, 7)", call(Vg, 441.81, 7), 0.0016479752001090143},
        {"Vf(-200, 1) is Vf at Ttp", call(Vf, -200.0, 1), call(Vf, -108.15, 1)},
        {"Vg(-200, 1) is Vg at Ttp", call(Vg, -200.0, 1), call(Vg, -108.15, 1)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.actual, row.expected) << row.call << " = " << show(row.actual);
    }
    // Values converted back from K keep the conversion's rounding.
    EXPECT_NEAR(call(Psat, 500.0, 0), 271.0755317613, 1e-10);
    EXPECT_NEAR(call(Tsat, 0.0, 1), -108.15, 1e-12);
    EXPECT_NEAR(call(Tsat, 20.0, 1), 168.66, 1e-12);
    EXPECT_NEAR(call(Tsat, 300.0, 0), 335.588, 1e-12);
}

TEST(SaturationFunctions, SampleStates) {
    EXPECT_NEAR(call(Tsat, 0.0, 2), 120.29, 0.005);
    EXPECT_EQ(call(Tsat, 0.0, 2),
              tsatOfP(101.3253532015068) * 1.8 - 459.67);
    EXPECT_NEAR(call(Psat, 0.0, 4), 12.46, 0.005);
    EXPECT_TRUE(agreesToDigits(call(Vf, 0.0, 1), 0.0005969, 4));
    EXPECT_TRUE(agreesToDigits(call(Vg, 0.0, 1), 0.5683, 4));
    // Code 0 takes the same state in degF and answers ft3/lb.
    EXPECT_EQ(call(Vf, 32.0, 0), (1.0 / (FluidConstants::Mw * dLiqOfT(273.15))) * 16.01846353);
    EXPECT_EQ(call(Vg, 32.0, 0), (1.0 / (FluidConstants::Mw * dVapOfT(273.15))) * 16.01846353);
}

TEST(SaturationFunctions, TsatInvertsPsatInEveryUnitSystem) {
    const double resolutionK = (FluidConstants::Tc - FluidConstants::Ttp) / 4294967296.0;
    for (std::int32_t units = 0; units < 8; ++units) {
        // A kelvin is 1.8 degF: the tolerance is in the unit system's own degrees.
        const double degreesPerKelvin = (units == 0 || units == 2) ? 1.8 : 1.0;
        for (int step = 0; step < 20; ++step) {
            const double T_K = 170.0 + 13.7 * step;
            const double Tin = tempFromK(T_K, units)->val.num;
            const double back = call(Tsat, call(Psat, Tin, units), units);
            EXPECT_NEAR(back, Tin, 4.0 * resolutionK * degreesPerKelvin + 1e-12 * std::fabs(Tin))
                << "units " << units << ", T " << show(Tin);
        }
    }
}

TEST(SaturationFunctions, AnyInputIsAnsweredWithANumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const double inputs[] = {std::numeric_limits<double>::quiet_NaN(),
                             inf,
                             -inf,
                             0.0,
                             -0.0,
                             -1e300,
                             1e300,
                             std::numeric_limits<double>::denorm_min(),
                             -459.67,
                             -273.15};
    const std::int32_t codes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, -1,
                                  std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()};
    const SaturationFunction functions[] = {Psat, Tsat, Vf, Vg};
    for (SaturationFunction f : functions) {
        for (double x : inputs) {
            for (std::int32_t units : codes) {
                XLOPER* record = f(x, units);
                ASSERT_NE(record, nullptr);
                EXPECT_EQ(record->xltype, xltypeNum) << show(x) << " units " << units;
            }
        }
    }
}
