#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Every pow and exp call of the linked code, recorded while counting is on.
// Only the counting program links this (with -Wl,--wrap=pow,--wrap=exp);
// the add-in and the benchmark call the C library directly.
struct CallRecord {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> pow;  // bits of (x, y)
    std::vector<std::uint64_t> exp;                            // bits of x
};

void startRecording();
CallRecord stopRecording();
