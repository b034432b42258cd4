#pragma once

#include <cstdint>

#include "worksheet/calling_convention.h"
#include "worksheet/value_record.h"

// The nineteen worksheet functions, exported under exactly these names. Each
// takes its state values and, last, the unit-system code, and answers the
// address of the one static result record.
extern "C" {
KORVA_EXPORT XLOPER* KORVA_CALL Psat(double Ts, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL Tsat(double Ps, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL Vf(double Ts, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL Vg(double Ts, std::int32_t units);

KORVA_EXPORT XLOPER* KORVA_CALL Hf(double Ts, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL Hg(double Ts, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL Sf(double Ts, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL Sg(double Ts, std::int32_t units);

KORVA_EXPORT XLOPER* KORVA_CALL PofTV(double T, double V, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL HofTV(double T, double V, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL SofTV(double T, double V, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL ZofTV(double T, double V, std::int32_t units);

KORVA_EXPORT XLOPER* KORVA_CALL VofTP(double T, double P, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL HofTP(double T, double P, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL SofTP(double T, double P, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL ZofTP(double T, double P, std::int32_t units);

KORVA_EXPORT XLOPER* KORVA_CALL TofPH(double P, double H, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL TofPS(double P, double S, std::int32_t units);
KORVA_EXPORT XLOPER* KORVA_CALL HofPS(double P, double S, std::int32_t units);
}
