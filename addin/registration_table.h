#pragma once

#include <array>

// One row of the registration table. A head row (type 'R') names a function
// and gives its help; argument rows follow in call order ('B' double, 'J'
// 32-bit integer); a row with type code 0 ends the function, and one more
// empty row where a head row would stand ends the table.
struct RegistrationEntry {
    char type;
    const char* name;
    const char* help;
};

inline constexpr int registrationTableRows = 88;
extern const std::array<RegistrationEntry, registrationTableRows> RegistrationTable;

// Length-prefixed title: the byte 34, then the 34 characters, then a zero.
extern const char AddInTitle[];
