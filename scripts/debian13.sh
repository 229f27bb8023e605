#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Runs one of the Makefile's commands (`test` by default) in a Debian 13 root,
# as on a player's machine of that release: the root is made by mmdebstrap
# from Debian's archive with only git, make and a French locale, and the
# command installs the rest with the project's own install step, inside.
#
# The root is build/debian13/racine and is kept for the next run; the tree is
# copied into it (its build folder kept, so that a second run rebuilds only
# what changed). Only the root's own kernel file systems are mounted in it,
# never a folder of the host, and they are unmounted on every exit, before
# anything of the root can be removed.
set -euo pipefail
projet=$(cd "$(dirname "$0")/.." && pwd)
dossier=$projet/build/debian13
racine=$dossier/racine
commande=${1:-test}
[ "$(id -u)" -eq 0 ] || { echo "debian13: needs root (chroot and mounts)" >&2; exit 1; }
command -v mmdebstrap >/dev/null || bash "$projet/scripts/install-deps.sh"

source "$projet/scripts/racine.sh"

# Removes a root that was left half made, never while anything is mounted in it.
retirer_racine() {
  demonter_racine "$racine" || { echo "debian13: $racine is still mounted, left as it is" >&2; exit 1; }
  rm -rf --one-file-system "$racine"
}

trap 'statut=$?; demonter_racine "$racine" || echo "debian13: could not unmount everything under $racine" >&2; exit $statut' EXIT
demonter_racine "$racine"

if [ ! -e "$racine/.vorlinde-prete" ]; then
  [ -e "$racine" ] && retirer_racine
  mkdir -p "$dossier"
  echo "debian13: making a Debian 13 root in $racine"
  mmdebstrap --quiet --variant=apt --include=git,make,locales \
    --customize-hook='echo "fr_FR.UTF-8 UTF-8" >"$1/etc/locale.gen"' \
    --customize-hook='chroot "$1" locale-gen >/dev/null' \
    --customize-hook='printf "#!/bin/sh\nexit 101\n" >"$1/usr/sbin/policy-rc.d"; chmod 755 "$1/usr/sbin/policy-rc.d"' \
    trixie "$racine"
  touch "$racine/.vorlinde-prete"
fi

# The tree as it stands, committed or not, with its history and without the
# builds: a clone, as a player of Debian 13 would have.
copie=$racine/vorlinde
mkdir -p "$copie"
find "$copie" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf --one-file-system {} +
(cd "$projet" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp -p --parents -t "$copie")
cp -a "$projet/.git" "$copie/.git"
cp /etc/resolv.conf "$racine/etc/resolv.conf"

monter_racine "$racine"

# Beside the machine's own run of the suite, the two take turns at their
# real-window tests through a file of the root's build folder
# (tests/e2e/commun.sh): the machine names it by its path from outside.
verrou=()
if [ -n "${VORLINDE_VERROU_ECRAN:-}" ]; then
  mkdir -p "$copie/build"
  verrou=(VORLINDE_VERROU_ECRAN=/vorlinde/build/verrou-ecran)
fi
echo "debian13: make $commande in $(chroot "$racine" sh -c '. /etc/os-release; echo "$PRETTY_NAME"')"
chroot "$racine" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  HOME=/root LANG=fr_FR.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" VORLINDE_RACINE_DEBIAN13=1 "${verrou[@]}" \
  bash -c 'cd /vorlinde && exec make "$1"' make "$commande"
