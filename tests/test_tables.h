#pragma once

#include <string>
#include <vector>

#include "addin/registration_table.h"

// A registration table with one function F of n arguments a1..an (doubles,
// the last a 32-bit integer), helps "help 1".."help n", for the limits on
// argument counts.
struct TestTable {
    std::vector<std::string> texts;
    std::vector<RegistrationEntry> rows;
};

inline TestTable tableWithArguments(int n) {
    TestTable table;
    table.texts.reserve(2 * static_cast<std::size_t>(n));
    table.rows.push_back({'R', "F", "a test function"});
    for (int k = 1; k <= n; ++k) {
        table.texts.push_back("a" + std::to_string(k));
        const char* name = table.texts.back().c_str();
        table.texts.push_back("help " + std::to_string(k));
        table.rows.push_back({k == n ? 'J' : 'B', name, table.texts.back().c_str()});
    }
    table.rows.push_back({0, nullptr, nullptr});
    table.rows.push_back({0, nullptr, nullptr});
    return table;
}

inline std::string argumentTextOf(int n) {
    std::string text;
    for (int k = 1; k <= n; ++k) {
        text += (k > 1 ? ",a" : "a") + std::to_string(k);
    }
    return text;
}

inline std::string typeTextOf(int n) { return "R" + std::string(n > 0 ? n - 1 : 0, 'B') + (n > 0 ? "J" : ""); }

// The nineteen functions as they must be registered, in registration order.
struct ExpectedFunction {
    const char* name;
    const char* typeText;
    const char* argumentText;
    const char* functionHelp;
    std::vector<std::string> argumentHelps;
};

inline const std::vector<ExpectedFunction>& expectedFunctions() {
    static const std::vector<ExpectedFunction> functions = {
        {"Psat", "RBJ", "Ts,units", "saturation pressure", {"saturation temperature", "units (0-7)"}},
        {"Tsat", "RBJ", "Ps,units", "saturation temperature", {"saturation pressure", "units (0-7)"}},
        {"Vf", "RBJ", "Ts,units", "specific volume of saturated liquid", {"saturation temperature", "units (0-7)"}},
        {"Vg", "RBJ", "Ts,units", "specific volume of saturated vapor", {"saturation temperature", "units (0-7)"}},
        {"Hf", "RBJ", "Ts,units", "enthalpy of saturated liquid", {"saturation temperature", "units (0-7)"}},
        {"Hg", "RBJ", "Ts,units", "enthalpy of saturated vapor", {"saturation temperature", "units (0-7)"}},
        {"Sf", "RBJ", "Ts,units", "entropy of saturated liquid", {"saturation temperature", "units (0-7)"}},
        {"Sg", "RBJ", "Ts,units", "entropy of saturated vapor", {"saturation temperature", "units (0-7)"}},
        {"PofTV", "RBBJ", "T,V,units", "pressure", {"temperature", "specific volume", "units (0-7)"}},
        {"VofTP", "RBBJ", "T,P,units", "specific volume", {"temperature", "pressure", "units (0-7)"}},
        {"HofTV", "RBBJ", "T,V,units", "enthalpy", {"temperature", "specific volume", "units (0-7)"}},
        {"HofTP", "RBBJ", "T,P,units", "enthalpy", {"temperature", "pressure", "units (0-7)"}},
        {"SofTV", "RBBJ", "T,V,units", "entropy", {"temperature", "specific volume", "units (0-7)"}},
        {"SofTP", "RBBJ", "T,P,units", "entropy", {"temperature", "pressure", "units (0-7)"}},
        {"TofPH", "RBBJ", "P,H,units", "temperature", {"pressure", "enthalpy", "units (0-7)"}},
        {"TofPS", "RBBJ", "P,S,units", "temperature", {"pressure", "entropy", "units (0-7)"}},
        {"HofPS", "RBBJ", "P,S,units", "enthalpy", {"pressure", "entropy", "units (0-7)"}},
        {"ZofTV", "RBBJ", "T,V,units", "compressibility", {"temperature", "specific volume", "units (0-7)"}},
        {"ZofTP", "RBBJ", "T,P,units", "compressibility", {"temperature", "pressure", "units (0-7)"}},
    };
    return functions;
}

inline const char* const addInTitleText = "KORVA-583 Thermodynamic Properties";
