#!/usr/bin/env bash
# Sets up, builds and runs every test without a display. The tests of the code that reads
# untrusted bytes (descriptors, reports, files) run first under the address and
# undefined-behaviour sanitizers; the whole suite then runs on the normal build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
asan_build=${ASAN_BUILD_DIR:-$root/build-asan}
jobs=${JOBS:-$(nproc)}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen

sanitized=(hidparser_test hidbus_test hidclass_test model_test sim_test files_test util_test stats_test
    gif_lzw_test gif_image_test)
cmake -S "$root" -B "$asan_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRO_SANITIZE=ON >/dev/null
cmake --build "$asan_build" --parallel "$jobs" --target "${sanitized[@]}"
(
    # Leaks inside the system's font and collation libraries are not ours to fix.
    export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    for test in "${sanitized[@]}"; do
        binary=$(find "$asan_build/tests" -type f -name "$test" -perm -u+x | head -n 1)
        echo "sanitized: $test"
        "$binary" --gtest_brief=1
    done
)

cd "$build"
ctest --output-on-failure --parallel "$jobs" --timeout 300
