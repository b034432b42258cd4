#pragma once

#include <cstdint>

#include <gtest/gtest.h>

#include "worksheet/result_record.h"
#include "worksheet/units.h"
#include "worksheet/worksheet_functions.h"

// Entered as the host enters them: callee-cleans on 32-bit Windows.
using OneStateFunction = XLOPER*(KORVA_CALL*)(double, std::int32_t);
using TwoStateFunction = XLOPER*(KORVA_CALL*)(double, double, std::int32_t);

// The number a worksheet function answers, after checking it came back in the
// one result record as a plain number (the type word is cleared first).
inline double call(OneStateFunction f, double x, std::int32_t units) {
    ResultRecord.xltype = 0;
    XLOPER* record = f(x, units);
    EXPECT_EQ(record, &ResultRecord);
    EXPECT_EQ(record->xltype, xltypeNum);
    return record->val.num;
}

inline double call(TwoStateFunction f, double x, double y, std::int32_t units) {
    ResultRecord.xltype = 0;
    XLOPER* record = f(x, y, units);
    EXPECT_EQ(record, &ResultRecord);
    EXPECT_EQ(record->xltype, xltypeNum);
    return record->val.num;
}

// Internal values in a unit system's own units.
inline double temperatureIn(double T_K, std::int32_t units) { return tempFromK(T_K, units)->val.num; }
inline double pressureIn(double p_kPa, std::int32_t units) { return presFromKPa(p_kPa, units)->val.num; }
inline double degreesPerKelvin(std::int32_t units) { return (units == 0 || units == 2) ? 1.8 : 1.0; }
