#include "addin/notices.h"

#include <cstdio>

#include "addin/registration_table.h"

int formatNotice(char (&notice)[noticeBufferSize], const char* event, BuildStamp stamp) {
    int length = std::snprintf(notice, sizeof notice, " %s %s!\nbuilt on %s at %s", AddInTitle + 1,
                               event, stamp.date, stamp.time);
    // A longer text is cut where the buffer ends; the count stays within its byte.
    if (length < 1) {
        length = 1;
    } else if (length > static_cast<int>(sizeof notice) - 1) {
        length = static_cast<int>(sizeof notice) - 1;
    }
    notice[0] = static_cast<char>(length - 1);
    return length - 1;
}
