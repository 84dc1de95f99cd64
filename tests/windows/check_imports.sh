#!/usr/bin/env bash
# Checks Vorthmere.asi's import table: the DLLs are ScriptHookRDR2.dll, KERNEL32.dll and
# msvcrt.dll and nothing else (no toolchain runtime DLL), ScriptHookRDR2.dll is asked for
# exactly the eight decorated names of the .def, and GetTickCount comes from KERNEL32.dll.
# Usage: check_imports.sh <objdump> <Vorthmere.asi> <ScriptHookRDR2.def>
set -euo pipefail
objdump=$1 asi=$2 def=$3
dump=$("$objdump" -p "$asi")

# The member names listed under "DLL Name: <dll>" up to the next blank line.
imports_of() {
    awk -v dll="$1" '/DLL Name: /{listing = ($3 == dll); next}
                     listing && /^[[:space:]]*$/ {listing = 0}
                     listing && $1 != "vma:" {print $NF}' <<<"$dump" | sort
}

status=0
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | sort)
expected_dlls=$(printf '%s\n' KERNEL32.dll ScriptHookRDR2.dll msvcrt.dll | sort)
if [ "$dlls" != "$expected_dlls" ]; then
    echo "FAIL: imported DLLs are:"; echo "$dlls"; status=1
else
    echo "ok: imported DLLs are exactly KERNEL32.dll, ScriptHookRDR2.dll, msvcrt.dll"
fi

host_imports=$(imports_of ScriptHookRDR2.dll)
expected_imports=$(sed -n 's/^[A-Za-z0-9_]* == \(.*\)$/\1/p' "$def" | sort)
if [ "$(wc -l <<<"$expected_imports")" -ne 8 ] || [ "$host_imports" != "$expected_imports" ]; then
    echo "FAIL: ScriptHookRDR2.dll imports are:"; echo "$host_imports"; status=1
else
    echo "ok: ScriptHookRDR2.dll is asked for the 8 decorated names"
fi

if imports_of KERNEL32.dll | grep -qx GetTickCount; then
    echo "ok: GetTickCount comes from KERNEL32.dll"
else
    echo "FAIL: GetTickCount is not imported from KERNEL32.dll"; status=1
fi
exit $status
