#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# First start of the real program: the default profile is written, the palette
# shows its colours, a guess composed with the mouse shows in the history, and
# the quit question answered "Non" ends the program.
source "$(dirname "$0")/commun.sh"

lancer
[ "$(xdotool getwindowname "$FENETRE")" = "Vorlinde 1.0" ] || echouer "the title is $(xdotool getwindowname "$FENETRE")"
# The icon comes once the window stands, in its five sizes (16 to 128 pixels).
for _ in $(seq 50); do xprop -id "$FENETRE" _NET_WM_ICON | grep -q CARDINAL && break; sleep 0.1; done
tailles=$(xprop -id "$FENETRE" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[ "$tailles" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) " ] \
  || echouer "the window's icon is not there in its five sizes: $tailles"
profil=$(ls "$DOSSIER"/*.usr)
[ "$(stat -c %s "$profil")" = 71 ] || echouer "the default profile is not 71 bytes"
printf '65280\r\n16711680\r\n255\r\n65535\r\n16711935\r\n0\r\n16776960\r\n16777215\r\n8355711\r\n' | cmp -s - "$profil" \
  || echouer "the default profile differs from the built-in colours"

attendu=(00ff00 0000ff ff0000 ffff00 ff00ff 000000 00ffff ffffff)
for k in 0 1 2 3 4 5 6 7; do
  vu=$(pixel "$(ecran_x "$(centre_source_x $k)")" "$(ecran_y $CENTRE_SOURCE_Y)")
  [ "${vu,,}" = "${attendu[$k]}" ] || echouer "swatch $k shows $vu instead of ${attendu[$k]}"
done
cp "$TRAVAIL/ecran.png" "$ARTEFACTS/depart.png"

cliquer_twips "$(centre_case_x 0)" $CENTRE_CASE_Y
for s in 2 6 0 7; do cliquer_twips "$(centre_source_x $s)" $CENTRE_SOURCE_Y; done
cliquer_twips $CENTRE_OK_X $CENTRE_CASE_Y
verifier_ligne 0 ff0000 00ffff 00ff00 ffffff
cp "$TRAVAIL/ecran.png" "$ARTEFACTS/un-coup.png"

# Alt+F, Q: the quit question; N answers "Non" and the program ends with 0.
touches "$FENETRE" alt+f q
touches "$(attendre_fenetre '^Quitter \?$')" alt+n
attendre_fin || echouer "the program ended with an error"
echo "PASS: first start, one move and quitting"
