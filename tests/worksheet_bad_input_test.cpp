#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "tests/check_values.h"
#include "tests/worksheet_calls.h"

// Every input is answered with a number, within the fixed bounds of the
// solvers, never a trap (the sanitizer build runs this too).
TEST(WorksheetFunctions, AnyInputIsAnsweredWithANumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                             inf,
                             -inf,
                             0.0,
                             -0.0,
                             -1.0,
                             -1e300,
                             1e300,
                             std::numeric_limits<double>::denorm_min()};
    const std::int32_t codes[] = {0, 8, -1, std::numeric_limits<std::int32_t>::min()};
    const struct {
        const char* name;
        OneStateFunction f;
    } oneState[] = {{"Hf", Hf}, {"Hg", Hg}, {"Sf", Sf}, {"Sg", Sg}};
    const struct {
        const char* name;
        TwoStateFunction f;
    } twoState[] = {{"PofTV", PofTV}, {"HofTV", HofTV}, {"SofTV", SofTV}, {"ZofTV", ZofTV},
                    {"VofTP", VofTP}, {"HofTP", HofTP}, {"SofTP", SofTP}, {"ZofTP", ZofTP},
                    {"TofPH", TofPH}, {"TofPS", TofPS}, {"HofPS", HofPS}};
    for (std::int32_t units : codes) {
        for (double x : values) {
            for (const auto& function : oneState) {
                ResultRecord.xltype = 0;
                XLOPER* record = function.f(x, units);
                ASSERT_EQ(record, &ResultRecord);
                EXPECT_EQ(record->xltype, xltypeNum)
                    << function.name << "(" << show(x) << ", " << units << ")";
            }
            for (double y : values) {
                for (const auto& function : twoState) {
                    ResultRecord.xltype = 0;
                    XLOPER* record = function.f(x, y, units);
                    ASSERT_EQ(record, &ResultRecord);
                    EXPECT_EQ(record->xltype, xltypeNum) << function.name << "(" << show(x)
                                                         << ", " << show(y) << ", " << units << ")";
                }
            }
        }
    }
}
