#!/usr/bin/env bash
# The one test command: installs what is missing, builds the default and asan presets with
# their tests and runs them (the soak and the benchmark's short run among them), then the
# stages under tools/ci: ThreadSanitizer, the Windows plug-in under Wine, fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ gcc pkg-config git googletest libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wine64 wine
          libcli11-dev libtomlplusplus-dev locales zip unzip)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "== installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

source tools/ci/inih.sh
for preset in default asan; do
    echo "== preset $preset"
    cmake --preset "$preset" -DBUILD_TESTING=ON "${inih_option[@]}"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

for stage in tools/ci/stage-*.sh; do
    [ -e "$stage" ] || continue
    echo "== $(basename "$stage" .sh)"
    bash "$stage"
done
echo "== all tests passed"
