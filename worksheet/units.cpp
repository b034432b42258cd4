#include "worksheet/units.h"

#include "fluid/constants.h"
#include "worksheet/result_record.h"
#include "worksheet/unit_systems.h"

// The constants are used exactly as written, and each conversion in the
// order written: the last bit of a result depends on both.
namespace {

constexpr double rankineOffset = 459.67;
constexpr double rankinePerKelvin = 1.8;
constexpr double celsiusOffset = 273.15;
constexpr double kPaPerBar = 100.0;
constexpr double psiPerBar = 14.50377377;
// 100 / 14.50377377 as a double. Input multiplies by 100 then divides by
// psiPerBar (two roundings); output divides by this once (one rounding).
constexpr double kPaPerPsi = 6.894757294604437;
constexpr double atmospherePsi = 14.696;
constexpr double kPaPerMPa = 1000.0;
constexpr double kPaPerKgfCm2 = 98.0665;
constexpr double ft3lbPerM3kg = 16.01846353;
constexpr double kJkgPerBtulb = 2.326;
constexpr double kJPerKcal = 4.1868;  // also kJ/(kg K) per Btu/(lb degF)

}  // namespace

double tempToK(double x, UnitSystem units) {
    switch (unitSystemOf(units).temperature) {
        case TemperatureUnit::Fahrenheit: return (x + rankineOffset) / rankinePerKelvin;
        case TemperatureUnit::Celsius: return x + celsiusOffset;
        case TemperatureUnit::Kelvin: break;
    }
    return x;
}

XLOPER* tempFromK(double T, UnitSystem units) {
    double x = T;
    switch (unitSystemOf(units).temperature) {
        case TemperatureUnit::Fahrenheit: x = T * rankinePerKelvin - rankineOffset; break;
        case TemperatureUnit::Celsius: x = T - celsiusOffset; break;
        case TemperatureUnit::Kelvin: break;
    }
    return setResultNumber(x);
}

double presToKPa(double x, UnitSystem units) {
    switch (unitSystemOf(units).pressure) {
        case PressureUnit::Psia: return x * kPaPerBar / psiPerBar;
        case PressureUnit::Psig: return (x + atmospherePsi) * kPaPerBar / psiPerBar;
        case PressureUnit::Bar: return x * kPaPerBar;
        case PressureUnit::MPa: return x * kPaPerMPa;
        case PressureUnit::KgfPerCm2: return x * kPaPerKgfCm2;
        case PressureUnit::KPa: break;
    }
    return x;
}

XLOPER* presFromKPa(double p, UnitSystem units) {
    double x = p;
    switch (unitSystemOf(units).pressure) {
        case PressureUnit::Psia: x = p / kPaPerPsi; break;
        case PressureUnit::Psig: x = p / kPaPerPsi - atmospherePsi; break;
        case PressureUnit::Bar: x = p / kPaPerBar; break;
        case PressureUnit::MPa: x = p / kPaPerMPa; break;
        case PressureUnit::KgfPerCm2: x = p / kPaPerKgfCm2; break;
        case PressureUnit::KPa: break;
    }
    return setResultNumber(x);
}

double volumeToDensity(double v, UnitSystem units) {
    if (unitSystemOf(units).volume == VolumeUnit::CubicFeetPerPound) {
        return 1.0 / (FluidConstants::Mw * (v / ft3lbPerM3kg));
    }
    return 1.0 / (FluidConstants::Mw * v);
}

XLOPER* densityToVolume(double rho, UnitSystem units) {
    const double v = 1.0 / (FluidConstants::Mw * rho);
    if (unitSystemOf(units).volume == VolumeUnit::CubicFeetPerPound) {
        return setResultNumber(v * ft3lbPerM3kg);
    }
    return setResultNumber(v);
}

double enthToKJkg(double x, UnitSystem units) {
    switch (unitSystemOf(units).energy) {
        case EnergyUnit::Btu: return x * kJkgPerBtulb;
        case EnergyUnit::Kcal: return x * kJPerKcal;
        case EnergyUnit::KJ: break;
    }
    return x;
}

XLOPER* enthFromKJkg(double h, UnitSystem units) {
    double x = h;
    switch (unitSystemOf(units).energy) {
        case EnergyUnit::Btu: x = h / kJkgPerBtulb; break;
        case EnergyUnit::Kcal: x = h / kJPerKcal; break;
        case EnergyUnit::KJ: break;
    }
    return setResultNumber(x);
}

// Btu/(lb degF) and kcal/(kg K) are the same size: both convert by 4.1868.
double entrToKJkgK(double x, UnitSystem units) {
    return unitSystemOf(units).energy == EnergyUnit::KJ ? x : x * kJPerKcal;
}

XLOPER* entrFromKJkgK(double s, UnitSystem units) {
    return setResultNumber(unitSystemOf(units).energy == EnergyUnit::KJ ? s : s / kJPerKcal);
}
