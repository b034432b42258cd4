#pragma once

#include <ostream>
#include <string>
#include <vector>

// The korva-host command: `arguments` without the program name. Results go
// to `out`, messages and alerts to `err`. Answers the exit code: 0 when every
// call was evaluated, 1 when something failed, 2 for a wrong command line.
int runKorvaHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
