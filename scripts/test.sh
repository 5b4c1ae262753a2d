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

sanitized=(hidparser_test hidbus_test hidclass_test device_file_test hidraw_control_test model_test
    sim_test files_test util_test stats_test grid_test gif_lzw_test gif_image_test
    components_data_test combo_box_test ani_image_test ani_bitmap_test label_test
    message_window_test recent_files_test graphics_test)
# The HID layer's own tests run with leak detection: they cover the lifetime of devices.
leak_checked=(hid_test)
cmake -S "$root" -B "$asan_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRO_SANITIZE=ON >/dev/null
cmake --build "$asan_build" --parallel "$jobs" --target "${sanitized[@]}" "${leak_checked[@]}" \
    fuzz_replays
run_test() {
    local binary
    binary=$(find "$asan_build/tests" -type f -name "$1" -perm -u+x | head -n 1)
    echo "sanitized: $1"
    "$binary" --gtest_brief=1
}
(
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    for test in "${leak_checked[@]}"; do
        ASAN_OPTIONS=detect_leaks=1 run_test "$test"
    done
    # Every committed fuzz input, with leak detection on: the targets run no font or collation
    # code.
    for corpus in "$root"/fuzz/corpus/*/; do
        name=$(basename "$corpus")
        leaks=1
        # The picture readers load Qt's image-format plugins, whose thread-local storage the
        # leak checker's own thread cannot walk (it stops with a fault of its own): that replay
        # keeps the address and undefined-behaviour checks only.
        [ "$name" = picture_readers ] && leaks=0
        echo "replayed: $name"
        ASAN_OPTIONS=detect_leaks=$leaks "$asan_build/fuzz/${name}_replay" "$corpus" \
            "$root/fuzz/reproducers/$name"
    done
    # Leaks inside the system's font and collation libraries are not ours to fix.
    export ASAN_OPTIONS=detect_leaks=0
    for test in "${sanitized[@]}"; do
        run_test "$test"
    done
)

cd "$build"
ctest --output-on-failure --parallel "$jobs" --timeout 300

# The X11 selection exists only under xcb: the selection test runs again in a virtual X server.
if command -v xvfb-run >/dev/null; then
    echo "under xcb: edit_selection_test"
    xvfb-run -a env QT_QPA_PLATFORM=xcb "$build/tests/components/edit/edit_selection_test" \
        --gtest_brief=1
fi
