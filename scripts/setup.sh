#!/usr/bin/env bash
# Installs what the build and the tests need and is not on this machine yet.
# Debian, as root. Each line: a file or command that shows the package is there,
# then the package.
set -euo pipefail

needs=(
  "/usr/bin/cmake cmake"
  "/usr/bin/ninja ninja-build"
  "/usr/bin/g++ g++"
  "/usr/include/gtest/gtest.h libgtest-dev"
  "/usr/include/benchmark/benchmark.h libbenchmark-dev"
  "/usr/bin/python3 python3"
  # The fuzz targets: clang and its libFuzzer run-time.
  "/usr/bin/clang++ clang"
  "/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a libclang-rt-14-dev"
  # The Calc extension: built against the office SDK, tested in headless Calc.
  "/usr/lib/libreoffice/program/libsclo.so libreoffice-calc"
  "/usr/lib/libreoffice/sdk/bin/unoidl-write libreoffice-dev"
  "/usr/include/libreoffice/cppuhelper/implbase4.hxx libreoffice-dev-common"
  "/usr/lib/python3/dist-packages/uno.py python3-uno"
  "/usr/bin/zip zip"
  # The Windows add-ins: cross compilers, the test framework's sources to build
  # it for Windows, and Wine's 64- and 32-bit loaders to run the tests.
  "/usr/bin/x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64"
  "/usr/bin/i686-w64-mingw32-g++-posix g++-mingw-w64-i686"
  "/usr/bin/gendef mingw-w64-tools"
  "/usr/src/googletest/CMakeLists.txt googletest"
  "/usr/lib/wine/wine64 wine64"
  "/usr/lib/wine/wine wine32:i386"
)

missing=()
for need in "${needs[@]}"; do
  read -r path package <<<"$need"
  [ -e "$path" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  # The 32-bit Wine loader is an i386 package.
  if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture for the 32-bit Wine loader"
    dpkg --add-architecture i386
  fi
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
