#pragma once

// The two add-ins come from one source and differ only here. KORVA32 serves
// 32-bit hosts, which take at most 30 arguments in one register call, so a
// function passes at most 20 argument helps; KORVA64 passes every help.
#if defined(KORVA_BUILD_KORVA32)
inline constexpr int argumentHelpLimit = 20;
#else
inline constexpr int argumentHelpLimit = 255;
#endif
