#!/usr/bin/env bash
# Builds and tests everything, each configuration in its own folder under build/:
#   native  g++ with AddressSanitizer and UBSan: tests and corpus replays
#   fuzz    clang with libFuzzer: every fuzz target runs for a bounded time
#   win64   x86_64 MinGW: the test programs run under wine64
#   win32   i686 MinGW: built; the tests run where 32-bit Wine works
# Exits non-zero when any build or test fails.
# shellcheck disable=SC2317 # the steps are called through stage
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1
jobs=${PENDREL_JOBS:-2}
fuzz_seconds=${PENDREL_FUZZ_SECONDS:-20}

summary=()
failed=0
started=$SECONDS

# stage <name> <command...>: runs and times one step and records the outcome.
stage() {
    local name=$1 begin=$SECONDS outcome=ok
    shift
    echo
    echo "=== $name"
    "$@" || { outcome=FAILED; failed=1; }
    summary+=("$(printf '%-22s %-8s %5ds' "$name" "$outcome" $((SECONDS - begin)))")
    [[ $outcome == ok ]]
}

note() {
    summary+=("$(printf '%-22s %s' "$1" "$2")")
}

configure() {
    local dir=$1
    shift
    cmake -S "$root" -B "build/$dir" "$@"
}

build() {
    local dir=$1
    shift
    cmake --build "build/$dir" -j "$jobs" "$@"
}

run_tests() {
    ctest --test-dir "build/$1" --output-on-failure -j "$jobs" </dev/null
}

# configure, build and test one configuration; later steps need the earlier ones.
check_configuration() {
    local dir=$1 build_args=$2
    shift 2
    stage "$dir: configure" configure "$dir" "$@" || return
    # shellcheck disable=SC2086 # build_args is a list of words
    stage "$dir: build" build "$dir" $build_args || return
    if [[ $dir == win32 ]] && ! cmake/wine-run.sh --can-run i686; then
        echo "NOTICE: the 32-bit Windows tests were built but not run:"
        echo "        32-bit Wine (/usr/lib/wine/wine) cannot execute on this machine;"
        echo "        the kernel runs no 32-bit programs here. The 64-bit tests ran under wine64."
        note "win32: test" "not run: no 32-bit Wine on this machine"
        return
    fi
    stage "$dir: test" run_tests "$dir"
}

stage "setup" bash scripts/setup.sh || { echo "setup failed" >&2; exit 1; }

check_configuration native "" \
    -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DPENDREL_SANITIZE=ON
check_configuration fuzz "--target fuzzers" \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPENDREL_FUZZ=ON \
    -DPENDREL_FUZZ_SECONDS="$fuzz_seconds"
check_configuration win64 "" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake"
check_configuration win32 "" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake"

echo
echo "=== summary"
printf '%s\n' "${summary[@]}"
printf '%-22s %-8s %5ds\n' "total" "$( ((failed)) && echo FAILED || echo ok)" $((SECONDS - started))
exit $failed
