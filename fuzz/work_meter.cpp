#include "fuzz/work_meter.h"

#include <cstdlib>
#include <limits>

namespace {

std::uint64_t callCount = 0;
std::uint64_t callLimit = std::numeric_limits<std::uint64_t>::max();
void (*exceeded)() = nullptr;

void count() {
    if (++callCount > callLimit && exceeded != nullptr) {
        exceeded();
        std::abort();
    }
}

}  // namespace

namespace WorkMeter {

std::uint64_t calls() { return callCount; }
void reset() { callCount = 0; }

void limitTo(std::uint64_t limit, void (*onExceeded)()) {
    callLimit = limit;
    exceeded = onExceeded;
}

void unlimit() {
    callLimit = std::numeric_limits<std::uint64_t>::max();
    exceeded = nullptr;
}

}  // namespace WorkMeter

// The linker's --wrap sends every call of pow, exp and log here and the
// originals stay reachable as __real_*. The names are the linker's, hence
// reserved.
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp,readability-identifier-naming)
extern "C" {
double __real_pow(double x, double y);
double __real_exp(double x);
double __real_log(double x);

double __wrap_pow(double x, double y) {
    count();
    return __real_pow(x, y);
}
double __wrap_exp(double x) {
    count();
    return __real_exp(x);
}
double __wrap_log(double x) {
    count();
    return __real_log(x);
}
}
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp,readability-identifier-naming)
