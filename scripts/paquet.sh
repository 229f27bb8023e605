#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Builds the Debian source and binary packages as a distribution would: the
# release tarball (scripts/dist.sh) becomes vorlinde_<version>.orig.tar.xz,
# debian/ is put beside its unpacked tree, and dpkg-buildpackage builds from
# there, its tests included (DEB_BUILD_OPTIONS=nocheck skips them). OUT
# (build/paquet by default) then holds the .dsc, the tarballs, the .deb, its
# debugging symbols and the .changes and .buildinfo files.
#
# With --source after OUT, only the source package is made.
#
# The orig tarball is `make dist`'s, byte for byte (build/dist/, made from tag
# v<version>, or from HEAD when there is no such tag): every build of one
# commit has the same orig, as the archive and a watch file would. Changes
# not committed are not in it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=$(realpath -m "${1:-$racine/build/paquet}")
version=$(dpkg-parsechangelog -l "$racine/debian/changelog" -S Version)
amont=${version%-*}

rm -rf "$sortie"
mkdir -p "$sortie"
# dist.sh writes the same bytes for the same commit: a tarball already there
# is made again identical, never a different one.
archive=$(bash "$racine/scripts/dist.sh")
[ "$(basename "$archive")" = "vorlinde-$amont.tar.xz" ] \
  || { echo "paquet: $(basename "$archive") is not the tarball of version $amont" >&2; exit 1; }
cp "$archive" "$sortie/vorlinde_$amont.orig.tar.xz"
tar -xf "$sortie/vorlinde_$amont.orig.tar.xz" -C "$sortie"
cp -a "$racine/debian" "$sortie/vorlinde-$amont/debian"
if [ "${2:-}" = --source ]; then
  (cd "$sortie" && dpkg-source -b "vorlinde-$amont" >"$sortie/construction.log" 2>&1) \
    || { cat "$sortie/construction.log"; exit 1; }
  rm -rf "$sortie/vorlinde-$amont"
  ls "$sortie"/*.dsc
  exit 0
fi
(cd "$sortie/vorlinde-$amont" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage -us -uc >"$sortie/construction.log" 2>&1) \
  || { tail -n 60 "$sortie/construction.log"; exit 1; }
rm -rf "$sortie/vorlinde-$amont"
ls "$sortie"/*.dsc "$sortie"/*.deb
