#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# A file of another version is refused with its box and changes nothing; a
# loaded 100-move game is lost by one more new guess, with the "Fin de partie"
# box; the quit question answered "Non" ends the program with status 0.
source "$(dirname "$0")/commun.sh"
source "$(dirname "$0")/parties.sh"

partie_de_cent_coups "$TRAVAIL/cent.prt"
[ "$(stat -c %s "$TRAVAIL/cent.prt")" = 208 ] || echouer "the 100-move file is not 208 bytes"
printf '\x02\x12\x34\x00\x11\x11\x11\x11' >"$TRAVAIL/futur.prt"

lancer
capture
avant=$(couleur_resultat 0 0)
touches "$FENETRE" ctrl+o
choisir_fichier '^Chargement d.une partie$' "$TRAVAIL/futur.prt"
boite=$(attendre_fenetre '^Erreur$')
import -window root "$ARTEFACTS/conflit.png"
touches "$boite" Return
capture
[ "$(couleur_resultat 0 0)" = "$avant" ] || echouer "the refused file changed the history"

touches "$FENETRE" ctrl+o
choisir_fichier '^Chargement d.une partie$' "$TRAVAIL/cent.prt"
verifier_ligne 0 00ff00 0000ff ff0000 ff00ff
jouer 8 7 6 5
boite=$(attendre_fenetre '^Fin de partie$')
import -window root "$ARTEFACTS/perdu.png"
touches "$boite" Return
cliquer_twips $CENTRE_OK_X $CENTRE_CASE_Y
absente '^Fin de partie$' || echouer "the lost game still accepts guesses"

touches "$FENETRE" alt+f q
question=$(attendre_fenetre '^Quitter \?$')
touches "$question" alt+n
attendre_fin || echouer "the program ended with an error"
echo "PASS: version conflict, and a game lost at 100 moves"
