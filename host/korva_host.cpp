#include "host/korva_host.h"

#include <fstream>
#include <sstream>

#include "host/call_parser.h"
#include "host/loaded_addin.h"
#include "host/number_text.h"
#include "worksheet/calling_convention.h"

namespace {

constexpr const char* usage =
    "usage: korva-host ADDIN --list\n"
    "       korva-host ADDIN [--csv] [--refuse K] CALL... [--file CALLS.txt]...\n"
    "  ADDIN      the add-in file, e.g. dist/KORVA64.so\n"
    "  --list     show the functions the add-in registered, with argument names and helps\n"
    "  CALL       a call written as in a cell, e.g. 'HofTP(25, 10, 1)'\n"
    "  --file F   evaluate the calls in F, one a line; '#' starts a comment\n"
    "  --csv      write the results as CSV (call,result)\n"
    "  --refuse K make the host refuse the K-th register call\n";

struct Source {
    std::string where;  // "command line" or "FILE:LINE"
    std::string text;
};

struct CommandLine {
    std::string addin;
    bool list = false;
    bool csv = false;
    int refuse = 0;
    std::vector<Source> calls;
    std::string error;
};

CommandLine commandLineOf(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        const bool hasValue = k + 1 < arguments.size();
        if (argument == "--list") {
            line.list = true;
        } else if (argument == "--csv") {
            line.csv = true;
        } else if (argument == "--refuse" && hasValue) {
            std::istringstream value(arguments[++k]);
            if (!(value >> line.refuse) || line.refuse < 1 || !value.eof()) {
                line.error = "--refuse takes a register call number from 1, not '" + arguments[k] + "'";
            }
        } else if (argument == "--file" && hasValue) {
            const std::string& path = arguments[++k];
            std::ifstream file(path, std::ios::binary);
            if (!file) {
                line.error = "cannot read the call file " + path + "; check its path";
                continue;
            }
            std::ostringstream text;
            text << file.rdbuf();
            for (const CallLine& call : callLinesOf(text.str())) {
                line.calls.push_back({path + ":" + std::to_string(call.lineNumber), call.text});
            }
        } else if (argument.rfind("--", 0) == 0) {
            line.error = hasValue || (argument != "--file" && argument != "--refuse")
                             ? "unknown option " + argument
                             : argument + " needs a value";
        } else if (line.addin.empty()) {
            line.addin = argument;
        } else {
            line.calls.push_back({"command line", argument});
        }
    }
    if (line.error.empty() && line.addin.empty()) {
        line.error = "no add-in given";
    }
    if (line.error.empty() && !line.list && line.calls.empty()) {
        line.error = "nothing to do: give --list, calls or --file";
    }
    return line;
}

void listFunctions(const LoadedAddin& addin, std::ostream& out) {
    using InfoEntry = XLOPER*(KORVA_CALL*)(XLOPER*);
    const auto info = reinterpret_cast<InfoEntry>(findEntry(addin.library, "xlAddInManagerInfo"));
    if (info != nullptr) {
        XLOPER action{};
        action.xltype = xltypeInt;
        action.val.w = 1;
        const XLOPER* name = info(&action);
        if (name != nullptr && name->xltype == xltypeStr && name->val.str != nullptr) {
            out << "add-in: " << textOfRecord(*name) << '\n';
        }
    }
    std::string category;
    for (const RegisteredFunction& function : hostLog().functions) {
        if (function.category != category) {
            category = function.category;
            out << "category: " << category << '\n';
        }
        out << "  " << function.functionText << '(';
        std::string names = function.argumentText;
        std::vector<std::string> argumentNames;
        std::istringstream split(names);
        for (std::string name; std::getline(split, name, ',');) {
            argumentNames.push_back(name);
        }
        for (std::size_t k = 0; k < argumentNames.size(); ++k) {
            out << (k > 0 ? ", " : "") << argumentNames[k];
        }
        out << ")  " << function.functionHelp << '\n';
        for (std::size_t k = 0; k < argumentNames.size(); ++k) {
            const std::string help = k < function.argumentHelps.size() ? function.argumentHelps[k] : "";
            out << "      " << argumentNames[k] << ": " << help << '\n';
        }
    }
}

std::string csvField(const std::string& text) {
    std::string field = "\"";
    for (char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + "\"";
}

}  // namespace

int runKorvaHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const CommandLine line = commandLineOf(arguments);
    if (!line.error.empty()) {
        err << "korva-host: " << line.error << "\n" << usage;
        return 2;
    }
    HostSettings settings;
    settings.refuseRegistration = line.refuse;
    settings.alertStream = &err;
    const LoadedAddin addin = openAddin(line.addin, settings);
    if (!addin.loaded) {
        err << "korva-host: " << addin.error << '\n';
        return 1;
    }
    if (addin.openResult != 1) {
        err << "korva-host: the add-in did not open: xlAutoOpen answered " << addin.openResult
            << " after registering " << hostLog().functions.size() << " functions\n";
        return 1;
    }
    if (line.list) {
        listFunctions(addin, out);
    }
    int failures = 0;
    if (line.csv && !line.calls.empty()) {
        out << "call,result\n";
    }
    for (const Source& source : line.calls) {
        const CallParse parse = parseCall(source.text);
        const Evaluation evaluation =
            parse.ok ? evaluateCall(addin, parse.call) : Evaluation{false, 0, parse.error};
        if (!evaluation.ok) {
            err << "korva-host: " << source.where << ": " << source.text << ": " << evaluation.error
                << '\n';
            ++failures;
            continue;
        }
        if (line.csv) {
            out << csvField(source.text) << ',' << numberText(evaluation.value) << '\n';
        } else {
            out << source.text << " = " << numberText(evaluation.value) << '\n';
        }
    }
    if (failures > 0) {
        err << "korva-host: " << failures << " of " << line.calls.size() << " calls failed\n";
        return 1;
    }
    return 0;
}
