#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "worksheet/value_record.h"

// Our host, in place of the spreadsheet: answers the five operations the
// add-in uses and records what it was asked, so a program or a test can see
// every registration, alert and file-name loan.

// One function as the register call described it.
struct RegisteredFunction {
    std::string module;
    std::string procedure;
    std::string typeText;
    std::string functionText;
    std::string argumentText;
    std::string macroType;
    std::string category;
    std::string shortcut;
    std::string helpTopic;
    std::string functionHelp;
    std::vector<std::string> argumentHelps;
    int registerArguments = 0;
};

struct ShownAlert {
    std::string message;
    int type = 0;
};

struct HostSettings {
    // Answered by the file-name operation.
    std::string addinPath;
    // The k-th register call (counted from 1) is refused; 0 refuses none.
    int refuseRegistration = 0;
    // Most arguments one register call may carry: 30 on 32-bit hosts.
    int maxRegisterArguments = sizeof(void*) == 4 ? 30 : 255;
    // Where alerts are shown; nullptr records them only.
    std::ostream* alertStream = nullptr;
};

struct HostLog {
    // Registered functions in the order first registered; registering a
    // function text again replaces its entry, as reopening an add-in does.
    std::vector<RegisteredFunction> functions;
    std::vector<ShownAlert> alerts;
    int operations = 0;
    int registerCalls = 0;
    int namesGiven = 0;
    int namesFreed = 0;
    // File names lent out and not yet given back.
    std::vector<std::unique_ptr<unsigned char[]>> lentNames;
};

// Starts afresh with `settings` and installs this host behind the callback
// library.
void startHost(HostSettings settings);
const HostLog& hostLog();
HostSettings& hostSettings();

// The operation entry the callback library forwards to.
int answerHostCall(int function, XLOPER* result, int count, XLOPER** arguments);

// The registered function whose function text is `name` (compared as the
// spreadsheet compares names, ignoring case), or nullptr.
const RegisteredFunction* findRegisteredFunction(std::string_view name);

// The text of a length-prefixed host string record.
std::string textOfRecord(const XLOPER& record);
