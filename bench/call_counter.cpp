#include "bench/call_counter.h"

#include <cstring>

namespace {

bool recording = false;
CallRecord record;

std::uint64_t bitsOf(double x) {
    std::uint64_t b = 0;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

}  // namespace

void startRecording() {
    record = CallRecord{};
    recording = true;
}

CallRecord stopRecording() {
    recording = false;
    return std::move(record);
}

// The linker sends every reference to pow and exp here and names the C
// library's own functions __real_pow and __real_exp.
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp,readability-identifier-naming)
extern "C" double __real_pow(double x, double y);
extern "C" double __real_exp(double x);

extern "C" double __wrap_pow(double x, double y) {
    if (recording) {
        record.pow.emplace_back(bitsOf(x), bitsOf(y));
    }
    return __real_pow(x, y);
}

extern "C" double __wrap_exp(double x) {
    if (recording) {
        record.exp.push_back(bitsOf(x));
    }
    return __real_exp(x);
}
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp,readability-identifier-naming)
