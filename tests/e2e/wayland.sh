#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# On a Wayland desktop the game is a native Wayland client: on a headless
# compositor of its own, its window takes its title and its application id
# (the desktop entry's, so that the desktop shows its icon), is configured
# and shows a picture. The client's protocol log says so.
set -euo pipefail
# Beside another run of the suite, never beside a test by ear (commun.sh).
if [ -n "${VORLINDE_VERROU_ECRAN:-}" ] && [ -z "${VORLINDE_VERROU_TENU:-}" ] \
  && [ -d "$(dirname "$VORLINDE_VERROU_ECRAN")" ] && command -v flock >/dev/null; then
  export VORLINDE_VERROU_TENU=1
  exec flock -s -o "$VORLINDE_VERROU_ECRAN" bash "$0" "$@"
fi
VORLINDE_BIN=$1
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
ls /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
  || { echo "SKIP: Qt's Wayland platform (qt6-wayland) is not installed"; exit 77; }

travail=$(mktemp -d "${TMPDIR:-/tmp}/vorlinde-wayland-XXXXXX")
compositeur=""
nettoyer() {
  local statut=$?
  [ -n "$compositeur" ] && kill "$compositeur" 2>/dev/null && wait "$compositeur" 2>/dev/null
  rm -rf "$travail"
  exit "$statut"
}
trap nettoyer EXIT
echouer() { echo "FAIL: $*"; exit 1; }

export XDG_RUNTIME_DIR="$travail/run" XDG_CONFIG_HOME="$travail/config" XDG_DATA_HOME="$travail/donnees"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Weston up to 10 names its backends by module, from 11 on by a short name.
if weston --help 2>&1 | grep -q 'headless-backend\.so'; then dorsale=headless-backend.so; else dorsale=headless; fi
weston --backend="$dorsale" --socket=vorlinde --idle-time=0 >"$travail/weston.log" 2>&1 &
compositeur=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/vorlinde" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/vorlinde" ] || { cat "$travail/weston.log"; echouer "the compositor did not start"; }

cp "$VORLINDE_BIN" "$travail/vorlinde"
(cd "$travail" && exec env -u DISPLAY WAYLAND_DISPLAY=vorlinde QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  ASAN_OPTIONS=detect_leaks=0 ./vorlinde >"$travail/jeu.log" 2>&1) &
jeu=$!
# libwayland writes an object as wl_surface@13 up to 1.21, as wl_surface#13 since.
for _ in $(seq 150); do grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer' "$travail/jeu.log" && break; sleep 0.1; done
grep -q 'xdg_toplevel[@#][0-9]*\.set_title("Vorlinde 1\.0")' "$travail/jeu.log" || echouer "no native window titled Vorlinde 1.0"
grep -q 'xdg_toplevel[@#][0-9]*\.set_app_id("org\.vorlinde\.Vorlinde")' "$travail/jeu.log" || echouer "the window has not the application id"
grep -q 'xdg_surface[@#][0-9]*\.ack_configure' "$travail/jeu.log" || echouer "the window was never configured"
grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer' "$travail/jeu.log" || echouer "the window shows no picture"
# The session ends: no question, status 0.
kill -TERM "$jeu"
statut=0
wait "$jeu" || statut=$?
[ "$statut" = 0 ] || echouer "the game ended with status $statut at the end of the session"

# The compositor dies under a game in progress: a French sentence, status 1
# (no abort), and the game kept for the next start.
printf '\x01\x12\x34\x01\x56\x78\x11\x11\x11\x11' >"$travail/partie.prt"
(cd "$travail" && exec env -u DISPLAY WAYLAND_DISPLAY=vorlinde QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  ASAN_OPTIONS=detect_leaks=0 ./vorlinde partie.prt >"$travail/jeu.log" 2>&1) &
jeu=$!
for _ in $(seq 150); do grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer' "$travail/jeu.log" && break; sleep 0.1; done
# The game is kept once loaded; a busy machine may take its time to get there.
for _ in $(seq 150); do
  cmp -s "$travail/partie.prt" "$XDG_DATA_HOME"/vorlinde/en-cours/partie-*.prt 2>/dev/null && break
  sleep 0.1
done
kill -KILL "$compositeur"
wait "$compositeur" 2>/dev/null || true
compositeur=""
statut=0
wait "$jeu" || statut=$?
[ "$statut" = 1 ] || echouer "the game ended with status $statut when the compositor died"
grep -q "la connexion à l'écran a été perdue" "$travail/jeu.log" \
  || echouer "the end of the compositor was not told in French: $(grep -v '^\[' "$travail/jeu.log" | tail -3)"
cmp -s "$travail/partie.prt" "$XDG_DATA_HOME"/vorlinde/en-cours/partie-*.prt \
  || echouer "the game in progress was not kept, or not left as it was, when the compositor died"
echo "PASS: a native Wayland window with its title and application id; the compositor's end keeps the game"
