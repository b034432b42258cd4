#pragma once

#include "worksheet/value_record.h"

// The add-in's only way into the spreadsheet host: two entries of the host's
// callback library and the five operations below. The variadic entry is
// caller-cleans everywhere (the callee cannot know the count); 32-bit
// Windows hosts take the argument-array entry callee-cleans.
#if defined(_WIN32) && (defined(__i386__) || defined(_M_IX86))
#define KORVA_HOSTV_CALL __stdcall
#else
#define KORVA_HOSTV_CALL
#endif

// On Windows the add-in links the callback library through its import
// library (our stand-in exports the two entries itself); on other targets
// they are ordinary visible symbols.
#if defined(_WIN32) && defined(KORVA_BUILDING_CALLBACK_LIBRARY)
#define KORVA_HOST_ENTRY __declspec(dllexport)
#elif defined(_WIN32)
#define KORVA_HOST_ENTRY
#else
#define KORVA_HOST_ENTRY __attribute__((visibility("default")))
#endif

inline constexpr int xlFree = 16384;
inline constexpr int xlCoerce = 16386;
inline constexpr int xlGetName = 16393;
inline constexpr int xlfRegister = 149;
inline constexpr int xlcAlert = 32886;

inline constexpr int xlretSuccess = 0;

// Alert type of every message the add-in shows.
inline constexpr short alertTypeMessage = 2;

extern "C" {
// Operation number, result record (or none), argument count, then that many
// argument-record pointers.
KORVA_HOST_ENTRY int HostCall(int function, XLOPER* result, int count, ...);
// The same with the argument-record pointers in one array.
KORVA_HOST_ENTRY int KORVA_HOSTV_CALL HostCallV(int function, XLOPER* result, int count,
                                                XLOPER* arguments[]);
}
