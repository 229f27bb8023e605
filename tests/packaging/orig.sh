#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# One orig for every build: the release tarball made twice from one commit,
# under another umask, time zone and locale, is the same byte for byte, and
# two source packages made a second apart take it as their orig and are the
# same.
set -euo pipefail
projet=$(cd "$(dirname "$0")/../.." && pwd)
for outil in dpkg-source dpkg-parsechangelog git xz; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
git -C "$projet" rev-parse -q --verify HEAD >/dev/null || { echo "SKIP: not a git checkout"; exit 77; }
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
echouer() { echo "FAIL: $*"; exit 1; }

# The release tarball, twice from the same commit.
commit=$(git -C "$projet" rev-parse HEAD)
premiere=$(bash "$projet/scripts/dist.sh" "$travail/dist1" "$commit")
seconde=$(umask 077 && TZ=Pacific/Kiritimati LC_ALL=C bash "$projet/scripts/dist.sh" "$travail/dist2" "$commit")
cmp "$premiere" "$seconde" || echouer "two tarballs of one commit differ"

# The source package, twice a second apart: one orig, make dist's, and one .dsc.
bash "$projet/scripts/paquet.sh" "$travail/source" --source >/dev/null
sleep 1
bash "$projet/scripts/paquet.sh" "$travail/source2" --source >/dev/null
dsc=$(ls "$travail"/source/vorlinde_*.dsc)
cmp "$dsc" "$travail/source2/$(basename "$dsc")" || echouer "two source packages of one commit differ"
orig=$(ls "$travail"/source/vorlinde_*.orig.tar.xz)
cmp "$orig" "$travail/source2/$(basename "$orig")" || echouer "two orig tarballs of one commit differ"
cmp "$orig" "$premiere" || echouer "the orig tarball is not make dist's"

echo "PASS: $(basename "$orig") is make dist's, and two source packages of one commit are the same"
