#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The kept game at its edges, with the real program: a cancelled save at
# quit and a game at its 100th move are kept; a record held elsewhere does not
# freeze the window and loses no game; a hint survives SIGKILL; a start paused
# while it makes its lock takes nothing from others; 2,000 games left among
# damaged files open under 256 files, Escape keeping them; and, as root, a
# player's links are never followed and a full disk loses nothing.
source "$(dirname "$0")/commun.sh"
source "$(dirname "$0")/parties.sh"

export XDG_DATA_HOME="$TRAVAIL/donnees"
donnees="$XDG_DATA_HOME/vorlinde"
gardees() { ls "$donnees"/en-cours/*.prt 2>/dev/null || true; }
PARTIE='\x01\x12\x34\x02\x56\x78\x43\x21\x11\x11\x11\x11'
printf "$PARTIE" >"$TRAVAIL/partie.prt"

# A game at its 100th move still awaits the guess that shows the loss: kept.
# Quit, « Oui », then « Annuler » in the save dialog: still kept, not abandoned.
partie_de_cent_coups "$TRAVAIL/cent.prt"
lancer "$TRAVAIL/cent.prt"
cmp -s "$(gardees)" "$TRAVAIL/cent.prt" || echouer "a game at its 100th move is not kept: $(gardees)"
touches "$FENETRE" ctrl+q
dire '^Quitter \?$' alt+o
dire '^Enregistrer une partie en cours$' Escape
attendre_fin || echouer "the program ended with an error after the cancelled save"
cmp -s "$(gardees)" "$TRAVAIL/cent.prt" || echouer "the game was lost when its save was cancelled: $(gardees)"
! grep -qE '"abandonnees": [1-9]' "$donnees/statistiques.json" 2>/dev/null \
  || echouer "the game whose save was cancelled was counted as abandoned"
rm -f "$donnees"/en-cours/*

# The record held by another process: « Nouveau » does not freeze the window,
# which says the game waits; once the record is free, quitting counts it.
flock -o "$donnees/.statistiques.lock" sleep 60 >/dev/null 2>&1 &
TENEUR=$!
A_ARRETER+=("$TENEUR")
for _ in $(seq 50); do [ -e "$donnees/.statistiques.lock" ] && break; sleep 0.1; done
lancer "$TRAVAIL/partie.prt"
touches "$FENETRE" F2
dire '^Statistiques$' Return
pkill -P "$TENEUR"; wait "$TENEUR" 2>/dev/null || true
touches "$FENETRE" ctrl+q
dire '^Quitter \?$' alt+n
attendre_fin || echouer "the program ended with an error after the record was freed"
grep -qE '"abandonnees": 1\b' "$donnees/statistiques.json" \
  || echouer "the game abandoned while the record was held was lost: $(cat "$donnees/statistiques.json")"

# A hint, a move, SIGKILL: the game taken back keeps its hint, and its win
# counts as one with a hint.
lancer "$TRAVAIL/partie.prt"
touches "$FENETRE" ctrl+i Home 8 7 6 5 Return
kill -KILL "$JEU_PID"; wait "$JEU_PID" 2>/dev/null || true
demarrer
dire '^Parties interrompues$' Return
dire '^Vorlinde 1\.0$' Home 1 2 3 4 Return
dire '^Fin de partie$' Return
finir
grep -qE '"gagnees_avec_indice": 1\b' "$donnees/statistiques.json" \
  || echouer "the game taken back forgot its hint: $(cat "$donnees/statistiques.json")"

# A start paused between making its lock and naming it (a test hook), a
# second start then, a third once the first plays: nothing of the first is
# taken, and its game is never offered.
(cd "$DOSSIER" && exec env VORLINDE_PAUSE_VERROU=4000 ./vorlinde "$TRAVAIL/partie.prt" >/dev/null 2>&1) &
premier=$!
for _ in $(seq 100); do ls "$donnees"/en-cours/.verrou-* >/dev/null 2>&1 && break; sleep 0.05; done
ls "$donnees"/en-cours/.verrou-* >/dev/null 2>&1 || echouer "the paused start made no lock"
demarrer
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
finir
for _ in $(seq 100); do [ "$(gardees | wc -l)" = 1 ] && break; sleep 0.1; done
demarrer
for _ in $(seq 150); do
  [ "$(xdotool search --onlyvisible --name '^Vorlinde 1\.0$' 2>/dev/null | wc -l)" = 2 ] && break
  sleep 0.1
done
absente '^Parties interrompues$' || echouer "a running window's game was offered to another start"
finir
JEU_PID=$premier finir
rm -f "$donnees"/en-cours/*

# 2,000 games left among damaged ones (cut short, a pipe, a folder, a link to
# /dev/zero), with 256 files at most: the damaged are set aside at once,
# Escape leaves the others, and the next start takes back the newest.
for n in $(seq 2000); do printf "$PARTIE" >"$donnees/en-cours/partie-20250101-000000-$n.prt"; done
touch -d '2025-01-01' "$donnees"/en-cours/*.prt
touch -d '2025-06-01' "$donnees/en-cours/partie-20250101-000000-1234.prt"
printf '\x01\x12\x34' >"$donnees/en-cours/partie-20240101-000000-1.prt"
mkfifo "$donnees/en-cours/partie-20240101-000000-2.prt"
mkdir "$donnees/en-cours/partie-20240101-000000-3.prt"
ln -s /dev/zero "$donnees/en-cours/partie-20240101-000000-4.prt"
for touche in Escape Return; do
  (ulimit -n 256; cd "$DOSSIER" && exec ./vorlinde >>"$TRAVAIL/sortie.log" 2>&1) &
  JEU_PID=$!
  dire '^Parties interrompues$' "$touche"
  attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
  finir
done
[ "$(ls -d "$donnees"/interrompue-illisible-* | wc -l)" = 4 ] || echouer "the damaged games were not set aside"
[ ! -e "$donnees/en-cours/partie-20250101-000000-1234.prt" ] && [ "$(gardees | wc -l)" = 2000 ] \
  || echouer "Escape, then Return: $(gardees | wc -l) games left, the newest taken back or not"
rm -rf "$donnees/en-cours"

if [ "$(id -u)" -ne 0 ]; then
  echo "PASS: the kept games at their edges (a link and a full disk need root)"
  exit 0
fi

# Root in a player's data folder (sudo -E), where the player planted links:
# "en-cours" to a folder of root's, the record to a record of root's. Root
# plays and wins a game there: nothing of root's is written, locked, narrowed
# or removed, and the window says whose the folder is.
joueur="$TRAVAIL/joueur"
mkdir -p "$joueur/vorlinde" "$TRAVAIL/a-racine"
chmod 755 "$TRAVAIL/a-racine"
touch -d '2025-01-01' "$TRAVAIL/a-racine/ancien.lock" "$TRAVAIL/a-racine/.vorlinde-ancien"
printf 'racine' >"$TRAVAIL/releve-racine"
chown -R nobody "$joueur"
chmod a+x "$TRAVAIL"
setpriv --reuid=nobody --regid=nogroup --clear-groups -- ln -s "$TRAVAIL/a-racine" "$joueur/vorlinde/en-cours"
setpriv --reuid=nobody --regid=nogroup --clear-groups -- ln -s "$TRAVAIL/releve-racine" "$joueur/vorlinde/statistiques.json"
avant=$(ls -la --time-style=+ "$TRAVAIL/a-racine"; stat -c %a "$TRAVAIL/a-racine")
XDG_DATA_HOME="$joueur" lancer "$TRAVAIL/partie.prt"
dire '^Vorlinde$' Return
grep -q "appartient à un autre utilisateur" "$TRAVAIL/sortie.log" \
  || echouer "root was not told the data folder is another user's: $(cat "$TRAVAIL/sortie.log")"
touches "$FENETRE" Home 1 2 3 4 Return
dire '^Fin de partie$' Return
finir
[ "$(ls -la --time-style=+ "$TRAVAIL/a-racine"; stat -c %a "$TRAVAIL/a-racine")" = "$avant" ] \
  || echouer "root wrote in its own folder through the player's link: $(ls -la "$TRAVAIL/a-racine")"
[ "$(cat "$TRAVAIL/releve-racine")" = racine ] || echouer "root's record was rewritten through the player's link"

# A full disk: the game left is taken back, its new copy cannot be written,
# the player is told, and its file stays for the next start.
plein="$TRAVAIL/plein"
mkdir -p "$plein"
monter_tmpfs "$plein" size=256k
export XDG_DATA_HOME="$plein"
mkdir -p "$plein/vorlinde/en-cours"
cp "$TRAVAIL/partie.prt" "$plein/vorlinde/en-cours/partie-20260101-000000-1.prt"
dd if=/dev/zero of="$plein/remplissage" bs=4k 2>/dev/null || true
demarrer
dire '^Parties interrompues$' Return
dire '^Vorlinde$' Return
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
# Moved to the window's name, not copied: one file of the game, whole.
[ "$(ls "$plein"/vorlinde/en-cours/*.prt | wc -l)" = 1 ] && cmp -s "$plein"/vorlinde/en-cours/*.prt "$TRAVAIL/partie.prt" \
  || echouer "on a full disk, the game taken back lost its file: $(ls -la "$plein"/vorlinde/en-cours)"
finir
echo "PASS: the kept games at their edges, nothing lost"
