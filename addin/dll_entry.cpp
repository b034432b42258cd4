// The Windows loader enters through the run-time, which passes every process
// and thread notification on here. All set-up happens in xlAutoOpen, so there
// is nothing to set up. Not exported.
#include <windows.h>

// The C++ run-time is linked into the add-in, and on every load it allocates
// its emergency pool for exceptions (some 73 KiB) that nothing gives back: a
// host that unloads and reloads the add-in would lose that much each time.
// The run-time's own release routine frees it.
namespace __gnu_cxx {  // NOLINT(bugprone-reserved-identifier): the run-time's own namespace
void __freeres() noexcept;  // NOLINT(bugprone-reserved-identifier,readability-identifier-naming)
}

extern "C" BOOL WINAPI DllMain(HINSTANCE /*module*/, DWORD reason, LPVOID reserved) {
    // Only when unloaded while the process goes on (reserved is null then);
    // at the process's end the system takes everything back.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        __gnu_cxx::__freeres();
    }
    return TRUE;
}
