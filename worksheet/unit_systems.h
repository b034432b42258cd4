#pragma once

#include <array>

#include "worksheet/units.h"

// The eight unit systems as data: which unit each quantity is given in.
enum class TemperatureUnit { Fahrenheit, Celsius, Kelvin };
enum class PressureUnit { Psia, Psig, Bar, MPa, KgfPerCm2, KPa };
enum class VolumeUnit { CubicFeetPerPound, CubicMetresPerKg };
enum class EnergyUnit { Btu, KJ, Kcal };  // per pound (per lb and degF) or per kg (per kg and K)

struct UnitSystemRow {
    TemperatureUnit temperature;
    PressureUnit pressure;
    VolumeUnit volume;
    EnergyUnit energy;
};

inline constexpr std::array<UnitSystemRow, 8> unitSystemTable = {{
    {TemperatureUnit::Fahrenheit, PressureUnit::Psia, VolumeUnit::CubicFeetPerPound, EnergyUnit::Btu},
    {TemperatureUnit::Celsius, PressureUnit::Bar, VolumeUnit::CubicMetresPerKg, EnergyUnit::KJ},
    {TemperatureUnit::Fahrenheit, PressureUnit::Psig, VolumeUnit::CubicFeetPerPound, EnergyUnit::Btu},
    {TemperatureUnit::Kelvin, PressureUnit::MPa, VolumeUnit::CubicMetresPerKg, EnergyUnit::KJ},
    {TemperatureUnit::Celsius, PressureUnit::KPa, VolumeUnit::CubicMetresPerKg, EnergyUnit::KJ},
    {TemperatureUnit::Celsius, PressureUnit::Bar, VolumeUnit::CubicMetresPerKg, EnergyUnit::Kcal},
    {TemperatureUnit::Celsius, PressureUnit::KgfPerCm2, VolumeUnit::CubicMetresPerKg, EnergyUnit::Kcal},
    {TemperatureUnit::Kelvin, PressureUnit::KPa, VolumeUnit::CubicMetresPerKg, EnergyUnit::KJ},
}};

// Codes outside 0-7 behave exactly like code 7.
inline const UnitSystemRow& unitSystemOf(UnitSystem units) {
    return (units >= 0 && units <= 7) ? unitSystemTable[static_cast<unsigned>(units)]
                                      : unitSystemTable[7];
}
