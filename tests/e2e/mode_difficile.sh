#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Hard mode with the real program, by keys and menus, in game 4242 (which
# hides 4758): ticked before a move, a guess that the first move rules out
# is refused in a box with the sentence of « Vérifier le code », and nothing
# is played; unticked, the game leaves the mode and the same guess is
# played. Ticked again once moves are played, a box says it starts with the
# next game. A game of hard mode is kept with its mode across SIGKILL and
# said in the copied text; its win is counted as a win in hard mode; and
# the mode is still ticked at the next start. Its time too: minimised under
# a window manager, the window keeps the game with its time; killed, the
# game comes back with it and goes on, and its win gives the record a time.
# Last, « Parties jouées » lists the games of this start and the earlier
# ones, opens the analysis of one, and plays a numbered one again.
source "$(dirname "$0")/commun.sh"
for outil in xclip openbox; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
openbox >/dev/null 2>&1 &
A_ARRETER+=("$!")
export XDG_DATA_HOME="$TRAVAIL/donnees"
donnees="$XDG_DATA_HOME/vorlinde"
releve="$donnees/statistiques.json"
copie() {
  printf 'vide' | xclip -selection clipboard >/dev/null 2>&1
  touches "$FENETRE" alt+p p
  attendre_que grep -q Vorlinde <<<"$(presse_papiers)" || echouer "« Copier la partie » copied nothing"
  presse_papiers
}
coups_copies() { copie | grep -c '^[0-9]* : '; }

lancer
# Ticked before any move: the game in progress takes it, without a box.
touches "$FENETRE" alt+p m
numerotee 4242
jouer_touches 1 2 3 4
attendre_que test "$(coups_copies)" = 1 || echouer "1234 was not played"
jouer_touches 5 1 2 3
refus=$(texte_boite '^Code$' 'coup 1')
grep -qF "Ce code ne peut pas être le bon : avec lui, le coup 1 aurait donné 0 bien placé(s) et 3 mal placé(s), et non 0 et 1." \
  <<<"$refus" || echouer "hard mode refused 5123 with: $refus"
[ "$(coups_copies)" = 1 ] || echouer "the refused guess was played"
copie | head -n1 | grep -qx 'Vorlinde — Partie n° 4242 — mode difficile' || echouer "the copied game does not say its mode: $(copie)"

# Unticked: the same guess is played, and the game is no longer one of hard mode.
touches "$FENETRE" alt+p m
jouer_touches 5 1 2 3
attendre_que test "$(coups_copies)" = 2 || echouer "without hard mode, 5123 was not played"
copie | head -n1 | grep -qx 'Vorlinde — Partie n° 4242' || echouer "the game left hard mode but says: $(copie)"
# Ticked again with moves played: it starts with the next game.
touches "$FENETRE" alt+p m
texte_boite '^Mode difficile$' 'prochaine' | grep -q 'commencera avec la prochaine' \
  || echouer "no box said hard mode starts with the next game"

# The next game is one of hard mode, kept as such across SIGKILL.
numerotee 4242
jouer_touches 1 2 3 4
attendre_que grep -qx difficile "$donnees"/en-cours/partie-*.sorte 2>/dev/null \
  || echouer "the kept game does not keep its mode: $(cat "$donnees"/en-cours/*.sorte 2>/dev/null)"
# Minimised: its time stops, and the game is kept with it.
attendre_que test "$(coups_copies)" = 1
xdotool windowminimize --sync "$FENETRE"
attendre_que grep -q '^temps [0-9]' "$donnees"/en-cours/partie-*.sorte \
  || echouer "minimised, the window did not keep the game's time: $(cat "$donnees"/en-cours/*.sorte)"
garde=$(sed -n 's/^temps //p' "$donnees"/en-cours/partie-*.sorte)
kill -KILL "$JEU_PID"; wait "$JEU_PID" 2>/dev/null || true
demarrer
dire '^Parties interrompues$' Return
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
attendre_que test "$(coups_copies)" = 1 || echouer "the game left was not taken back"
copie | head -n1 | grep -qx 'Vorlinde — Partie n° 4242 — mode difficile' \
  || echouer "the game taken back lost its mode: $(copie)"
secondes=$(copie | sed -n 's/^Temps : \([0-9]*\) s$/\1/p')
[ -n "$secondes" ] && [ "$secondes" -ge $(((garde + 500) / 1000)) ] \
  || echouer "the game taken back did not go on from its time ($garde ms): $(copie)"
jouer_touches 5 1 2 3
texte_boite '^Code$' 'coup 1' >/dev/null
jouer_touches 4 7 5 8
dire '^Fin de partie$' Return
attendre_que grep -q '"gagnees_difficiles": 1' "$releve" || echouer "the win in hard mode was not counted: $(cat "$releve")"
grep -q '"gagnees": 1' "$releve" || echouer "the record counts other wins: $(cat "$releve")"
grep -q '"victoires_chronometrees": 1' "$releve" \
  || echouer "the win has no time in the record: $(cat "$releve")"
quitter

# Still ticked at the next start: the first game is of hard mode.
lancer
copie | head -n1 | grep -q ' — mode difficile$' || echouer "hard mode was not kept in the preferences: $(copie)"

# « Parties jouées »: this session's game first, then the earlier session's;
# the analysis of one, and its number played again.
numerotee 1
jouer_touches 2 4 1 3
dire '^Fin de partie$' Return
touches "$FENETRE" alt+p o
liste=$(attendre_fenetre '^Parties jouées$')
copie_liste() {
  printf 'vide' | xclip -selection clipboard >/dev/null 2>&1
  touches "$liste" "$@" alt+c
  attendre_que grep -q Vorlinde <<<"$(presse_papiers)" || echouer "« Copier » copied nothing"
  presse_papiers
}
copie_liste | head -n1 | grep -qx 'Vorlinde — Partie n° 1 — mode difficile' \
  || echouer "the newest game played is not this session's: $(presse_papiers)"
texte=$(copie_liste Down)
grep -qx 'Vorlinde — Partie n° 4242 — mode difficile' <<<"$texte" && grep -qx 'Gagnée en 2 coup(s)' <<<"$texte" \
  || echouer "the earlier session's win is not next: $texte"
touches "$liste" Return
analyse=$(attendre_fenetre '^Analyse de la partie$')
# Once closed it stays closed: a second analysis would take « Rejouer » below.
touches "$analyse" Escape
absente '^Analyse de la partie$' || echouer "the analysis did not close"
touches "$liste" alt+r
absente '^Parties jouées$' || echouer "« Rejouer » did not close the list"
copie | head -n1 | grep -qx 'Vorlinde — Partie n° 4242 — mode difficile' || echouer "game 4242 was not played again: $(copie)"
[ "$(coups_copies)" = 0 ] || echouer "the game played again is not new"
quitter
echo "PASS: hard mode refuses a guess the moves rule out, is kept with the game, counted, and remembered"
