#!/usr/bin/env bash
# Windows: cross-builds Vorthmere.asi with MinGW-w64 against inih r62, the stand-in
# ScriptHookRDR2.dll, the Windows simulator and the test programs; builds the player's package;
# then, under Wine, checks the import table and decorated names, runs the plug-in end to end,
# checks the package as a player gets it, and plays the simulator's built-in session, whose CSV
# must equal the Linux library's byte for byte (build/default, made earlier by the test command),
# and the soak, whose figures must equal the Linux library's.
# Last, the release is reproducible: two clones of the commit build the same package bytes.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/ci/inih.sh

cmake --preset windows -DBUILD_TESTING=ON "${inih_option[@]}"
cmake --build --preset windows
cmake --build --preset windows --target package

# A Wine prefix of the build folder's own, made once; no display is needed.
export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w || true
fi
ctest --test-dir build/windows --output-on-failure

# The real DLL under Wine plays the simulator's sessions exactly as the Linux library does.
tests/windows/compare_sim_csv.sh build/default/vorthmere-sim build/windows/sim/vorthmere-sim.exe
tests/windows/compare_sim_csv.sh build/default/vorthmere-sim build/windows/sim/vorthmere-sim.exe \
    tests/sim/data/platform_session.toml
# The DLL under Wine plays the soak's hostile game exactly as the Linux library does.
tests/windows/compare_soak.sh build/default/tests/soak/vorthmere_soak_tests \
    build/windows/windows_host/vorthmere_wine_soak.exe build/windows/Vorthmere.asi

# Two clean clones of the commit being tested (not of uncommitted changes) build the same bytes.
tests/windows/check_reproducible.sh "$PWD" "${inih_option[@]}"
