#!/usr/bin/env bash
# Cross-builds the Windows add-ins, our host and the stand-in XLCall32.dll:
# build/win64 (KORVA64.xll) and build/win32 (KORVA32.xll), each with its
# files in dist/. With --tests also the test programs, against a test
# framework compiled for Windows from Debian's googletest sources.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=OFF
[ "${1:-}" = "--tests" ] && tests=ON

for bits in 64 32; do
  case $bits in
    64) toolchain=$PWD/cmake/mingw-x86_64.cmake ;;
    32) toolchain=$PWD/cmake/mingw-i686.cmake ;;
  esac
  dir=build/win$bits
  options=(-DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKORVA_TESTS=$tests)
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
  fi
  bash scripts/build.sh "$dir" "${options[@]}"
done
