#pragma once

#include <cstddef>

// When the add-in was built: date as "Mmm dd yyyy" (day blank-padded), time
// as "hh:mm:ss".
struct BuildStamp {
    const char* date;
    const char* time;
};

inline constexpr std::size_t noticeBufferSize = 256;

// Writes " <title> <event>!\nbuilt on <date> at <time>" into `notice` and
// overwrites the leading blank with the number of characters after it, so the
// buffer becomes a length-prefixed host text. Answers that number.
int formatNotice(char (&notice)[noticeBufferSize], const char* event, BuildStamp stamp);
