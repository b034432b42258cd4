#!/usr/bin/env bash
# Cross-builds the Windows add-ins, our host and the stand-in XLCall32.dll:
# build/win64 (KORVA64.xll) and build/win32 (KORVA32.xll), each with its
# files in dist/, by the win32-threads compilers (cmake/mingw-common.cmake
# says why), and the load-cycle program beside them.
# With --tests also the add-in's and the host's test programs, in
# build/win64-tests and build/win32-tests: the test framework needs the
# POSIX-threads compilers, so they have trees of their own, compiled against
# Debian's googletest sources, and they open the add-in as shipped from
# build/winNN/dist. (The model's own tests run natively; through the add-in,
# the Windows builds' numbers are compared with the native ones.)
set -euo pipefail
cd "$(dirname "$0")/.."
tests=OFF
[ "${1:-}" = "--tests" ] && tests=ON
# The build stamp is the last commit's time, as in scripts/build.sh.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && epoch=$(git log -1 --format=%ct 2>/dev/null); then
  export SOURCE_DATE_EPOCH=$epoch
fi

# configure DIR FLAVOUR OPTION...: a tree made by the other thread flavour's
# compilers (an older build) is made anew, as CMake cannot swap compilers.
configure() {
  local dir=$1 flavour=$2
  shift 2
  if [ -f "$dir/CMakeCache.txt" ] && ! grep -q "^CMAKE_CXX_COMPILER:.*-$flavour\$" "$dir/CMakeCache.txt"; then
    echo "build: $dir was made by other compilers; making it anew"
    rm -rf "$dir"
  fi
  cmake -S . -B "$dir" -G Ninja -DKORVA_MINGW_THREADS="$flavour" "$@" >/dev/null
}

for bits in 64 32; do
  case $bits in
    64) toolchain=$PWD/cmake/mingw-x86_64.cmake ;;
    32) toolchain=$PWD/cmake/mingw-i686.cmake ;;
  esac
  dir=build/win$bits
  targets=(KORVA$bits XLCall32 korva-host)
  [ $tests = ON ] && targets+=(load-cycles)
  echo "build: $dir (${targets[*]})"
  configure "$dir" win32 -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKORVA_TESTS=OFF
  cmake --build "$dir" -j2 --target "${targets[@]}"
  [ $tests = ON ] || continue

  dir=build/win$bits-tests
  gtest=$PWD/build/googletest-win$bits
  if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    echo "build: googletest for $bits-bit Windows in $gtest (once)"
    cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DKORVA_MINGW_THREADS=posix \
      -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install" >/dev/null
    cmake --build "$gtest/build" -j2 >/dev/null
    cmake --install "$gtest/build" >/dev/null
  fi
  targets=(addin_tests_KORVA$bits host_tests XLCall32)
  echo "build: $dir (${targets[*]}, against build/win$bits/dist/KORVA$bits.xll)"
  configure "$dir" posix -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKORVA_TESTS=ON \
    -DGTest_DIR="$gtest/install/lib/cmake/GTest" \
    -DKORVA_ADDIN_UNDER_TEST="$PWD/build/win$bits/dist/KORVA$bits.xll"
  cmake --build "$dir" -j2 --target "${targets[@]}"
done
