#!/usr/bin/env bash
# Derives the host exports' decorated names with clang for the MSVC x64 ABI and checks that
# ScriptHookRDR2.def maps each plain name onto exactly that name.
# Usage: check_decorated_names.sh <ScriptHookRDR2.def>
set -euo pipefail
def=$1
here=$(dirname "$0")
derived=$(clang++ --target=x86_64-pc-windows-msvc -S -emit-llvm -o - "$here/host_declarations.cpp" |
          sed -n 's/^declare .*@"\(?[^"]*\)".*/\1/p' | sort)
# "?name@@..." -> "name ?name@@..."
derived_pairs=$(sed 's/^?\([A-Za-z0-9_]*\)@@.*/\1 &/' <<<"$derived" | sort)
def_pairs=$(sed -n 's/^\([A-Za-z0-9_]*\) == \(.*\)$/\1 \2/p' "$def" | sort)
count=$(wc -l <<<"$derived_pairs")
if [ "$count" -ne 8 ]; then
    echo "FAIL: clang gave $count decorated names, expected 8"; exit 1
fi
if [ "$derived_pairs" != "$def_pairs" ]; then
    echo "FAIL: the .def differs from the names clang derives:"
    diff <(echo "$def_pairs") <(echo "$derived_pairs") || true
    exit 1
fi
echo "ok: the 8 decorated names in $(basename "$def") are those clang derives"
