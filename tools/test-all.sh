#!/usr/bin/env bash
# The one test command: installs what is missing, builds the default and asan presets with
# their tests and runs them (the soak and the benchmark's short run among them), then the
# stages under tools/ci: ThreadSanitizer, the Windows plug-in under Wine, the web build under
# Node and in Chromium, fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ gcc pkg-config git googletest libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wine64 wine
          libcli11-dev libtomlplusplus-dev locales zip unzip
          clang-19 lld-19 libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32 wasi-libc
          binaryen llvm-14 chromium fonts-dejavu-core)
# Node.js and npm from Debian (18.20 on Debian 12), unless a Node.js is already there.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
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
