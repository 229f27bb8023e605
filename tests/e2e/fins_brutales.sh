#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The program ended at the worst moments, with the real window: a win while
# another process holds the record, then SIGTERM, is counted at the next
# start and only once; a SIGKILL injected (strace) between the steps of
# taking a game back leaves one game with its kind; a hint given then SIGKILL
# is still on disk; at umask 000 the data folder, the record and the
# default profile are the player's alone; a damaged game that cannot be set aside (its folder on
# another file system) stays where it is, and the window says so.
source "$(dirname "$0")/commun.sh"
for outil in flock strace xclip; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done

donnees="$XDG_DATA_HOME/vorlinde"
enc="$donnees/en-cours"
releve="$donnees/statistiques.json"
mkdir -p "$enc"
# Everything the program makes is the player's alone whatever the umask, and
# a data folder left open to others is narrowed.
chmod 755 "$donnees"
umask 000
gagnees() { grep -oE '"gagnees": [0-9]+' "$releve" 2>/dev/null | grep -oE '[0-9]+$' || echo 0; }
# One move played (8 7 6 5 against the code 1 2 3 4), its number 4242.
PARTIE='\x01\x12\x34\x01\x18\x76\x11\x11\x11\x11'
laisser() { printf "$PARTIE" >"$enc/$1.prt"; printf 'numerotee 4242\n' >"$enc/$1.sorte"; }

# ---- A win while the record is held for a minute, then SIGTERM: nothing is
# lost, and the next start counts it once.
flock -o "$donnees/.statistiques.lock" sleep 60 >/dev/null 2>&1 &
TENEUR=$!
A_ARRETER+=("$TENEUR")
attendre_que test -e "$donnees/.statistiques.lock"
laisser partie-20260101-000000-1
demarrer
dire '^Parties interrompues$' Return
dire '^Vorlinde 1\.0$' Home 1 2 3 4 Return
dire '^Statistiques$' Return
dire '^Fin de partie$' Return
kill -TERM "$JEU_PID"
wait "$JEU_PID" 2>/dev/null || true
[ "$(gagnees)" = 0 ] || echouer "the record was written while another process held it"
pkill -P "$TENEUR"; wait "$TENEUR" 2>/dev/null || true
for _ in 1 2; do
  demarrer
  attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
  attendre_que test "$(gagnees)" != 0 || true
  finir
done
[ "$(gagnees)" = 1 ] || echouer "the win made while the record was busy counts $(gagnees) times: $(cat "$releve" 2>/dev/null)"
ls "$enc"/*.comptes >/dev/null 2>&1 && echouer "a count stayed waiting once taken: $(ls "$enc")"
modes=$(stat -c '%a %n' "$donnees" "$releve" "$DOSSIER"/*.usr)
[ "$(awk '{print $1}' <<<"$modes" | tr '\n' ' ')" = "700 600 600 " ] || echouer "at umask 000: $modes"

# ---- Taken back, killed as the old name's files go: one game is left, with
# its number.
rm -f "$enc"/*
laisser partie-20260101-000000-2
(cd "$DOSSIER" && exec strace -f -qq -o /dev/null -P "$enc/partie-20260101-000000-2.prt" \
  -P "$enc/partie-20260101-000000-2.sorte" -P partie-20260101-000000-2.sorte \
  -e trace=unlink,unlinkat -e inject=unlink,unlinkat:signal=KILL ./vorlinde >>"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
dire '^Parties interrompues$' Return
wait "$JEU_PID" 2>/dev/null || true
[ "$(ls "$enc"/*.prt | wc -l)" = 1 ] || echouer "a crash while a game was taken back left two copies: $(ls "$enc")"
grep -qx 'numerotee 4242' "$enc"/*.sorte || echouer "the game taken back lost its kind: $(ls "$enc")"

# ---- Taken back, a hint, SIGKILL before any move: the hint is on disk, and
# the win counts as one with a hint.
demarrer
dire '^Parties interrompues$' Return
dire '^Vorlinde 1\.0$' ctrl+i
attendre_que grep -qx 1 "$enc"/*.indices 2>/dev/null || echouer "the hint given was not kept: $(ls "$enc")"
kill -KILL "$JEU_PID"; wait "$JEU_PID" 2>/dev/null || true
demarrer
dire '^Parties interrompues$' Return
dire '^Vorlinde 1\.0$' Home 1 2 3 4 Return
dire '^Fin de partie$' Return
attendre_que grep -qE '"gagnees_avec_indice": 1\b' "$releve" || echouer "the hint was forgotten: $(cat "$releve")"
finir

if [ "$(id -u)" -ne 0 ]; then
  echo "PASS: the program ended at the worst moments, nothing lost (another file system needs root)"
  exit 0
fi
# ---- A damaged game in a folder on another file system: it cannot be set
# aside, so it stays, and the window says so rather than naming « ».
rm -rf "$enc"
mkdir -p -m 700 "$enc"
monter_tmpfs "$enc" mode=0700
printf '\x01\x12' >"$enc/partie-20260101-000000-3.prt"
demarrer
boite=$(attendre_fenetre '^Parties interrompues$')
printf 'vide' | xclip -selection clipboard
touches "$boite" ctrl+c
attendre_que sh -c "xclip -o -selection clipboard | grep -q 'reste telle quelle'" \
  || echouer "the box does not say the game stays: $(xclip -o -selection clipboard)"
touches "$boite" Return
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
finir
[ -f "$enc/partie-20260101-000000-3.prt" ] || echouer "a damaged game that could not be set aside was deleted"
echo "PASS: the program ended at the worst moments, nothing lost"
