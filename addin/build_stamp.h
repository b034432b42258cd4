#pragma once

#include "addin/notices.h"

// The date and time the add-in was compiled, as the compiler writes them
// ("Oct  2 2019", "09:25:06"). The build scripts set SOURCE_DATE_EPOCH to the
// last commit's time, which the compiler then uses (in UTC) instead of the
// clock, so two builds of one commit are byte-identical. Only the file that
// shows the notices may include this header.
inline constexpr BuildStamp buildStamp{__DATE__, __TIME__};
