#include "addin/registration_table.h"

// The byte 34 is the double-quote character, so the prefixed title is one
// ordinary zero-terminated text.
const char AddInTitle[] = "\"KORVA-583 Thermodynamic Properties";

namespace {

constexpr RegistrationEntry endRow{0, nullptr, nullptr};
constexpr RegistrationEntry units{'J', "units", "units (0-7)"};
constexpr RegistrationEntry saturationTemperature{'B', "Ts", "saturation temperature"};
constexpr RegistrationEntry temperature{'B', "T", "temperature"};
constexpr RegistrationEntry volume{'B', "V", "specific volume"};
constexpr RegistrationEntry pressure{'B', "P", "pressure"};

}  // namespace

const std::array<RegistrationEntry, registrationTableRows> RegistrationTable = {{
    {'R', "Psat", "saturation pressure"}, saturationTemperature, units, endRow,
    {'R', "Tsat", "saturation temperature"}, {'B', "Ps", "saturation pressure"}, units, endRow,
    {'R', "Vf", "specific volume of saturated liquid"}, saturationTemperature, units, endRow,
    {'R', "Vg", "specific volume of saturated vapor"}, saturationTemperature, units, endRow,
    {'R', "Hf", "enthalpy of saturated liquid"}, saturationTemperature, units, endRow,
    {'R', "Hg", "enthalpy of saturated vapor"}, saturationTemperature, units, endRow,
    {'R', "Sf", "entropy of saturated liquid"}, saturationTemperature, units, endRow,
    {'R', "Sg", "entropy of saturated vapor"}, saturationTemperature, units, endRow,
    {'R', "PofTV", "pressure"}, temperature, volume, units, endRow,
    {'R', "VofTP", "specific volume"}, temperature, pressure, units, endRow,
    {'R', "HofTV", "enthalpy"}, temperature, volume, units, endRow,
    {'R', "HofTP", "enthalpy"}, temperature, pressure, units, endRow,
    {'R', "SofTV", "entropy"}, temperature, volume, units, endRow,
    {'R', "SofTP", "entropy"}, temperature, pressure, units, endRow,
    {'R', "TofPH", "temperature"}, pressure, {'B', "H", "enthalpy"}, units, endRow,
    {'R', "TofPS", "temperature"}, pressure, {'B', "S", "entropy"}, units, endRow,
    {'R', "HofPS", "enthalpy"}, pressure, {'B', "S", "entropy"}, units, endRow,
    {'R', "ZofTV", "compressibility"}, temperature, volume, units, endRow,
    {'R', "ZofTP", "compressibility"}, temperature, pressure, units, endRow,
    endRow,
}};
