#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

// Two evaluation paths agree when their results are the same double: the
// same bits (so +0 and -0 differ), except that any NaN matches any NaN, as
// the sign and payload of a NaN are not part of the arithmetic's result.
inline bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    std::uint64_t bitsA = 0;
    std::uint64_t bitsB = 0;
    std::memcpy(&bitsA, &a, sizeof a);
    std::memcpy(&bitsB, &b, sizeof b);
    return bitsA == bitsB;
}
