#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The release tarball is a project of its own: `make dist`'s tarball,
# unpacked in a folder of its own, holds no debian/ and needs none; it
# configures, builds and passes the tests that need no display. The tarball
# is made from the commit checked out (HEAD), as scripts/dist.sh makes it.
set -euo pipefail
projet=$(cd "$(dirname "$0")/../.." && pwd)
for outil in git xz cmake ctest; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
git -C "$projet" rev-parse -q --verify HEAD >/dev/null || { echo "SKIP: not a git checkout"; exit 77; }
# What the tarball holds is the same for both releases: the Debian 12 half
# checks it.
if [ -n "${VORLINDE_RACINE_DEBIAN13:-}" ]; then
  echo "SKIP: the Debian 12 half of the suite builds the tarball alone"
  exit 77
fi
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
echouer() { echo "FAIL: $*"; exit 1; }

archive=$(bash "$projet/scripts/dist.sh" "$travail/dist" HEAD 2>/dev/null)
tar -xf "$archive" -C "$travail"
arbre=$(find "$travail" -mindepth 1 -maxdepth 1 -type d -name 'vorlinde-*')
[ -d "$arbre" ] || echouer "the tarball holds no vorlinde-<version>/ folder"
[ ! -e "$arbre/debian" ] || echouer "the tarball holds debian/"
[ ! -e "$arbre/Testing" ] || echouer "the tarball holds Testing/"

# Unoptimised and without the sanitizers: this checks what the tarball
# holds, the suite checks the code. At the lowest priority: the build and
# its tests take the cores the real-window tests beside them leave.
journal=$travail/construction.log
generateur=()
command -v ninja >/dev/null && generateur=(-G Ninja)
cmake -S "$arbre" -B "$travail/construction" "${generateur[@]}" -DVORLINDE_TESTS_REELS=OFF >"$journal" 2>&1 \
  || { tail -n 30 "$journal"; echouer "the tarball does not configure"; }
nice -n 19 cmake --build "$travail/construction" -j "$(nproc)" >>"$journal" 2>&1 \
  || { tail -n 30 "$journal"; echouer "the tarball does not build"; }
statut=0
QT_QPA_PLATFORM=offscreen nice -n 19 ctest --test-dir "$travail/construction" -j "$(nproc)" >"$travail/tests.log" 2>&1 || statut=$?
bilan=$(grep -E '^[0-9]+% tests passed' "$travail/tests.log" || true)
[ "$statut" = 0 ] && [ -n "$bilan" ] || { tail -n 30 "$travail/tests.log"; echouer "the tarball's tests: ${bilan:-none ran}"; }
echo "PASS: $(basename "$archive") configures, builds and passes its tests alone ($bilan)"
