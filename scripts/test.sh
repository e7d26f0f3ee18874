#!/usr/bin/env bash
# Builds and tests everything, each configuration in its own folder under build/:
#   native  g++ with AddressSanitizer and UBSan: tests and corpus replays
#   fuzz    clang with libFuzzer: every fuzz target runs for a bounded time
#   win64   x86_64 MinGW: the test programs run under wine64
#   win32   i686 MinGW: everything built; the tests run where 32-bit Wine works
# Exits non-zero when any build or test fails.
# shellcheck disable=SC2317 # the steps are called through stage
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1
build_jobs=${PENDREL_JOBS:-$(nproc)}
fuzz_seconds=${PENDREL_FUZZ_SECONDS:-20}

summary=()
failed=0
started=$SECONDS

times_file=$(mktemp)
trap 'rm -f "$times_file"' EXIT

# Sets cpu_seconds to the CPU time (user + system) of the finished child processes;
# runs in this shell, as a subshell would count only its own children.
cpu_seconds=0
measure_cpu() {
    local line
    times >"$times_file"
    line=$(tail -n 1 "$times_file")
    cpu_seconds=0
    while [[ $line =~ ([0-9]+)m([0-9]+)\.[0-9]+s(.*) ]]; do
        cpu_seconds=$((cpu_seconds + 10#${BASH_REMATCH[1]} * 60 + 10#${BASH_REMATCH[2]}))
        line=${BASH_REMATCH[3]}
    done
}

# stage <name> <command...>: runs one step, records its outcome, wall and CPU time.
stage() {
    local name=$1 begin=$SECONDS cpu_begin outcome=ok
    shift
    measure_cpu
    cpu_begin=$cpu_seconds
    echo
    echo "=== $name"
    "$@" || { outcome=FAILED; failed=1; }
    measure_cpu
    summary+=("$(printf '%-22s %-8s %5ds %6ds' "$name" "$outcome" $((SECONDS - begin)) \
        $((cpu_seconds - cpu_begin)))")
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
    cmake --build "build/$dir" -j "$build_jobs" "$@"
}

run_tests() {
    ctest --test-dir "build/$1" --output-on-failure -j 2 </dev/null
}

# configure, build and test one configuration; later steps need the earlier ones.
check_configuration() {
    local dir=$1 build_args=$2
    shift 2
    stage "$dir: configure" configure "$dir" "$@" || return
    # shellcheck disable=SC2086 # build_args is a list of words
    stage "$dir: build" build "$dir" $build_args || return
    if [[ $dir == win32 ]] && ! cmake/wine-run.sh --can-run i686; then
        echo "NOTICE: the 32-bit Windows programs and test programs were built, the tests not run:"
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
# The 32-bit test programs are compiled everywhere, so that code that only the 32-bit
# compiler rejects (calling conventions, pointer sizes) never lands unseen.
check_configuration win32 "" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake"

echo
echo "=== summary"
printf '%-22s %-8s %6s %7s\n' "stage" "result" "wall" "cpu"
printf '%s\n' "${summary[@]}"
measure_cpu
printf '%-22s %-8s %5ds %6ds\n' "total" "$( ((failed)) && echo FAILED || echo ok)" $((SECONDS - started)) \
    "$cpu_seconds"
exit $failed
