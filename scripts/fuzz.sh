#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer into build-fuzz/ and runs it for a while on a
# scratch copy of its committed corpus (fuzz/corpus/<name>). Inputs that crash are saved into
# fuzz/reproducers/<name>/ for committing; new interesting inputs stay in the scratch copy.
#   scripts/fuzz.sh <name> <seconds> [extra libFuzzer flags]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if (($# < 2)); then
    echo "usage: $0 <name> <seconds> [libFuzzer flags]" >&2
    exit 2
fi
name=$1
seconds=$2
shift 2
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

# The fuzz build needs clang and its sanitizer and libFuzzer runtime; the normal build does not.
"$root/scripts/install_packages.sh" fuzz clang libclang-rt-14-dev

if [ ! -d "$root/fuzz/corpus/$name" ]; then
    echo "fuzz: no corpus folder fuzz/corpus/$name" >&2
    exit 1
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVRO_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "${JOBS:-$(nproc)}" --target "${name}_fuzz"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$root/fuzz/corpus/$name/." "$scratch/"
reproducers=$root/fuzz/reproducers/$name
mkdir -p "$reproducers"
export QT_QPA_PLATFORM=offscreen
# The parser explains every refused descriptor on the debug channel: not worth a line per input.
export QT_LOGGING_RULES="*.debug=false"
log=$build/$name.log
status=0
"$build/fuzz/${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$reproducers/" "$@" "$scratch" >"$log" 2>&1 || status=$?
grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)" "$log" || true
echo "fuzz: $name ran with status $status; full log in $log"
exit "$status"
