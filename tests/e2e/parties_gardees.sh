#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The kept game at its edges, with the real program: quitting with « Oui »
# then « Annuler » in the save dialog keeps the game for the next start,
# neither saved nor abandoned; a game of 100 moves, which still awaits the
# guess that shows the loss, is kept and comes back after SIGKILL; and, as
# root, on a full disk, a game taken back keeps its file when its new copy
# cannot be written.
source "$(dirname "$0")/commun.sh"
source "$(dirname "$0")/parties.sh"

export XDG_DATA_HOME="$TRAVAIL/donnees"
donnees="$XDG_DATA_HOME/vorlinde"
gardees() { ls "$donnees"/en-cours/*.prt 2>/dev/null || true; }
printf '\x01\x12\x34\x02\x56\x78\x43\x21\x11\x11\x11\x11' >"$TRAVAIL/partie.prt"

# Quit, « Oui » to save, then « Annuler » in the save dialog.
lancer "$TRAVAIL/partie.prt"
[ "$(gardees | wc -l)" = 1 ] || echouer "the game loaded is not kept: $(gardees)"
touches "$FENETRE" ctrl+q
touches "$(attendre_fenetre '^Quitter \?$')" alt+o
touches "$(attendre_fenetre '^Enregistrer une partie en cours$')" Escape
attendre_fin || echouer "the program ended with an error after the cancelled save"
[ "$(gardees | wc -l)" = 1 ] && cmp -s "$(gardees)" "$TRAVAIL/partie.prt" \
  || echouer "the game was lost when its save was cancelled: $(gardees)"
! grep -qE '"abandonnees": [1-9]' "$donnees/statistiques.json" 2>/dev/null \
  || echouer "the game whose save was cancelled was counted as abandoned"
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
touches "$(attendre_fenetre '^Vorlinde$')" Return
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
[ "$(gardees | wc -l)" = 1 ] && cmp -s "$(gardees)" "$TRAVAIL/cent.prt" \
  || echouer "the game of 100 moves did not come back whole after SIGKILL"
kill "$JEU_PID"; attendre_fin || true
rm -f "$donnees"/en-cours/*

if [ "$(id -u)" -ne 0 ]; then
  echo "PASS: a cancelled save at quit and a game of 100 moves keep the game (the full disk needs root)"
  exit 0
fi
# A disk that fills up between two starts: the game left is taken back, its
# new copy cannot be written, and its file stays for the next start.
plein="$TRAVAIL/plein"
mkdir -p "$plein"
mount -t tmpfs -o size=256k tmpfs "$plein"
A_DEMONTER="$plein"
trap 'statut=$?; umount "$A_DEMONTER" 2>/dev/null || true; (exit $statut); nettoyer' EXIT
export XDG_DATA_HOME="$plein"
donnees="$plein/vorlinde"
mkdir -p "$donnees/en-cours"
cp "$TRAVAIL/partie.prt" "$donnees/en-cours/partie-20260101-000000-1.prt"
dd if=/dev/zero of="$plein/remplissage" bs=4k 2>/dev/null || true
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
touches "$(attendre_fenetre '^Vorlinde$')" Return
# What the player is told: the game cannot be kept.
for _ in 1 2 3; do
  boite=$(timeout 5 xdotool search --sync --onlyvisible --name '^Vorlinde$' | head -n1 || true)
  [ -n "$boite" ] || break
  touches "$boite" Return
done
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
cmp -s "$donnees/en-cours/partie-20260101-000000-1.prt" "$TRAVAIL/partie.prt" \
  || echouer "on a full disk, the game taken back lost its file"
kill "$JEU_PID"; attendre_fin || true
echo "PASS: a cancelled save at quit, a game of 100 moves and a full disk keep the game"
