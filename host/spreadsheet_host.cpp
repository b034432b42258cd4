#include "host/spreadsheet_host.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "addin/host_interface.h"
#include "host/host_installation.h"

namespace {

HostSettings settings;
HostLog theLog;

// Register arguments before the argument helps.
constexpr int fixedRegisterArguments = 10;
// A type text the host can pass arguments for: 'R' (a value record comes
// back), then doubles 'B' and 32-bit integers 'J'.
constexpr std::size_t maxArgumentCodes = 30;

bool isStringRecord(const XLOPER* record) {
    return record != nullptr && record->xltype == xltypeStr && record->val.str != nullptr;
}

bool isCallableTypeText(const std::string& typeText) {
    if (typeText.empty() || typeText[0] != 'R' || typeText.size() > maxArgumentCodes + 1) {
        return false;
    }
    return std::all_of(typeText.begin() + 1, typeText.end(),
                       [](char code) { return code == 'B' || code == 'J'; });
}

std::unique_ptr<unsigned char[]> hostTextOf(std::string_view text) {
    const std::size_t length = std::min<std::size_t>(text.size(), 255);
    auto buffer = std::make_unique<unsigned char[]>(length + 1);
    buffer[0] = static_cast<unsigned char>(length);
    std::memcpy(buffer.get() + 1, text.data(), length);
    return buffer;
}

int getName(XLOPER* result, int count) {
    if (count != 0) {
        return hostWrongArgumentCount;
    }
    if (result == nullptr) {
        return hostBadArgument;
    }
    // A path the length byte cannot hold would name another file.
    if (settings.addinPath.size() > 255) {
        *result = XLOPER{};
        result->xltype = xltypeErr;
        result->val.err = xlerrValue;
        return hostRefused;
    }
    theLog.lentNames.push_back(hostTextOf(settings.addinPath));
    *result = XLOPER{};
    result->xltype = xltypeStr;
    result->val.str = theLog.lentNames.back().get();
    ++theLog.namesGiven;
    return 0;
}

int freeName(int count, XLOPER** arguments) {
    if (count != 1) {
        return hostWrongArgumentCount;
    }
    XLOPER* record = arguments[0];
    if (!isStringRecord(record)) {
        return hostBadArgument;
    }
    const auto lent = std::find_if(theLog.lentNames.begin(), theLog.lentNames.end(),
                                   [&](const auto& name) { return name.get() == record->val.str; });
    // Only what this host lent can come back, and only once.
    if (lent == theLog.lentNames.end()) {
        return hostBadArgument;
    }
    theLog.lentNames.erase(lent);
    record->val.str = nullptr;
    ++theLog.namesFreed;
    return 0;
}

int registerFunction(XLOPER* result, int count, XLOPER** arguments) {
    ++theLog.registerCalls;
    if (count < fixedRegisterArguments || count > settings.maxRegisterArguments) {
        return hostWrongArgumentCount;
    }
    for (int k = 0; k < count; ++k) {
        if (!isStringRecord(arguments[k])) {
            return hostBadArgument;
        }
    }
    RegisteredFunction function;
    function.module = textOfRecord(*arguments[0]);
    function.procedure = textOfRecord(*arguments[1]);
    function.typeText = textOfRecord(*arguments[2]);
    function.functionText = textOfRecord(*arguments[3]);
    function.argumentText = textOfRecord(*arguments[4]);
    function.macroType = textOfRecord(*arguments[5]);
    function.category = textOfRecord(*arguments[6]);
    function.shortcut = textOfRecord(*arguments[7]);
    function.helpTopic = textOfRecord(*arguments[8]);
    function.functionHelp = textOfRecord(*arguments[9]);
    for (int k = fixedRegisterArguments; k < count; ++k) {
        function.argumentHelps.push_back(textOfRecord(*arguments[k]));
    }
    function.registerArguments = count;

    if (!isCallableTypeText(function.typeText) || function.procedure.empty() ||
        function.functionText.empty()) {
        return hostBadArgument;
    }
    // More helps than arguments do not fit the type text.
    if (function.argumentHelps.size() > function.typeText.size() - 1) {
        return hostWrongArgumentCount;
    }
    if (theLog.registerCalls == settings.refuseRegistration) {
        return hostRefused;
    }

    const auto known = std::find_if(theLog.functions.begin(), theLog.functions.end(), [&](const auto& f) {
        return f.functionText == function.functionText;
    });
    std::size_t index = known - theLog.functions.begin();
    if (known == theLog.functions.end()) {
        theLog.functions.push_back(std::move(function));
    } else {
        *known = std::move(function);
    }
    if (result != nullptr) {
        *result = XLOPER{};
        result->xltype = xltypeNum;
        result->val.num = static_cast<double>(index + 1);
    }
    return 0;
}

int showAlert(XLOPER* result, int count, XLOPER** arguments) {
    if (count != 2) {
        return hostWrongArgumentCount;
    }
    if (result != nullptr || !isStringRecord(arguments[0]) || arguments[1] == nullptr ||
        arguments[1]->xltype != xltypeInt) {
        return hostBadArgument;
    }
    ShownAlert alert{textOfRecord(*arguments[0]), arguments[1]->val.w};
    if (settings.alertStream != nullptr) {
        *settings.alertStream << "alert: " << alert.message << '\n';
    }
    theLog.alerts.push_back(std::move(alert));
    return 0;
}

int coerceToInteger(XLOPER* result, int count, XLOPER** arguments) {
    if (count != 2) {
        return hostWrongArgumentCount;
    }
    const XLOPER* value = arguments[0];
    const XLOPER* type = arguments[1];
    if (result == nullptr || value == nullptr || type == nullptr || type->xltype != xltypeInt ||
        type->val.w != static_cast<std::int16_t>(xltypeInt)) {
        return hostBadArgument;
    }
    double number = 0;
    if (value->xltype == xltypeInt) {
        number = value->val.w;
    } else if (value->xltype == xltypeNum) {
        number = value->val.num;
    } else {
        return hostBadArgument;
    }
    // Rounded to the nearest whole number, halves away from zero.
    const double rounded = std::round(number);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        return hostBadArgument;
    }
    *result = XLOPER{};
    result->xltype = xltypeInt;
    result->val.w = static_cast<std::int16_t>(rounded);
    return 0;
}

}  // namespace

void startHost(HostSettings newSettings) {
    settings = std::move(newSettings);
    theLog = HostLog{};
    installHost(answerHostCall);
}

const HostLog& hostLog() { return theLog; }

HostSettings& hostSettings() { return settings; }

int answerHostCall(int function, XLOPER* result, int count, XLOPER** arguments) {
    ++theLog.operations;
    if (count < 0 || (count > 0 && arguments == nullptr)) {
        return hostWrongArgumentCount;
    }
    switch (function) {
        case xlGetName:
            return getName(result, count);
        case xlFree:
            return freeName(count, arguments);
        case xlfRegister:
            return registerFunction(result, count, arguments);
        case xlcAlert:
            return showAlert(result, count, arguments);
        case xlCoerce:
            return coerceToInteger(result, count, arguments);
        default:
            return hostUnknownOperation;
    }
}

const RegisteredFunction* findRegisteredFunction(std::string_view name) {
    const auto sameName = [&](const RegisteredFunction& f) {
        return f.functionText.size() == name.size() &&
               std::equal(name.begin(), name.end(), f.functionText.begin(), [](char a, char b) {
                   const auto lower = [](char c) {
                       return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                   };
                   return lower(a) == lower(b);
               });
    };
    const auto found = std::find_if(theLog.functions.begin(), theLog.functions.end(), sameName);
    return found == theLog.functions.end() ? nullptr : &*found;
}

std::string textOfRecord(const XLOPER& record) {
    return {reinterpret_cast<const char*>(record.val.str) + 1, record.val.str[0]};
}
