#pragma once

#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

// A published check value printed to `digits` significant digits holds the
// computed value to within half a unit of its last digit.
inline ::testing::AssertionResult agreesToDigits(double actual, double expected, int digits) {
    const double lastDigit =
        std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - (digits - 1));
    if (std::fabs(actual - expected) <= 0.5 * lastDigit * (1.0 + 1e-9)) {
        return ::testing::AssertionSuccess();
    }
    char text[160];
    std::snprintf(text, sizeof text, "computed %.17g, published %.*g (%d digits)", actual,
                  digits, expected, digits);
    return ::testing::AssertionFailure() << text;
}

inline std::string show(double x) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}
