#pragma once

#include <string>

#include "host/call_parser.h"
#include "host/shared_library.h"
#include "host/spreadsheet_host.h"

// An add-in file opened the way the spreadsheet opens one: loaded, our host
// installed behind the callback library, xlAutoOpen called.
struct LoadedAddin {
    SharedLibrary library;
    std::string path;
    bool loaded = false;
    // xlAutoOpen's answer: 1 when every function was registered.
    int openResult = 0;
    // Why it could not be loaded.
    std::string error;
};

// `settings.addinPath` is filled in from `path` (made absolute).
LoadedAddin openAddin(const std::string& path, HostSettings settings);

struct Evaluation {
    bool ok = false;
    double value = 0;
    std::string error;
};

// Calls the registered function `call` names through its entry point, the
// arguments passed as its type text says.
Evaluation evaluateCall(const LoadedAddin& addin, const ParsedCall& call);
