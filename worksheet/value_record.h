#pragma once

#include <cstddef>
#include <cstdint>

// The spreadsheet host's value record, laid out as the host lays it out for
// its own bitness. Only the members the add-in uses are named; the two
// placeholders give the union the size of the host's largest members.
struct XLOPER {
    union alignas(8) Value {
        double num;
        unsigned char* str;  // length-prefixed: first byte is the count that follows
        std::uint16_t err;
        std::int16_t w;
        struct {
            void* data;
            std::uint16_t rows;
            std::uint16_t columns;
        } arraySize;
        struct {
            void* refs;
            std::uintptr_t sheetId;
        } sheetRefSize;
    } val;
    std::uint16_t xltype;
};

#if UINTPTR_MAX > 0xFFFFFFFFu
static_assert(sizeof(XLOPER) == 24, "64-bit hosts use a 24-byte value record");
static_assert(offsetof(XLOPER, xltype) == 16, "64-bit hosts read the type word at offset 16");
#else
static_assert(sizeof(XLOPER) == 16, "32-bit hosts use a 16-byte value record");
static_assert(offsetof(XLOPER, xltype) == 8, "32-bit hosts read the type word at offset 8");
#endif

inline constexpr std::uint16_t xltypeNum = 1;
inline constexpr std::uint16_t xltypeStr = 2;
inline constexpr std::uint16_t xltypeErr = 16;
inline constexpr std::uint16_t xltypeInt = 2048;

inline constexpr std::uint16_t xlerrValue = 15;
