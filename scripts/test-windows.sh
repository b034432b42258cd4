#!/usr/bin/env bash
# Tests the Windows add-ins under a Windows loader (Wine): cross-builds
# KORVA64.xll and KORVA32.xll with our host and the tests, checks what they
# import and export, runs the test programs under the 64- and 32-bit loaders,
# and compares a fixed set of calls with the native add-in.
#   test-windows.sh [NATIVE_BUILD_TREE]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build/release}
if [ ! -x "$native/dist/korva-host" ]; then
  echo "test-windows: no native build in $native; run bash scripts/build.sh $native first" >&2
  exit 1
fi

bash scripts/build-windows.sh --tests

echo "test-windows: import and export tables"
for bits in 64 32; do
  case $bits in
    64) objdump=x86_64-w64-mingw32-objdump ;;
    32) objdump=i686-w64-mingw32-objdump ;;
  esac
  dist=build/win$bits/dist
  python3 tests/windows/check_pe_tables.py $objdump addin $dist/KORVA$bits.xll
  python3 tests/windows/check_pe_tables.py $objdump xlcall32 $dist/XLCall32.dll
  python3 tests/windows/check_pe_tables.py $objdump host $dist/korva-host.exe
done

source scripts/wine-prefix.sh

results=$(mktemp -d "${TMPDIR:-/tmp}/korva-results.XXXXXX")
trap 'wine_prefix_remove; rm -rf "$results"' EXIT
"$native/dist/korva-host" "$native/dist/KORVA64.so" --file tests/windows/calls.txt --csv >"$results/native.csv"

for bits in 64 32; do
  loader=wine$bits
  tree=$PWD/build/win$bits
  echo "test-windows: the test programs under the $bits-bit loader"
  # The test programs find XLCall32.dll in the current folder, as the
  # loader's search allows; the add-in is opened by its path.
  for program in addin_tests_KORVA$bits host_tests; do
    echo "test-windows: $program.exe ($bits-bit)"
    if ! (cd "$tree/dist" && $loader "$tree/tests/$program.exe" --gtest_brief=1); then
      echo "test-windows: $program.exe failed under the $bits-bit loader" >&2
      exit 1
    fi
  done
  echo "test-windows: korva-host.exe ($bits-bit) evaluates tests/windows/calls.txt"
  (cd "$tree/dist" && $loader ./korva-host.exe KORVA$bits.xll --file "$OLDPWD/tests/windows/calls.txt" --csv) \
    >"$results/win$bits.csv"
done

echo "test-windows: the Windows add-ins against the native one"
python3 tests/windows/compare_results.py "$results/native.csv" "$results/win64.csv" "$results/win32.csv"
