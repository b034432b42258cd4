#pragma once

#include <span>

#include "addin/registration_table.h"

// Registers every function of `table` with the host, one register call each,
// under the add-in's title as category. Answers 1 when all were registered;
// otherwise shows an alert and answers 0 (functions already registered stay).
int registerFunctions(std::span<const RegistrationEntry> table);
