#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The end of the desktop session: SIGTERM, SIGHUP or SIGINT leave the game in
# progress in the data folder and end the program at once with status 0; the
# next start offers it back, and loads it on « Oui ». A game without a move
# is not kept; a kept game that cannot be loaded is set aside, and so is one
# that an earlier version kept as "interrompue.prt".
source "$(dirname "$0")/commun.sh"

export XDG_DATA_HOME="$TRAVAIL/donnees"
donnees="$XDG_DATA_HOME/vorlinde"
# Hidden code 1234; moves 5678 and 4321.
partie='\x01\x12\x34\x02\x56\x78\x43\x21\x11\x11\x11\x11'
printf "$partie" >"$TRAVAIL/partie.prt"

# The games kept in the data folder, one name a line.
gardees() { ls "$donnees"/en-cours/*.prt 2>/dev/null || true; }

finir_par() {
  kill "-$1" "$JEU_PID"
  attendre_fin || echouer "the program ended with an error after SIG$1"
}

lancer "$TRAVAIL/partie.prt"
verifier_ligne 1 ffff00 ff0000 0000ff 00ff00
finir_par TERM
[ "$(gardees | wc -l)" = 1 ] && cmp -s "$(gardees)" "$TRAVAIL/partie.prt" \
  || echouer "SIGTERM did not keep the game: $(gardees)"
avant=$(gardees)

# The next start asks, « Oui » (the default) loads the game, which the new
# window keeps in a file of its own.
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
question=$(attendre_fenetre '^Parties interrompues$')
import -window root "$ARTEFACTS/reprise.png"
touches "$question" Return
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
trouver_origine
verifier_ligne 1 ffff00 ff0000 0000ff 00ff00
[ ! -e "$avant" ] || echouer "the interrupted game was not removed once taken back"
finir_par HUP
cmp -s "$(gardees)" "$TRAVAIL/partie.prt" || echouer "SIGHUP did not keep the game taken back"

# « Non » removes it; a new game without a move is not kept.
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
question=$(attendre_fenetre '^Parties interrompues$')
touches "$question" alt+s
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
[ -z "$(gardees)" ] || echouer "« Non » did not remove the interrupted game"
finir_par INT
[ -z "$(gardees)" ] || echouer "a game without a move was kept"

# A damaged game that an earlier version kept: the usual box, and the file
# set aside as it was.
printf '\x01\x33\x33\x01\x31\x24\x11\x11\x11\x11' >"$donnees/interrompue.prt"
(cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
boite=$(attendre_fenetre '^Parties interrompues$')
touches "$boite" Return
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
[ ! -e "$donnees/interrompue.prt" ] && [ -z "$(gardees)" ] || echouer "the damaged game is still offered"
mis_de_cote=$(ls "$donnees"/interrompue-illisible-*.prt)
printf '\x01\x33\x33\x01\x31\x24\x11\x11\x11\x11' | cmp -s - "$mis_de_cote" || echouer "the damaged game was not kept as it was"
finir_par TERM
echo "PASS: a game in progress survives the end of the session, and comes back at the next start"
