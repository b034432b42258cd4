#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "addin/registration.h"
#include "addin/variant.h"
#include "tests/addin_fixture.h"
#include "tests/test_tables.h"

#include "tests/heap_count.h"

namespace {

using OpenEntry = int(KORVA_CALL*)();

constexpr bool isKorva32 = argumentHelpLimit == 20;

#if defined(KORVA_ASAN)
constexpr long long heapNoise = 0;
#else
constexpr long long heapNoise = 512;
#endif

const char* const buildFailedText = "Error: can't build function params!";
const char* const registerFailedText = "Error: Failed to register the XLL!";

// Bytes the program holds on the heap, or -1 where that cannot be seen. The
// sanitizer's count is exact; the C library's also counts blocks kept in its
// per-thread caches, so it moves by some tens of bytes between calls.
long long liveHeapBytes() {
#if defined(KORVA_ASAN)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#elif defined(__GLIBC__)
    return static_cast<long long>(mallinfo2().uordblks);
#else
    return -1;
#endif
}

}  // namespace

using Registration = AddinTest;

TEST_F(Registration, OpenRegistersTheNineteenFunctionsInTableOrder) {
    ASSERT_EQ(addinEntry<OpenEntry>("xlAutoOpen")(), 1);
    const HostLog& log = hostLog();
    EXPECT_EQ(log.registerCalls, 19);
    ASSERT_EQ(log.functions.size(), expectedFunctions().size());
    for (std::size_t k = 0; k < log.functions.size(); ++k) {
        const RegisteredFunction& got = log.functions[k];
        const ExpectedFunction& f = expectedFunctions()[k];
        SCOPED_TRACE(f.name);
        EXPECT_EQ(got.module, loadedAddin().path);
        EXPECT_EQ(got.procedure, f.name);
        EXPECT_EQ(got.typeText, f.typeText);
        EXPECT_EQ(got.functionText, f.name);
        EXPECT_EQ(got.argumentText, f.argumentText);
        EXPECT_EQ(got.macroType, "1");
        EXPECT_EQ(got.category, addInTitleText);
        EXPECT_EQ(got.category.size(), 34U);
        EXPECT_EQ(got.shortcut, "");
        EXPECT_EQ(got.helpTopic, "");
        EXPECT_EQ(got.functionHelp, f.functionHelp);
        EXPECT_EQ(got.argumentHelps, f.argumentHelps);
        EXPECT_EQ(got.registerArguments, k < 8 ? 12 : 13);
    }
    EXPECT_EQ(log.namesGiven, 1);
    EXPECT_EQ(log.namesFreed, 1);
    EXPECT_TRUE(log.lentNames.empty());
    EXPECT_TRUE(log.alerts.empty());
}

TEST_F(Registration, EmptyTableAsksForTheModuleNameAndGivesItBack) {
    const RegistrationEntry empty[] = {{0, nullptr, nullptr}};
    EXPECT_EQ(registerFunctions(empty), 1);
    EXPECT_EQ(hostLog().namesGiven, 1);
    EXPECT_EQ(hostLog().namesFreed, 1);
    EXPECT_EQ(hostLog().registerCalls, 0);
    EXPECT_TRUE(hostLog().functions.empty());
    EXPECT_TRUE(hostLog().alerts.empty());
}

TEST_F(Registration, ArgumentCountsOfThisVariant) {
    struct Row {
        int arguments;
        bool registered;
        std::size_t helps;
        const char* lastHelp;
    };
    // KORVA64 passes every help; KORVA32 at most 20, the 20th marked when
    // helps were left out.
    const Row rows[] = {
        {20, true, 20, "help 20"},
        {21, true, isKorva32 ? 20U : 21U, isKorva32 ? "help 20, etc." : "help 21"},
        {30, true, isKorva32 ? 20U : 30U, isKorva32 ? "help 20, etc." : "help 30"},
        {31, false, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.arguments << " arguments");
        restartHost();
        const TestTable table = tableWithArguments(row.arguments);
        EXPECT_EQ(registerFunctions(table.rows), row.registered ? 1 : 0);
        const HostLog& log = hostLog();
        if (!row.registered) {
            EXPECT_EQ(log.registerCalls, 0);
            EXPECT_EQ(log.namesGiven, 0);
            ASSERT_EQ(log.alerts.size(), 1U);
            EXPECT_EQ(log.alerts[0].message, buildFailedText);
            EXPECT_EQ(log.alerts[0].type, 2);
            continue;
        }
        ASSERT_EQ(log.functions.size(), 1U);
        const RegisteredFunction& f = log.functions[0];
        EXPECT_EQ(f.typeText, typeTextOf(row.arguments));
        EXPECT_EQ(f.argumentText, argumentTextOf(row.arguments));
        EXPECT_EQ(f.registerArguments, static_cast<int>(10 + row.helps));
        ASSERT_EQ(f.argumentHelps.size(), row.helps);
        EXPECT_EQ(f.argumentHelps.front(), "help 1");
        EXPECT_EQ(f.argumentHelps.back(), row.lastHelp);
        EXPECT_EQ(log.namesFreed, 1);
        EXPECT_TRUE(log.alerts.empty());
    }
}

TEST_F(Registration, BuildFailureShowsTheSameAlertEveryTime) {
    const TestTable table = tableWithArguments(31);
    EXPECT_EQ(registerFunctions(table.rows), 0);
    EXPECT_EQ(registerFunctions(table.rows), 0);
    ASSERT_EQ(hostLog().alerts.size(), 2U);
    for (const ShownAlert& alert : hostLog().alerts) {
        EXPECT_EQ(alert.message, buildFailedText);
        EXPECT_EQ(alert.message.size(), 35U);
    }
    EXPECT_EQ(hostLog().namesGiven, 0);
}

TEST_F(Registration, RefusalOfTheKthFunctionStopsThere) {
    for (const int k : {1, 2, 8, 9, 19}) {
        SCOPED_TRACE(testing::Message() << "refusing register call " << k);
        HostSettings settings;
        settings.refuseRegistration = k;
        restartHost(settings);
        EXPECT_EQ(addinEntry<OpenEntry>("xlAutoOpen")(), 0);
        const HostLog& log = hostLog();
        EXPECT_EQ(log.registerCalls, k);
        ASSERT_EQ(log.functions.size(), static_cast<std::size_t>(k - 1));
        for (int j = 0; j < k - 1; ++j) {
            EXPECT_EQ(log.functions[j].functionText, expectedFunctions()[j].name);
        }
        ASSERT_EQ(log.alerts.size(), 1U);
        EXPECT_EQ(log.alerts[0].message, registerFailedText);
        EXPECT_EQ(log.alerts[0].message.size(), 34U);
        EXPECT_EQ(log.alerts[0].type, 2);
        // The module name goes back to the host on failure too.
        EXPECT_EQ(log.namesGiven, 1);
        EXPECT_EQ(log.namesFreed, 1);
    }
}

TEST_F(Registration, HundredOpensInARowHoldNoMoreMemory) {
    const auto open = addinEntry<OpenEntry>("xlAutoOpen");
    for (int k = 0; k < 10; ++k) {
        ASSERT_EQ(open(), 1);
    }
    const long long before = liveHeapBytes();
    for (int k = 0; k < 100; ++k) {
        ASSERT_EQ(open(), 1);
    }
    const long long after = liveHeapBytes();
    EXPECT_EQ(hostLog().functions.size(), 19U);
    EXPECT_EQ(hostLog().namesGiven, 110);
    EXPECT_EQ(hostLog().namesFreed, 110);
    if (before < 0) {
        GTEST_SKIP() << "no way to read the heap's size on this platform";
    }
    // Keeping even the smallest block per open would grow the heap by 1600 bytes.
    EXPECT_LE(after - before, heapNoise) << "the heap grew by " << after - before << " bytes";
}
