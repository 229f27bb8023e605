#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Builds the Debian package from debian/ with dpkg-buildpackage, in a copy of
# the source tree under OUT (build/paquet by default), so that nothing is
# written beside the tree: OUT then holds vorlinde_1.0_amd64.deb, its
# debugging symbols and the .changes and .buildinfo files.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=$(realpath -m "${1:-$racine/build/paquet}")
version=$(dpkg-parsechangelog -l "$racine/debian/changelog" -S Version)
copie="$sortie/vorlinde-$version"

rm -rf "$sortie"
mkdir -p "$copie"
# The files of the tree as they stand, committed or not, without the builds.
(cd "$racine" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$copie")
(cd "$copie" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -b -us -uc >"$sortie/construction.log" 2>&1) \
  || { tail -n 40 "$sortie/construction.log"; exit 1; }
rm -rf "$copie"
ls "$sortie"/*.deb
