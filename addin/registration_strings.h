#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "addin/registration_table.h"

// The table flattened into the texts of the register calls. Per function, in
// table order: name, type text, argument text, function help, one help per
// argument, then an empty entry; one more empty entry ends the list.
using RegistrationStrings = std::vector<std::optional<std::string>>;

// One return code and at most 30 argument codes fit a type text.
inline constexpr int maxArgumentsPerFunction = 30;

// Builds the list from `table`, which ends at its first empty head row (or at
// its end). A function with more than `argumentHelpLimit` arguments keeps that
// many helps, the last one followed by ", etc.". Nothing comes back when a
// function has more than 30 arguments or the list cannot be allocated.
std::optional<RegistrationStrings> buildRegistrationStrings(
    std::span<const RegistrationEntry> table, int argumentHelpLimit);
