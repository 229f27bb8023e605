#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The release tarball as upstream ships it: vorlinde-<version>.tar.xz, the
# tree of tag v<version> (or of REF when given) under vorlinde-<version>/,
# without the Debian packaging and without anything a build or a test
# writes (only what git holds goes in). The same tag gives the same bytes:
# git writes every file with the commit's date and the same order, and xz
# compresses on one thread.
#
# dist.sh [OUT [REF]]: OUT is build/dist by default.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=$(realpath -m "${1:-$racine/build/dist}")
cd "$racine"
version=$(sed -nE 's/^project\(Vorlinde VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "dist: no version in CMakeLists.txt" >&2; exit 1; }
reference=${2:-}
if [ -z "$reference" ]; then
  if git rev-parse -q --verify "refs/tags/v$version" >/dev/null; then
    reference=v$version
  else
    reference=HEAD
    echo "dist: no tag v$version, the tarball is made from HEAD" >&2
  fi
fi
mkdir -p "$sortie"
archive=$sortie/vorlinde-$version.tar.xz
git -c core.autocrlf=false archive --format=tar --prefix="vorlinde-$version/" "$reference" \
  | xz -6 --threads=1 -c >"$archive.tmp"
mv "$archive.tmp" "$archive"
echo "$archive"
