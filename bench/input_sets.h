#pragma once

#include <vector>

#include "bench/comparisons.h"

// The fixed inputs of the benchmark, in K, kPa, kJ/kg, kJ/(kg K) and m3/kg
// (unit system 7), each set spread over liquid, vapour, supercritical,
// two-phase and out-of-window states. Saturation and property values are
// computed once, on the reference path, when the sets are built.
std::vector<Inputs> temperaturePressureSet();        // (T, p)
std::vector<Inputs> temperatureVolumeSet();          // (T, v)
std::vector<Inputs> saturationTemperatureSet();      // (Ts, 0)
std::vector<Inputs> pressureEnthalpySet();           // (p, h)
std::vector<Inputs> pressureEntropySet();            // (p, s)
