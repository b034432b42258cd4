#pragma once

#include <string>
#include <string_view>
#include <vector>

// Calls written as in a cell, "HofTP(25, 10, 1)" or "=HofTP(25,10,1)":
// a function name, then numbers in parentheses separated by commas. Pure
// text handling: no host, no add-in.

struct ParsedCall {
    std::string name;
    std::vector<double> arguments;
};

struct CallParse {
    bool ok = false;
    ParsedCall call;
    // What was wrong, when not ok.
    std::string error;
};

// More arguments than any register call can describe.
inline constexpr std::size_t maxCallArguments = 255;

CallParse parseCall(std::string_view text);

struct CallLine {
    int lineNumber = 0;
    std::string text;
};

// The calls of a file: one a line, "#" starts a comment to the end of the
// line, blank lines are skipped. Texts come back trimmed.
std::vector<CallLine> callLinesOf(std::string_view fileText);
