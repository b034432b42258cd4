#include "fluid/helmholtz.h"

#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "tests/check_values.h"

namespace {

using Routine = double (*)(double, double);

struct Published {
    const char* name;
    Routine routine;
    double value;
};

}  // namespace

TEST(Helmholtz, CheckValuesAtDelta1p3Tau1p7) {
    const Published rows[] = {
        {"alpha0", alpha0, -2.991141996},        {"alpha0_t", alpha0_t, 24.43495375},
        {"arPoly", arPoly, -3.388010723},        {"arPoly_d", arPoly_d, -4.699178168},
        {"arPoly_dd", arPoly_dd, -1.446341000},  {"arPoly_ddd", arPoly_ddd, 4.838812019},
        {"arPoly_t", arPoly_t, -2.773956374},    {"arExp", arExp, -0.7993333085},
        {"arExp_d", arExp_d, 5.327378187},       {"arExp_dd", arExp_dd, -0.7777621375},
        {"arExp_ddd", arExp_ddd, -26.94849775},  {"arExp_t", arExp_t, -1.942236086},
        {"arGauss", arGauss, -0.4876733879},     {"arGauss_d", arGauss_d, -2.072539289},
        {"arGauss_dd", arGauss_dd, 3.892890900}, {"arGauss_ddd", arGauss_ddd, 19.40170101},
        {"arGauss_t", arGauss_t, -2.241050873},  {"alphaR", alphaR, -4.675017420},
        {"alphaR_d", alphaR_d, -1.444339269},    {"alphaR_dd", alphaR_dd, 1.668787762},
        {"alphaR_ddd", alphaR_ddd, -2.707984716}, {"alphaR_t", alphaR_t, -6.957243333},
    };
    for (const Published& row : rows) {
        EXPECT_TRUE(agreesToDigits(row.routine(1.3, 1.7), row.value, 10)) << row.name;
    }
}

TEST(Helmholtz, PolynomialSumsAtTheCriticalPointAreCoefficientSums) {
    EXPECT_TRUE(agreesToDigits(arPoly(1.0, 1.0), -0.83522082, 8));
    EXPECT_TRUE(agreesToDigits(arPoly_d(1.0, 1.0), -1.63707798, 9));
    EXPECT_TRUE(agreesToDigits(arPoly_t(1.0, 1.0), -1.916997185, 10));
}

TEST(Helmholtz, CriticalConditionsHoldClosely) {
    const double first = 1.0 + 2.0 * alphaR_d(1.0, 1.0) + alphaR_dd(1.0, 1.0);
    const double second = 2.0 * alphaR_d(1.0, 1.0) + 4.0 * alphaR_dd(1.0, 1.0) + alphaR_ddd(1.0, 1.0);
    EXPECT_TRUE(agreesToDigits(first, -7.14e-8, 3)) << show(first);
    EXPECT_TRUE(agreesToDigits(second, 2.34e-7, 3)) << show(second);
}

TEST(Helmholtz, DerivativesAgreeWithCentralDifferences) {
    struct Pair {
        const char* name;
        Routine derivative;
        Routine of;
        bool inTau;
    };
    const Pair pairs[] = {
        {"alpha0_t", alpha0_t, alpha0, true},
        {"arPoly_d", arPoly_d, arPoly, false},     {"arPoly_dd", arPoly_dd, arPoly_d, false},
        {"arPoly_ddd", arPoly_ddd, arPoly_dd, false}, {"arPoly_t", arPoly_t, arPoly, true},
        {"arExp_d", arExp_d, arExp, false},        {"arExp_dd", arExp_dd, arExp_d, false},
        {"arExp_ddd", arExp_ddd, arExp_dd, false}, {"arExp_t", arExp_t, arExp, true},
        {"arGauss_d", arGauss_d, arGauss, false},  {"arGauss_dd", arGauss_dd, arGauss_d, false},
        {"arGauss_ddd", arGauss_ddd, arGauss_dd, false}, {"arGauss_t", arGauss_t, arGauss, true},
    };
    const double delta = 1.3;
    const double tau = 1.7;
    const double h = 1e-5;
    for (const Pair& pair : pairs) {
        const double difference =
            pair.inTau ? (pair.of(delta, tau + h) - pair.of(delta, tau - h)) / (2.0 * h)
                       : (pair.of(delta + h, tau) - pair.of(delta - h, tau)) / (2.0 * h);
        const double analytic = pair.derivative(delta, tau);
        EXPECT_NEAR(analytic, difference, 1e-8 * std::fabs(analytic))
            << pair.name << ": analytic " << show(analytic) << ", difference " << show(difference);
    }
}

TEST(Helmholtz, OutsideThePhysicalDomain) {
    EXPECT_TRUE(agreesToDigits(alphaR(-0.5, 1.5), 2.137874870, 10));
    EXPECT_TRUE(agreesToDigits(alphaR_d(-0.5, 1.5), -5.520424030, 10));
    EXPECT_EQ(alphaR(0.0, 1.5), 0.0);
    EXPECT_TRUE(agreesToDigits(alphaR_d(0.0, 1.5), -3.951141252, 10));
    EXPECT_EQ(alpha0(0.0, 1.5), -INFINITY);
    EXPECT_TRUE(std::isnan(alpha0(-0.5, 1.5)));
    EXPECT_TRUE(std::isnan(alphaR_dd(0.0, 1.5)));
    EXPECT_TRUE(std::isnan(alphaR_ddd(0.0, 1.5)));
    const Routine residual[] = {alphaR, alphaR_d, alphaR_dd, alphaR_ddd, alphaR_t};
    for (Routine routine : residual) {
        EXPECT_TRUE(std::isfinite(routine(-0.5, 1.5)));
    }
}
