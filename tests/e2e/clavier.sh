#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# A game played with the keyboard alone, on the real window: colours by
# their numbers (main row and keypad), the arrows, Return; no key reaches
# the board while the colour editor is open; the colour numbers shown on
# the board and hidden again, the board then exactly as before.
source "$(dirname "$0")/commun.sh"

# Waits until the centre of a swatch is dark: the black digit drawn on it.
attendre_chiffre_noir() {
  local vu
  for _ in $(seq 20); do
    capture
    vu=$(pixel "$(ecran_x "$(centre_source_x "$1")")" "$(ecran_y $CENTRE_SOURCE_Y)")
    [ $((16#${vu:0:2})) -lt 64 ] && return 0
    sleep 0.25
  done
  echouer "no black digit on swatch $1 (its centre shows $vu)"
}

# A code cell's edge and its centre, from the last capture: they differ
# only where the cursor's mark is drawn.
bord_case() { pixel "$(ecran_x $(($(centre_case_x "$1") - 285)))" "$(ecran_y $CENTRE_CASE_Y)"; }
centre_case() { pixel "$(ecran_x "$(centre_case_x "$1")")" "$(ecran_y $CENTRE_CASE_Y)"; }
marquees() {
  local k liste=""
  for k in 0 1 2 3; do [ "$(bord_case $k)" = "$(centre_case $k)" ] || liste+="$k"; done
  echo "$liste"
}
attendre_marque() {
  for _ in $(seq 20); do
    capture
    [ "$(marquees)" = "$1" ] && return 0
    sleep 0.25
  done
  echouer "the cells marked are « $(marquees) » instead of « $1 » ($2)"
}

lancer
capture
cp "$TRAVAIL/ecran.png" "$TRAVAIL/sans-numeros.png"
[ -z "$(marquees)" ] || echouer "cell $(marquees) is marked before any key"
# A key marks the cursor's cell, and the mark follows the cursor.
touches "$FENETRE" 3
attendre_marque 1 "after a first colour by key"
cp "$TRAVAIL/ecran.png" "$ARTEFACTS/curseur.png"
touches "$FENETRE" Left
attendre_marque 0 "after Left"
touches "$FENETRE" Right 7 KP_1 8 Return
verifier_ligne 0 ff0000 00ffff 00ff00 ffffff

# Left twice from the last cell, then 2: the second cell; Return plays 3218.
touches "$FENETRE" Left Left 2 Return
verifier_ligne 1 ff0000 0000ff 00ff00 ffffff

# The colour editor is modal: a number typed there changes no code cell,
# so validating again meets "Ce code est déjà existant.". Return presses
# the focused button, « Annuler » after a Tab.
touches "$FENETRE" ctrl+c
editeur=$(attendre_fenetre '^Sélectionner la couleur à modifier$')
touches "$editeur" 5 Tab Return
absente '^Sélectionner la couleur à modifier$' || echouer "the colour editor did not close"
touches "$FENETRE" Return
boite=$(attendre_fenetre '^Vorlinde$')
touches "$boite" Return
capture
cp "$TRAVAIL/ecran.png" "$ARTEFACTS/clavier.png"
verifier_ligne 2 "$(couleur_resultat 9 0)" "$(couleur_resultat 9 0)" "$(couleur_resultat 9 0)" "$(couleur_resultat 9 0)"

# The colour numbers: the last item of "Affichage". White shows a black 8.
touches "$FENETRE" alt+a Up Return
attendre_chiffre_noir 7
cp "$TRAVAIL/ecran.png" "$ARTEFACTS/numeros.png"
touches "$FENETRE" alt+a Up Return
attendre_pixel "$(centre_source_x 7)" $CENTRE_SOURCE_Y ffffff "swatch 8 without its number"
# A click hides the mark until the next key.
cliquer_twips "$(centre_case_x 2)" $CENTRE_CASE_Y
attendre_marque "" "after a click"
touches "$FENETRE" F2
capture
compare -metric AE "$TRAVAIL/sans-numeros.png" "$TRAVAIL/ecran.png" null: 2>"$TRAVAIL/difference" \
  || echouer "without numbers, a new game does not look as the first one ($(cat "$TRAVAIL/difference") pixels differ)"
echo "PASS: a game by keys, the modal editor, the colour numbers on and off"
