#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/korva_host.h"
#include "host/number_text.h"
#include "tests/test_tables.h"
#include "worksheet/worksheet_functions.h"

namespace {

struct HostRun {
    int code;
    std::string out;
    std::string err;
};

HostRun korvaHost(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runKorvaHost(arguments, out, err);
    return {code, out.str(), err.str()};
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(KorvaHost, ListShowsTheFunctionWizardsView) {
    const HostRun run = korvaHost({KORVA_ADDIN_FILE, "--list"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(contains(run.out, std::string("add-in: ") + addInTitleText + "\n")) << run.out;
    EXPECT_TRUE(contains(run.out, std::string("category: ") + addInTitleText + "\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "  Psat(Ts, units)  saturation pressure\n"
                                  "      Ts: saturation temperature\n"
                                  "      units: units (0-7)\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "  HofTP(T, P, units)  enthalpy\n"
                                  "      T: temperature\n"
                                  "      P: pressure\n"))
        << run.out;
    for (const ExpectedFunction& f : expectedFunctions()) {
        EXPECT_TRUE(contains(run.out, std::string("  ") + f.name + "(")) << f.name;
    }
}

TEST(KorvaHost, CallsPrintSeventeenDigits) {
    const HostRun run = korvaHost({KORVA_ADDIN_FILE, "Psat(25, 1)", "=tsat(10,1)"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "Psat(25, 1) = " + numberText(Psat(25.0, 1)->val.num) + "\n" +
                           "=tsat(10,1) = " + numberText(Tsat(10.0, 1)->val.num) + "\n");
}

TEST(KorvaHost, FileOfCallsAsCsv) {
    const std::string path = testing::TempDir() + "korva_host_calls.txt";
    {
        std::ofstream file(path);
        file << "# saturation\nPsat(25, 1)  # at 25 degC\n\nVg(0, 1)\n";
    }
    const HostRun run = korvaHost({KORVA_ADDIN_FILE, "--csv", "--file", path});
    std::remove(path.c_str());
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "call,result\n\"Psat(25, 1)\"," + numberText(Psat(25.0, 1)->val.num) +
                           "\n\"Vg(0, 1)\"," + numberText(Vg(0.0, 1)->val.num) + "\n");
}

TEST(KorvaHost, MistakesGiveAMessageAndAFailingExit) {
    struct Row {
        std::vector<std::string> arguments;
        int code;
        const char* message;
    };
    const Row rows[] = {
        {{}, 2, "no add-in given"},
        {{KORVA_ADDIN_FILE}, 2, "nothing to do"},
        {{KORVA_ADDIN_FILE, "--frobnicate"}, 2, "unknown option --frobnicate"},
        {{KORVA_ADDIN_FILE, "--file"}, 2, "--file needs a value"},
        {{KORVA_ADDIN_FILE, "--file", "/no/such/calls.txt"}, 2, "cannot read the call file /no/such/calls.txt"},
        {{KORVA_ADDIN_FILE, "--refuse", "two", "Psat(25, 1)"}, 2, "--refuse takes a register call number"},
        {{"/no/such/addin.so", "--list"}, 1, "cannot load /no/such/addin.so"},
        {{KORVA_CALLBACK_LIBRARY_FILE, "--list"}, 1, "exports no xlAutoOpen"},
        {{KORVA_ADDIN_FILE, "Nope(1, 2)"}, 1, "no function Nope is registered"},
        {{KORVA_ADDIN_FILE, "Psat(25)"}, 1, "Psat takes 2 arguments (Ts, units), not 1"},
        {{KORVA_ADDIN_FILE, "Psat(25, 1, 1)"}, 1, "Psat takes 2 arguments (Ts, units), not 3"},
        {{KORVA_ADDIN_FILE, "Psat(hot, 1)"}, 1, "argument 1 of Psat, 'hot', is not a number"},
        {{KORVA_ADDIN_FILE, "Psat(25, 1.5)"}, 1, "argument 2 of Psat is a 32-bit whole number"},
        {{KORVA_ADDIN_FILE, "Psat(25, 1e10)"}, 1, "argument 2 of Psat is a 32-bit whole number"},
        {{KORVA_ADDIN_FILE, "Psat(25, 1", "Psat(25, 1)"}, 1, "1 of 2 calls failed"},
        {{KORVA_ADDIN_FILE, "--refuse", "3", "Psat(25, 1)"}, 1, "xlAutoOpen answered 0 after registering 2"},
    };
    for (const Row& row : rows) {
        const HostRun run = korvaHost(row.arguments);
        std::string command;
        for (const std::string& argument : row.arguments) {
            command += " " + argument;
        }
        EXPECT_EQ(run.code, row.code) << "korva-host" << command << "\n" << run.err;
        EXPECT_TRUE(contains(run.err, row.message)) << "korva-host" << command << " said:\n" << run.err;
    }
}

TEST(KorvaHost, RefusedRegistrationShowsTheAlert) {
    const HostRun run = korvaHost({KORVA_ADDIN_FILE, "--refuse", "1", "--list"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(contains(run.err, "alert: Error: Failed to register the XLL!\n")) << run.err;
}
