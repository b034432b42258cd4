#include "solvers/density_solver.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "fluid/properties.h"
#include "tests/check_values.h"
#include "tests/traced_model.h"

using namespace FluidConstants;

namespace {

constexpr double twoTo32 = 4294967296.0;

}  // namespace

TEST(DensitySolver, DiluteVapourIsAcceptedAfterTheFourthNewtonUpdate) {
    TracedModel traced(400.0);
    const double rho = densityOfTPWith(traced, 82.5);

    ASSERT_EQ(traced.slopeAt.size(), 4u);
    ASSERT_EQ(traced.pressureAt.size(), 5u);
    EXPECT_TRUE(agreesToDigits(traced.pressureAt[0], 0.349, 3)) << "start dVapOfT(400)";
    EXPECT_TRUE(agreesToDigits(traced.pressureAt[1], -0.155, 3)) << "first iterate";
    EXPECT_EQ(rho, traced.pressureAt[4]) << "the accepted iterate is returned as it is";
    EXPECT_TRUE(agreesToDigits(rho, 0.02538, 4));
    EXPECT_LT(std::fabs(pressureOfDT(rho, 400.0) - 82.5), 82.5 / 1000.0);
    EXPECT_EQ(densityOfTP(400.0, 82.5), rho) << "the shipped path answers the same";
}

TEST(DensitySolver, BisectionAnswersWhenAllNineTestsFail) {
    TracedModel traced(440.0);
    const double rho = densityOfTPWith(traced, 180.6);

    ASSERT_TRUE(traced.bisected()) << traced.pressureAt.size() << " pressures, "
                                   << traced.slopeAt.size() << " slopes";
    EXPECT_EQ(traced.pressureAt[0], dVapOfT(440.0));
    for (int k = 1; k < 9; ++k) {
        EXPECT_LT(traced.pressureAt[k], 0.0) << "iterate " << k << " " << show(traced.pressureAt[k]);
    }
    // The first midpoint halves the vapour bracket [0, dVapOfT].
    EXPECT_EQ(traced.pressureAt[9], dVapOfT(440.0) / 2.0);
    EXPECT_TRUE(agreesToDigits(rho, 0.05115, 4)) << show(rho);
    // Converged to the bracket's resolution, far inside Newton's tolerance.
    EXPECT_NEAR(pressureOfDT(rho, 440.0), 180.6, 1e-5);
    EXPECT_EQ(densityOfTP(440.0, 180.6), rho);
}

TEST(DensitySolver, PhaseChoiceSetsTheStartValue) {
    const double idealOverZc1000At500 =
        (1000.0 / (Rgas * 500.0)) / (Pc / (Dc * Rgas * Tc));  // ideal gas over Zc
    struct Row {
        const char* what;
        double T;
        double p;
        double start;
        double startTolerance;
    };
    const Row rows[] = {
        {"at the vapour pressure: vapour", 300.0, psatOfT(300.0), dVapOfT(300.0), 0.0},
        {"just above it: liquid", 300.0, std::nextafter(psatOfT(300.0), 1e9), dLiqOfT(300.0), 0.0},
        {"T = Tc: supercritical", Tc, 1000.0, (1000.0 / Pc) * Dc, 0.0},
        {"supercritical start", 500.0, 1000.0, idealOverZc1000At500, 1e-15},
        {"below Ttp, unclamped", 150.0, 1.0, dLiqOfT(150.0), 0.0},
    };
    for (const Row& row : rows) {
        TracedModel traced(row.T);
        const double rho = densityOfTPWith(traced, row.p);
        ASSERT_FALSE(traced.pressureAt.empty());
        EXPECT_NEAR(traced.pressureAt[0], row.start, row.startTolerance * row.start)
            << row.what << ": T " << show(row.T) << " p " << show(row.p) << " start "
            << show(traced.pressureAt[0]) << " expected " << show(row.start);
        EXPECT_LT(std::fabs(pressureOfDT(rho, row.T) - row.p), row.p / 1000.0)
            << row.what << ": rho " << show(rho);
    }
}

TEST(DensitySolver, NonPositivePressureHalvesTheBracketTop32Times) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double p : {0.0, -0.0, -1.0, -1e300, -inf}) {
        for (double T : {200.0, 300.0, 441.0}) {
            TracedModel traced(T);
            EXPECT_EQ(densityOfTPWith(traced, p), dVapOfT(T) / twoTo32)
                << "T " << show(T) << " p " << show(p);
            EXPECT_TRUE(traced.bisected());
        }
        for (double T : {Tc, 500.0, 1104.525}) {
            const double rho = densityOfTP(T, p);
            EXPECT_EQ(rho, 5.76 / twoTo32) << "T " << show(T) << " p " << show(p);
            EXPECT_NEAR(rho, 1.341e-9, 0.0005e-9);
        }
    }
}

TEST(DensitySolver, LiquidRootAboveTheBracketEndsJustBelowFourDc) {
    const double T = 170.0;
    const double p = 1e8;
    ASSERT_LT(pressureOfDT(7.68, T), p) << "the root must lie above the bracket";
    TracedModel traced(T);
    const double rho = densityOfTPWith(traced, p);
    EXPECT_TRUE(traced.bisected());
    EXPECT_LT(rho, 7.68);
    EXPECT_GT(rho, 7.68 - (7.68 - 0.98 * dLiqOfT(T)) / twoTo32 * 1.000001) << show(rho);
}
