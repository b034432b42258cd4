#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "addin/host_interface.h"
#include "host/host_installation.h"
#include "host/spreadsheet_host.h"

namespace {

// String records with buffers of their own, for building host calls.
struct Records {
    std::vector<std::unique_ptr<unsigned char[]>> buffers;
    std::vector<std::unique_ptr<XLOPER>> records;

    XLOPER* text(const std::string& s) {
        auto buffer = std::make_unique<unsigned char[]>(s.size() + 1);
        buffer[0] = static_cast<unsigned char>(s.size());
        std::copy(s.begin(), s.end(), buffer.get() + 1);
        auto record = std::make_unique<XLOPER>();
        record->xltype = xltypeStr;
        record->val.str = buffer.get();
        buffers.push_back(std::move(buffer));
        records.push_back(std::move(record));
        return records.back().get();
    }
    XLOPER* integer(std::int16_t w) {
        records.push_back(std::make_unique<XLOPER>());
        records.back()->xltype = xltypeInt;
        records.back()->val.w = w;
        return records.back().get();
    }
    XLOPER* number(double x) {
        records.push_back(std::make_unique<XLOPER>());
        records.back()->xltype = xltypeNum;
        records.back()->val.num = x;
        return records.back().get();
    }
};

// The arguments of a register call: the ten fixed texts, then the helps.
std::vector<XLOPER*> registerArguments(Records& r, const std::string& typeText, int helps) {
    std::vector<XLOPER*> arguments = {r.text("/addin"), r.text("F"), r.text(typeText), r.text("F"),
                                      r.text("a,b"), r.text("1"), r.text("category"), r.text(""),
                                      r.text(""), r.text("help")};
    for (int k = 0; k < helps; ++k) {
        arguments.push_back(r.text("argument help"));
    }
    return arguments;
}

int registerThrough(std::vector<XLOPER*> arguments) {
    XLOPER result{};
    return HostCallV(xlfRegister, &result, static_cast<int>(arguments.size()), arguments.data());
}

class SpreadsheetHost : public ::testing::Test {
protected:
    void SetUp() override {
        HostSettings settings;
        settings.addinPath = "/path/to/KORVA64.so";
        startHost(settings);
    }
};

}  // namespace

TEST_F(SpreadsheetHost, RegistersWhatFitsItsTypeText) {
    // As a 64-bit host, also in the 32-bit Windows build: the 32-bit host's
    // limit of 30 register arguments has a test of its own.
    hostSettings().maxRegisterArguments = 255;
    Records r;
    struct Row {
        const char* why;
        std::vector<XLOPER*> arguments;
        int code;
    };
    std::vector<XLOPER*> nonText = registerArguments(r, "RBJ", 2);
    nonText[4] = r.number(1.0);
    std::vector<XLOPER*> missing = registerArguments(r, "RBJ", 2);
    missing[9] = nullptr;
    std::vector<XLOPER*> noHelp = registerArguments(r, "RBJ", 0);
    noHelp.pop_back();
    const Row rows[] = {
        {"two helps for two arguments", registerArguments(r, "RBJ", 2), 0},
        {"fewer helps than arguments", registerArguments(r, "RBBJ", 1), 0},
        {"thirty arguments", registerArguments(r, "R" + std::string(29, 'B') + "J", 30), 0},
        {"more helps than arguments", registerArguments(r, "RBJ", 3), hostWrongArgumentCount},
        {"no function help", noHelp, hostWrongArgumentCount},
        {"an empty type text", registerArguments(r, "", 0), hostBadArgument},
        {"a return code it cannot take", registerArguments(r, "BBJ", 2), hostBadArgument},
        {"an argument code it cannot pass", registerArguments(r, "RBQ", 2), hostBadArgument},
        {"thirty-one argument codes", registerArguments(r, "R" + std::string(31, 'B'), 0),
         hostBadArgument},
        {"an argument that is no text", nonText, hostBadArgument},
        {"a missing argument record", missing, hostBadArgument},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(registerThrough(row.arguments), row.code) << row.why;
    }
    EXPECT_EQ(hostLog().functions.size(), 1U) << "F registered again replaces F";
    EXPECT_EQ(hostLog().functions[0].typeText, std::string("R") + std::string(29, 'B') + "J");
}

TEST_F(SpreadsheetHost, ThirtyTwoBitHostTakesAtMostThirtyRegisterArguments) {
    hostSettings().maxRegisterArguments = 30;
    Records r;
    const std::string typeText = "R" + std::string(29, 'B') + "J";
    EXPECT_EQ(registerThrough(registerArguments(r, typeText, 20)), 0);
    EXPECT_EQ(registerThrough(registerArguments(r, typeText, 21)), hostWrongArgumentCount);
}

TEST_F(SpreadsheetHost, RefusesWhatItCannotDo) {
    Records r;
    XLOPER result{};
    XLOPER name{};
    ASSERT_EQ(HostCall(xlGetName, &name, 0), 0);
    XLOPER stranger = *r.text("/not/lent");
    struct Row {
        const char* why;
        int code;
        int expected;
    };
    const Row rows[] = {
        {"an unknown operation", HostCall(12345, &result, 0), hostUnknownOperation},
        {"a negative count", HostCall(xlcAlert, nullptr, -1), hostWrongArgumentCount},
        {"a count beyond any operation", HostCall(xlcAlert, nullptr, 300), hostWrongArgumentCount},
        {"a null argument array", HostCallV(xlcAlert, nullptr, 2, nullptr), hostWrongArgumentCount},
        {"a file name with arguments", HostCall(xlGetName, &result, 1, r.integer(1)), hostWrongArgumentCount},
        {"a file name with nowhere to put it", HostCall(xlGetName, nullptr, 0), hostBadArgument},
        {"freeing what was never lent", HostCall(xlFree, nullptr, 1, &stranger), hostBadArgument},
        {"freeing a number", HostCall(xlFree, nullptr, 1, r.number(1)), hostBadArgument},
        {"freeing two at once", HostCall(xlFree, nullptr, 2, &name, &name), hostWrongArgumentCount},
        {"an alert without its type", HostCall(xlcAlert, nullptr, 1, r.text("hello")), hostWrongArgumentCount},
        {"an alert that is no text", HostCall(xlcAlert, nullptr, 2, r.number(1), r.integer(2)), hostBadArgument},
        {"an alert type that is no integer", HostCall(xlcAlert, nullptr, 2, r.text("hello"), r.number(2)), hostBadArgument},
        {"coercion to a number", HostCall(xlCoerce, &result, 2, r.integer(1), r.integer(1)), hostBadArgument},
        {"coercion of a text", HostCall(xlCoerce, &result, 2, r.text("1"), r.integer(2048)), hostBadArgument},
        {"coercion beyond 16 bits", HostCall(xlCoerce, &result, 2, r.number(40000), r.integer(2048)), hostBadArgument},
        {"coercion with nowhere to put it", HostCall(xlCoerce, nullptr, 2, r.number(1), r.integer(2048)), hostBadArgument},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.code, row.expected) << row.why;
    }
    EXPECT_TRUE(hostLog().alerts.empty());
    EXPECT_EQ(hostLog().namesFreed, 0);
    // The name lent above comes back once, and only once.
    EXPECT_EQ(HostCall(xlFree, nullptr, 1, &name), 0);
    name.val.str = stranger.val.str;
    EXPECT_EQ(HostCall(xlFree, nullptr, 1, &name), hostBadArgument);
    EXPECT_EQ(hostLog().namesFreed, 1);
}

TEST_F(SpreadsheetHost, LendsTheFileNameAndShowsAlerts) {
    Records r;
    XLOPER name{};
    EXPECT_EQ(HostCall(xlGetName, &name, 0), 0);
    ASSERT_EQ(name.xltype, xltypeStr);
    EXPECT_EQ(textOfRecord(name), "/path/to/KORVA64.so");
    EXPECT_EQ(HostCall(xlFree, nullptr, 1, &name), 0);
    EXPECT_TRUE(hostLog().lentNames.empty());

    EXPECT_EQ(HostCall(xlcAlert, nullptr, 2, r.text("line one\nline two"), r.integer(2)), 0);
    ASSERT_EQ(hostLog().alerts.size(), 1U);
    EXPECT_EQ(hostLog().alerts[0].message, "line one\nline two");
    EXPECT_EQ(hostLog().alerts[0].type, 2);
}

TEST_F(SpreadsheetHost, CoercesNumbersToTheNearestInteger) {
    Records r;
    struct Row {
        XLOPER* value;
        std::int16_t expected;
    };
    const Row rows[] = {{r.integer(7), 7}, {r.number(1.0), 1}, {r.number(1.5), 2}, {r.number(-1.5), -2},
                        {r.number(2.4999), 2}, {r.number(-32768.0), -32768}};
    for (const Row& row : rows) {
        XLOPER result{};
        EXPECT_EQ(HostCall(xlCoerce, &result, 2, row.value, r.integer(2048)), 0);
        EXPECT_EQ(result.xltype, xltypeInt);
        EXPECT_EQ(result.val.w, row.expected);
    }
}

TEST(CallbackLibrary, AnswersFailureWithNoHostInstalled) {
    installHost(nullptr);
    XLOPER name{};
    EXPECT_EQ(HostCall(xlGetName, &name, 0), hostNotInstalled);
    EXPECT_EQ(name.xltype, 0);
}
