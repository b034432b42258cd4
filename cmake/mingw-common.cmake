# Shared part of the two mingw-w64 toolchain files.
# The POSIX-threads flavour: its C++ library has std::mutex, which the test
# framework needs; the thread library is linked in statically like the rest.
set(CMAKE_C_COMPILER ${KORVA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVA_MINGW_TRIPLET}-windres)
set(CMAKE_DLLTOOL ${KORVA_MINGW_TRIPLET}-dlltool)
set(CMAKE_OBJDUMP ${KORVA_MINGW_TRIPLET}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The add-in must load on a bare Windows: the C++ and GCC run-times and the
# thread library go inside it, leaving only the system's own DLLs to import.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
