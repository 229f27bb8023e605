#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The package on a clean system of this machine's own Debian release: a root
# made by mmdebstrap with the package's dependencies, as apt would bring them,
# takes the package with dpkg, starts the game on the X display given in
# DISPLAY, then removes and purges it. Every file the root holds after the
# purge must have been there before the installation: nothing is left behind.
#
# racine_propre.sh DEB FOLDER: FOLDER is a working folder of the caller's.
set -euo pipefail
deb=$1
racine=$2/propre
source "$(dirname "$0")/../../scripts/racine.sh"
trap 'statut=$?; demonter_racine "$racine" || echo "FAIL: $racine is still mounted"; exit $statut' EXIT
echouer() { echo "FAIL: $*"; exit 1; }

. /etc/os-release
dependances=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/|.*//; s/(.*)//; s/[[:space:]]//g' | paste -sd, -)
mmdebstrap --quiet --variant=apt --include="$dependances" "$VERSION_CODENAME" "$racine" \
  || echouer "no clean $PRETTY_NAME root with $dependances"
cp "$deb" "$racine/tmp-vorlinde.deb"
monter_racine "$racine"

# What the root holds, but for the kernel's file systems, the package
# manager's own records and caches, and the logs.
inventaire() {
  (cd "$racine" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./tmp -o -path ./run \
     -o -path ./var/lib/dpkg -o -path ./var/cache -o -path ./var/log -o -path ./tmp-vorlinde.deb \) -prune \
     -o -print | sort)
}
avant=$(inventaire)

dans_racine() { chroot "$racine" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }
dans_racine dpkg -i /tmp-vorlinde.deb >"$2/dpkg.log" 2>&1 || { cat "$2/dpkg.log"; echouer "dpkg cannot install the package"; }

# The installed game starts and shows its window.
version=$(dpkg-deb -f "$deb" Version)
version=${version%-*}
dans_racine DISPLAY="$DISPLAY" HOME=/tmp/maison XDG_RUNTIME_DIR=/tmp /usr/games/vorlinde >"$2/jeu.log" 2>&1 &
jeu=$!
fenetre=$(timeout 30 xdotool search --sync --onlyvisible --name "^Vorlinde ${version//./\\.}\$" | head -n1) || true
kill -KILL "$jeu" 2>/dev/null || true
wait "$jeu" 2>/dev/null || true
[ -n "$fenetre" ] || { cat "$2/jeu.log"; echouer "the game installed in a clean $PRETTY_NAME showed no window"; }

dans_racine dpkg --purge vorlinde >>"$2/dpkg.log" 2>&1 || { cat "$2/dpkg.log"; echouer "dpkg cannot purge the package"; }
! dans_racine dpkg-query -W vorlinde >/dev/null 2>&1 || echouer "the package is still known to dpkg after the purge"
reste=$(comm -13 <(echo "$avant") <(inventaire))
[ -z "$reste" ] || echouer "the purge left behind: $reste"
echo "clean $PRETTY_NAME: installed, started, removed and purged, nothing left behind"
