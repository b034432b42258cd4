#include "host/loaded_addin.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "host/number_text.h"
#include "worksheet/calling_convention.h"

namespace {

using OpenEntry = int(KORVA_CALL*)();
// The call shapes the add-in's functions have, by type text.
using OneStateEntry = XLOPER*(KORVA_CALL*)(double, std::int32_t);
using TwoStateEntry = XLOPER*(KORVA_CALL*)(double, double, std::int32_t);

Evaluation failedWith(std::string error) {
    Evaluation evaluation;
    evaluation.error = std::move(error);
    return evaluation;
}

std::string argumentNames(const RegisteredFunction& function) {
    std::string names = function.argumentText;
    for (std::size_t at = names.find(','); at != std::string::npos; at = names.find(',', at + 2)) {
        names.insert(at + 1, " ");
    }
    return names;
}

}  // namespace

LoadedAddin openAddin(const std::string& path, HostSettings settings) {
    LoadedAddin addin;
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    addin.path = absolute.empty() ? path : absolute.string();
    settings.addinPath = addin.path;
    startHost(std::move(settings));

    std::string why;
    addin.library = openSharedLibrary(addin.path, why);
    if (addin.library.handle == nullptr) {
        addin.error = "cannot load " + path + ": " + why;
        return addin;
    }
    const auto open = reinterpret_cast<OpenEntry>(findEntry(addin.library, "xlAutoOpen"));
    if (open == nullptr) {
        addin.error = path + " is not an add-in: it exports no xlAutoOpen";
        return addin;
    }
    addin.loaded = true;
    addin.openResult = open();
    return addin;
}

Evaluation evaluateCall(const LoadedAddin& addin, const ParsedCall& call) {
    const RegisteredFunction* function = findRegisteredFunction(call.name);
    if (function == nullptr) {
        return failedWith("no function " + call.name +
                          " is registered; --list shows the functions the add-in registered");
    }
    const std::string& name = function->functionText;
    const std::size_t expected = function->typeText.size() - 1;
    if (call.arguments.size() != expected) {
        return failedWith(name + " takes " + std::to_string(expected) + " arguments (" +
                          argumentNames(*function) + "), not " +
                          std::to_string(call.arguments.size()));
    }
    for (std::size_t k = 0; k < expected; ++k) {
        const double x = call.arguments[k];
        if (function->typeText[k + 1] == 'J' &&
            !(x == std::floor(x) && x >= -2147483648.0 && x <= 2147483647.0)) {
            return failedWith("argument " + std::to_string(k + 1) + " of " + name +
                              " is a 32-bit whole number (a unit code 0-7), not " +
                              numberText(x));
        }
    }
    const AnyEntry entry = findEntry(addin.library, function->procedure);
    if (entry == nullptr) {
        return failedWith(name + " is registered, but the add-in exports no entry point " +
                          function->procedure);
    }
    const std::vector<double>& a = call.arguments;
    XLOPER* answer = nullptr;
    if (function->typeText == "RBJ") {
        answer = reinterpret_cast<OneStateEntry>(entry)(a[0], static_cast<std::int32_t>(a[1]));
    } else if (function->typeText == "RBBJ") {
        answer = reinterpret_cast<TwoStateEntry>(entry)(a[0], a[1], static_cast<std::int32_t>(a[2]));
    } else {
        return failedWith(name + " is registered with type text " + function->typeText +
                          "; korva-host calls only RBJ and RBBJ functions");
    }
    if (answer == nullptr) {
        return failedWith(name + " answered no record");
    }
    if (answer->xltype != xltypeNum) {
        return failedWith(name + " answered a record of type " + std::to_string(answer->xltype) +
                          ", not a number (type 1)");
    }
    Evaluation evaluation;
    evaluation.ok = true;
    evaluation.value = answer->val.num;
    return evaluation;
}
