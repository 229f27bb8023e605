#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# A whole game won with the mouse: the hidden code is learnt from a saved game,
# played, the won box closed with Enter; "Valider le code" then does nothing.
source "$(dirname "$0")/commun.sh"

lancer
touches "$FENETRE" ctrl+s
choisir_fichier '^Enregistrer une partie en cours$' "$TRAVAIL/secret"
# The file is written once the dialog has closed, after the key is sent.
attendre_que test -s "$TRAVAIL/secret.prt" || echouer "the game was not saved to secret.prt"
octets=$(od -An -tx1 -v "$TRAVAIL/secret.prt" | tr -d ' \n')
code=(${octets:2:1} ${octets:3:1} ${octets:4:1} ${octets:5:1})
echo "hidden code: ${code[*]}"

couleurs=(00ff00 0000ff ff0000 ffff00 ff00ff 000000 00ffff ffffff)
# One wrong guess first: the cyclic shift of the code scores 0 and 4.
jouer "${code[1]}" "${code[2]}" "${code[3]}" "${code[0]}"
verifier_ligne 0 "${couleurs[$((code[1] - 1))]}" "${couleurs[$((code[2] - 1))]}" \
  "${couleurs[$((code[3] - 1))]}" "${couleurs[$((code[0] - 1))]}"
[ -z "$(xdotool search --onlyvisible --name '^Fin de partie$')" ] || echouer "a wrong guess ended the game"
jouer "${code[@]}"
boite=$(attendre_fenetre '^Fin de partie$')
import -window root "$ARTEFACTS/gagne.png"
touches "$boite" Return
absente '^Fin de partie$' || echouer "Enter did not close the won box"

verifier_ligne 1 "${couleurs[$((code[0] - 1))]}" "${couleurs[$((code[1] - 1))]}" \
  "${couleurs[$((code[2] - 1))]}" "${couleurs[$((code[3] - 1))]}"

# The button is disabled: a click shows nothing, and no move is added. The
# save dialog opened next comes once the click is handled, and only where no
# box stands in its way.
cliquer_twips $CENTRE_OK_X $CENTRE_CASE_Y
touches "$FENETRE" ctrl+s
dialogue=$(attendre_fenetre '^Enregistrer une partie en cours$')
[ -z "$(xdotool search --onlyvisible --name '^(Fin de partie|Code|Vorlinde)$')" ] \
  || echouer "a box appeared after the game was won"
touches "$dialogue" Escape
absente '^Enregistrer une partie en cours$' || echouer "Escape did not close the save dialog"
capture
[ "$(couleur_resultat 2 0)" = "$(couleur_resultat 3 0)" ] || echouer "a third move was recorded"
echo "PASS: a game won with the mouse"
