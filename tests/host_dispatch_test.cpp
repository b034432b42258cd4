#include <cstdint>
#include <bit>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/call_parser.h"
#include "host/number_text.h"
#include "tests/addin_fixture.h"
#include "worksheet/worksheet_functions.h"

namespace {

using OneState = XLOPER*(KORVA_CALL*)(double, std::int32_t);
using TwoStates = XLOPER*(KORVA_CALL*)(double, double, std::int32_t);

enum Quantity { T, P, V, H, S };

struct Function {
    const char* name;
    OneState one;
    TwoStates two;
    Quantity first;
    Quantity second;
};

// Every function the add-in registers, called here directly.
const Function functions[] = {
    {"Psat", Psat, nullptr, T, T},
    {"Tsat", Tsat, nullptr, P, P},
    {"Vf", Vf, nullptr, T, T},
    {"Vg", Vg, nullptr, T, T},
    {"Hf", Hf, nullptr, T, T},
    {"Hg", Hg, nullptr, T, T},
    {"Sf", Sf, nullptr, T, T},
    {"Sg", Sg, nullptr, T, T},
    {"PofTV", nullptr, PofTV, T, V},
    {"VofTP", nullptr, VofTP, T, P},
    {"HofTV", nullptr, HofTV, T, V},
    {"HofTP", nullptr, HofTP, T, P},
    {"SofTV", nullptr, SofTV, T, V},
    {"SofTP", nullptr, SofTP, T, P},
    {"TofPH", nullptr, TofPH, P, H},
    {"TofPS", nullptr, TofPS, P, S},
    {"HofPS", nullptr, HofPS, P, S},
    {"ZofTV", nullptr, ZofTV, T, V},
    {"ZofTP", nullptr, ZofTP, T, P},
};

// A state in the units of each code: T, P, V, H, S.
const double statesByUnits[][5] = {
    {77.0, 145.0, 1.6, 172.0, 0.43},    // 0: degF, psia, ft3/lb, Btu/lb
    {25.0, 10.0, 0.1, 400.0, 1.8},      // 1: degC, bar, m3/kg, kJ/kg
    {77.0, 130.0, 1.6, 172.0, 0.43},    // 2: degF, psig
    {298.15, 1.0, 0.1, 400.0, 1.8},     // 3: K, MPa
    {25.0, 1000.0, 0.1, 400.0, 1.8},    // 4: degC, kPa
    {25.0, 10.0, 0.1, 95.0, 0.43},      // 5: degC, bar, kcal/kg
    {25.0, 10.0, 0.1, 95.0, 0.43},      // 6: degC, kgf/cm2, kcal/kg
    {298.15, 1000.0, 0.1, 400.0, 1.8},  // 7: K, kPa
};

double numberOf(const XLOPER* record) {
    EXPECT_EQ(record->xltype, xltypeNum);
    return record->val.num;
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace

using HostDispatch = AddinTest;

TEST_F(HostDispatch, EveryFunctionAnswersAsTheDirectCallInEveryUnitSystem) {
    ASSERT_EQ(addinEntry<int(KORVA_CALL*)()>("xlAutoOpen")(), 1);
    ASSERT_EQ(hostLog().functions.size(), std::size(functions)) << "a registered function is not tested";
    for (const Function& f : functions) {
        ASSERT_NE(findRegisteredFunction(f.name), nullptr) << f.name;
        for (const std::int32_t units : {0, 1, 2, 3, 4, 5, 6, 7, 8, -1}) {
            const double* state = statesByUnits[units >= 0 && units <= 7 ? units : 7];
            for (const double scale : {0.5, 1.0, 1.5}) {
                const double a = state[f.first] * scale;
                const double b = state[f.second];
                std::string text = std::string(f.name) + "(" + numberText(a) + ", ";
                if (f.two != nullptr) {
                    text += numberText(b) + ", ";
                }
                text += std::to_string(units) + ")";
                const CallParse parse = parseCall(text);
                ASSERT_TRUE(parse.ok) << text << ": " << parse.error;
                const Evaluation viaHost = evaluateCall(loadedAddin(), parse.call);
                ASSERT_TRUE(viaHost.ok) << text << ": " << viaHost.error;
                const double direct = f.two != nullptr ? numberOf(f.two(a, b, units))
                                                       : numberOf(f.one(a, units));
                EXPECT_TRUE(sameBits(viaHost.value, direct))
                    << text << ": through the host " << numberText(viaHost.value) << ", direct "
                    << numberText(direct);
            }
        }
    }
}
