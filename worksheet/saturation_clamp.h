#pragma once

#include "fluid/constants.h"

// Keeps a temperature on the saturation line [Ttp, Tc], lower bound first.
// The density ancillaries are undefined above Tc.
inline double clampToSaturationLine(double T) {
    if (T < FluidConstants::Ttp) {
        T = FluidConstants::Ttp;
    }
    if (T > FluidConstants::Tc) {
        T = FluidConstants::Tc;
    }
    return T;
}
