#!/usr/bin/env bash
# Tests the Windows add-ins under a Windows loader (Wine): cross-builds
# KORVA64.xll and KORVA32.xll with our host and the tests, checks what they
# import and export, runs the test programs under the 64- and 32-bit loaders,
# compares a fixed set of calls with the native add-in, and runs the load
# cycles under both loaders.
#   test-windows.sh [NATIVE_BUILD_TREE]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build/release}
if [ ! -x "$native/dist/korva-host" ]; then
  echo "test-windows: no native build in $native; run bash scripts/build.sh $native first" >&2
  exit 1
fi

# The build stamp is the last commit's time, as in scripts/build.sh.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && epoch=$(git log -1 --format=%ct 2>/dev/null); then
  export SOURCE_DATE_EPOCH=$epoch
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
  tests=$PWD/build/win$bits-tests
  echo "test-windows: the test programs under the $bits-bit loader, on $tree/dist/KORVA$bits.xll"
  # The test programs find XLCall32.dll in the current folder, as the
  # loader's search allows; the add-in is opened by its path.
  for program in addin_tests_KORVA$bits host_tests; do
    log=$results/$program-$bits.log
    if ! (cd "$tests/dist" && $loader "$tests/tests/$program.exe") >"$log" 2>&1; then
      cat "$log"
      echo "test-windows: $program.exe failed under the $bits-bit loader (output above)" >&2
      exit 1
    fi
    echo "test-windows: $program.exe ($bits-bit):" $(grep -E '^\[  (PASSED|SKIPPED) *\] [0-9]' "$log")
    grep -B1 -E '^\[  SKIPPED \] [A-Za-z]' "$log" | grep -v -E '^(\[|--)' | sed 's/^/  skipped: /' || true
  done
  echo "test-windows: korva-host.exe ($bits-bit) evaluates tests/windows/calls.txt"
  (cd "$tree/dist" && $loader ./korva-host.exe KORVA$bits.xll --file "$OLDPWD/tests/windows/calls.txt" --csv) \
    >"$results/win$bits.csv"
  (cd "$tree/dist" && $loader ./korva-host.exe KORVA$bits.xll --list) >"$results/win$bits.list"
done

# No function has more than 20 arguments, so KORVA32's limit on argument
# helps leaves its registration the same as KORVA64's: the function wizard
# shows the same texts from all three add-ins.
"$native/dist/korva-host" "$native/dist/KORVA64.so" --list >"$results/native.list"
for bits in 64 32; do
  if ! diff -u "$results/native.list" "$results/win$bits.list"; then
    echo "test-windows: KORVA$bits.xll registers other texts than the native add-in (differences above)" >&2
    exit 1
  fi
done
echo "test-windows: both Windows add-ins register the same functions and texts as the native one"

# One commit gives one file: the add-ins built again in another folder must be
# the same to the byte (the stamp is the commit's time, not the clock's).
for bits in 64 32; do
  again=$results/again$bits
  toolchain=$PWD/cmake/mingw-x86_64.cmake
  [ $bits = 32 ] && toolchain=$PWD/cmake/mingw-i686.cmake
  cmake -S . -B "$again" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKORVA_TESTS=OFF >/dev/null
  echo "test-windows: KORVA$bits.xll built again in $again"
  cmake --build "$again" -j2 --target KORVA$bits >/dev/null
  if ! cmp "build/win$bits/dist/KORVA$bits.xll" "$again/dist/KORVA$bits.xll"; then
    echo "test-windows: two builds of one commit gave different KORVA$bits.xll files" >&2
    exit 1
  fi
done
echo "test-windows: both add-ins are byte-identical when built again elsewhere"

echo "test-windows: the Windows add-ins against the native one"
python3 tests/windows/compare_results.py "$results/native.csv" "$results/win64.csv" "$results/win32.csv"

# A thousand loads and unloads of each add-in in one process, under each loader.
bash scripts/load-cycles.sh 1000 64 32
