// Failures during xlAutoOpen, injected one at a time: the host refusing each
// register call in turn, and each allocation of an open failing in turn,
// whether the add-in or our host makes it. After every failure the open must
// have answered 0 with the one alert the rules give, kept nothing and given
// the host's file name back, and the next open in the same process must
// register all nineteen functions.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "addin/callbacks.h"
#include "addin/host_interface.h"
#include "addin/registration_table.h"
#include "addin/variant.h"
#include "hardening/failing_allocation.h"
#include "host/host_installation.h"
#include "host/spreadsheet_host.h"

namespace {

const char* const buildFailedText = "Error: can't build function params!";
const char* const registerFailedText = "Error: Failed to register the XLL!";
const char* const variantName = argumentHelpLimit == 20 ? "KORVA32" : "KORVA64";

// Our host, marking which operation it is answering, so that a failed
// allocation can be told apart: the add-in's (place 0) or the host's.
int markingHost(int function, XLOPER* result, int count, XLOPER** arguments) {
    FailingAllocation::markPlace(function);
    const int code = answerHostCall(function, result, count, arguments);
    FailingAllocation::markPlace(0);
    return code;
}

void restartHost(int refuse = 0) {
    HostSettings settings;
    settings.addinPath = "/hardening/addin/under/test.so";
    settings.refuseRegistration = refuse;
    startHost(settings);
    installHost(markingHost);
}

std::vector<std::string> tableNames() {
    std::vector<std::string> names;
    for (std::size_t row = 0; row < RegistrationTable.size() && RegistrationTable[row].type != 0;
         ++row) {
        names.emplace_back(RegistrationTable[row].name);
        while (RegistrationTable[row].type != 0) {
            ++row;
        }
    }
    return names;
}

bool registeredAre(const std::vector<std::string>& names) {
    const HostLog& log = hostLog();
    if (log.functions.size() != names.size()) {
        return false;
    }
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (log.functions[k].functionText != names[k]) {
            return false;
        }
    }
    return true;
}

std::string placeName(int place) {
    switch (place) {
        case 0: return "the add-in";
        case xlGetName: return "the host's file-name operation";
        case xlfRegister: return "the host's register operation";
        case xlcAlert: return "the host's alert operation";
        case xlFree: return "the host's free operation";
        default: return "host operation " + std::to_string(place);
    }
}

// One open with the n-th allocation failing, then an open with none failing,
// then a fresh host. Plain values only, so that the heap is measured free of
// the test's own bookkeeping.
struct FailedOpen {
    FailingAllocation::Failure failure;
    int answer;
    std::size_t alerts;
    bool alertIsBuildFailed;
    bool alertIsRegisterFailed;
    bool nameGivenBack;
    int reopenAnswer;
    bool reopenRegisteredAll;
    bool reopenShowedNoAlert;
    std::int64_t blocksBefore;
    std::int64_t blocksAfter;
};

FailedOpen openWithFailingAllocation(std::uint64_t n, const std::vector<std::string>& names) {
    FailedOpen run{};
    restartHost();
    run.blocksBefore = FailingAllocation::liveBlocks();
    FailingAllocation::failNth(n);
    run.answer = xlAutoOpen();
    run.failure = FailingAllocation::disarm();
    const HostLog& log = hostLog();
    run.alerts = log.alerts.size();
    run.alertIsBuildFailed = run.alerts == 1 && log.alerts[0].message == buildFailedText;
    run.alertIsRegisterFailed = run.alerts == 1 && log.alerts[0].message == registerFailedText;
    run.nameGivenBack = log.namesGiven == log.namesFreed && log.lentNames.empty();
    run.reopenAnswer = xlAutoOpen();
    run.reopenRegisteredAll = registeredAre(names);
    run.reopenShowedNoAlert = log.alerts.size() == run.alerts;
    restartHost();
    run.blocksAfter = FailingAllocation::liveBlocks();
    return run;
}

}  // namespace

TEST(FaultInjection, RefusalOfEachRegistrationLeavesTheAddinReadyToOpenAgain) {
    const std::vector<std::string> names = tableNames();
    ASSERT_EQ(names.size(), 19U);
    for (int k = 1; k <= 19; ++k) {
        SCOPED_TRACE(testing::Message() << variantName << ", host refusing register call " << k);
        restartHost(k);
        EXPECT_EQ(xlAutoOpen(), 0);
        const HostLog& log = hostLog();
        EXPECT_EQ(log.registerCalls, k);
        EXPECT_TRUE(registeredAre({names.begin(), names.begin() + (k - 1)}));
        ASSERT_EQ(log.alerts.size(), 1U);
        EXPECT_EQ(log.alerts[0].message, registerFailedText);
        EXPECT_EQ(log.alerts[0].type, 2);
        EXPECT_EQ(log.namesGiven, 1);
        EXPECT_EQ(log.namesFreed, 1);

        hostSettings().refuseRegistration = 0;
        EXPECT_EQ(xlAutoOpen(), 1);
        EXPECT_TRUE(registeredAre(names));
        EXPECT_EQ(log.alerts.size(), 1U);
        EXPECT_EQ(log.namesGiven, 2);
        EXPECT_EQ(log.namesFreed, 2);
    }
}

TEST(FaultInjection, EachAllocationOfAnOpenFailingLeavesTheAddinReadyToOpenAgain) {
    const std::vector<std::string> names = tableNames();
    std::uint64_t failedInAddin = 0;
    std::uint64_t failedInHost = 0;
    for (std::uint64_t n = 1;; ++n) {
        const FailedOpen run = openWithFailingAllocation(n, names);
        SCOPED_TRACE(testing::Message() << variantName << ", allocation " << n << " failing in "
                                        << placeName(run.failure.place));
        if (!run.failure.happened) {
            // The open needs fewer allocations than n: it must simply succeed.
            EXPECT_EQ(run.answer, 1);
            EXPECT_EQ(run.alerts, 0U);
            break;
        }
        ++(run.failure.place == 0 ? failedInAddin : failedInHost);
        EXPECT_EQ(run.answer, 0);
        if (run.failure.place == 0) {
            // Whatever the add-in could not allocate, the open could not be built.
            EXPECT_TRUE(run.alertIsBuildFailed) << run.alerts << " alerts";
        } else {
            // The host could not do what was asked, which the add-in sees as a refusal.
            EXPECT_TRUE(run.alertIsRegisterFailed) << run.alerts << " alerts";
        }
        EXPECT_TRUE(run.nameGivenBack);
        EXPECT_EQ(run.reopenAnswer, 1);
        EXPECT_TRUE(run.reopenRegisteredAll);
        EXPECT_TRUE(run.reopenShowedNoAlert);
        EXPECT_EQ(run.blocksAfter, run.blocksBefore) << "blocks kept by the failed and the next open";
        ASSERT_LT(n, 100000U) << "an open that never stops allocating";
    }
    // The list, the records and the texts of every register call, and the
    // host's copy of every registration, each had their turn to fail.
    EXPECT_GT(failedInAddin, 19U * 10U);
    EXPECT_GT(failedInHost, 19U);
    std::printf("%s: %llu allocations of the add-in and %llu of the host failed in turn\n",
                variantName, static_cast<unsigned long long>(failedInAddin),
                static_cast<unsigned long long>(failedInHost));
}
