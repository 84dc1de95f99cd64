#!/usr/bin/env bash
# Checks Vorthmere.asi's import table: the DLLs are ScriptHookRDR2.dll, KERNEL32.dll and
# msvcrt.dll and nothing else (no toolchain runtime DLL), and ScriptHookRDR2.dll is asked for
# exactly the eight decorated names of the .def.
# Usage: check_imports.sh <objdump> <Vorthmere.asi> <ScriptHookRDR2.def>
set -euo pipefail
objdump=$1 asi=$2 def=$3
dump=$("$objdump" -p "$asi")
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | sort)
expected_dlls=$(printf '%s\n' KERNEL32.dll ScriptHookRDR2.dll msvcrt.dll | sort)
status=0
if [ "$dlls" != "$expected_dlls" ]; then
    echo "FAIL: imported DLLs are:"; echo "$dlls"; status=1
else
    echo "ok: imported DLLs are exactly KERNEL32.dll, ScriptHookRDR2.dll, msvcrt.dll"
fi
# The member names listed under "DLL Name: ScriptHookRDR2.dll" up to the next blank line.
host_imports=$(awk '/DLL Name: /{inhost = ($3 == "ScriptHookRDR2.dll"); next}
                    inhost && /^[[:space:]]*$/ {inhost = 0}
                    inhost && $1 != "vma:" {print $NF}' <<<"$dump" | sort)
expected_imports=$(sed -n 's/^[A-Za-z0-9_]* == \(.*\)$/\1/p' "$def" | sort)
if [ "$(wc -l <<<"$expected_imports")" -ne 8 ] || [ "$host_imports" != "$expected_imports" ]; then
    echo "FAIL: ScriptHookRDR2.dll imports are:"; echo "$host_imports"; status=1
else
    echo "ok: ScriptHookRDR2.dll is asked for the 8 decorated names"
fi
if ! grep -q "GetTickCount" <<<"$dump"; then
    echo "FAIL: GetTickCount is not imported"; status=1
fi
exit $status
