#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The source package as a Debian sponsor checks it (orig.sh checks that it is
# the same in every build). In a clean root of SUITE (trixie, Debian 13, or
# sid, from `make paquet-racines` and `make paquet-sid`) (mmdebstrap's
# buildd variant: build-essential, then the Build-Depends alone, as apt-get
# build-dep brings them) the package builds as a buildd builds it, as an
# ordinary user with no home and no network, with its tests, which
# dh_auto_test runs; autopkgtest then runs the installed package's tests with
# its null runner inside the root, and lintian --pedantic --display-info has
# nothing to say but what debian/ overrides, with its reasons.
set -euo pipefail
suite=${1:-trixie}
projet=$(cd "$(dirname "$0")/../.." && pwd)
source "$projet/scripts/racine.sh"
for outil in mmdebstrap dpkg-source git xz; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
[ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root (a root of its own, mounts)"; exit 77; }

travail=$(mktemp -d)
racine=$travail/racine
echouer() { echo "FAIL: $*"; exit 1; }
nettoyer() {
  local statut=$?
  set +e
  if demonter_racine "$racine"; then rm -rf --one-file-system "$travail"; else echo "FAIL: $racine is still mounted"; statut=1; fi
  exit "$statut"
}
trap nettoyer EXIT

# The source package of the commit checked out.
bash "$projet/scripts/paquet.sh" "$travail/source" --source >/dev/null
dsc=$(ls "$travail"/source/vorlinde_*.dsc)

# The archive a machine reaches may be a snapshot whose Release file has
# expired (unstable's, a few weeks after it was taken).
mmdebstrap --quiet --variant=buildd --include=ca-certificates --aptopt='Acquire::Check-Valid-Until "false"' \
  "$suite" "$racine" \
  || echouer "no clean $suite root"
mkdir -p "$racine/construction"
cp "$travail"/source/vorlinde_* "$racine/construction/"
cp /etc/resolv.conf "$racine/etc/resolv.conf"
monter_racine "$racine"
dans_racine() {
  chroot "$racine" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
journal=$travail/racine.log
dans_racine apt-get update >"$journal" 2>&1 || { cat "$journal"; echouer "apt-get update failed"; }
dans_racine apt-get build-dep -y --no-install-recommends "/construction/$(basename "$dsc")" >>"$journal" 2>&1 \
  || { tail -n 30 "$journal"; echouer "the Build-Depends cannot be installed"; }
# Built as a buildd builds: by an ordinary user whose home does not exist,
# with no network at all (a namespace of its own, not even a loopback up).
dans_racine useradd --system --no-create-home --home-dir /nonexistent --shell /bin/sh constructeur \
  || echouer "no building user in the $suite root"
dans_racine chown -R constructeur: /construction
dans_racine unshare --net -- runuser -u constructeur -- env HOME=/nonexistent sh -c \
  "cd /construction && dpkg-source -x $(basename "$dsc") vorlinde && cd vorlinde \
  && DEB_BUILD_OPTIONS=parallel=$(nproc) dpkg-buildpackage -us -uc" >"$travail/construction.log" 2>&1 \
  || { tail -n 60 "$travail/construction.log"; echouer "the package does not build in a clean $suite root"; }
paquet=$(cd "$racine/construction" && ls vorlinde_*.deb | head -n1)
[ "$(dans_racine stat -c %U "/construction/$paquet")" = constructeur ] \
  || echouer "the package was not built by the ordinary user"
grep -E '^[0-9]+% tests passed' "$travail/construction.log" || echouer "dh_auto_test ran no test"
grep -q '^100% tests passed' "$travail/construction.log" || echouer "a test failed in dh_auto_test"

dans_racine apt-get install -y --no-install-recommends autopkgtest lintian >>"$journal" 2>&1 \
  || { tail -n 30 "$journal"; echouer "autopkgtest and lintian cannot be installed"; }
statut=0
dans_racine sh -c 'cd /construction && autopkgtest ./vorlinde_*.deb ./vorlinde -- null' >"$travail/autopkgtest.log" 2>&1 \
  || statut=$?
tail -n 8 "$travail/autopkgtest.log"
[ "$statut" = 0 ] || { cat "$travail/autopkgtest.log"; echouer "autopkgtest failed with status $statut"; }
statut=0
rapport=$(dans_racine sh -c 'cd /construction && lintian --pedantic --display-info --fail-on error,warning,info,pedantic \
  vorlinde_*.changes' 2>&1) || statut=$?
[ "$statut" = 0 ] || [ "$statut" = 2 ] || echouer "lintian in $suite ended with status $statut: $rapport"
# The overrides that one release's checker asks for and another's does not
# (debian/source/lintian-overrides says why) are the only ones it may call
# unused; anything else it says fails.
rapport=$(grep -vE 'running with root privileges|^N: [0-9]+ hints? overridden|^I: vorlinde source: unused-override (out-of-date-standards-version|package-uses-old-debhelper-compat-version|older-debian-watch-file-standard|recommended-field \(in section for source\) Priority) ' <<<"$rapport" || true)
[ -z "$rapport" ] || echouer "lintian in $suite says: $rapport"
echo "PASS: in a clean $suite root the source package builds with its tests, passes its autopkgtests and lintian"
