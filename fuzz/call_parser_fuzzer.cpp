// Fuzz target: korva-host's call and file parser over arbitrary text, and
// every call it accepts evaluated through the add-in.
//
// The input is the text of a call file. Each of its calls must come back
// either parsed, with a name and finite arguments that print and parse back
// to the same call, or refused with a message; an accepted call must then be
// evaluated to a number or refused with a message. The same text is also
// parsed as one call, as it would come from the command line. Hangs are left
// to libFuzzer's -timeout: the parser makes one pass over the text, and each
// worksheet function's own bound of work is the worksheet target's concern.
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "host/call_parser.h"
#include "host/loaded_addin.h"
#include "host/number_text.h"

namespace {

const LoadedAddin* addin = nullptr;

[[noreturn]] void fail(const std::string& finding, std::string_view text) {
    std::fprintf(stderr, "call parser fuzz: %s; the call: '%.*s'\n", finding.c_str(),
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

bool isNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

std::uint64_t bitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

void checkParse(std::string_view text, const CallParse& parse) {
    if (!parse.ok) {
        if (parse.error.empty()) {
            fail("a call was refused without a message", text);
        }
        return;
    }
    const ParsedCall& call = parse.call;
    if (!parse.error.empty()) {
        fail("an accepted call carries a message", text);
    }
    if (call.name.empty() || std::isdigit(static_cast<unsigned char>(call.name[0])) != 0) {
        fail("an accepted call has no function name", text);
    }
    for (const char c : call.name) {
        if (!isNameCharacter(c)) {
            fail("an accepted name holds '" + std::string(1, c) + "'", text);
        }
    }
    if (call.arguments.size() > maxCallArguments) {
        fail("an accepted call has more than " + std::to_string(maxCallArguments) + " arguments", text);
    }
    std::string printed = call.name + "(";
    for (std::size_t k = 0; k < call.arguments.size(); ++k) {
        if (!std::isfinite(call.arguments[k])) {
            fail("an accepted argument is not finite", text);
        }
        printed += (k > 0 ? ", " : "") + numberText(call.arguments[k]);
    }
    printed += ")";
    const CallParse again = parseCall(printed);
    bool same = again.ok && again.call.name == call.name &&
                again.call.arguments.size() == call.arguments.size();
    for (std::size_t k = 0; same && k < call.arguments.size(); ++k) {
        same = bitsOf(again.call.arguments[k]) == bitsOf(call.arguments[k]);
    }
    if (!same) {
        fail("the accepted call printed as '" + printed + "' does not parse back to itself", text);
    }
}

void checkEvaluation(std::string_view text, const ParsedCall& call) {
    const Evaluation evaluation = evaluateCall(*addin, call);
    if (!evaluation.ok && evaluation.error.empty()) {
        fail("a call was not evaluated and no message says why", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    static const LoadedAddin loaded = openAddin(KORVA_ADDIN_FILE, HostSettings{});
    if (!loaded.loaded || loaded.openResult != 1) {
        std::fprintf(stderr, "call parser fuzz: cannot open the add-in %s: %s; build it first\n",
                     KORVA_ADDIN_FILE, loaded.error.c_str());
        std::exit(1);
    }
    addin = &loaded;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view fileText(reinterpret_cast<const char*>(data), size);
    checkParse(fileText, parseCall(fileText));

    int previousLine = 0;
    for (const CallLine& line : callLinesOf(fileText)) {
        if (line.lineNumber <= previousLine) {
            fail("call lines out of order", line.text);
        }
        previousLine = line.lineNumber;
        if (line.text.empty() || line.text.find_first_of("#\n") != std::string::npos ||
            std::isspace(static_cast<unsigned char>(line.text.front())) != 0 ||
            std::isspace(static_cast<unsigned char>(line.text.back())) != 0) {
            fail("a call line is empty, untrimmed or holds a comment or a line break", line.text);
        }
        const CallParse parse = parseCall(line.text);
        checkParse(line.text, parse);
        if (parse.ok) {
            checkEvaluation(line.text, parse.call);
        }
    }
    return 0;
}
