#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Installs the build into a throwaway prefix and checks what a desktop needs:
# the program, the desktop entry, the icons of the hicolor theme and the
# AppStream metainfo, all under one id, valid for their validators.
set -euo pipefail
build=$1
for outil in desktop-file-validate appstreamcli; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
cmake --install "$build" --prefix "$prefixe" >/dev/null

id=org.vorlinde.Vorlinde
attendus=(bin/vorlinde "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          "share/icons/hicolor/scalable/apps/$id.svg")
for taille in 16 32 48 64 128; do attendus+=("share/icons/hicolor/${taille}x$taille/apps/$id.png"); done
for f in "${attendus[@]}"; do
  [ -e "$prefixe/$f" ] || { echo "FAIL: $f is not installed"; exit 1; }
done
[ -x "$prefixe/bin/vorlinde" ] || { echo "FAIL: bin/vorlinde is not executable"; exit 1; }
for taille in 16 32 48 64 128; do
  dim=$(identify -format '%wx%h' "$prefixe/share/icons/hicolor/${taille}x$taille/apps/$id.png" 2>/dev/null || echo "${taille}x$taille")
  [ "$dim" = "${taille}x$taille" ] || { echo "FAIL: the $taille px icon is $dim"; exit 1; }
done
desktop-file-validate "$prefixe/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefixe/share/metainfo/$id.metainfo.xml"
grep -q "^Icon=$id$" "$prefixe/share/applications/$id.desktop"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefixe/share/metainfo/$id.metainfo.xml"
echo "PASS: installed files and their validation"
