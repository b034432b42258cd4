// Load cycles: loads the add-in file, opens it, calls every function it
// registered, closes and unloads it, again and again in one host process,
// and compares the memory the process holds after the first cycle with the
// memory after the last. An add-in that kept anything per open or per load
// (a registration list, a file name, a reply record on the heap) would grow
// by at least that much each cycle.
//   load-cycles ADDIN [CYCLES]   (default 1000)
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/call_parser.h"
#include "host/loaded_addin.h"
#include "host/spreadsheet_host.h"
#include "worksheet/calling_convention.h"

#if defined(_WIN32)
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#else
#include <fstream>
#endif

#include "tests/heap_count.h"

namespace {

// A few pages: what the process may hold more after the last cycle than
// after the first, for the allocator's and the loader's own bookkeeping
// (glibc's loader keeps a few KiB more after a library's second load than
// after its first; Wine's loader commits five more pages once, some seven
// hundred loads in). A leak of every cycle is caught by the heap's count.
constexpr std::int64_t allowedGrowthBytes = std::int64_t{8} * 4096;
// Once warm, an exact count of the heap must stand still: one block of 16
// bytes kept per cycle would exceed this over a thousand cycles.
constexpr std::int64_t allowedSteadyHeapGrowthBytes = 1024;
constexpr long warmCycles = 10;

struct Memory {
    // The process's private memory: anonymous resident pages (Linux) or
    // its commit charge (Windows); code pages of libraries, touched lazily,
    // do not count. -1 under AddressSanitizer, whose quarantine holds freed
    // blocks back on purpose.
    std::int64_t processBytes;
    // Bytes in use on the heap, or -1 where the heap cannot be read.
    std::int64_t heapBytes;
};

#if defined(_WIN32)
// The blocks in use on every heap of the process: the C run-time's, which the
// add-in and this program share, and the loader's.
std::int64_t windowsHeapBytes() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    if (count == 0 || count > 64) {
        return -1;
    }
    std::int64_t busy = 0;
    for (DWORD k = 0; k < count; ++k) {
        PROCESS_HEAP_ENTRY entry{};
        HeapLock(heaps[k]);
        while (HeapWalk(heaps[k], &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                busy += static_cast<std::int64_t>(entry.cbData);
            }
        }
        HeapUnlock(heaps[k]);
    }
    return busy;
}
#endif

Memory memoryNow() {
    Memory m{-1, -1};
#if defined(_WIN32)
    PROCESS_MEMORY_COUNTERS counters{};
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        m.processBytes = static_cast<std::int64_t>(counters.PagefileUsage);
    }
    m.heapBytes = windowsHeapBytes();
#elif !defined(KORVA_ASAN)
    {
        // Closed before the heap is read, so that its buffer is not counted.
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("RssAnon:", 0) == 0) {
                m.processBytes = std::strtoll(line.c_str() + 8, nullptr, 10) * 1024;
            }
        }
    }
#endif
#if defined(KORVA_ASAN)
    m.heapBytes = static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#elif defined(__GLIBC__)
    m.heapBytes = static_cast<std::int64_t>(mallinfo2().uordblks);
#endif
    return m;
}

// Whether the heap count is exact: the sanitizer's and the Windows heaps'
// are; glibc's counts blocks
// parked in its per-thread caches as in use unless those are switched off
// (GLIBC_TUNABLES=glibc.malloc.tcache_count=0, as the test run does).
bool heapCountIsExact() {
#if defined(KORVA_ASAN) || defined(_WIN32)
    return true;
#elif defined(__GLIBC__)
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    return tunables != nullptr && std::strstr(tunables, "glibc.malloc.tcache_count=0") != nullptr;
#else
    return false;
#endif
}

using CloseEntry = int(KORVA_CALL*)();

// One cycle; answers what went wrong, or an empty text.
std::string cycle(const std::string& path) {
    const LoadedAddin addin = openAddin(path, HostSettings{});
    if (!addin.loaded) {
        return addin.error;
    }
    if (addin.openResult != 1) {
        return "xlAutoOpen answered " + std::to_string(addin.openResult);
    }
    if (hostLog().functions.size() != 19) {
        return std::to_string(hostLog().functions.size()) + " functions registered, not 19";
    }
    for (const RegisteredFunction& function : hostLog().functions) {
        // An ordinary liquid or gas state in K, kPa, m3/kg and kJ (code 7).
        ParsedCall call{function.functionText, {300.0, 0.5, 7.0}};
        if (function.typeText == "RBJ") {
            call.arguments = {300.0, 7.0};
        }
        const Evaluation evaluation = evaluateCall(addin, call);
        if (!evaluation.ok) {
            return evaluation.error;
        }
    }
    const auto close = reinterpret_cast<CloseEntry>(findEntry(addin.library, "xlAutoClose"));
    if (close == nullptr || close() != 1) {
        return "xlAutoClose is missing or did not answer 1";
    }
    return {};
}

std::string shown(std::int64_t bytes) { return bytes < 0 ? std::string("-") : std::to_string(bytes); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: load-cycles ADDIN [CYCLES]\n");
        return 2;
    }
    const std::string path = argv[1];
    const long cycles = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000;
    if (cycles < 2) {
        std::fprintf(stderr, "load-cycles: give at least 2 cycles, not %s\n", argv[2]);
        return 2;
    }
    // The first line gives the output its buffer, before anything is measured.
    std::printf("load-cycles: %ld cycles of %s\n", cycles, path.c_str());
    std::fflush(stdout);
    Memory first{};
    Memory warm{};
    for (long k = 1; k <= cycles; ++k) {
        const std::string error = cycle(path);
        if (!error.empty()) {
            std::fprintf(stderr, "load-cycles: cycle %ld of %s: %s\n", k, path.c_str(), error.c_str());
            return 1;
        }
        if (k == 1) {
            first = memoryNow();
        }
        if (k == warmCycles) {
            warm = memoryNow();
        }
        if (k % 100 == 0) {
            const Memory now = memoryNow();
            std::printf("load-cycles: %ld cycles, process %s bytes, heap %s bytes\n", k,
                        shown(now.processBytes).c_str(), shown(now.heapBytes).c_str());
            std::fflush(stdout);
        }
    }
    const Memory last = memoryNow();
    std::printf("load-cycles: %s, %ld cycles: after the first, process %s bytes and heap %s bytes;"
                " after the last, process %s and heap %s\n",
                path.c_str(), cycles, shown(first.processBytes).c_str(), shown(first.heapBytes).c_str(),
                shown(last.processBytes).c_str(), shown(last.heapBytes).c_str());
    bool grew = false;
    if (first.processBytes >= 0 && last.processBytes - first.processBytes > allowedGrowthBytes) {
        std::fprintf(stderr, "load-cycles: the process grew by %" PRId64 " bytes\n",
                     last.processBytes - first.processBytes);
        grew = true;
    }
    if (first.heapBytes >= 0 && last.heapBytes - first.heapBytes > allowedGrowthBytes) {
        std::fprintf(stderr, "load-cycles: the heap grew by %" PRId64 " bytes\n",
                     last.heapBytes - first.heapBytes);
        grew = true;
    }
    if (cycles > warmCycles && warm.heapBytes >= 0 && heapCountIsExact()) {
        const std::int64_t steady = last.heapBytes - warm.heapBytes;
        std::printf("load-cycles: heap after cycle %ld %s bytes, %+" PRId64 " bytes by the last\n",
                    warmCycles, shown(warm.heapBytes).c_str(), steady);
        if (steady > allowedSteadyHeapGrowthBytes) {
            std::fprintf(stderr, "load-cycles: the warm heap grew by %" PRId64 " bytes\n", steady);
            grew = true;
        }
    }
    return grew ? 1 : 0;
}
