#pragma once

// How the host enters the add-in. 32-bit Windows hosts call worksheet
// functions and callbacks with the callee-cleans convention; every other
// target has one convention. On Windows the export list names the exports
// (undecorated); elsewhere they are the symbols left visible.
#if defined(_WIN32) && (defined(__i386__) || defined(_M_IX86))
#define KORVA_CALL __stdcall
#else
#define KORVA_CALL
#endif

#if defined(_WIN32)
#define KORVA_EXPORT
#else
#define KORVA_EXPORT __attribute__((visibility("default")))
#endif
