#!/usr/bin/env bash
# Windows: cross-builds Vorthmere.asi with MinGW-w64, checks its import table and decorated
# names, runs it end to end under Wine against the stand-in ScriptHookRDR2.dll, and builds
# the player's package.
set -euo pipefail
cd "$(dirname "$0")/../.."

# CI never reaches upstream: inih is not downloaded here, so the configure says which inih it took.
cmake --preset windows -DVORTHMERE_FETCH_INIH=OFF
cmake --build --preset windows

# A Wine prefix of the build folder's own, made once; no display is needed.
export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w || true
fi
ctest --test-dir build/windows --output-on-failure

cmake --build --preset windows --target package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
zip="build/windows/Vorthmere-$version.zip"
listing=$(unzip -Z1 "$zip" | sort)
expected=$(printf '%s\n' LICENSE-inih.txt README.txt Vorthmere.asi Vorthmere.ini | sort)
if [ "$listing" != "$expected" ]; then
    echo "package $zip holds:"; echo "$listing"; exit 1
fi
echo "package $zip holds the four files"
