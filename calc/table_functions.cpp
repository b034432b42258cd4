#include "calc/table_functions.h"

#include <algorithm>

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

}  // namespace

std::vector<TableFunction> tableFunctions() {
    std::vector<TableFunction> functions;
    std::size_t row = 0;
    while (row < RegistrationTable.size() && RegistrationTable[row].type != 0) {
        TableFunction function{&RegistrationTable[row], 0};
        ++row;
        while (row < RegistrationTable.size() && RegistrationTable[row].type != 0) {
            ++function.argumentCount;
            ++row;
        }
        functions.push_back(function);
        ++row;  // the empty row that ends the function
    }
    return functions;
}

const TableFunction* findTableFunction(const std::vector<TableFunction>& functions,
                                       std::string_view name) {
    const auto found = std::find_if(
        functions.begin(), functions.end(),
        [name](const TableFunction& f) { return equalIgnoringCase(f.head->name, name); });
    return found == functions.end() ? nullptr : &*found;
}
