#!/usr/bin/env bash
# Builds Tesmar and runs every test. Each stage has its own build folder and
# sets every cache value it relies on, so earlier configurations (the run
# command's build/, a developer's own options) change nothing:
#
#   release  g++, Release (-O3) as the run command builds the program, with
#            the tests and benchmark programs: the offscreen suite and the
#            end-to-end tests on real displays
#   debian   g++ with Debian's standard flags (CMAKE_BUILD_TYPE=None,
#            dpkg-buildflags): the offscreen suite, valgrind's memcheck and
#            the installation and packaging checks
#   san      clang++ with AddressSanitizer and UndefinedBehaviorSanitizer:
#            the offscreen suite and the end-to-end tests
#   fuzz     the libFuzzer targets, a fixed number of inputs each
#
# Warnings are errors in every stage (TESMAR_WERROR). A stage fails when it
# runs no test or fewer than the source tree holds for it (counted from the
# files the test folders turn into tests); any other test CTest knows is run
# too. TESMAR_TEST_STAGES="release san" runs only the stages named.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
source scripts/owner.sh
as_tree_owner scripts/test.sh "$@"
jobs="$(nproc)"
stages="${TESMAR_TEST_STAGES:-release debian san fuzz}"
# Every test's scratch files go to a temporary folder of the run's own, which
# is removed at the end; what a test leaves there fails the run. Others may
# pass through it (not list it) to a folder of theirs: the Wayland test, run
# by root, hands its session to a user of its own.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
chmod 711 "$scratch"
export TMPDIR="$scratch"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
started=$SECONDS

# Tests the source tree holds, by kind.
count() { find "$@" -type f 2>/dev/null | wc -l; }
n_offscreen=$(count tests -maxdepth 1 -name 'test_*.cpp')
n_e2e=$(count tests/e2e -name 'e2e_*.sh')
n_wayland=$(count tests/wayland -name 'e2e_*.sh')
n_memcheck=$(count tests/memcheck -name 'check_*.sh')
n_packaging=$(count tests/scripts -name 'check_*.sh')

# configure BUILD-DIR COMPILER CMAKE-ARGS...: a folder configured earlier
# with another compiler is emptied first (CMake cannot switch compilers).
configure() {
    local dir=$1 compiler=$2
    shift 2
    if [ -f "$dir/CMakeCache.txt" ] &&
        ! grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=$(command -v "$compiler")" "$dir/CMakeCache.txt"; then
        rm -rf "$dir"
    fi
    cmake --no-warn-unused-cli -S . -B "$dir" -DCMAKE_CXX_COMPILER="$(command -v "$compiler")" -DTESMAR_WERROR=ON \
        -DTESMAR_FUZZ=OFF -DTESMAR_SANITIZE=OFF -DTESMAR_BENCH=OFF -DTESMAR_E2E=ON -DBUILD_TESTING=ON \
        -DCMAKE_CXX_FLAGS= -DCMAKE_EXE_LINKER_FLAGS= -DCMAKE_SHARED_LINKER_FLAGS= "$@" >/dev/null
}

# run_tests BUILD-DIR STAGE EXPECTED CTEST-ARGS...: runs the stage's tests and
# fails unless at least EXPECTED of them ran and passed (a skipped test does
# not count).
run_tests() {
    local dir=$1 stage=$2 expected=$3
    shift 3
    local junit
    junit="$(pwd)/$dir/ctest-results.xml"
    rm -f "$junit"
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -j"$jobs" --output-junit "$junit" "$@"
    local passed
    passed="$(awk '/<testcase / { if (open && !skipped) n++; open = /status="run"/; skipped = 0 }
                   /<skipped/ { skipped = 1 }
                   END { if (open && !skipped) n++; print n + 0 }' "$junit")"
    if [ "$passed" -lt "$expected" ]; then
        echo "FAIL: the $stage stage passed $passed tests; the source tree holds $expected for it" >&2
        exit 1
    fi
    echo "== $stage: $passed tests passed (at least $expected expected) after $(((SECONDS - started) / 60)) min"
}

for stage in $stages; do
    case $stage in
    release)
        echo "== release: g++, -O3, with tests and benchmark programs"
        configure build-release g++ -DCMAKE_BUILD_TYPE=Release -DTESMAR_BENCH=ON
        cmake --build build-release -j"$jobs"
        run_tests build-release release $((n_offscreen + n_e2e + n_wayland)) -LE 'memcheck|packaging'
        ;;
    debian)
        echo "== debian: g++ with Debian's standard build flags"
        # dpkg-buildflags maps the current folder (the source tree) away in
        # the debug information, as a package build does.
        # Built for /usr with full hardening, as a distribution's package is: the
        # packaging checks here build and check that package.
        export DEB_BUILD_MAINT_OPTIONS=hardening=+all
        configure build-debian g++ -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
            -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
            -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
            -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
        cmake --build build-debian -j"$jobs"
        run_tests build-debian debian $((n_offscreen + n_memcheck + n_packaging)) -LE 'x11|wayland'
        ;;
    san)
        echo "== san: clang++ with AddressSanitizer and UndefinedBehaviorSanitizer"
        configure build-san clang++ -DCMAKE_BUILD_TYPE=Debug -DTESMAR_SANITIZE=ON
        cmake --build build-san -j"$jobs"
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            run_tests build-san san $((n_offscreen + n_e2e)) -LE 'memcheck|packaging'
        ;;
    fuzz)
        echo "== fuzz: libFuzzer targets, a fixed number of inputs each"
        configure build-fuzz clang++ -DCMAKE_BUILD_TYPE=Debug -DTESMAR_FUZZ=ON -DBUILD_TESTING=OFF
        cmake --build build-fuzz -j"$jobs" --target tesmar_fuzzers
        ran=0
        for src in fuzz/fuzz_*.cpp; do
            name="$(basename "$src" .cpp)"
            # New inputs go to the first folder given: a scratch one, not the seed corpus.
            found="$(mktemp -d)"
            "build-fuzz/fuzz/$name" -runs=20000 -seed=1 -max_len=4096 "$found" "fuzz/corpus/${name#fuzz_}" 2>&1 |
                tail -n 2
            rm -rf "$found"
            ran=$((ran + 1))
        done
        [ "$ran" -gt 0 ] || { echo "FAIL: no fuzz target ran" >&2; exit 1; }
        echo "== fuzz: $ran targets ran after $(((SECONDS - started) / 60)) min"
        ;;
    *)
        echo "unknown stage '$stage' (release, debian, san, fuzz)" >&2
        exit 2
        ;;
    esac
done
left="$(find "$scratch" -mindepth 1 -maxdepth 1 ! -path "$scratch/runtime")"
if [ -n "$left" ]; then
    echo "FAIL: the tests left these in the temporary folder:" $left >&2
    exit 1
fi
echo "== all tests passed ($stages) in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
