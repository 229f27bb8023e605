#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Builds the .deb with CPack, checks the dependencies it declares, unpacks it
# into a throwaway root and starts the installed program under Xvfb as a user
# who cannot write its folder: the default profile goes to that user's
# ~/.local/share/vorlinde/.
set -euo pipefail
build=$1
source "$(dirname "$0")/../../scripts/xvfb.sh"
for outil in cpack dpkg-deb Xvfb xdotool useradd userdel runuser pkill pgrep; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: needs root, to run the program as a user who cannot write its folder"
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
  rm -rf "$travail"
  exit "$statut"
}
trap nettoyer EXIT

(cd "$build" && cpack -G DEB -B "$travail/paquet" >/dev/null 2>&1)
deb=$(ls "$travail"/paquet/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
  grep -q "$d" <<<"$depends" || { echo "FAIL: the package does not depend on $d ($depends)"; exit 1; }
done
contenu=$(dpkg-deb -c "$deb")
grep -q './usr/bin/vorlinde$' <<<"$contenu" || { echo "FAIL: no /usr/bin/vorlinde in the package"; exit 1; }
dpkg -x "$deb" "$travail/racine"

# A user left behind by an interrupted run is removed first.
retirer_utilisateur
useradd -M -d "$travail/maison" -s /bin/sh "$utilisateur"
mkdir -p "$travail/maison"
chown "$utilisateur" "$travail/maison"

demarrer_xvfb "$travail" || { echo "FAIL: Xvfb did not start"; exit 1; }
runuser -u "$utilisateur" -- env -i DISPLAY="$DISPLAY" PATH=/usr/bin:/bin ASAN_OPTIONS=detect_leaks=0 \
  XDG_RUNTIME_DIR="$travail/maison" "$travail/racine/usr/bin/vorlinde" >"$travail/sortie.log" 2>&1 &
timeout 30 xdotool search --sync --onlyvisible --name '^Vorlinde 1\.0$' >/dev/null \
  || { cat "$travail/sortie.log"; echo "FAIL: the installed program showed no window"; exit 1; }
profil="$travail/maison/.local/share/vorlinde/$utilisateur.usr"
[ -f "$profil" ] || { echo "FAIL: no default profile in ~/.local/share/vorlinde"; ls -R "$travail/maison"; exit 1; }
[ "$(stat -c %s "$profil")" = 71 ] || { echo "FAIL: the default profile is not 71 bytes"; exit 1; }
[ -z "$(ls "$travail/racine/usr/bin" | grep -v '^vorlinde$')" ] || { echo "FAIL: something was written beside the program"; exit 1; }
echo "PASS: the package installs and its program keeps its profile in the user's folder"
