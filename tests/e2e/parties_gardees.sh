#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The kept game at its edges, with the real program: quitting with « Oui »
# then « Annuler » in the save dialog keeps the game for the next start,
# neither saved nor abandoned; a game of 100 moves, which still awaits the
# guess that shows the loss, is kept and comes back after SIGKILL; 2,000
# games left open with 256 files at most; and, as root, a link that a player
# puts in place of root's kept game is never written through, and on a full
# disk a game taken back keeps its file when its new copy cannot be written.
source "$(dirname "$0")/commun.sh"
source "$(dirname "$0")/parties.sh"

export XDG_DATA_HOME="$TRAVAIL/donnees"
donnees="$XDG_DATA_HOME/vorlinde"
gardees() { ls "$donnees"/en-cours/*.prt 2>/dev/null || true; }
PARTIE='\x01\x12\x34\x02\x56\x78\x43\x21\x11\x11\x11\x11'
printf "$PARTIE" >"$TRAVAIL/partie.prt"

# Quit, « Oui » to save, then « Annuler » in the save dialog.
lancer "$TRAVAIL/partie.prt"
[ "$(gardees | wc -l)" = 1 ] || echouer "the game loaded is not kept: $(gardees)"
touches "$FENETRE" ctrl+q
boite=$(attendre_fenetre '^Quitter \?$')
touches "$boite" alt+o
boite=$(attendre_fenetre '^Enregistrer une partie en cours$')
touches "$boite" Escape
attendre_fin || echouer "the program ended with an error after the cancelled save"
[ "$(gardees | wc -l)" = 1 ] && cmp -s "$(gardees)" "$TRAVAIL/partie.prt" \
  || echouer "the game was lost when its save was cancelled: $(gardees)"
! grep -qE '"abandonnees": [1-9]' "$donnees/statistiques.json" 2>/dev/null \
  || echouer "the game whose save was cancelled was counted as abandoned"
rm -f "$donnees"/en-cours/*

# The record held by another process: « Nouveau » does not freeze the
# window, which says the game waits; once the record is free, quitting
# counts it.
flock -o "$donnees/.statistiques.lock" sleep 60 >/dev/null 2>&1 &
TENEUR=$!
A_ARRETER+=("$TENEUR")
for _ in $(seq 50); do [ -e "$donnees/.statistiques.lock" ] && break; sleep 0.1; done
lancer "$TRAVAIL/partie.prt"
touches "$FENETRE" F2
boite=$(attendre_fenetre '^Statistiques$')
touches "$boite" Return
pkill -P "$TENEUR"; wait "$TENEUR" 2>/dev/null || true
touches "$FENETRE" ctrl+q
boite=$(attendre_fenetre '^Quitter \?$')
touches "$boite" alt+n
attendre_fin || echouer "the program ended with an error after the record was freed"
grep -qE '"abandonnees": 1\b' "$donnees/statistiques.json" 2>/dev/null \
  || echouer "the game abandoned while the record was held was lost: $(cat "$donnees/statistiques.json" 2>&1)"

# Games left among damaged files (cut short, a pipe, a folder, a link to
# /dev/zero): one window offers the good ones alone, the others are set
# aside at once; Escape leaves the good ones for the next start, where
# « Tout supprimer », confirmed, removes them.
mkdir -p "$donnees/en-cours"
printf "$PARTIE" >"$donnees/en-cours/partie-20250101-000000-1.prt"
printf "$PARTIE" >"$donnees/en-cours/partie-20250101-000000-2.prt"
printf '\x01\x12\x34' >"$donnees/en-cours/partie-20250101-000000-3.prt"
mkfifo "$donnees/en-cours/partie-20250101-000000-4.prt"
mkdir "$donnees/en-cours/partie-20250101-000000-5.prt"
ln -s /dev/zero "$donnees/en-cours/partie-20250101-000000-6.prt"
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
boite=$(attendre_fenetre '^Parties interrompues$')
touches "$boite" Escape
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
[ "$(gardees | wc -l)" = 2 ] || echouer "Escape did not leave the two good games: $(gardees)"
[ "$(ls -d "$donnees"/interrompue-illisible-* | wc -l)" = 4 ] \
  || echouer "the damaged games were not set aside: $(ls "$donnees")"
kill "$JEU_PID"; attendre_fin || true
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
boite=$(attendre_fenetre '^Parties interrompues$')
touches "$boite" alt+t
xdotool search --sync --onlyvisible --name '^Parties interrompues$' >/dev/null
for _ in $(seq 50); do
  confirmation=$(xdotool search --onlyvisible --name '^Parties interrompues$' | grep -v "^$boite\$" | head -n1 || true)
  [ -n "$confirmation" ] && break
  sleep 0.1
done
[ -n "$confirmation" ] || echouer "« Tout supprimer » asked nothing"
touches "$confirmation" alt+o
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
for _ in $(seq 50); do [ -z "$(gardees)" ] && break; sleep 0.1; done
[ -z "$(gardees)" ] || echouer "« Tout supprimer » left $(gardees)"
kill "$JEU_PID"; attendre_fin || true

# A hint taken, a move, SIGKILL: the game taken back keeps its hint, and
# its win counts as one with a hint.
lancer "$TRAVAIL/partie.prt"
touches "$FENETRE" ctrl+i Home 8 7 6 5 Return
kill -KILL "$JEU_PID"; wait "$JEU_PID" 2>/dev/null || true
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
boite=$(attendre_fenetre '^Parties interrompues$')
touches "$boite" Return
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
touches "$FENETRE" Home 1 2 3 4 Return
boite=$(attendre_fenetre '^Fin de partie$')
touches "$boite" Return
kill "$JEU_PID"; attendre_fin || true
grep -qE '"gagnees_avec_indice": 1\b' "$donnees/statistiques.json" \
  || echouer "the game taken back forgot its hint: $(cat "$donnees/statistiques.json")"
rm -f "$donnees"/en-cours/*

# A start paused between making its lock and giving it its name (a test
# hook), a second start at that moment, then a third once the first plays:
# nothing of the first window is taken, and its game is never offered.
(cd "$DOSSIER" && exec env VORLINDE_PAUSE_VERROU=4000 ./vorlinde "$TRAVAIL/partie.prt" >"$TRAVAIL/sortie.log" 2>&1) &
premier=$!
for _ in $(seq 100); do ls "$donnees"/en-cours/.verrou-* >/dev/null 2>&1 && break; sleep 0.05; done
ls "$donnees"/en-cours/.verrou-* >/dev/null 2>&1 || echouer "the paused start made no lock"
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie-2.log" 2>&1) &
JEU_PID=$!
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
kill "$JEU_PID"; attendre_fin || true
for _ in $(seq 100); do [ "$(gardees | wc -l)" = 1 ] && break; sleep 0.1; done
[ "$(gardees | wc -l)" = 1 ] || echouer "the paused window did not keep its game"
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie-3.log" 2>&1) &
JEU_PID=$!
for _ in $(seq 150); do
  [ "$(xdotool search --onlyvisible --name '^Vorlinde 1\.0$' 2>/dev/null | wc -l)" = 2 ] && break
  sleep 0.1
done
absente '^Parties interrompues$' || echouer "a running window's game was offered to another start"
kill "$JEU_PID"; attendre_fin || true
JEU_PID=$premier
kill "$JEU_PID"; attendre_fin || true
rm -f "$donnees"/en-cours/*

# The 100th move played: the game goes on, and is kept.
partie_de_cent_coups "$TRAVAIL/cent.prt"
lancer "$TRAVAIL/cent.prt"
[ "$(gardees | wc -l)" = 1 ] && cmp -s "$(gardees)" "$TRAVAIL/cent.prt" \
  || echouer "a game at its 100th move is not kept: $(gardees)"
kill -KILL "$JEU_PID"
wait "$JEU_PID" 2>/dev/null || true
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
boite=$(attendre_fenetre '^Parties interrompues$')
touches "$boite" Return
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
[ "$(gardees | wc -l)" = 1 ] && cmp -s "$(gardees)" "$TRAVAIL/cent.prt" \
  || echouer "the game of 100 moves did not come back whole after SIGKILL"
kill "$JEU_PID"; attendre_fin || true
rm -f "$donnees"/en-cours/*

# 2,000 games left, with 256 files at most: the first is offered at once,
# no file is held open for each, and taking it back works.
mkdir -p "$donnees/en-cours"
for n in $(seq 2000); do
  printf "$PARTIE" >"$donnees/en-cours/partie-20250101-000000-$n.prt"
done
touch -d '2025-01-01' "$donnees"/en-cours/*.prt
touch -d '2025-06-01' "$donnees/en-cours/partie-20250101-000000-1234.prt"
(ulimit -n 256; cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
boite=$(attendre_fenetre '^Parties interrompues$')
touches "$boite" Return
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
[ ! -e "$donnees/en-cours/partie-20250101-000000-1234.prt" ] \
  || echouer "with 2,000 games left, the newest was not the one taken back"
[ "$(gardees | wc -l)" = 2000 ] || echouer "with 2,000 games left, $(gardees | wc -l) remain"
kill "$JEU_PID"; attendre_fin || true
rm -rf "$donnees/en-cours"

if [ "$(id -u)" -ne 0 ]; then
  echo "PASS: a cancelled save at quit, a game of 100 moves and 2,000 games left (the rest needs root)"
  exit 0
fi

# Root playing in a player's data folder (sudo -E): a link that the player
# puts in place of the kept game is replaced, never written through.
joueur="$TRAVAIL/joueur"
mkdir -p "$joueur/vorlinde/en-cours"
chown -R nobody "$joueur"
chmod a+x "$TRAVAIL"
printf 'racine' >"$TRAVAIL/a-racine"
(cd "$DOSSIER" && exec env XDG_DATA_HOME="$joueur" ./vorlinde "$TRAVAIL/partie.prt" >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
garde=$(ls "$joueur"/vorlinde/en-cours/*.prt)
setpriv --reuid=nobody --regid=nogroup --clear-groups -- ln -sfn "$TRAVAIL/a-racine" "$garde" \
  || echouer "the player could not put a link in the folder"
touches "$FENETRE" Home 1 2 3 5 Return
for _ in $(seq 50); do [ ! -L "$garde" ] && break; sleep 0.1; done
[ "$(cat "$TRAVAIL/a-racine")" = racine ] || echouer "the kept game was written through the player's link"
[ -f "$garde" ] && [ ! -L "$garde" ] || echouer "the kept game is not a file of its own after the move"
kill "$JEU_PID"; attendre_fin || true

# A disk that fills up between two starts: the game left is taken back, its
# new copy cannot be written, and its file stays for the next start.
plein="$TRAVAIL/plein"
mkdir -p "$plein"
mount -t tmpfs -o size=256k tmpfs "$plein"
A_DEMONTER="$plein"
# The program ends before the disk goes, whatever ends the test.
demonter() {
  local statut=$?
  if [ -n "$JEU_PID" ]; then kill -KILL "$JEU_PID" 2>/dev/null || true; wait "$JEU_PID" 2>/dev/null || true; fi
  umount "$A_DEMONTER" 2>/dev/null || umount -l "$A_DEMONTER" 2>/dev/null || true
  # The test's own status, for the common clean-up to end with.
  set +e
  (exit "$statut")
  nettoyer
}
trap demonter EXIT
export XDG_DATA_HOME="$plein"
donnees="$plein/vorlinde"
mkdir -p "$donnees/en-cours"
cp "$TRAVAIL/partie.prt" "$donnees/en-cours/partie-20260101-000000-1.prt"
dd if=/dev/zero of="$plein/remplissage" bs=4k 2>/dev/null || true
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
boite=$(attendre_fenetre '^Parties interrompues$')
touches "$boite" Return
# What the player is told: the game cannot be kept.
boite=$(attendre_fenetre '^Vorlinde$')
touches "$boite" Return
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
cmp -s "$donnees/en-cours/partie-20260101-000000-1.prt" "$TRAVAIL/partie.prt" \
  || echouer "on a full disk, the game taken back lost its file"
kill "$JEU_PID"; attendre_fin || true
echo "PASS: a cancelled save at quit, a game of 100 moves, 2,000 games left, a link and a full disk keep the game"
