#include <dlfcn.h>

#include <gtest/gtest.h>

#include "addin/registration_table.h"

// Every function the registration table names is exported from the add-in
// under exactly that name, so the host finds what it registers.
TEST(Exports, EveryRegisteredFunctionIsExported) {
    void* addin = dlopen(KORVA64_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(addin, nullptr) << "cannot load " << KORVA64_PATH << ": " << dlerror();
    int functions = 0;
    bool atHead = true;
    for (const RegistrationEntry& entry : RegistrationTable) {
        if (entry.type == 0) {
            atHead = true;
            continue;
        }
        if (atHead) {
            EXPECT_NE(dlsym(addin, entry.name), nullptr) << entry.name << " is not exported";
            ++functions;
            atHead = false;
        }
    }
    EXPECT_EQ(functions, 19);
    dlclose(addin);
}
