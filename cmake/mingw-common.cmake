# Shared part of the two mingw-w64 toolchain files.
# The compilers come in two flavours of threads. The add-in uses none, and is
# built with the win32 one (the default): the POSIX one links a thread library
# into the add-in, whose 32-bit run-time keeps some 350 bytes on the heap at
# every load that no unload gives back. The test framework needs std::mutex,
# which only the POSIX flavour has: test trees set KORVA_MINGW_THREADS=posix.
set(KORVA_MINGW_THREADS win32 CACHE STRING "Thread flavour of the mingw-w64 compilers: win32 or posix")
set_property(CACHE KORVA_MINGW_THREADS PROPERTY STRINGS win32 posix)
if(NOT KORVA_MINGW_THREADS MATCHES "^(win32|posix)$")
  message(FATAL_ERROR "KORVA_MINGW_THREADS is '${KORVA_MINGW_THREADS}'; set it to win32 or posix")
endif()
# CMake's compiler checks read this file again in projects of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORVA_MINGW_THREADS)
set(CMAKE_C_COMPILER ${KORVA_MINGW_TRIPLET}-gcc-${KORVA_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${KORVA_MINGW_TRIPLET}-g++-${KORVA_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${KORVA_MINGW_TRIPLET}-windres)
set(CMAKE_DLLTOOL ${KORVA_MINGW_TRIPLET}-dlltool)
set(CMAKE_OBJDUMP ${KORVA_MINGW_TRIPLET}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The add-in must load on a bare Windows: the C++ and GCC run-times (and, in
# the POSIX flavour, the thread library) go inside it, leaving only the
# system's own DLLs to import.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
