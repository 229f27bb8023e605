#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# However the program ends, the game in progress is offered at the next
# start: killed (SIGKILL) after two moves, two windows killed together, the
# X server killed under the game. A game named at start leaves the games
# kept for the next start; a data folder that cannot be written is told.
source "$(dirname "$0")/commun.sh"

donnees="$XDG_DATA_HOME/vorlinde"
# Hidden code 1234, moves 5678 and 4321 (A); 5678 alone (B).
printf '\x01\x12\x34\x02\x56\x78\x43\x21\x11\x11\x11\x11' >"$TRAVAIL/a.prt"
printf '\x01\x12\x34\x01\x56\x78\x11\x11\x11\x11' >"$TRAVAIL/b.prt"
# Colours 8712 and 2187 on the board; neither finds 1234.
COUPS_8712=(ffffff 00ffff 00ff00 0000ff)
COUPS_2187=(0000ff 00ff00 ffffff 00ffff)

gardees() { ls "$donnees"/en-cours/*.prt 2>/dev/null || true; }

# Answers the window titled "Parties interrompues" (or $2) with a key, and waits until it is gone.
repondre() {
  local boite
  boite=$(attendre_fenetre "${2:-^Parties interrompues\$}") || echouer "no box titled ${2:-Parties interrompues}"
  touches "$boite" "$1"
  for _ in $(seq 30); do xdotool getwindowname "$boite" >/dev/null 2>&1 || return 0; sleep 0.1; done
  echouer "the question stayed open"
}

tuer() {
  kill -KILL "$1"
  wait "$1" 2>/dev/null || true
}

# The window that shows up, its board found.
fenetre() {
  FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
  trouver_origine
}

# 1. Two moves, then SIGKILL: « Oui » at the next start shows both.
lancer "$TRAVAIL/a.prt"
touches "$FENETRE" 8 7 1 2 Return
verifier_ligne 2 "${COUPS_8712[@]}"
touches "$FENETRE" Left Left Left 2 1 8 7 Return
verifier_ligne 3 "${COUPS_2187[@]}"
tuer "$JEU_PID"
[ "$(gardees | wc -l)" = 1 ] || echouer "SIGKILL left $(gardees | wc -l) games instead of one"
demarrer
repondre Return
fenetre
verifier_ligne 2 "${COUPS_8712[@]}"
verifier_ligne 3 "${COUPS_2187[@]}"
tuer "$JEU_PID"

# 2. Two windows of the same player, both killed: both games come back.
rm -f "$donnees"/en-cours/*
demarrer "$TRAVAIL/a.prt"
premiere=$(attendre_fenetre '^Vorlinde 1\.0$')
touches "$premiere" 8 7 1 2 Return
premier_pid=$JEU_PID
# The move is on disk once the window's file holds it (two digits a byte).
for _ in $(seq 100); do gardees | xargs -r od -An -tx1 -v | tr -d ' \n' | grep -q 8712 && break; sleep 0.1; done
demarrer "$TRAVAIL/b.prt"
for _ in $(seq 50); do
  seconde=$(xdotool search --onlyvisible --name '^Vorlinde 1\.0$' | grep -v "^$premiere\$" | head -n1 || true)
  [ -n "$seconde" ] && break
  sleep 0.2
done
[ -n "$seconde" ] || echouer "the second window did not appear"
touches "$seconde" 2 1 8 7 Return
for _ in $(seq 100); do [ "$(gardees | wc -l)" = 2 ] && break; sleep 0.1; done
[ "$(gardees | wc -l)" = 2 ] || echouer "two windows keep $(gardees | wc -l) games instead of two"
tuer "$premier_pid"
tuer "$JEU_PID"
# The newest first (B, one move and 2187), « Oui »; then killed again.
demarrer
repondre Return
fenetre
verifier_ligne 1 "${COUPS_2187[@]}"
tuer "$JEU_PID"
[ "$(gardees | wc -l)" = 2 ] || echouer "the game not answered for is gone: $(gardees | wc -l) games left"
# B again first, « Supprimer »; then A, « Reprendre ».
demarrer
boite=$(attendre_fenetre '^Parties interrompues$')
touches "$boite" alt+s
repondre Return
fenetre
verifier_ligne 2 "${COUPS_8712[@]}"
tuer "$JEU_PID"

# 3. The X server killed under the game: a French word, status 1, the game
# offered once a display is back.
rm -f "$donnees"/en-cours/*
: >"$TRAVAIL/sortie.log"
lancer "$TRAVAIL/b.prt"
touches "$FENETRE" 8 7 1 2 Return
verifier_ligne 1 "${COUPS_8712[@]}"
kill -KILL "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
XVFB_PID=""
statut=0
attendre_fin || statut=$?
[ "$statut" = 1 ] || echouer "the program ended with status $statut when its display died"
grep -q "la connexion à l'écran a été perdue" "$TRAVAIL/sortie.log" \
  || echouer "the end of the display was not told in French: $(cat "$TRAVAIL/sortie.log")"
demarrer_xvfb "$TRAVAIL" || echouer "Xvfb did not start again"
demarrer
repondre Return
fenetre
verifier_ligne 1 "${COUPS_8712[@]}"
tuer "$JEU_PID"

# 4. A game named at start is loaded without a question; the kept game
# stays for the next start, even once the named game is left by « Non ».
laissee=$(gardees)
lancer "$TRAVAIL/a.prt"
verifier_ligne 1 ffff00 ff0000 0000ff 00ff00
touches "$FENETRE" alt+f q
repondre alt+n '^Quitter \?$'
attendre_fin || echouer "« Quitter », « Non » did not end the program"
[ "$(gardees)" = "$laissee" ] || echouer "a start with a named game lost the game kept: $(gardees)"

# 5. An ordinary user whose home cannot be written: told at start, in a box
# and on the standard error, and the game plays on. Root plays it as nobody.
maison="$TRAVAIL/maison"
mkdir -p "$maison/.local/share" "$TRAVAIL/run-joueur"
chmod -R a+rX,go-w "$TRAVAIL"
comme_joueur=()
if [ "$(id -u)" = 0 ]; then
  chown nobody "$TRAVAIL/run-joueur"
  comme_joueur=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
else
  chmod a-w "$maison" "$maison/.local/share"
fi
: >"$TRAVAIL/sortie.log"
(cd "$DOSSIER" && exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$maison" XDG_RUNTIME_DIR="$TRAVAIL/run-joueur" \
  "${comme_joueur[@]}" ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
repondre Return '^Vorlinde$'
fenetre
touches "$FENETRE" 8 7 1 2 Return
verifier_ligne 0 "${COUPS_8712[@]}"
grep -q "vorlinde : Le dossier « $maison/.local/share/vorlinde » ne peut pas être créé" "$TRAVAIL/sortie.log" \
  || echouer "the data folder that cannot be written was not told: $(cat "$TRAVAIL/sortie.log")"
[ ! -e "$maison/.local/share/vorlinde" ] || echouer "the data folder was made in a home that cannot be written"
tuer "$JEU_PID"

echo "PASS: games come back after SIGKILL, two windows killed and a dead X server; a named game keeps them;" \
  "a data folder that cannot be written is told"
