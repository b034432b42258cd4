// What the spreadsheet add-in answers, for the Calc end-to-end test: the same
// worksheet functions called directly, and the registration table they are
// listed with.
//
//   korva-calc-reference table   the names, helps and argument texts as JSON
//   korva-calc-reference calls   reads "NAME UNITS X [Y]" lines, prints each result (%.17g)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/table_functions.h"
#include "calc/uno_names.h"
#include "worksheet/worksheet_functions.h"

namespace {

using OneState = XLOPER* (*)(double, std::int32_t);
using TwoStates = XLOPER* (*)(double, double, std::int32_t);

struct WorksheetFunction {
    const char* name;
    OneState one;
    TwoStates two;
};

constexpr WorksheetFunction worksheetFunctions[] = {
#include "worksheet_dispatch.inc"
};

std::string jsonText(const char* text) {
    std::string quoted = "\"";
    for (const char* c = text; *c != 0; ++c) {
        if (*c == '"' || *c == '\\') {
            quoted += '\\';
        }
        quoted += *c;
    }
    return quoted + "\"";
}

void printTable() {
    std::printf(R"({"service": %s, "category": %s, "functions": [)",
                jsonText(calcServiceName).c_str(), jsonText(AddInTitle + 1).c_str());
    const char* separator = "\n";
    for (const TableFunction& f : tableFunctions()) {
        std::printf(R"(%s {"name": %s, "help": %s, "arguments": [)", separator,
                    jsonText(f.head->name).c_str(), jsonText(f.head->help).c_str());
        for (int i = 0; i < f.argumentCount; ++i) {
            std::printf(R"(%s{"name": %s, "help": %s})", i > 0 ? ", " : "",
                        jsonText(f.argument(i).name).c_str(), jsonText(f.argument(i).help).c_str());
        }
        std::printf("]}");
        separator = ",\n";
    }
    std::printf("\n]}\n");
}

const WorksheetFunction* findWorksheetFunction(const char* name) {
    for (const WorksheetFunction& f : worksheetFunctions) {
        if (std::strcmp(f.name, name) == 0) {
            return &f;
        }
    }
    return nullptr;
}

int printCalls() {
    char line[512];
    int lineNumber = 0;
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        ++lineNumber;
        char name[64];
        long units = 0;
        double x = 0.0;
        double y = 0.0;
        const int fields = std::sscanf(line, "%63s %ld %lf %lf", name, &units, &x, &y);
        const WorksheetFunction* f = fields >= 3 ? findWorksheetFunction(name) : nullptr;
        if (f == nullptr || (f->two != nullptr) != (fields == 4)) {
            std::fprintf(
                stderr,
                "korva-calc-reference: line %d is not \"NAME UNITS X [Y]\" with a known function "
                "and its number of states: %s",
                lineNumber, line);
            return 1;
        }
        const auto code = static_cast<std::int32_t>(units);
        const double result =
            f->two != nullptr ? f->two(x, y, code)->val.num : f->one(x, code)->val.num;
        std::printf("%.17g\n", result);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "table") == 0) {
        printTable();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "calls") == 0) {
        return printCalls();
    }
    std::fprintf(stderr, "usage: korva-calc-reference table | calls < NAME-UNITS-X-[Y]-lines\n");
    return 2;
}
