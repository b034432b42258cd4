#include "worksheet/units.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "tests/check_values.h"
#include "worksheet/result_record.h"

namespace {

double number(XLOPER* record) {
    EXPECT_EQ(record, &ResultRecord);
    EXPECT_EQ(record->xltype, xltypeNum);
    return record->val.num;
}

}  // namespace

TEST(Units, InputConversions) {
    struct Row {
        const char* what;
        double actual;
        double expected;
    };
    const Row rows[] = {
        {"32 degF", tempToK(32.0, 0), 273.15},
        {"25 degC", tempToK(25.0, 4), 298.15},
        {"300 K, code 3", tempToK(300.0, 3), 300.0},
        {"300 K, code 7", tempToK(300.0, 7), 300.0},
        {"zero gauge", presToKPa(0.0, 2), 101.3253532015068},
        {"zero gauge, as written", presToKPa(0.0, 2), 14.696 * 100.0 / 14.50377377},
        {"1 bar", presToKPa(1.0, 1), 100.0},
        {"1 MPa", presToKPa(1.0, 3), 1000.0},
        {"1 kgf/cm2", presToKPa(1.0, 6), 98.0665},
        {"1 psia, multiply then divide", presToKPa(1.0, 0), 100.0 / 14.50377377},
        {"1 Btu/lb", enthToKJkg(1.0, 0), 2.326},
        {"1 kcal/kg", enthToKJkg(1.0, 5), 4.1868},
        {"1 Btu/(lb degF)", entrToKJkgK(1.0, 2), 4.1868},
        {"1 kJ/(kg K), code 1", entrToKJkgK(1.0, 1), 1.0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.actual, row.expected) << row.what << ": " << show(row.actual);
    }
    EXPECT_NEAR(tempToK(212.0, 2), 373.15, 1e-12);
}

TEST(Units, OutputConversionsOfTheCriticalPressure) {
    const double expected[8] = {271.0755317613, 18.69,  256.3795317613, 1.869,
                                1869.0,         18.69,  19.058496020557477, 1869.0};
    for (std::int32_t code = 0; code < 8; ++code) {
        EXPECT_NEAR(number(presFromKPa(1869.0, code)), expected[code], 1e-10) << "code " << code;
    }
    EXPECT_EQ(number(presFromKPa(1869.0, 6)), 19.058496020557477);
    EXPECT_EQ(number(presFromKPa(presToKPa(0.0, 2), 2)), 0.0);
}

TEST(Units, VolumesAndEnergies) {
    EXPECT_EQ(number(densityToVolume(1.92, 7)), 0.0016479752001090143);
    EXPECT_EQ(number(densityToVolume(1.92, 0)), 0.026398030641290694);
    EXPECT_EQ(number(densityToVolume(1.92, 2)), 0.026398030641290694);
    EXPECT_NEAR(volumeToDensity(0.0016479752001090143, 7), 1.92, 1e-15);
    EXPECT_NEAR(volumeToDensity(0.026398030641290694, 0), 1.92, 1e-15);
    EXPECT_EQ(number(enthFromKJkg(200.0, 0)), 85.98452278589853);
    EXPECT_EQ(number(enthFromKJkg(200.0, 5)), 47.76917932549919);
    EXPECT_EQ(number(entrFromKJkgK(1.0, 6)), 0.23884589662749595);
    EXPECT_EQ(number(enthFromKJkg(200.0, 1)), 200.0);
}

TEST(Units, UnknownCodesActAsCode7) {
    const std::int32_t unknown[] = {8, 100, -1, std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::int32_t>::max()};
    const double x = 123.456;
    for (std::int32_t code : unknown) {
        EXPECT_EQ(tempToK(x, code), tempToK(x, 7)) << code;
        EXPECT_EQ(presToKPa(x, code), presToKPa(x, 7)) << code;
        EXPECT_EQ(volumeToDensity(x, code), volumeToDensity(x, 7)) << code;
        EXPECT_EQ(enthToKJkg(x, code), enthToKJkg(x, 7)) << code;
        EXPECT_EQ(entrToKJkgK(x, code), entrToKJkgK(x, 7)) << code;
        EXPECT_EQ(number(tempFromK(x, code)), x) << code;
        EXPECT_EQ(number(presFromKPa(x, code)), x) << code;
        EXPECT_EQ(number(densityToVolume(x, code)), number(densityToVolume(x, 7))) << code;
        EXPECT_EQ(number(enthFromKJkg(x, code)), x) << code;
        EXPECT_EQ(number(entrFromKJkgK(x, code)), x) << code;
    }
}

TEST(Units, EveryOutputSharesTheOneRecord) {
    XLOPER* first = tempFromK(300.0, 1);
    XLOPER* second = setResultNumber(-2.5);
    EXPECT_EQ(first, second);
    EXPECT_EQ(ResultRecord.val.num, -2.5);
    EXPECT_EQ(ResultRecord.xltype, xltypeNum);
    // A non-finite result is still stored as a number; the host shows it as an error.
    setResultNumber(std::numeric_limits<double>::infinity());
    EXPECT_EQ(ResultRecord.xltype, xltypeNum);
}
