// Our stand-in for the host's callback library: the add-in links against it
// as it links against the real one, and it hands each call to the host
// program that installed itself.
#include <cstdarg>

#include "addin/host_interface.h"
#include "host/host_installation.h"

namespace {

HostAnswer installedHost = nullptr;

}  // namespace

void installHost(HostAnswer answer) { installedHost = answer; }

int HostCall(int function, XLOPER* result, int count, ...) {
    // The count decides how many pointers are read from the argument list,
    // so one out of range is refused before anything is read.
    if (count < 0 || count > maxHostArguments) {
        return hostWrongArgumentCount;
    }
    XLOPER* arguments[maxHostArguments] = {};
    va_list list;
    va_start(list, count);
    for (int k = 0; k < count; ++k) {
        // va_start above initialises the list; the analyzer loses track of it in the loop.
        arguments[k] = va_arg(list, XLOPER*);  // NOLINT(clang-analyzer-valist.Uninitialized)
    }
    va_end(list);
    return HostCallV(function, result, count, arguments);
}

int KORVA_HOSTV_CALL HostCallV(int function, XLOPER* result, int count, XLOPER* arguments[]) {
    if (installedHost == nullptr) {
        return hostNotInstalled;
    }
    if (count < 0 || count > maxHostArguments || (count > 0 && arguments == nullptr)) {
        return hostWrongArgumentCount;
    }
    return installedHost(function, result, count, arguments);
}
