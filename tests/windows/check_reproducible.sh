#!/usr/bin/env bash
# Builds the player's package twice from two clones of the same commit, in folders of different
# names, one after the other, the second with another umask and time zone, and checks that
# Vorthmere.asi, the zip and SHA256SUMS.txt are the same bytes; that neither DLL names its build
# folder; that the PE time stamp is the commit's time and the version resource names the commit.
# Only the package target is built, without the tests, to keep it cheap.
# Usage: check_reproducible.sh <repository> [cmake option...] (e.g. the inih option)
set -euo pipefail
repository=$1
shift
commit=$(git -C "$repository" rev-parse HEAD)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
ok() { echo "ok   $*"; }
fail() { echo "FAIL $*"; status=1; }

build_clone() { # <folder>
    git clone --quiet --no-checkout "$repository" "$1"
    git -C "$1" checkout --quiet "$commit"
    (cd "$1" && cmake --preset windows -DBUILD_TESTING=OFF "${@:2}" >/dev/null &&
        cmake --build --preset windows --target package >/dev/null)
}

unset SOURCE_DATE_EPOCH
build_clone "$scratch/vorthmere-clone-one" "$@"
(umask 0002 && TZ=Pacific/Kiritimati build_clone "$scratch/another-clone-folder/vorthmere" "$@")
one=$scratch/vorthmere-clone-one/build/windows two=$scratch/another-clone-folder/vorthmere/build/windows

for file in Vorthmere.asi Vorthmere-*.zip SHA256SUMS.txt; do
    names=("$one"/$file)
    name=$(basename "${names[0]}")
    if cmp -s "$one/$name" "$two/$name"; then ok "$name is the same bytes from both clones"; else fail "$name differs"; fi
done
(cd "$one" && sha256sum --quiet -c SHA256SUMS.txt) && ok "SHA256SUMS.txt checks" || fail "SHA256SUMS.txt"

if strings -a "$one/Vorthmere.asi" "$two/Vorthmere.asi" | grep -q -e "$scratch" -e clone-one -e another-clone-folder; then
    fail "a DLL names its build folder"
else
    ok "no build folder named in the DLL"
fi

# The PE header's TimeDateStamp: 8 bytes into the header whose offset the DOS header holds at 0x3c.
header=$(od -An -tu4 -j60 -N4 "$one/Vorthmere.asi" | tr -d ' ')
stamp=$(od -An -tu4 -j$((header + 8)) -N4 "$one/Vorthmere.asi" | tr -d ' ')
commit_time=$(git -C "$repository" log -1 --format=%ct "$commit")
[ "$stamp" = "$commit_time" ] && ok "the PE time stamp is the commit's time ($stamp)" || fail "the PE time stamp is $stamp, the commit's time $commit_time"

short=$(git -C "$repository" rev-parse --short=12 "$commit")
if strings -a -el "$one/Vorthmere.asi" | grep -q "Built from commit $short\$"; then
    ok "the version resource names commit $short"
else
    fail "the version resource does not name commit $short"
fi
exit $status
