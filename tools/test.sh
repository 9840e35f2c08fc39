#!/usr/bin/env bash
# Builds and runs the whole test suite: Linux release, Linux with AddressSanitizer and
# UndefinedBehaviorSanitizer, the threading tests under ThreadSanitizer, and the Windows build under Wine.
# Usage: tools/test.sh [linux|asan|tsan|windows]...   (default: all four)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMENOR_BUILD_ROOT:-$root/build}
jobs=$(nproc)
"$root/tools/install-deps.sh"

configure() { # dir, extra cmake arguments...
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

run_linux() {
    configure "$build/linux"
    ctest --test-dir "$build/linux" -j "$jobs" --output-on-failure
}

run_asan() {
    configure "$build/asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENOR_SANITIZE=address,undefined \
        -DLUMENOR_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$build/asan" -j "$jobs" --output-on-failure
}

run_tsan() {
    configure "$build/tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENOR_SANITIZE=thread -DLUMENOR_BUILD_BENCH=OFF
    # Tests that run several threads carry one of these words in their names.
    TSAN_OPTIONS=halt_on_error=1 "$build/tsan/tests/lumenor_tests" \
        --gtest_filter='*LockFreeQueue*:*Threads*:*Concurrent*'
}

run_windows() {
    configure "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW.cmake" -DLUMENOR_BUILD_BENCH=OFF
    export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
    [ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1 || true
    ctest --test-dir "$build/windows" --output-on-failure
}

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(linux asan tsan windows)
for target in "${targets[@]}"; do
    echo "== $target"
    "run_$target"
done
