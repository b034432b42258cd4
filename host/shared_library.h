#pragma once

#include <string>
#include <utility>

// Loading a shared library and finding its entries: the one place that knows
// how each platform does it.
#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

// Any entry; callers cast it to the entry's real type.
using AnyEntry = void (*)();

struct SharedLibrary {
    void* handle = nullptr;

    SharedLibrary() = default;
    explicit SharedLibrary(void* opened) : handle(opened) {}
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    SharedLibrary(SharedLibrary&& other) noexcept : handle(other.handle) { other.handle = nullptr; }
    SharedLibrary& operator=(SharedLibrary&& other) noexcept {
        std::swap(handle, other.handle);
        return *this;
    }
    ~SharedLibrary() {
        if (handle != nullptr) {
#if defined(_WIN32)
            FreeLibrary(static_cast<HMODULE>(handle));
#else
            dlclose(handle);
#endif
        }
    }
};

// Opens the library at `path`; on failure `error` says why.
inline SharedLibrary openSharedLibrary(const std::string& path, std::string& error) {
#if defined(_WIN32)
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        error = "the loader answered error " + std::to_string(GetLastError());
    }
    return SharedLibrary(static_cast<void*>(module));
#else
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "unknown loader error";
    }
    return SharedLibrary(handle);
#endif
}

// The entry exported as `name`, or nullptr.
inline AnyEntry findEntry(const SharedLibrary& library, const std::string& name) {
#if defined(_WIN32)
    return reinterpret_cast<AnyEntry>(GetProcAddress(static_cast<HMODULE>(library.handle), name.c_str()));
#else
    return reinterpret_cast<AnyEntry>(dlsym(library.handle, name.c_str()));
#endif
}
