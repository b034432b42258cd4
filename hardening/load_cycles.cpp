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
#include <unistd.h>

#include <fstream>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define KORVA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVA_ASAN 1
#endif
#endif
#if defined(KORVA_ASAN)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// A few pages: what the process may hold more after the last cycle than
// after the first, for the allocator's and loader's own bookkeeping.
constexpr std::int64_t allowedProcessGrowthBytes = std::int64_t{4} * 4096;
// The heap's own count is finer: one block of 16 bytes kept per cycle would
// exceed this over a thousand cycles.
constexpr std::int64_t allowedHeapGrowthBytes = 1024;

struct Memory {
    // Pages the process holds: resident set (Linux) or private commit
    // (Windows); -1 where it means nothing (under AddressSanitizer, whose
    // quarantine holds freed blocks back on purpose).
    std::int64_t processBytes;
    // Bytes in use on the heap, or -1 where the heap cannot be read.
    std::int64_t heapBytes;
};

Memory memoryNow() {
    Memory m{-1, -1};
#if defined(_WIN32)
    PROCESS_MEMORY_COUNTERS_EX counters{};
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        m.processBytes = static_cast<std::int64_t>(counters.PrivateUsage);
    }
#else
#if !defined(KORVA_ASAN)
    std::ifstream statm("/proc/self/statm");
    long long size = 0;
    long long resident = 0;
    if (statm >> size >> resident) {
        m.processBytes = resident * static_cast<std::int64_t>(sysconf(_SC_PAGESIZE));
    }
#endif
#endif
#if defined(KORVA_ASAN)
    m.heapBytes = static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#elif defined(__GLIBC__)
    m.heapBytes = static_cast<std::int64_t>(mallinfo2().uordblks);
#endif
    return m;
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
    Memory first{};
    Memory last{};
    for (long k = 1; k <= cycles; ++k) {
        const std::string error = cycle(path);
        if (!error.empty()) {
            std::fprintf(stderr, "load-cycles: cycle %ld of %s: %s\n", k, path.c_str(), error.c_str());
            return 1;
        }
        if (k == 1) {
            first = memoryNow();
        }
        if (k % 100 == 0) {
            const Memory now = memoryNow();
            std::printf("load-cycles: %ld cycles, process %s bytes, heap %s bytes\n", k,
                        shown(now.processBytes).c_str(), shown(now.heapBytes).c_str());
            std::fflush(stdout);
        }
    }
    last = memoryNow();
    std::printf("load-cycles: %s, %ld cycles: after the first, process %s bytes and heap %s bytes;"
                " after the last, process %s and heap %s\n",
                path.c_str(), cycles, shown(first.processBytes).c_str(), shown(first.heapBytes).c_str(),
                shown(last.processBytes).c_str(), shown(last.heapBytes).c_str());
    bool grew = false;
    if (first.processBytes >= 0 && last.processBytes - first.processBytes > allowedProcessGrowthBytes) {
        std::fprintf(stderr, "load-cycles: the process grew by %" PRId64 " bytes\n",
                     last.processBytes - first.processBytes);
        grew = true;
    }
    if (first.heapBytes >= 0 && last.heapBytes - first.heapBytes > allowedHeapGrowthBytes) {
        std::fprintf(stderr, "load-cycles: the heap grew by %" PRId64 " bytes\n",
                     last.heapBytes - first.heapBytes);
        grew = true;
    }
    return grew ? 1 : 0;
}
