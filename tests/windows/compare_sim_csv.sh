#!/usr/bin/env bash
# Plays one session with the Linux simulator (libvorthmere.so) and with the Windows one
# (Vorthmere.asi under Wine) and requires both to keep every invariant (exit status 0), to
# write the same CSV, byte for byte, and the same summary line. Prints each build's summary
# line, and on a difference the first line of the CSV that differs.
# Usage: compare_sim_csv.sh <linux vorthmere-sim> <windows vorthmere-sim.exe> [SESSION.toml]
#   Without a session file both play the built-in session. Wine runs in $WINEPREFIX (made
#   beforehand with wineboot); $WINE names the Wine program (default: wine).
set -euo pipefail
if (($# < 2 || $# > 3)); then
    echo "usage: $0 <linux vorthmere-sim> <windows vorthmere-sim.exe> [SESSION.toml]" >&2
    exit 2
fi
linux_sim=$(realpath "$1") windows_sim=$(realpath "$2")
export WINEDEBUG=${WINEDEBUG:--all}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
session=()
if (($# == 3)); then
    cp "$3" "$work/session.toml"
    session=(session.toml) # a relative name means the same file to both programs
fi
cd "$work"

# Plays with one build: <name> <command...>; leaves <name>.csv and <name>.out, and its status.
play() {
    local name=$1 status=0
    shift
    "$@" "${session[@]}" --quiet --csv "$name.csv" >"$name.out" 2>&1 || status=$?
    tr -d '\r' <"$name.out" >"$name.txt"
    grep -m1 'invariant violations' "$name.txt" >"$name.summary" || echo "(no summary line)" >"$name.summary"
    printf '%-8s %s\n' "$name:" "$(cat "$name.summary")"
    if ((status != 0)); then
        echo "$name: exit status $status"
        cat "$name.txt"
    fi
    return "$status"
}

status=0
play linux "$linux_sim" || status=1
play windows "${WINE:-wine}" "$windows_sim" || status=1
if [ ! -f linux.csv ] || [ ! -f windows.csv ]; then
    echo "a CSV is missing"
    exit 1
fi
if ! cmp -s linux.summary windows.summary; then
    status=1
    echo "the summary lines differ"
fi
if difference=$(cmp linux.csv windows.csv 2>&1); then
    echo "the CSV files are the same ($(wc -l <linux.csv) lines)"
else
    status=1
    echo "the CSV files differ: $difference"
    line=$(sed -n 's/.* line \([0-9][0-9]*\)$/\1/p' <<<"$difference")
    if [ -n "$line" ]; then
        echo "linux   line $line: $(sed -n "${line}p" linux.csv)"
        echo "windows line $line: $(sed -n "${line}p" windows.csv)"
    fi
fi
exit "$status"
