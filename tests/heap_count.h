#pragma once

// Where the live heap can be counted: the sanitizer run-time counts exactly;
// elsewhere glibc's own statistics serve. KORVA_ASAN says which applies.
#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define KORVA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVA_ASAN 1
#endif
#endif
#if defined(KORVA_ASAN)
// The sanitizer run-time's own count of live heap bytes.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif
