#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "addin/notices.h"
#include "tests/addin_fixture.h"
#include "tests/test_tables.h"

#if defined(_WIN32)
#include <windows.h>
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved);
#endif

namespace {

using CountEntry = int(KORVA_CALL*)();
using RecordEntry = XLOPER*(KORVA_CALL*)(XLOPER*);

std::string lengthPrefixed(const char* buffer) {
    return {buffer + 1, static_cast<unsigned char>(buffer[0])};
}

XLOPER integerRecord(std::int16_t w) {
    XLOPER record{};
    record.xltype = xltypeInt;
    record.val.w = w;
    return record;
}

XLOPER numberRecord(double x) {
    XLOPER record{};
    record.xltype = xltypeNum;
    record.val.num = x;
    return record;
}

// The stamp the compiler wrote, worked out from the epoch the build was
// given (in UTC, as the compiler takes it), by the civil-calendar rule.
#if defined(KORVA_SOURCE_DATE_EPOCH)
std::string expectedStamp() {
    const long long seconds = KORVA_SOURCE_DATE_EPOCH;
    const long long days = seconds / 86400;
    const long long daySeconds = seconds % 86400;
    const long long z = days + 719468;
    const long long era = z / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[40];
    std::snprintf(text, sizeof text, "%s %2lld %lld at %02lld:%02lld:%02lld", months[month - 1], day,
                  year, daySeconds / 3600, daySeconds / 60 % 60, daySeconds % 60);
    return text;
}
#endif

}  // namespace

TEST(Notices, FormattedWithTheStampGiven) {
    struct Row {
        const char* event;
        BuildStamp stamp;
        int length;
        const char* text;
    };
    const Row rows[] = {
        {"Loaded", {"Oct  2 2019", "09:25:06"}, 75,
         "KORVA-583 Thermodynamic Properties Loaded!\nbuilt on Oct  2 2019 at 09:25:06"},
        {"Removed", {"Oct  2 2019", "09:25:06"}, 76,
         "KORVA-583 Thermodynamic Properties Removed!\nbuilt on Oct  2 2019 at 09:25:06"},
        {"Removed", {"Oct  2 2019", "09:25:04"}, 76,
         "KORVA-583 Thermodynamic Properties Removed!\nbuilt on Oct  2 2019 at 09:25:04"},
    };
    for (const Row& row : rows) {
        char notice[noticeBufferSize];
        EXPECT_EQ(formatNotice(notice, row.event, row.stamp), row.length) << row.text;
        EXPECT_EQ(static_cast<unsigned char>(notice[0]), row.length) << row.text;
        EXPECT_EQ(lengthPrefixed(notice), row.text);
    }
}

TEST(Notices, OverlongTextIsCutToTheBuffer) {
    const std::string longDate(300, 'x');
    char notice[noticeBufferSize];
    EXPECT_EQ(formatNotice(notice, "Loaded", {longDate.c_str(), "09:25:06"}), 254);
    EXPECT_EQ(lengthPrefixed(notice).substr(0, 44), "KORVA-583 Thermodynamic Properties Loaded!\nb");
}

using AddinManager = AddinTest;

TEST_F(AddinManager, AddAndRemoveShowTheBuildStamp) {
    struct Row {
        const char* entry;
        const char* heading;
        std::size_t length;
    };
    const Row rows[] = {{"xlAutoAdd", " Loaded!\nbuilt on ", 75}, {"xlAutoRemove", " Removed!\nbuilt on ", 76}};
    for (const Row& row : rows) {
        restartHost();
        EXPECT_EQ(addinEntry<CountEntry>(row.entry)(), 1) << row.entry;
        ASSERT_EQ(hostLog().alerts.size(), 1U) << row.entry;
        const ShownAlert& alert = hostLog().alerts[0];
        EXPECT_EQ(alert.type, 2);
        EXPECT_EQ(alert.message.size(), row.length) << alert.message;
        const std::string heading = std::string(addInTitleText) + row.heading;
        ASSERT_EQ(alert.message.substr(0, heading.size()), heading);
        const std::string stamp = alert.message.substr(heading.size());
#if defined(KORVA_SOURCE_DATE_EPOCH)
        EXPECT_EQ(stamp, expectedStamp());
#else
        // "Mmm dd yyyy at hh:mm:ss"
        ASSERT_EQ(stamp.size(), 23U) << stamp;
        EXPECT_EQ(stamp.substr(11, 4), " at ") << stamp;
        EXPECT_EQ(stamp[17], ':') << stamp;
        EXPECT_EQ(stamp[20], ':') << stamp;
#endif
        EXPECT_TRUE(hostLog().functions.empty());
    }
}

TEST_F(AddinManager, NameQueryAnswersTheTitleForActionOneOnly) {
    const auto info = addinEntry<RecordEntry>("xlAddInManagerInfo");
    struct Row {
        const char* action;
        XLOPER record;
        bool title;
    };
    XLOPER text{};
    text.xltype = xltypeStr;
    unsigned char one[] = {1, '1'};
    text.val.str = one;
    const Row rows[] = {
        {"integer 1", integerRecord(1), true},
        {"number 1", numberRecord(1.0), true},
        {"integer 2", integerRecord(2), false},
        {"integer 0", integerRecord(0), false},
        {"number 2", numberRecord(2.0), false},
        // Answered right after a 1: a coercion the host refuses must not
        // leave that answer behind.
        {"text the host cannot coerce", text, false},
        {"integer 1 again", integerRecord(1), true},
        {"number beyond the integers", numberRecord(1e9), false},
    };
    for (const Row& row : rows) {
        XLOPER action = row.record;
        const XLOPER* reply = info(&action);
        ASSERT_NE(reply, nullptr) << row.action;
        if (row.title) {
            ASSERT_EQ(reply->xltype, xltypeStr) << row.action;
            EXPECT_EQ(reply->val.str[0], 34) << row.action;
            EXPECT_EQ(textOfRecord(*reply), addInTitleText) << row.action;
        } else {
            EXPECT_EQ(reply->xltype, xltypeErr) << row.action;
            EXPECT_EQ(reply->val.err, xlerrValue) << row.action;
        }
    }
    EXPECT_TRUE(hostLog().functions.empty());
    EXPECT_TRUE(hostLog().alerts.empty());
}

TEST_F(AddinManager, RegistrationOnDemandRegistersNothing) {
    const auto autoRegister = addinEntry<RecordEntry>("xlAutoRegister");
    unsigned char psat[] = {4, 'P', 's', 'a', 't'};
    unsigned char unknown[] = {7, 'N', 'o', 'S', 'u', 'c', 'h', 'F'};
    XLOPER known{};
    known.xltype = xltypeStr;
    known.val.str = psat;
    XLOPER other = known;
    other.val.str = unknown;
    XLOPER number = numberRecord(3.0);
    for (XLOPER* name : {&known, &other, &number, static_cast<XLOPER*>(nullptr)}) {
        const XLOPER* reply = autoRegister(name);
        ASSERT_NE(reply, nullptr);
        EXPECT_EQ(reply->xltype, xltypeErr);
        EXPECT_EQ(reply->val.err, xlerrValue);
    }
    EXPECT_EQ(hostLog().operations, 0);
    EXPECT_TRUE(hostLog().functions.empty());
}

TEST_F(AddinManager, CloseLeavesTheFunctionsRegistered) {
    ASSERT_EQ(addinEntry<CountEntry>("xlAutoOpen")(), 1);
    const int operations = hostLog().operations;
    EXPECT_EQ(addinEntry<CountEntry>("xlAutoClose")(), 1);
    EXPECT_EQ(hostLog().operations, operations);
    EXPECT_EQ(hostLog().functions.size(), 19U);
    const Evaluation psat = evaluateCall(loadedAddin(), ParsedCall{"Psat", {25.0, 1.0}});
    EXPECT_TRUE(psat.ok) << psat.error;
}

#if defined(_WIN32)
TEST(DllEntry, AnswersSuccessForEveryNotification) {
    for (const DWORD reason : {DLL_PROCESS_ATTACH, DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH}) {
        EXPECT_EQ(DllMain(nullptr, reason, nullptr), TRUE) << "reason " << reason;
    }
}
#endif
