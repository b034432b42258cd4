#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "tests/check_values.h"

// The build must keep every power a call to the C library's pow. If the
// compiler were allowed to treat pow as a builtin, pow(x, 2.0) with a constant
// exponent would become x * x, which rounds differently for about one input in
// a thousand. Here the same calls with the exponent hidden behind a volatile
// function pointer (so it cannot be folded) must agree bit for bit.
namespace {

double squareAsWritten(double x) { return std::pow(x, 2.0); }
double inverseAsWritten(double x) { return std::pow(x, -1.0); }

std::uint64_t bits(double x) {
    std::uint64_t b = 0;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

}  // namespace

TEST(Powers, ConstantExponentsStayLibraryCalls) {
    double (*volatile libraryPow)(double, double) = &::pow;
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> uniform(-10.0, 10.0);
    for (int i = 0; i < 200000; ++i) {
        const double x = uniform(random);
        ASSERT_EQ(bits(squareAsWritten(x)), bits(libraryPow(x, 2.0))) << show(x);
        ASSERT_EQ(bits(inverseAsWritten(x)), bits(libraryPow(x, -1.0))) << show(x);
    }
}
