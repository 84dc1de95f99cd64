#!/usr/bin/env bash
# Plays the soak's seeded hostile game with the Linux library and with Vorthmere.asi under Wine
# and requires both to keep every rule and to give the same figures: passes, frames, native
# calls, cameras and steering writes. The two builds must make the same calls in the same order
# for that, whatever the hostile answers. Each run works in a fresh folder of its own.
# Usage: compare_soak.sh <linux vorthmere_soak_tests> <vorthmere_wine_soak.exe> <Vorthmere.asi> [frames]
#   Wine runs in $WINEPREFIX (made beforehand with wineboot).
set -euo pipefail
linux_soak=$(realpath "$1") wine_soak=$(realpath "$2") dll=$(realpath "$3")
export VORTHMERE_SOAK_FRAMES=${4:-20000} WINEDEBUG=${WINEDEBUG:--all}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/wine"

linux=$("$linux_soak" | grep '^soak:' || true)
windows=$(cd "$work/wine" && wine "$wine_soak" "$dll" | tr -d '\r' | grep '^soak:' || true)
echo "linux:   $linux"
echo "windows: $windows"
if [[ "$linux" != *", 0 rules broken" || "$windows" != *", 0 rules broken" ]]; then
    echo "FAIL a run broke a rule or did not finish: run each soak alone for the details"
    exit 1
fi
if [ "$linux" != "$windows" ]; then
    echo "FAIL the DLL under Wine and the Linux library played the soak differently"
    exit 1
fi
echo "ok   the same soak on both builds, $VORTHMERE_SOAK_FRAMES frames"
