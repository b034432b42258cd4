#include <gtest/gtest.h>

#include "addin/registration_strings.h"
#include "tests/test_tables.h"

TEST(RegistrationStrings, FullTableGivesEveryFunctionsTextsInOrder) {
    const auto strings = buildRegistrationStrings(RegistrationTable, 255);
    ASSERT_TRUE(strings.has_value());
    // Eight groups of 7 entries, eleven of 8, and the closing empty entry.
    ASSERT_EQ(strings->size(), 145U);
    std::size_t at = 0;
    for (const ExpectedFunction& f : expectedFunctions()) {
        std::vector<std::optional<std::string>> group = {f.name, f.typeText, f.argumentText,
                                                         f.functionHelp};
        group.insert(group.end(), f.argumentHelps.begin(), f.argumentHelps.end());
        group.emplace_back(std::nullopt);
        for (const auto& expected : group) {
            ASSERT_LT(at, strings->size());
            EXPECT_EQ((*strings)[at], expected) << f.name << " entry " << at;
            ++at;
        }
    }
    EXPECT_EQ(at, 144U);
    EXPECT_FALSE((*strings)[144].has_value());
}

TEST(RegistrationStrings, EmptyTableGivesOneEmptyEntry) {
    const RegistrationEntry empty[] = {{0, nullptr, nullptr}};
    const auto strings = buildRegistrationStrings(empty, 255);
    ASSERT_TRUE(strings.has_value());
    ASSERT_EQ(strings->size(), 1U);
    EXPECT_FALSE((*strings)[0].has_value());
}

TEST(RegistrationStrings, ArgumentCountsAndHelpLimits) {
    struct Row {
        int arguments;
        int helpLimit;
        bool built;
        std::size_t helps;
        const char* lastHelp;
    };
    const Row rows[] = {
        {1, 255, true, 1, "help 1"},
        {20, 255, true, 20, "help 20"},
        {21, 255, true, 21, "help 21"},
        {30, 255, true, 30, "help 30"},
        {31, 255, false, 0, ""},
        {20, 20, true, 20, "help 20"},
        {21, 20, true, 20, "help 20, etc."},
        {30, 20, true, 20, "help 20, etc."},
        {31, 20, false, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.arguments << " arguments, at most " << row.helpLimit
                                        << " helps");
        const TestTable table = tableWithArguments(row.arguments);
        const auto strings = buildRegistrationStrings(table.rows, row.helpLimit);
        ASSERT_EQ(strings.has_value(), row.built);
        if (!row.built) {
            continue;
        }
        ASSERT_EQ(strings->size(), row.helps + 5 + 1);
        EXPECT_EQ((*strings)[0], "F");
        EXPECT_EQ((*strings)[1], typeTextOf(row.arguments));
        EXPECT_EQ((*strings)[1]->size(), static_cast<std::size_t>(row.arguments) + 1);
        EXPECT_EQ((*strings)[2], argumentTextOf(row.arguments));
        EXPECT_EQ((*strings)[3], "a test function");
        for (std::size_t k = 0; k + 1 < row.helps; ++k) {
            EXPECT_EQ((*strings)[4 + k], "help " + std::to_string(k + 1));
        }
        EXPECT_EQ((*strings)[3 + row.helps], row.lastHelp);
        EXPECT_FALSE((*strings)[4 + row.helps].has_value());
        EXPECT_FALSE((*strings)[5 + row.helps].has_value());
    }
}
