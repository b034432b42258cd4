#include "fluid/ancillaries.h"

#include <cmath>

#include <gtest/gtest.h>

#include "fluid/constants.h"
#include "tests/check_values.h"

using namespace FluidConstants;

TEST(Ancillaries, LimitsAreExact) {
    struct Row {
        const char* what;
        double actual;
        double expected;
    };
    const Row rows[] = {
        {"psatOfT at Tc", psatOfT(441.81), 1869.0},
        {"psatOfT above Tc", psatOfT(500.0), 1869.0},
        {"psatOfT far below Ttp", psatOfT(100.0), 0.000231453352054},
        {"psatOfT just below Ttp", psatOfT(164.9), 0.000231453352054},
        {"tsatOfP at Ptp (inclusive)", tsatOfP(0.000231453352054), 165.0},
        {"tsatOfP at Pc (inclusive)", tsatOfP(1869.0), 441.81},
        {"tsatOfP of zero", tsatOfP(0.0), 165.0},
        {"tsatOfP above Pc", tsatOfP(5000.0), 441.81},
        {"dLiqOfT at Tc", dLiqOfT(441.81), 1.92},
        {"dVapOfT at Tc", dVapOfT(441.81), 1.92},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.actual, row.expected) << row.what << ": " << show(row.actual);
    }
}

TEST(Ancillaries, SampleValues) {
    struct Row {
        const char* what;
        double actual;
        double expected;
        int digits;
    };
    const Row rows[] = {
        {"psatOfT(165), the correlation", psatOfT(165.0), 0.000231409, 6},
        {"psatOfT(273.15)", psatOfT(273.15), 12.4616, 6},
        {"psatOfT(400)", psatOfT(400.0), 825.012, 6},
        {"tsatOfP(101.325)", tsatOfP(101.325), 322.1994, 7},
        {"dLiqOfT(273.15)", dLiqOfT(273.15), 5.30079, 6},
        {"dVapOfT(273.15)", dVapOfT(273.15), 0.00556746, 6},
        {"dLiqOfT(165)", dLiqOfT(165.0), 6.23453, 6},
        {"dVapOfT(165)", dVapOfT(165.0), 1.68675e-7, 6},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(agreesToDigits(row.actual, row.expected, row.digits)) << row.what;
    }
    // The correlation at Ttp lies just below the constant that answers below it.
    EXPECT_LT(psatOfT(165.0), Ptp);
}

TEST(Ancillaries, SaturationTemperatureInvertsVapourPressure) {
    EXPECT_NEAR(psatOfT(tsatOfP(101.325)) / 101.325, 1.0, 1e-9);
    // The bisection's resolution is (Tc - Ttp) / 2^32, about 6.4e-8 K.
    const double resolution = (Tc - Ttp) / 4294967296.0;
    for (int step = 0; step < 38; ++step) {
        const double T = 166.0 + 7.3 * step;
        EXPECT_NEAR(tsatOfP(psatOfT(T)), T, 2.0 * resolution) << show(T);
    }
}

TEST(Ancillaries, VapourPressureRisesWithTemperature) {
    double previous = psatOfT(Ttp);
    for (int step = 1; Ttp + 0.25 * step <= Tc; ++step) {
        const double T = Ttp + 0.25 * step;
        const double p = psatOfT(T);
        ASSERT_GT(p, previous) << show(T);
        previous = p;
    }
}
