# Cross build of the 32-bit Windows add-in with Debian's mingw-w64 toolchain:
#   cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(KORVA_MINGW_TRIPLET i686-w64-mingw32)
# The x87 unit would keep intermediates in extended precision, so results would
# depend on register allocation; SSE2 rounds every double as a double. Every
# x86 processor a 32-bit Excel still runs on has SSE2.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
