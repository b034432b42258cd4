#pragma once

#include <string_view>
#include <vector>

#include "addin/registration_table.h"

// One function of the registration table: its head row and the argument rows
// that follow it, in call order.
struct TableFunction {
    const RegistrationEntry* head;
    int argumentCount;

    [[nodiscard]] const RegistrationEntry& argument(int index) const { return head[1 + index]; }
};

// The table's functions in registration order, up to the empty row that ends it.
std::vector<TableFunction> tableFunctions();

// The function of that name (ASCII letters compared without case, as Calc
// compares function names), or nullptr.
const TableFunction* findTableFunction(const std::vector<TableFunction>& functions,
                                       std::string_view name);
