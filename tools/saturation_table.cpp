// Loads the add-in and prints a saturation table through its exported
// worksheet functions, in the unit system given (default 1: degC, bar, m3/kg).
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "worksheet/value_record.h"

namespace {

using OneArgument = XLOPER* (*)(double, std::int32_t);

OneArgument lookUp(void* addin, const char* name) {
    void* symbol = dlsym(addin, name);
    if (symbol == nullptr) {
        std::fprintf(stderr, "saturation-table: the add-in exports no function %s; rebuild it\n", name);
        std::exit(1);
    }
    return reinterpret_cast<OneArgument>(symbol);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: saturation-table ADDIN.so [units 0-7]\n");
        return 2;
    }
    void* addin = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (addin == nullptr) {
        std::fprintf(stderr, "saturation-table: cannot load %s: %s\n", argv[1], dlerror());
        return 1;
    }
    const std::int32_t units = argc > 2 ? static_cast<std::int32_t>(std::atoi(argv[2])) : 1;
    const OneArgument Psat = lookUp(addin, "Psat");
    const OneArgument Vf = lookUp(addin, "Vf");
    const OneArgument Vg = lookUp(addin, "Vg");
    const OneArgument Tsat = lookUp(addin, "Tsat");
    std::printf("%8s %14s %14s %14s %12s\n", "T", "Psat", "Vf", "Vg", "Tsat(Psat)");
    for (int step = 0; step <= 21; ++step) {
        const double T = -50.0 + 10.0 * step;
        const double p = Psat(T, units)->val.num;
        const double vf = Vf(T, units)->val.num;
        const double vg = Vg(T, units)->val.num;
        const double back = Tsat(p, units)->val.num;
        std::printf("%8.2f %14.6g %14.6g %14.6g %12.6f\n", T, p, vf, vg, back);
    }
    dlclose(addin);
    return 0;
}
