#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The colour editor with the real colour chooser: swatch 3 (red) becomes
# orange, "OK", and the board's palette shows it; the next new game brings
# back the default profile's red.
source "$(dirname "$0")/commun.sh"

lancer
touches "$FENETRE" ctrl+c
editeur=$(attendre_fenetre '^Sélectionner la couleur à modifier$')
# The editor's swatch 2 (colour 3), from the corner of its client area.
eval "$(xdotool getwindowgeometry --shell "$editeur")"
xdotool mousemove --sync $((X + EDITEUR_SOURCE_X[2] / 15)) $((Y + EDITEUR_SOURCE_Y / 15)) click 1
choix=$(attendre_fenetre '^Sélectionner une couleur$')
import -window root "$ARTEFACTS/selecteur.png"
touches "$choix" alt+h ctrl+a
xdotool type --delay 20 '#ff8000'
touches "$choix" Return
absente '^Sélectionner une couleur$' || echouer "the colour chooser did not close"
import -window root "$ARTEFACTS/editeur.png"
# "OK" has no access key: it is clicked.
xdotool mousemove --sync $((X + EDITEUR_OK_X / 15)) $((Y + EDITEUR_OK_Y / 15)) click 1
absente '^Sélectionner la couleur à modifier$' || echouer "the editor did not close"

attendre_pixel "$(centre_source_x 2)" $CENTRE_SOURCE_Y ff8000 "swatch 2"
cp "$TRAVAIL/ecran.png" "$ARTEFACTS/palette-changee.png"

touches "$FENETRE" F2
attendre_pixel "$(centre_source_x 2)" $CENTRE_SOURCE_Y ff0000 "swatch 2 after a new game"
echo "PASS: the colour editor and the real colour chooser"
