#include "fluid/properties.h"

#include <cmath>

#include <gtest/gtest.h>

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "tests/check_values.h"

namespace {

struct Published {
    const char* name;
    double actual;
    double value;
    int digits;
};

void expectPublished(const Published* begin, const Published* end) {
    for (const Published* row = begin; row != end; ++row) {
        EXPECT_TRUE(agreesToDigits(row->actual, row->value, row->digits)) << row->name;
    }
}

}  // namespace

TEST(Properties, ReferenceStateIsSaturatedLiquidAt273K) {
    const double rho = dLiqOfT(273.15);
    const Published rows[] = {
        {"dLiqOfT(273.15)", rho, 5.300786631, 10},
        {"enthalpyOfDT", enthalpyOfDT(rho, 273.15), 199.99989, 8},
        {"entropyOfDT", entropyOfDT(rho, 273.15), 1.0000006, 8},
        {"pressureOfDT", pressureOfDT(rho, 273.15), 12.03859, 7},
        {"helmholtzOfDT", helmholtzOfDT(rho, 273.15), -73.15745, 7},
        {"gibbsOfDT", gibbsOfDT(rho, 273.15), -73.15026, 7},
    };
    expectPublished(std::begin(rows), std::end(rows));
}

TEST(Properties, SaturatedVapourAt273K) {
    const double rho = dVapOfT(273.15);
    const Published rows[] = {
        {"dVapOfT(273.15)", rho, 0.005567459075, 10},
        {"enthalpyOfDT", enthalpyOfDT(rho, 273.15), 301.5816, 7},
        {"entropyOfDT", entropyOfDT(rho, 273.15), 1.371886, 7},
        {"pressureOfDT", pressureOfDT(rho, 273.15), 12.46481, 7},
    };
    expectPublished(std::begin(rows), std::end(rows));
}

TEST(Properties, GasStateAt0p5And400K) {
    const Published rows[] = {
        {"pressureOfDT", pressureOfDT(0.5, 400.0), 996.3502, 7},
        {"dPdD", dPdD(0.5, 400.0), 809.8997, 7},
        {"d2PdD2", d2PdD2(0.5, 400.0), -4091.448, 7},
        {"helmholtzOfDT", helmholtzOfDT(0.5, 400.0), -233.1595, 7},
        {"gibbsOfDT", gibbsOfDT(0.5, 400.0), -226.8544, 7},
        {"entropyOfDT", entropyOfDT(0.5, 400.0), 1.564091, 7},
        {"enthalpyOfDT", enthalpyOfDT(0.5, 400.0), 398.7821, 7},
        {"compressibilityOfDT", compressibilityOfDT(0.5, 400.0), 0.5991670, 7},
        {"cp0OfT(273.15)", cp0OfT(273.15), 266.3909, 7},
        {"cp0OfT(441.81)", cp0OfT(441.81), 316.7606, 7},
        {"compressibilityOfDT(1e-6, 300)", compressibilityOfDT(1e-6, 300.0), 0.999998, 6},
    };
    expectPublished(std::begin(rows), std::end(rows));
}

TEST(Properties, CriticalPoint) {
    using FluidConstants::Dc;
    using FluidConstants::Tc;
    EXPECT_TRUE(agreesToDigits(pressureOfDT(Dc, Tc), 1869.027, 7));
    EXPECT_NEAR(pressureOfDT(Dc, Tc), FluidConstants::Pc, 0.03);
    EXPECT_TRUE(agreesToDigits(dPdD(Dc, Tc), -2.6e-4, 2));
    EXPECT_TRUE(agreesToDigits(d2PdD2(Dc, Tc), 4.5e-4, 2));
}

TEST(Properties, RelationsAreConsistentAcrossStates) {
    struct State {
        double rho;
        double T;
    };
    const State states[] = {{5.3, 273.15}, {0.5, 400.0}, {0.01, 250.0}, {1.92, 441.81},
                            {3.0, 700.0},  {6.0, 180.0}};
    for (const State& s : states) {
        const double g = gibbsOfDT(s.rho, s.T);
        const double hMinusTs = enthalpyOfDT(s.rho, s.T) - s.T * entropyOfDT(s.rho, s.T);
        EXPECT_NEAR(g, hMinusTs, 1e-10 * (std::fabs(g) + std::fabs(enthalpyOfDT(s.rho, s.T))))
            << show(s.rho) << " " << show(s.T);

        const double dT = 1e-4;
        const double minusDaDT =
            -(helmholtzOfDT(s.rho, s.T + dT) - helmholtzOfDT(s.rho, s.T - dT)) / (2.0 * dT);
        EXPECT_NEAR(entropyOfDT(s.rho, s.T), minusDaDT, 1e-8) << show(s.rho) << " " << show(s.T);

        const double dRho = 1e-6 * s.rho;
        const double pSlope =
            (pressureOfDT(s.rho + dRho, s.T) - pressureOfDT(s.rho - dRho, s.T)) / (2.0 * dRho);
        EXPECT_NEAR(dPdD(s.rho, s.T), pSlope, 1e-6 * (std::fabs(pSlope) + 1.0));
        const double curvature = (dPdD(s.rho + dRho, s.T) - dPdD(s.rho - dRho, s.T)) / (2.0 * dRho);
        EXPECT_NEAR(d2PdD2(s.rho, s.T), curvature, 1e-5 * (std::fabs(curvature) + 1.0));
    }
}

TEST(Properties, DilutePressureAndOutsideTheDomain) {
    EXPECT_EQ(pressureOfDT(0.0, 300.0), 0.0);
    EXPECT_TRUE(std::isnan(dPdD(0.0, 300.0)));
    EXPECT_TRUE(std::isnan(compressibilityOfDT(0.0, 300.0)));
    EXPECT_FALSE(std::isfinite(enthalpyOfDT(0.0, 300.0)));
    EXPECT_FALSE(std::isfinite(entropyOfDT(-1.0, 300.0)));
    EXPECT_TRUE(std::isfinite(pressureOfDT(-1.0, 300.0)));
    EXPECT_FALSE(std::isfinite(pressureOfDT(1.0, -300.0)));
    EXPECT_FALSE(std::isfinite(enthalpyOfDT(1.0, 0.0)));
}
