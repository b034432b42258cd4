#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/call_parser.h"
#include "tests/check_values.h"

TEST(CallParser, CallsWrittenAsInACell) {
    struct Row {
        const char* text;
        const char* name;
        std::vector<double> arguments;
    };
    const Row rows[] = {
        {"HofTP(25, 10, 1)", "HofTP", {25.0, 10.0, 1.0}},
        {"=psat(-50,1)", "psat", {-50.0, 1.0}},
        {"  Tsat ( 1.01325 , 1 )\r", "Tsat", {1.01325, 1.0}},
        {"F(1e3, -2.5E-2, +7, .5, 5.)", "F", {1000.0, -0.025, 7.0, 0.5, 5.0}},
        {"F(0.1)", "F", {0.1}},
        {"F_2()", "F_2", {}},
    };
    for (const Row& row : rows) {
        const CallParse parse = parseCall(row.text);
        ASSERT_TRUE(parse.ok) << row.text << ": " << parse.error;
        EXPECT_EQ(parse.call.name, row.name) << row.text;
        ASSERT_EQ(parse.call.arguments.size(), row.arguments.size()) << row.text;
        for (std::size_t k = 0; k < row.arguments.size(); ++k) {
            EXPECT_EQ(parse.call.arguments[k], row.arguments[k]) << row.text << " argument " << k + 1
                                                                 << " = " << show(parse.call.arguments[k]);
        }
    }
}

TEST(CallParser, MalformedCallsSayWhatIsWrong) {
    struct Row {
        const char* text;
        const char* error;
    };
    const Row rows[] = {
        {"", "empty call"},
        {"=", "empty call"},
        {"(1, 2)", "starts with a function name"},
        {"1abc(2)", "starts with a function name"},
        {"HofTP 25, 10, 1", "missing '('"},
        {"HofTP(25, 10, 1", "missing ')'"},
        {"HofTP(25, 10, 1) + 1", "missing ')'"},
        {"HofTP(25,,1)", "argument 2 of HofTP is empty"},
        {"HofTP(25, 10, )", "argument 3 of HofTP is empty"},
        {"HofTP(25, ten, 1)", "argument 2 of HofTP, 'ten', is not a number"},
        {"HofTP(25 10, 1)", "'25 10', is not a number"},
        {"HofTP(0x10, 1, 1)", "is not a number"},
        {"HofTP(inf, 1, 1)", "is not a number"},
        {"HofTP(nan, 1, 1)", "is not a number"},
        {"HofTP(1e, 1, 1)", "is not a number"},
        {"HofTP(-, 1, 1)", "is not a number"},
        {"HofTP(1e999, 1, 1)", "out of the range of a double"},
        {"HofTP((25), 1, 1)", "is not a number"},
    };
    for (const Row& row : rows) {
        const CallParse parse = parseCall(row.text);
        EXPECT_FALSE(parse.ok) << row.text;
        EXPECT_NE(parse.error.find(row.error), std::string::npos)
            << "'" << row.text << "' gave: " << parse.error;
    }
}

TEST(CallParser, TooManyArgumentsAreRefused) {
    std::string text = "F(1";
    for (int k = 0; k < 300; ++k) {
        text += ",1";
    }
    const CallParse parse = parseCall(text + ")");
    EXPECT_FALSE(parse.ok);
    EXPECT_NE(parse.error.find("too many arguments"), std::string::npos) << parse.error;
}

TEST(CallParser, FileLinesDropCommentsAndBlanks) {
    const std::string file =
        "# a saturation table\r\n"
        "Psat(25, 1)   # trailing comment\r\n"
        "\n"
        "   \t\n"
        "  # indented comment\n"
        "HofTP(25, 10, 1)";
    const std::vector<CallLine> lines = callLinesOf(file);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].lineNumber, 2);
    EXPECT_EQ(lines[0].text, "Psat(25, 1)");
    EXPECT_EQ(lines[1].lineNumber, 6);
    EXPECT_EQ(lines[1].text, "HofTP(25, 10, 1)");
    EXPECT_TRUE(callLinesOf("").empty());
}
