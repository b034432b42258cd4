#include "addin/alerts.h"

#include <algorithm>
#include <cstring>

#include "addin/host_interface.h"

namespace {

char buildFailedMessage[] = " Error: can't build function params!";
char registerFailedMessage[] = " Error: Failed to register the XLL!";

}  // namespace

void showAlert(char* text) {
    // Counted from the second character on, so a message shown before (its
    // first byte already a count) gets the same length byte again.
    const std::size_t length = std::min<std::size_t>(std::strlen(text + 1), 255);
    text[0] = static_cast<char>(length);
    XLOPER message{};
    message.xltype = xltypeStr;
    message.val.str = reinterpret_cast<unsigned char*>(text);
    XLOPER alertType{};
    alertType.xltype = xltypeInt;
    alertType.val.w = alertTypeMessage;
    HostCall(xlcAlert, nullptr, 2, &message, &alertType);
}

void alertBuildFailed() { showAlert(buildFailedMessage); }

void alertRegisterFailed() { showAlert(registerFailedMessage); }
