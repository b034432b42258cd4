#pragma once

#include <cstdint>

#include "worksheet/value_record.h"

// The caller's unit system: a signed 32-bit code, 0-7; any other code acts as 7.
using UnitSystem = std::int32_t;

// Caller's units to internal units (K, kPa absolute, mol/dm3, kJ/kg, kJ/(kg K)).
double tempToK(double x, UnitSystem units);
double presToKPa(double x, UnitSystem units);
double volumeToDensity(double v, UnitSystem units);
double enthToKJkg(double x, UnitSystem units);
double entrToKJkgK(double x, UnitSystem units);

// Internal units to the caller's; each stores the result in ResultRecord and
// answers its address.
XLOPER* tempFromK(double T, UnitSystem units);
XLOPER* presFromKPa(double p, UnitSystem units);
XLOPER* densityToVolume(double rho, UnitSystem units);
XLOPER* enthFromKJkg(double h, UnitSystem units);
XLOPER* entrFromKJkgK(double s, UnitSystem units);
