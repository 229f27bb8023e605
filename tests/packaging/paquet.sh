#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Builds the source and binary packages as `make package` does (the tests of
# the package build are skipped: the suite runs them), has Debian's checker
# look at both (no error, no warning), reads the manual pages, checks what it declares and
# holds, unpacks it into a throwaway root and starts the installed game under
# Xvfb as a user who cannot write its folder: the default profile goes to
# that user's ~/.local/share/vorlinde/. Last, racine_propre.sh installs it on
# a clean system of this machine's release, starts it, and purges it.
set -euo pipefail
source "$(dirname "$0")/../../scripts/xvfb.sh"
for outil in dpkg-buildpackage dpkg-deb lintian man lexgrog Xvfb xdotool useradd userdel runuser pkill pgrep mmdebstrap; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: needs root, to run the program as a user who cannot write its folder"
  exit 77
fi
# Debian 13's package is built, installed, tested and checked at pedantic
# level by source.sh, in a clean root, from the Debian 12 half of the suite.
if [ -n "${VORLINDE_RACINE_DEBIAN13:-}" ]; then
  echo "SKIP: in the Debian 13 root, the clean-root build of source.sh stands for this one"
  exit 77
fi

utilisateur=vorlinde-essai
travail=$(mktemp -d)
chmod 755 "$travail"
XVFB_PID=""

# Ends every process of the throwaway user and waits until none is left, then
# removes the user: userdel refuses a user who still runs something.
retirer_utilisateur() {
  if id "$utilisateur" >/dev/null 2>&1; then
    pkill -KILL -u "$utilisateur" 2>/dev/null || true
    for _ in $(seq 100); do pgrep -u "$utilisateur" >/dev/null || break; sleep 0.1; done
    userdel "$utilisateur" >/dev/null 2>&1 || true
  fi
  if getent group "$utilisateur" >/dev/null 2>&1; then groupdel "$utilisateur" >/dev/null 2>&1 || true; fi
}

# Cleaning up never changes the verdict.
nettoyer() {
  local statut=$?
  set +e
  retirer_utilisateur
  arreter_xvfb
  rm -rf --one-file-system "$travail"
  exit "$statut"
}
trap nettoyer EXIT

# At the lowest priority, as the tarball's build (archive.sh).
DEB_BUILD_OPTIONS=nocheck nice -n 19 bash "$(dirname "$0")/../../scripts/paquet.sh" "$travail/paquet" >/dev/null
deb="$travail/paquet/vorlinde_1.0-1_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$travail/paquet"; exit 1; }
# A source package in the format of a release with its upstream tarball.
for f in vorlinde_1.0-1.dsc vorlinde_1.0.orig.tar.xz vorlinde_1.0-1.debian.tar.xz; do
  [ -f "$travail/paquet/$f" ] || { echo "FAIL: no $f"; ls "$travail/paquet"; exit 1; }
done
# The upstream tarball holds neither the packaging nor what runs write.
tar -tf "$travail/paquet/vorlinde_1.0.orig.tar.xz" | grep -E '/(debian|build|e2e-artefacts|__pycache__)/' \
  && { echo "FAIL: the upstream tarball holds what it should not"; exit 1; }

# Debian's checker: no error and no warning (informational tags may stay).
# Debian 12's checker knows policy up to 4.6.2, older than the one followed,
# and still asks for the Priority field that newer ones call redundant.
. /etc/os-release
ignorees=()
[ "$VERSION_ID" != 12 ] || ignorees=(--suppress-tags newer-standards-version,recommended-field)
statut=0
rapport=$(lintian --fail-on error,warning "${ignorees[@]}" \
  "$travail/paquet/vorlinde_1.0-1_$(dpkg --print-architecture).changes" 2>&1) || statut=$?
grep -v 'running with root privileges' <<<"$rapport" || true
[ "$statut" = 0 ] || { echo "FAIL: lintian finds errors or warnings"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
  grep -q "$d" <<<"$depends" || { echo "FAIL: the package does not depend on $d ($depends)"; exit 1; }
done
# On a Wayland desktop the game runs natively when Qt's Wayland platform is there.
dpkg-deb -f "$deb" Recommends | grep -q qt6-wayland || { echo "FAIL: the package does not recommend qt6-wayland"; exit 1; }
[ "$(dpkg-deb -f "$deb" Section)" = games ] || { echo "FAIL: the package is not in section games"; exit 1; }
dpkg-deb -f "$deb" Description | grep -q 'The interface is in French' \
  || { echo "FAIL: the description does not say the interface is French"; exit 1; }
contenu=$(dpkg-deb -c "$deb")
for f in ./usr/games/vorlinde ./usr/share/man/man6/vorlinde.6.gz ./usr/share/man/fr/man6/vorlinde.6.gz \
         ./usr/share/doc/vorlinde/copyright \
         ./usr/share/doc/vorlinde/changelog.Debian.gz ./usr/share/mime/packages/org.vorlinde.Vorlinde.xml; do
  grep -q " $f\$" <<<"$contenu" || { echo "FAIL: no $f in the package"; exit 1; }
done
dpkg -x "$deb" "$travail/racine"
file "$travail/racine/usr/games/vorlinde" | grep -q 'stripped' && ! file "$travail/racine/usr/games/vorlinde" | grep -q 'not stripped' \
  || { echo "FAIL: the program is not stripped"; exit 1; }

# The manual pages, French and English, read without a warning, and their
# summaries are found.
for page in "$travail/racine/usr/share/man/fr/man6/vorlinde.6.gz" "$travail/racine/usr/share/man/man6/vorlinde.6.gz"; do
  avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$avertissements" ] || { echo "FAIL: $page has warnings: $avertissements"; exit 1; }
done
lexgrog "$page" | grep -q 'vorlinde - colour code-breaking game' || { echo "FAIL: lexgrog: $(lexgrog "$page")"; exit 1; }
page="$travail/racine/usr/share/man/fr/man6/vorlinde.6.gz"
lexgrog "$page" | grep -q 'vorlinde - jeu de déduction' || { echo "FAIL: lexgrog: $(lexgrog "$page")"; exit 1; }
# Every option of --help is in the manual page, and every option of the manual page in --help.
aide=$(env -u DISPLAY "$travail/racine/usr/games/vorlinde" --help)
manuel=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
for option in $(grep -o -- '--[a-z]*' <<<"$aide" | sort -u); do
  grep -q -- "$option" <<<"$manuel" || { echo "FAIL: the manual page does not describe $option"; exit 1; }
done
for option in $(grep -o -- '--[a-z]*' <<<"$manuel" | sort -u); do
  grep -q -- "$option" <<<"$aide" || { echo "FAIL: --help does not list $option"; exit 1; }
done

# One version number: the program's, its manual page's and the package's.
version=$(env -u DISPLAY "$travail/racine/usr/games/vorlinde" --version | sed 's/^Vorlinde //')
[ "$version-1" = "$(dpkg-deb -f "$deb" Version)" ] \
  || { echo "FAIL: the program is at $version, the package at $(dpkg-deb -f "$deb" Version)"; exit 1; }
grep -q "Vorlinde $version" <<<"$manuel" || { echo "FAIL: the manual page does not name version $version"; exit 1; }

# A user left behind by an interrupted run is removed first.
retirer_utilisateur
useradd -M -d "$travail/maison" -s /bin/sh "$utilisateur"
mkdir -p "$travail/maison"
chown "$utilisateur" "$travail/maison"

demarrer_xvfb "$travail" || { echo "FAIL: Xvfb did not start"; exit 1; }
runuser -u "$utilisateur" -- env -i DISPLAY="$DISPLAY" PATH=/usr/bin:/bin HOME="$travail/maison" \
  XDG_RUNTIME_DIR="$travail/maison" "$travail/racine/usr/games/vorlinde" >"$travail/sortie.log" 2>&1 &
timeout 30 xdotool search --sync --onlyvisible --name "^Vorlinde ${version//./\\.}\$" >/dev/null \
  || { cat "$travail/sortie.log"; echo "FAIL: the installed program showed no window"; exit 1; }
profil="$travail/maison/.local/share/vorlinde/$utilisateur.usr"
[ -f "$profil" ] || { echo "FAIL: no default profile in ~/.local/share/vorlinde"; ls -R "$travail/maison"; exit 1; }
[ "$(stat -c %s "$profil")" = 71 ] || { echo "FAIL: the default profile is not 71 bytes"; exit 1; }
[ -z "$(ls "$travail/racine/usr/games" | grep -v '^vorlinde$')" ] || { echo "FAIL: something was written beside the program"; exit 1; }
pkill -KILL -u "$utilisateur" || true

# A data folder that cannot be made is told, in French, once the window stands.
runuser -u "$utilisateur" -- touch "$travail/maison/fichier"
runuser -u "$utilisateur" -- env -i DISPLAY="$DISPLAY" PATH=/usr/bin:/bin HOME="$travail/maison" \
  XDG_DATA_HOME="$travail/maison/fichier/donnees" XDG_RUNTIME_DIR="$travail/maison" \
  "$travail/racine/usr/games/vorlinde" >"$travail/sortie.log" 2>&1 &
boite=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vorlinde$' | head -n1)
[ -n "$boite" ] || { cat "$travail/sortie.log"; echo "FAIL: no box about the data folder"; exit 1; }
pkill -KILL -u "$utilisateur" || true
bash "$(dirname "$0")/racine_propre.sh" "$deb" "$travail"
echo "PASS: the package is clean for lintian, has its manual page, installs, and keeps the profile in the user's folder"
