#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The command line: --help and --version answer in French without a display,
# a wrong option ends with status 2, and a saved game named on the command
# line opens in the real window (a damaged one gives the box of "Charger").
source "$(dirname "$0")/commun.sh"

sans_ecran() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$DOSSIER/vorlinde" "$@"; }

aide=$(sans_ecran --help) || echouer "--help failed"
grep -q '^Usage : vorlinde \[OPTION\] \[FICHIER.prt\]$' <<<"$aide" || echouer "--help says: $aide"
grep -q 'affiche cette aide' <<<"$aide" || echouer "--help is not in French"
[ "$(sans_ecran --version)" = "Vorlinde 1.0" ] || echouer "--version says: $(sans_ecran --version)"
statut=0
erreur=$(sans_ecran --frobnicate 2>&1 >/dev/null) || statut=$?
[ "$statut" = 2 ] || echouer "an unknown option ends with status $statut"
grep -q '^vorlinde : option inconnue « --frobnicate »\.$' <<<"$erreur" || echouer "the error says: $erreur"

# Hidden code 1234; moves 5678 and 4321.
printf '\x01\x12\x34\x02\x56\x78\x43\x21\x11\x11\x11\x11' >"$TRAVAIL/partie.prt"

# The window without a display: a French sentence and status 1, not Qt's abort.
statut=0
erreur=$(sans_ecran "$TRAVAIL/partie.prt" 2>&1 >/dev/null) || statut=$?
[ "$statut" = 1 ] || echouer "the window without a display ends with status $statut"
grep -q "aucun écran n'est disponible" <<<"$erreur" || echouer "without a display it says: $erreur"
# A display module that is not installed is named as such, not as a missing display.
statut=0
erreur=$(QT_QPA_PLATFORM=absente "$DOSSIER/vorlinde" 2>&1 >/dev/null) || statut=$?
[ "$statut" = 1 ] && grep -q "« absente » n'est pas installé" <<<"$erreur" \
  || echouer "a missing display module ends with status $statut and says: $erreur"
# Standard error closed, a data folder that cannot be made: the sentence goes
# nowhere, never into the display's connection, and the window still opens.
(cd "$DOSSIER" && exec env XDG_DATA_HOME=/proc/vorlinde ./vorlinde 2>&-) &
JEU_PID=$!
boite=$(attendre_fenetre '^Vorlinde$')
touches "$boite" Return
attendre_fenetre '^Vorlinde 1\.0$' >/dev/null
kill "$JEU_PID"; attendre_fin || true
# A version conflict names its file on the command line.
printf '\x02\x12\x34\x00\x11\x11\x11\x11' >"$TRAVAIL/version.prt"
erreur=$(sans_ecran --indice "$TRAVAIL/version.prt" 2>&1 >/dev/null) || true
grep -q "version.prt" <<<"$erreur" || echouer "the version conflict does not name its file: $erreur"
# A name that is not valid UTF-8 still names its file, for the solver and the window.
nom=$'partie\xe9.prt'
cp "$TRAVAIL/partie.prt" "$TRAVAIL/$nom"
[ "$(sans_ecran --indice "$TRAVAIL/$nom" | head -n1)" = "$(sans_ecran --indice "$TRAVAIL/partie.prt" | head -n1)" ] \
  || echouer "--indice cannot read a file whose name is not UTF-8"
lancer "$TRAVAIL/$nom"
verifier_ligne 0 ff00ff 000000 00ffff ffffff
verifier_ligne 1 ffff00 ff0000 0000ff 00ff00
arreter() { kill -KILL "$JEU_PID" 2>/dev/null; wait "$JEU_PID" 2>/dev/null || true; JEU_PID=""; }
arreter
# The game the killed window left would be offered over the board below.
rm -rf "$XDG_DATA_HOME/vorlinde/en-cours"

# A hidden code that repeats a colour: refused, the board is a new game.
printf '\x01\x33\x33\x01\x31\x24\x11\x11\x11\x11' >"$TRAVAIL/abime.prt"
(cd "$DOSSIER" && exec ./vorlinde "$TRAVAIL/abime.prt" >"$TRAVAIL/sortie.log" 2>&1) &
JEU_PID=$!
boite=$(attendre_fenetre '^Erreur$')
import -window root "$ARTEFACTS/ligne-de-commande-refus.png"
touches "$boite" Return
absente '^Erreur$' || echouer "the error box did not close"
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
trouver_origine
fond=$(couleur_resultat 9 0)
verifier_ligne 0 "$fond" "$fond" "$fond" "$fond"
echo "PASS: --help, --version, a wrong option, and saved games opened from the command line"
