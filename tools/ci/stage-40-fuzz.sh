#!/usr/bin/env bash
# Fuzzes the settings file for a bounded time (VORTHMERE_FUZZ_SECONDS, 60 by default) with
# libFuzzer, ASan and UBSan. Any finding fails the stage; its input is kept under build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
build=${VORTHMERE_FUZZ_BUILD:-$root/build/fuzz}
seconds=${VORTHMERE_FUZZ_SECONDS:-60}

# A build folder of its own: clang, every file under the sanitizers, and the files that
# fuzz/coverage.txt names instrumented for coverage.
source tools/ci/inih.sh
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
flags+=" -fsanitize-coverage-allowlist=$root/fuzz/coverage.txt"
cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON "${inih_option[@]}" \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "-DCMAKE_C_FLAGS=$flags" "-DCMAKE_CXX_FLAGS=$flags"
cmake --build "$build" --target vorthmere_settings_fuzz -j2

# New inputs go to a scratch folder, so the seed corpus in the repository stays as written.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/findings"
# A quarantine of 32 MiB rather than 256: an input frees what it allocated within microseconds, so
# that still holds the frees of thousands of inputs, and the process stays small instead of
# faulting in fresh pages for every allocation.
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:quarantine_size_mb=32}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
set +e
# One process, so the corpus folder is never reread for other processes' finds (-reload=0).
"$build/fuzz/vorthmere_settings_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 -reload=0 \
    -dict="$root/fuzz/settings.dict" -artifact_prefix="$build/findings/" -print_final_stats=1 \
    "$scratch" "$root/fuzz/corpus" >"$build/fuzz.log" 2>&1
status=$?
set -e
# The progress lines are many; the rest (start, findings, final figures) is shown.
grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' "$build/fuzz.log" | tail -n 60
if [ "$status" -ne 0 ]; then
    echo "settings fuzzing found a problem (exit $status); inputs in $build/findings" >&2
    exit 1
fi
