#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Saving and loading through the real file dialogs: Ctrl+S, a path typed into
# the dialog, the bytes of the saved game; a new game, Ctrl+O and the moves
# back in the history; then the quit question answered Cancel (the window
# stays) and Yes with the save dialog cancelled (the program ends).
source "$(dirname "$0")/commun.sh"

lancer
cliquer_twips "$(centre_case_x 0)" $CENTRE_CASE_Y
for s in 4 5 1 3; do cliquer_twips "$(centre_source_x $s)" $CENTRE_SOURCE_Y; done
cliquer_twips $CENTRE_OK_X $CENTRE_CASE_Y

partie="$TRAVAIL/ma-partie"
touches "$FENETRE" ctrl+s
dialogue=$(attendre_fenetre '^Enregistrer une partie en cours$')
xdotool windowfocus --sync "$dialogue"
xdotool type --delay 20 "$partie"
touches "$dialogue" Return
attendre_que test -s "$partie.prt" || echouer "no file $partie.prt (the default extension was not added)"
octets=$(od -An -tx1 -v "$partie.prt" | tr -d ' \n')
[ "${#octets}" = 20 ] || echouer "the saved game is not 10 bytes: $octets"
[ "${octets:0:2}" = 01 ] && [ "${octets:6:2}" = 01 ] && [ "${octets:8:4}" = 5624 ] \
  || echouer "unexpected bytes: $octets"

touches "$FENETRE" F2
capture
vu=$(pixel "$(ecran_x "$(centre_resultat_x 0)")" "$(ecran_y "$(centre_resultat_y 0)")")
[ "${vu,,}" != ff00ff ] || echouer "the new game still shows the move"

touches "$FENETRE" ctrl+o
dialogue=$(attendre_fenetre '^Chargement d.une partie$')
xdotool windowfocus --sync "$dialogue"
xdotool type --delay 20 "$partie.prt"
touches "$dialogue" Return
verifier_ligne 0 ff00ff 000000 0000ff ffff00

# Cancel keeps the window; Yes then a cancelled save dialog ends the program.
touches "$FENETRE" alt+f q
question=$(attendre_fenetre '^Quitter \?$')
touches "$question" Escape
kill -0 "$JEU_PID" || echouer "Cancel ended the program"
xdotool search --onlyvisible --name '^Vorlinde 1\.0$' >/dev/null || echouer "the window is gone after Cancel"

touches "$FENETRE" alt+f q
question=$(attendre_fenetre '^Quitter \?$')
touches "$question" Return
dialogue=$(attendre_fenetre '^Enregistrer une partie en cours$')
touches "$dialogue" Escape
attendre_fin || echouer "the program ended with an error"
[ "$(ls "$TRAVAIL" | grep -c '\.prt$')" = 1 ] || echouer "a file was written by the cancelled save"
echo "PASS: save, load and quit through the real dialogs"
