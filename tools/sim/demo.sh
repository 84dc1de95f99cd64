#!/usr/bin/env bash
# The README's first command. On Debian 12, from a fresh clone: installs what the plug-in, the
# simulator and the page need (nothing of the tests), builds them with the default and web
# presets and plays the built-in session against the built plug-in, leaving the plot, the
# per-frame CSV and the page (vorthmere.html, to open in a browser) in out/sim/.
set -euo pipefail
cd "$(dirname "$0")/../.."

# inih r62 from the workplace's offline copy when there is one, else fetched (git and network).
inih_source=../shared/third_party/inih-r62
inih_option=()
packages=(cmake make gcc g++ libcli11-dev libtomlplusplus-dev
          clang-19 lld-19 libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32 wasi-libc
          binaryen llvm-14)
command -v node >/dev/null || packages+=(nodejs)
if [ -f "$inih_source/ini.c" ]; then
    inih_option=("-DFETCHCONTENT_SOURCE_DIR_INIH=$(cd "$inih_source" && pwd)")
else
    packages+=(git ca-certificates)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "== installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

echo "== building build/default/vorthmere-sim and the plug-in"
cmake --preset default -DBUILD_TESTING=OFF "${inih_option[@]}" >/dev/null
cmake --build --preset default --target vorthmere-sim

echo "== playing the built-in session"
build/default/vorthmere-sim --csv out/sim/session.csv --svg out/sim/session.svg
echo "== wrote out/sim/session.svg (the plot) and out/sim/session.csv (the pose of every frame)"

echo "== building the page (build/web/vorthmere.html: the plug-in as WebAssembly)"
cmake --preset web "${inih_option[@]}" >/dev/null
cmake --build --preset web
cp build/web/vorthmere.html out/sim/vorthmere.html
echo "== wrote out/sim/vorthmere.html: open it in a browser (it needs no network) to watch, scrub and edit the session"
