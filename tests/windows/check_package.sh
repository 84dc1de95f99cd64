#!/usr/bin/env bash
# Checks the player's package as a player gets it: the zip holds exactly the six files, its
# Vorthmere.asi is stripped and small, carries the project's version resource, and reads a
# settings file when loaded under Wine through the stand-in ScriptHookRDR2.dll.
# Usage: check_package.sh <zip> <version> <objdump> <wine> <version_info.exe> <wine_runner.exe> <source dir>
set -euo pipefail
zip=$1 version=$2 objdump=$3 wine=$4 version_info=$5 runner=$6 source=$7
status=0
ok() { echo "ok   $*"; }
fail() { echo "FAIL $*"; status=1; }

if [ ! -f "$zip" ]; then
    echo "FAIL $zip does not exist: build the package first (cmake --build --preset windows --target package)"
    exit 1
fi

listing=$(unzip -Z1 "$zip" | sort)
expected=$(printf '%s\n' Vorthmere.asi Vorthmere.ini README.txt CHANGELOG.txt LICENSE.txt LICENSE-inih.txt | sort)
if [ "$listing" = "$expected" ]; then ok "the zip holds exactly: $(echo $listing)"; else fail "the zip holds: $(echo $listing)"; fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unzip -q "$zip" -d "$scratch/game"
asi="$scratch/game/Vorthmere.asi"

size=$(stat -c %s "$asi")
if [ "$size" -lt $((300 * 1024)) ]; then ok "Vorthmere.asi is $size bytes (under 300 KiB)"; else fail "Vorthmere.asi is $size bytes"; fi
if "$objdump" -h "$asi" | grep -q '\.debug_'; then fail "Vorthmere.asi still has debug sections"; else ok "Vorthmere.asi has no debug sections"; fi

cmp -s "$scratch/game/Vorthmere.ini" "$source/packaging/Vorthmere.ini" && ok "Vorthmere.ini is the documented default file" || fail "Vorthmere.ini differs from packaging/Vorthmere.ini"
cmp -s "$scratch/game/LICENSE.txt" "$source/LICENSE" && ok "LICENSE.txt is Vorthmere's licence" || fail "LICENSE.txt differs from LICENSE"
cmp -s "$scratch/game/CHANGELOG.txt" "$source/CHANGELOG.md" && ok "CHANGELOG.txt is the changelog" || fail "CHANGELOG.txt differs from CHANGELOG.md"
grep -q "inih" "$scratch/game/LICENSE-inih.txt" && ok "LICENSE-inih.txt is inih's licence" || fail "LICENSE-inih.txt is not inih's licence"
grep -q "Vorthmere $version" "$scratch/game/README.txt" && ok "README.txt names version $version" || fail "README.txt does not name version $version"

# The version resource, read back by Windows' own version API.
if "$wine" "$version_info" "$asi" "$version"; then ok "the version resource reads back"; else fail "the version resource"; fi

# The packaged plug-in, loaded in a folder of its own, reads the settings file written there.
mkdir "$scratch/run"
if (cd "$scratch/run" && "$wine" "$runner" "$asi" settings); then ok "the packaged plug-in reads Vorthmere.ini"; else fail "the packaged plug-in under Wine"; fi
exit $status
