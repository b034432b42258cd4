#pragma once

#include <cstdint>

// Counts the calls of the C library's pow, exp and log made by the code under
// test; the link wraps those three symbols (see fuzz/CMakeLists.txt). Every
// evaluation of the fluid model is a fixed set of such calls, so the count is
// a measure of work that does not depend on the machine's speed or load.
namespace WorkMeter {

std::uint64_t calls();
void reset();

// From now on, the first call past `limit` runs `onExceeded`, which must not
// return. A loop that would never end is stopped at once, not by a timer.
void limitTo(std::uint64_t limit, void (*onExceeded)());
void unlimit();

}  // namespace WorkMeter
