// Fuzz target: the worksheet functions over arbitrary arguments.
//
// Input bytes: [0] the function (index into the registration table, modulo
// the number of functions), [1..4] the unit code, [5..12] the first double,
// [13..20] the second double, each in the machine's byte order; missing bytes
// are zero, so any bit pattern (NaN payloads, infinities, denormals, negative
// zero) and any unit code reach every function.
//
// Every call must answer the one result record with type word 1, a code
// outside 0-7 must answer bit for bit what code 7 answers, and no call may do
// more work than its fixed bound: at most the number of model evaluations
// that its algorithm allows, each at the C library calls that one evaluation
// of that routine makes. The bound is checked by counting those calls (see
// work_meter.h), so a loop that would not end is stopped at its first call
// past the bound, on any machine, without a timer.
#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "addin/registration_table.h"
#include "fluid/ancillaries.h"
#include "fluid/properties.h"
#include "fuzz/work_meter.h"
#include "worksheet/result_record.h"
#include "worksheet/worksheet_functions.h"

namespace {

// C library calls of one evaluation of each model routine, measured once.
struct RoutineCosts {
    std::uint64_t psat;
    std::uint64_t dLiq;
    std::uint64_t dVap;
    std::uint64_t pressure;
    std::uint64_t slope;
    std::uint64_t enthalpy;
    std::uint64_t entropy;
    std::uint64_t compressibility;
};

template <class Routine>
std::uint64_t costOf(Routine routine) {
    WorkMeter::reset();
    volatile double sink = routine();
    (void)sink;
    return WorkMeter::calls();
}

RoutineCosts measureCosts() {
    // An ordinary liquid state: no routine takes an early exit there.
    const double T = 300.0;
    const double rho = 3.5;
    return {costOf([&] { return psatOfT(T); }),
            costOf([&] { return dLiqOfT(T); }),
            costOf([&] { return dVapOfT(T); }),
            costOf([&] { return pressureOfDT(rho, T); }),
            costOf([&] { return dPdD(rho, T); }),
            costOf([&] { return enthalpyOfDT(rho, T); }),
            costOf([&] { return entropyOfDT(rho, T); }),
            costOf([&] { return compressibilityOfDT(rho, T); })};
}

// Work of the two solvers, in C library calls, as their algorithms bound it.
// The density solver: one vapour pressure and one ancillary density to choose
// the phase and start, at most nine pressures and eight slopes in the Newton
// stage, then 32 pressures in the bisection.
std::uint64_t densitySolve(const RoutineCosts& c) {
    return c.psat + std::max(c.dLiq, c.dVap) + 9 * c.pressure + 8 * c.slope + 32 * c.pressure;
}
// The temperature search: the saturation temperature (32 vapour pressures),
// the property at both ancillary densities, then 32 halvings of one density
// solve and one property each.
std::uint64_t temperatureSearch(const RoutineCosts& c, std::uint64_t property) {
    return 32 * c.psat + c.dLiq + c.dVap + 2 * property + 32 * (densitySolve(c) + property);
}

using OneState = XLOPER* (*)(double, std::int32_t);
using TwoStates = XLOPER* (*)(double, double, std::int32_t);

struct WorksheetFunction {
    OneState one;    // set for the saturation-line functions
    TwoStates two;   // set for the two-state functions
    std::uint64_t (*bound)(const RoutineCosts& c);
};

// The rows follow the registration table; names come from the table.
constexpr std::array<WorksheetFunction, 19> functions = {{
    {Psat, nullptr, [](const RoutineCosts& c) { return c.psat; }},
    {Tsat, nullptr, [](const RoutineCosts& c) { return 32 * c.psat; }},
    {Vf, nullptr, [](const RoutineCosts& c) { return c.dLiq; }},
    {Vg, nullptr, [](const RoutineCosts& c) { return c.dVap; }},
    {Hf, nullptr, [](const RoutineCosts& c) { return c.dLiq + c.enthalpy; }},
    {Hg, nullptr, [](const RoutineCosts& c) { return c.dVap + c.enthalpy; }},
    {Sf, nullptr, [](const RoutineCosts& c) { return c.dLiq + c.entropy; }},
    {Sg, nullptr, [](const RoutineCosts& c) { return c.dVap + c.entropy; }},
    {nullptr, PofTV, [](const RoutineCosts& c) { return c.pressure; }},
    {nullptr, VofTP, [](const RoutineCosts& c) { return densitySolve(c); }},
    {nullptr, HofTV, [](const RoutineCosts& c) { return c.enthalpy; }},
    {nullptr, HofTP, [](const RoutineCosts& c) { return densitySolve(c) + c.enthalpy; }},
    {nullptr, SofTV, [](const RoutineCosts& c) { return c.entropy; }},
    {nullptr, SofTP, [](const RoutineCosts& c) { return densitySolve(c) + c.entropy; }},
    {nullptr, TofPH, [](const RoutineCosts& c) { return temperatureSearch(c, c.enthalpy); }},
    {nullptr, TofPS, [](const RoutineCosts& c) { return temperatureSearch(c, c.entropy); }},
    // The temperature search, then the enthalpy at the density solved there,
    // or, for a two-phase input, at both ancillary densities.
    {nullptr, HofPS,
     [](const RoutineCosts& c) {
         return temperatureSearch(c, c.entropy) +
                std::max(densitySolve(c) + c.enthalpy, c.dLiq + c.dVap + 2 * c.enthalpy);
     }},
    {nullptr, ZofTV, [](const RoutineCosts& c) { return c.compressibility; }},
    {nullptr, ZofTP, [](const RoutineCosts& c) { return densitySolve(c) + c.compressibility; }},
}};

RoutineCosts costs{};
std::array<const char*, functions.size()> names{};
std::array<std::uint64_t, functions.size()> callsMade{};

// How often each function was called, for the run's record.
void reportCalls() {
    std::uint64_t total = 0;
    for (const std::uint64_t n : callsMade) {
        total += n;
    }
    std::fprintf(stderr, "worksheet fuzz: %" PRIu64 " worksheet-function calls:", total);
    for (std::size_t i = 0; i < functions.size(); ++i) {
        std::fprintf(stderr, " %s %" PRIu64, names[i], callsMade[i]);
    }
    std::fprintf(stderr, "\n");
}

struct Call {
    std::size_t function;
    std::int32_t units;
    double a;
    double b;
};
Call current{};

std::uint64_t bitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

void describe(const char* finding) {
    const WorksheetFunction& f = functions[current.function];
    if (f.one != nullptr) {
        std::fprintf(stderr, "worksheet fuzz: %s in %s(%.17g [%016" PRIx64 "], %" PRId32 ")\n",
                     finding, names[current.function], current.a, bitsOf(current.a),
                     current.units);
    } else {
        std::fprintf(stderr,
                     "worksheet fuzz: %s in %s(%.17g [%016" PRIx64 "], %.17g [%016" PRIx64
                     "], %" PRId32 ")\n",
                     finding, names[current.function], current.a, bitsOf(current.a), current.b,
                     bitsOf(current.b), current.units);
    }
}

[[noreturn]] void fail(const char* finding) {
    describe(finding);
    std::abort();
}

void overBudget() { fail("more work than the function's fixed bound"); }

XLOPER* callOnce(std::int32_t units) {
    const WorksheetFunction& f = functions[current.function];
    WorkMeter::reset();
    WorkMeter::limitTo(f.bound(costs), overBudget);
    XLOPER* record = f.one != nullptr ? f.one(current.a, units) : f.two(current.a, current.b, units);
    WorkMeter::unlimit();
    ++callsMade[current.function];
    if (record != &ResultRecord) {
        fail("an answer other than the one result record");
    }
    if (record->xltype != xltypeNum) {
        fail("a result record whose type word is not 1");
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    costs = measureCosts();
    std::fprintf(stderr,
                 "worksheet fuzz: C library calls per evaluation: psatOfT %" PRIu64
                 ", dLiqOfT %" PRIu64 ", dVapOfT %" PRIu64 ", pressureOfDT %" PRIu64
                 ", dPdD %" PRIu64 ", enthalpyOfDT %" PRIu64 ", entropyOfDT %" PRIu64
                 ", compressibilityOfDT %" PRIu64 "\n",
                 costs.psat, costs.dLiq, costs.dVap, costs.pressure, costs.slope, costs.enthalpy,
                 costs.entropy, costs.compressibility);
    if (costs.psat == 0 || costs.pressure == 0) {
        std::fprintf(stderr, "worksheet fuzz: the work meter counted nothing; link the target with"
                             " the --wrap options of fuzz/CMakeLists.txt\n");
        std::exit(1);
    }
    std::size_t function = 0;
    for (std::size_t row = 0; row < RegistrationTable.size() && RegistrationTable[row].type != 0;
         ++row) {
        if (function < names.size()) {
            names[function] = RegistrationTable[row].name;
        }
        ++function;
        while (row < RegistrationTable.size() && RegistrationTable[row].type != 0) {
            ++row;
        }
    }
    if (function != functions.size()) {
        std::fprintf(stderr, "worksheet fuzz: the registration table names %zu functions, the target"
                             " calls %zu; add the missing rows to its table\n",
                     function, functions.size());
        std::exit(1);
    }
    std::atexit(reportCalls);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, 21> bytes{};
    if (size > 0) {
        std::memcpy(bytes.data(), data, size < bytes.size() ? size : bytes.size());
    }
    current.function = bytes[0] % functions.size();
    std::memcpy(&current.units, &bytes[1], sizeof current.units);
    std::memcpy(&current.a, &bytes[5], sizeof current.a);
    std::memcpy(&current.b, &bytes[13], sizeof current.b);

    const std::uint64_t answer = bitsOf(callOnce(current.units)->val.num);
    if (current.units < 0 || current.units > 7) {
        if (bitsOf(callOnce(7)->val.num) != answer) {
            fail("a unit code outside 0-7 answering other than code 7");
        }
    }
    return 0;
}
