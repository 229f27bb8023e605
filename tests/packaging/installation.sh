#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Installs the build into a throwaway prefix and checks what a desktop needs:
# the program, the desktop entry, the icons of the hicolor theme and the
# AppStream metainfo, all under one id, valid for their validators.
set -euo pipefail
build=$1
for outil in desktop-file-validate appstreamcli update-mime-database xdg-mime; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
cmake --install "$build" --prefix "$prefixe" >/dev/null

id=org.vorlinde.Vorlinde
attendus=(bin/vorlinde "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          "share/icons/hicolor/scalable/apps/$id.svg" "share/mime/packages/$id.xml" share/man/man6/vorlinde.6
          share/man/fr/man6/vorlinde.6)
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
rapport=$(appstreamcli validate --pedantic --no-net "$prefixe/share/metainfo/$id.metainfo.xml" 2>&1) \
  || { echo "$rapport"; echo "FAIL: the metainfo is not valid"; exit 1; }
# AppStream 1.0 (Debian 13) knows every tag the record uses: its pedantic
# check finds nothing but the capitals of the id, which desktops rely on.
if ! appstreamcli --version | grep -q 'version: 0\.'; then
  autres=$(grep -E '^[EWIP]: ' <<<"$rapport" | grep -v ' cid-contains-uppercase-letter ' || true)
  [ -z "$autres" ] || { echo "FAIL: appstreamcli --pedantic finds: $autres"; exit 1; }
fi
grep -q "^Icon=$id$" "$prefixe/share/applications/$id.desktop"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefixe/share/metainfo/$id.metainfo.xml"

# A saved game is a document of the program's own type, which opens it.
grep -q '^Exec=vorlinde %f$' "$prefixe/share/applications/$id.desktop"
grep -q '^MimeType=application/x-vorlinde-partie;$' "$prefixe/share/applications/$id.desktop"
grep -q '<mediatype>application/x-vorlinde-partie</mediatype>' "$prefixe/share/metainfo/$id.metainfo.xml"
update-mime-database "$prefixe/share/mime"
printf '\x01\x12\x34\x00\x11\x11\x11\x11' >"$prefixe/ma partie.prt"
type=$(env XDG_DATA_DIRS="$prefixe/share" XDG_DATA_HOME="$prefixe/vide" XDG_CURRENT_DESKTOP= \
       xdg-mime query filetype "$prefixe/ma partie.prt")
[ "$type" = application/x-vorlinde-partie ] || { echo "FAIL: a saved game is of type '$type'"; exit 1; }
echo "PASS: installed files and their validation, saved games as documents"
