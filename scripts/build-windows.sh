#!/usr/bin/env bash
# Cross-builds the Windows add-ins, our host and the stand-in XLCall32.dll:
# build/win64 (KORVA64.xll) and build/win32 (KORVA32.xll), each with its
# files in dist/. With --tests also the add-in's and the host's test
# programs, against a test framework compiled for Windows from Debian's
# googletest sources. (The model's own tests run natively; through the
# add-in, the Windows builds' numbers are compared with the native ones.)
set -euo pipefail
cd "$(dirname "$0")/.."
tests=OFF
[ "${1:-}" = "--tests" ] && tests=ON
# The build stamp is the last commit's time, as in scripts/build.sh.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && epoch=$(git log -1 --format=%ct 2>/dev/null); then
  export SOURCE_DATE_EPOCH=$epoch
fi

for bits in 64 32; do
  case $bits in
    64) toolchain=$PWD/cmake/mingw-x86_64.cmake ;;
    32) toolchain=$PWD/cmake/mingw-i686.cmake ;;
  esac
  dir=build/win$bits
  options=(-DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKORVA_TESTS=$tests)
  targets=(KORVA$bits XLCall32 korva-host)
  if [ $tests = ON ]; then
    gtest=$PWD/$dir/googletest
    if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
      echo "build: googletest for $bits-bit Windows (once per build tree)"
      cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install" >/dev/null
      cmake --build "$gtest/build" -j2 >/dev/null
      cmake --install "$gtest/build" >/dev/null
    fi
    options+=(-DGTest_DIR="$gtest/install/lib/cmake/GTest")
    targets+=(addin_tests_KORVA$bits host_tests)
  fi
  echo "build: $dir (${targets[*]})"
  cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
  cmake --build "$dir" -j2 --target "${targets[@]}"
done
