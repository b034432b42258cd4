// The Windows loader enters through the run-time, which passes every process
// and thread notification on here. All set-up happens in xlAutoOpen, so there
// is nothing to do. Not exported.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE /*module*/, DWORD /*reason*/, LPVOID /*reserved*/) {
    return TRUE;
}
