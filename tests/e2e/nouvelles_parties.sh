#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The kinds of game with the real program, by keys and menus: a numbered game
# hides the same code in every start and another number another code; the
# day's code is the date's in every start (the date set by faketime), counted
# once a day, and after a clock set ahead to 2099 still counted; a game of two players is won at once with the code the first
# composed, outside the record; the shared text (read with xclip) gives the
# scores and no colour; « Vérifier le code » rules a code out by the first
# move it disagrees with, or counts the codes it stands among; and a numbered
# game killed with SIGKILL comes back with its number.
source "$(dirname "$0")/commun.sh"
for outil in faketime xclip python3; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
LIBFAKETIME=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n1)
[ -n "$LIBFAKETIME" ] || { echo "SKIP: libfaketime is not installed"; exit 77; }

export XDG_DATA_HOME="$TRAVAIL/donnees"
donnees="$XDG_DATA_HOME/vorlinde"
releve="$donnees/statistiques.json"

# The hidden code of the game in progress, from a save by Ctrl+S to $1.
code_cache() {
  touches "$FENETRE" ctrl+s
  choisir_fichier '^Enregistrer une partie en cours$' "$1"
  attendre_que test -s "$1" || echouer "the game was not saved to $1"
  absente '^Enregistrer une partie en cours$' || echouer "the save dialog did not close"
  od -An -tx1 -v "$1" | tr -d ' \n' | cut -c3-6
}
# Starts the program on the local date $1 (YYYY-MM-DD).
lancer_le() {
  LD_PRELOAD=$LIBFAKETIME FAKETIME="@$1 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0" lancer
}
chiffres() { sed 's/./& /g' <<<"$1"; }
# How many codes of four different colours agree with `essai` scoring
# `bien` and `mal`.
possibles() {
  python3 - "$@" <<'PY'
import itertools, sys
essai, bien, mal = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
def score(code):
    b = sum(x == y for x, y in zip(code, essai))
    return b, len(set(code) & set(essai)) - b
print(sum(score("".join(c)) == (bien, mal) for c in itertools.permutations("12345678", 4)))
PY
}

# ---- Numbered games: number 4242 hides 4758 in every start, 1 hides 2413.
lancer
numerotee 4242
[ "$(code_cache "$TRAVAIL/a.prt")" = 4758 ] || echouer "game 4242 does not hide 4758"
# The shared text of a game in progress: its number, one line of scores, no colour.
jouer_touches 1 2 3 4
attendre_que test -n "$(ls "$donnees"/en-cours/*.prt 2>/dev/null)" || echouer "the move was not kept"
touches "$FENETRE" alt+p p
attendre_que grep -q 'Partie n° 4242' <<<"$(presse_papiers)" || echouer "nothing was copied: $(presse_papiers)"
partage=$(presse_papiers)
echo "$partage"
grep -qx 'En cours : 1 coup(s) joué(s)' <<<"$partage" || echouer "the shared text has no outcome"
grep -qx '1 : ○' <<<"$partage" || echouer "the shared text does not score 1234 against 4758 as ○"
! grep -qE '4758|1234|[1-8] [1-8] [1-8]' <<<"$partage" || echouer "the shared text gives colours away"

# « Vérifier le code »: 1234, still composed, is ruled out by move 1; the
# hidden code stands among the codes the move leaves.
touches "$FENETRE" alt+p v
verifie=$(texte_boite '^Vérifier le code$' 'Ce code')
grep -qF 'Ce code ne peut pas être le bon : avec lui, le coup 1 aurait donné 4 bien placé(s) et 0 mal placé(s), et non 0 et 1.' \
  <<<"$verifie" || echouer "the check of 1234 says: $verifie"
touches "$FENETRE" Home 4 7 5 8
touches "$FENETRE" alt+p v
verifie=$(texte_boite '^Vérifier le code$' 'Ce code')
autres=$(( $(possibles 1234 0 1) - 1 ))
grep -qF "Ce code est encore possible, comme $autres autres." <<<"$verifie" || echouer "the check of 4758 says: $verifie"

# Killed: the game comes back with its number.
kill -9 "$JEU_PID"
wait "$JEU_PID" 2>/dev/null || true
JEU_PID=""
demarrer
dire '^Parties interrompues$' Return
FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
trouver_origine
touches "$FENETRE" alt+p p
attendre_que grep -q 'Partie n° 4242' <<<"$(presse_papiers)" || echouer "the game taken back lost its number: $(presse_papiers)"
grep -qx '1 : ○' <<<"$(presse_papiers)" || echouer "the game taken back lost its move"
numerotee 1
[ "$(code_cache "$TRAVAIL/b.prt")" = 2413 ] || echouer "game 1 does not hide 2413"
numerotee 4242
[ "$(code_cache "$TRAVAIL/c.prt")" = 4758 ] || echouer "game 4242 hides another code in another start"
quitter

# ---- The day's code: the same in two starts of one date, counted once.
lancer_le 2026-12-10
touches "$FENETRE" alt+p j
jour=$(code_cache "$TRAVAIL/jour1.prt")
[ "$jour" = 7352 ] || echouer "the code of 10/12/2026 is $jour, not 7352"
jouer_touches $(chiffres "$jour")
dire '^Fin de partie$' Return
attendre_que grep -q '"jours_joues": 1' "$releve" || echouer "the day was not counted: $(cat "$releve" 2>/dev/null)"
touches "$FENETRE" alt+p j
deja=$(texte_boite '^Code du jour$' 'déjà joué')
grep -qF 'Le code du jour du 10/12/2026 est déjà joué : partie gagnée en 1 coup(s).' <<<"$deja" \
  || echouer "the day's code played again says: $deja"
jouer_touches $(chiffres "$jour")
dire '^Fin de partie$' Return
attendre_que grep -q '"gagnees": 2' "$releve" || echouer "the second game of the day was not counted"
grep -q '"jours_joues": 1,' "$releve" || echouer "the day was counted twice: $(cat "$releve")"
grep -q '"serie_de_jours": 1,' "$releve" || echouer "the run of days is wrong: $(cat "$releve")"
quitter

lancer_le 2026-12-10
touches "$FENETRE" alt+p j
texte_boite '^Code du jour$' 'déjà joué' >/dev/null
[ "$(code_cache "$TRAVAIL/jour2.prt")" = "$jour" ] || echouer "another start on the same date hides another code"
quitter
lancer_le 2026-12-11
touches "$FENETRE" alt+p j
lendemain=$(code_cache "$TRAVAIL/jour3.prt")
[ "$lendemain" != "$jour" ] || echouer "the next day hides the same code"
jouer_touches $(chiffres "$lendemain")
dire '^Fin de partie$' Return
attendre_que grep -q '"serie_de_jours": 2,' "$releve" || echouer "the next day does not extend the run: $(cat "$releve")"
quitter

# ---- A clock set ahead to 31/12/2099 counts that day; back on the real
# calendar, the next day's game still counts its day, told once, its run
# starting again, no day lost.
lancer_le 2099-12-31
touches "$FENETRE" alt+p j
futur=$(code_cache "$TRAVAIL/jour4.prt")
jouer_touches $(chiffres "$futur")
dire '^Fin de partie$' Return
attendre_que grep -q '"dernier_jour": 20991231' "$releve" || echouer "the day of 2099 was not counted: $(cat "$releve")"
quitter
lancer_le 2026-12-12
touches "$FENETRE" alt+p j
dit=$(texte_boite '^Statistiques$' 'plus tard')
retour=$(code_cache "$TRAVAIL/jour5.prt")
jouer_touches $(chiffres "$retour")
dire '^Fin de partie$' Return
grep -qF "a compté un code du jour le 31/12/2099, plus tard qu'aujourd'hui" <<<"$dit" \
  || echouer "the day later than today was not told: $dit"
attendre_que grep -q '"dernier_jour": 20261212' "$releve" \
  || echouer "back on the calendar, the day's game did not count its day: $(cat "$releve")"
grep -q '"jours_joues": 4,' "$releve" && grep -q '"serie_de_jours": 1,' "$releve" \
  || echouer "days were lost, or the run went on: $(cat "$releve")"
quitter

# ---- Two players: the code composed by keys, found in one move, not counted.
cp "$releve" "$TRAVAIL/avant.json"
lancer
touches "$FENETRE" alt+p d
dire '^Partie à deux$' 5 6 7 8 Return
absente '^Partie à deux$' || echouer "the two players' window did not close on Return"
jouer_touches 5 6 7 8
dire '^Fin de partie$' Return
touches "$FENETRE" alt+p p
attendre_que grep -q 'Partie à deux' <<<"$(presse_papiers)" || echouer "the two players' game is not shared as such"
grep -qx 'Gagnée en 1 coup(s)' <<<"$(presse_papiers)" || echouer "the two players' game was not won in one move"
quitter
cmp -s "$releve" "$TRAVAIL/avant.json" || echouer "the game of two players changed the record: $(cat "$releve")"
echo "PASS: numbered games, the day's code, two players, the shared text and the check of a code"
