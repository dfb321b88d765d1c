#!/usr/bin/env bash
# Builds Tesmar and runs every test: the normal build, the same suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
jobs="$(nproc)"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

echo "== normal build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== optimised build of the program, as the run command makes it"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j"$jobs" --target tesmar

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DTESMAR_SANITIZE=ON >/dev/null
cmake --build build-san -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-san --output-on-failure -j"$jobs"

if [ -d fuzz ] && [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzz targets (libFuzzer, fixed number of inputs)"
  CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DTESMAR_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs" --target tesmar_fuzzers
  for f in build-fuzz/fuzz/fuzz_*; do
    [ -f "$f" ] && [ -x "$f" ] || continue
    name="$(basename "$f")"
    "$f" -runs=20000 -seed=1 -max_len=4096 "fuzz/corpus/${name#fuzz_}" 2>&1 | tail -n 2
  done
fi
echo "== all tests passed"
