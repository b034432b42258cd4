#include "addin/callbacks.h"

#include "addin/build_stamp.h"
#include "addin/host_interface.h"
#include "addin/notices.h"
#include "addin/registration.h"
#include "addin/registration_table.h"

namespace {

// Answer records: static, overwritten by the next call of the same entry,
// which the host makes one at a time.
XLOPER autoRegisterReply{};
XLOPER managerInfoReply{};
XLOPER coercedAction{};
XLOPER requestedType{};
XLOPER noticeText{};
XLOPER noticeType{};

int showNotice(const char* event) {
    char notice[noticeBufferSize];
    formatNotice(notice, event, buildStamp);
    noticeText.xltype = xltypeStr;
    noticeText.val.str = reinterpret_cast<unsigned char*>(notice);
    noticeType.xltype = xltypeInt;
    noticeType.val.w = alertTypeMessage;
    HostCall(xlcAlert, nullptr, 2, &noticeText, &noticeType);
    return 1;
}

XLOPER* setValueError(XLOPER& reply) {
    reply = XLOPER{};
    reply.xltype = xltypeErr;
    reply.val.err = xlerrValue;
    return &reply;
}

}  // namespace

int KORVA_CALL xlAutoOpen() { return registerFunctions(RegistrationTable); }

int KORVA_CALL xlAutoClose() { return 1; }

XLOPER* KORVA_CALL xlAutoRegister(XLOPER* /*functionName*/) { return setValueError(autoRegisterReply); }

int KORVA_CALL xlAutoAdd() { return showNotice("Loaded"); }

int KORVA_CALL xlAutoRemove() { return showNotice("Removed"); }

XLOPER* KORVA_CALL xlAddInManagerInfo(XLOPER* action) {
    // Cleared first: a coercion the host refuses must not leave the previous
    // call's answer in the record.
    coercedAction = XLOPER{};
    requestedType.xltype = xltypeInt;
    requestedType.val.w = static_cast<std::int16_t>(xltypeInt);
    HostCall(xlCoerce, &coercedAction, 2, action, &requestedType);
    if (coercedAction.xltype == xltypeInt && coercedAction.val.w == 1) {
        managerInfoReply = XLOPER{};
        managerInfoReply.xltype = xltypeStr;
        // The title itself, length byte included; the host only reads it.
        managerInfoReply.val.str =
            reinterpret_cast<unsigned char*>(const_cast<char*>(AddInTitle));
        return &managerInfoReply;
    }
    return setValueError(managerInfoReply);
}
