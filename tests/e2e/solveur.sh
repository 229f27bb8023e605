#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# --indice and --analyse on real saved games, without a display: a game in
# progress, a won game, a lost one, damaged files; the JSON form read back.
set -euo pipefail
source "$(dirname "$0")/parties.sh"
vorlinde=$1
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
echouer() { echo "FAIL: $*"; exit 1; }
lancer() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$travail" "$vorlinde" "$@"; }

# Hidden code 1234; 5678 scores 0 and 0, 4321 scores 0 and 4: nine codes left.
printf '\x01\x12\x34\x02\x56\x78\x43\x21\x11\x11\x11\x11' >"$travail/en-cours.prt"
indice=$(lancer --indice "$travail/en-cours.prt")
[[ "$(head -n1 <<<"$indice")" =~ ^[1-8]{4}$ ]] || echouer "the hint's first line is not a code: $indice"
[ "$(sed -n 2p <<<"$indice")" = "9 codes sont encore possibles." ] || echouer "the hint says: $indice"
[ "$(ls -A "$travail" | grep -cv '\.prt$')" = 0 ] || echouer "a hint wrote a file (a profile?): $(ls -A "$travail")"

analyse=$(lancer --analyse "$travail/en-cours.prt")
grep -q '^Coup 1 : 5678, 0 bien placé(s), 0 mal placé(s) ; 1680 codes possibles avant, 24 après ; ce coup était possible ; le solveur aurait joué 1234, qui laisse au pire 504 codes\.$' <<<"$analyse" \
  || echouer "the analysis says: $analyse"
# A game in progress keeps its code: the solver's count for it is not given.
grep -q '^Bilan : 2 coups joués, partie en cours\.$' <<<"$analyse" \
  || echouer "the summary says: $analyse"
lancer --analyse "$travail/en-cours.prt" --json >"$travail/analyse.json"
# The options and the file in any order, and "--" before the file.
for forme in "--analyse --json $travail/en-cours.prt" "--json --analyse $travail/en-cours.prt" \
             "--analyse --json -- $travail/en-cours.prt"; do
  # shellcheck disable=SC2086
  lancer $forme | cmp -s - "$travail/analyse.json" || echouer "vorlinde $forme differs from --analyse F --json"
done
[ "$(lancer --indice -- "$travail/en-cours.prt")" = "$(lancer --indice "$travail/en-cours.prt")" ] \
  || echouer "--indice -- F differs from --indice F"
# The JSON read back: Qt writes it compact, each object's keys in order.
json=$(cat "$travail/analyse.json")
grep -qE '^\{"coups":\[\{[^]]*"possibles_apres":24,"possibles_avant":1680\},\{"bien":0,"code":"4321","compatible":true,"coup":2,"indice":"[1-8]{4}","mal":4,"pire_cas_indice":[0-9]+,"possibles_apres":9,"possibles_avant":24\}\],"coups_joues":2,"coups_solveur":null,"etat":"en cours"\}$' <<<"$json" \
  || echouer "the JSON analysis reads: $json"

# Won on the second move: nothing to suggest, status 0.
printf '\x01\x12\x34\x02\x56\x78\x12\x34\x11\x11\x11\x11' >"$travail/gagnee.prt"
[ "$(lancer --indice "$travail/gagnee.prt")" = "La partie est gagnée, en 2 coups : il n'y a plus rien à chercher." ] \
  || echouer "a won game: $(lancer --indice "$travail/gagnee.prt")"

# A hundred moves without the hidden code: lost.
partie_de_cent_coups "$travail/perdue.prt"
[ "$(stat -c %s "$travail/perdue.prt")" = 208 ] || echouer "the lost game is not 208 bytes"
[ "$(lancer --indice "$travail/perdue.prt")" = "La partie est perdue : les 100 coups ont été joués." ] \
  || echouer "a lost game: $(lancer --indice "$travail/perdue.prt")"
[ "$(lancer --analyse "$travail/perdue.prt" | wc -l)" = 101 ] || echouer "the analysis of 100 moves is not 101 lines"

# Damaged files: the window's reason on standard error, status 1.
printf '\x01\x33\x33\x00\x11\x11\x11\x11' >"$travail/abime.prt"
statut=0
erreur=$(lancer --indice "$travail/abime.prt" 2>&1 >/dev/null) || statut=$?
[ "$statut" = 1 ] || echouer "a damaged file ends with status $statut"
[ "$erreur" = "La partie du fichier « $travail/abime.prt » ne peut pas être chargée. Le code secret du fichier répète une couleur." ] \
  || echouer "a damaged file: $erreur"
printf '\x02' >"$travail/version.prt"
statut=0
erreur=$(lancer --analyse "$travail/version.prt" 2>&1 >/dev/null) || statut=$?
# The command line names the file, the version conflict too.
[ "$statut" = 1 ] && [ "$erreur" = "La partie du fichier « $travail/version.prt » ne peut pas être chargée. Le fichier a été écrit par une version plus récente." ] \
  || echouer "a newer file: $statut, $erreur"
statut=0
lancer --analyse "$travail/absent.prt" >/dev/null 2>&1 || statut=$?
[ "$statut" = 1 ] || echouer "a missing file ends with status $statut"
statut=0
lancer --indice "$travail/en-cours.prt" --json >/dev/null 2>&1 || statut=$?
[ "$statut" = 2 ] || echouer "--json with --indice ends with status $statut"
lancer --analyse "$travail/gagnee.prt" | grep -q '^Bilan : 2 coups joués, partie gagnée ; le solveur trouve ce code en [1-6] coups\?\.$' \
  || echouer "a won game's analysis does not give the solver's count: $(lancer --analyse "$travail/gagnee.prt" | tail -n1)"

# Output that cannot be written (a full disk, a closed output) is a failure, said on standard error.
for forme in --help --version "--indice $travail/en-cours.prt" "--analyse $travail/en-cours.prt"; do
  for sortie in '>/dev/full' '>&-'; do
    statut=0
    # shellcheck disable=SC2086
    erreur=$(eval "lancer $forme $sortie" 2>&1) || statut=$?
    [ "$statut" = 1 ] && [ "$erreur" = "vorlinde : la sortie standard n'a pas pu être écrite." ] \
      || echouer "vorlinde $forme $sortie ends with status $statut: $erreur"
  done
done
echo "PASS: hints and analyses of saved games on the command line"
