#pragma once

#include "worksheet/value_record.h"

// How a host program puts itself behind the callback library's two entries.
// The library forwards every call, its arguments gathered into one array, to
// the host installed last; with none installed it answers hostNotInstalled.
using HostAnswer = int (*)(int function, XLOPER* result, int count, XLOPER** arguments);

#if defined(_WIN32) && defined(KORVA_BUILDING_CALLBACK_LIBRARY)
#define KORVA_CALLBACK_LIBRARY_API __declspec(dllexport)
#elif defined(_WIN32)
#define KORVA_CALLBACK_LIBRARY_API __declspec(dllimport)
#else
#define KORVA_CALLBACK_LIBRARY_API __attribute__((visibility("default")))
#endif

// Return codes of our host; 0 is success, as the add-in expects.
inline constexpr int hostUnknownOperation = 1;
inline constexpr int hostWrongArgumentCount = 2;
inline constexpr int hostBadArgument = 3;
inline constexpr int hostRefused = 4;
inline constexpr int hostNotInstalled = 5;

// Argument counts a host call may carry at all.
inline constexpr int maxHostArguments = 255;

extern "C" KORVA_CALLBACK_LIBRARY_API void installHost(HostAnswer answer);
