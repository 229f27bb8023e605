# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Shared by the real-window tests: a private X server, the built program run
# from a temporary copy of its folder, clicks at positions computed from the
# board's layout in twips, and pixels read from screenshots.
# Sourced with the built executable as $1. Exits 77 (skipped) without Xvfb.

set -euo pipefail
# Beside another run of the suite (CI's two releases side by side), a test
# by ear runs alone: VORLINDE_VERROU_ECRAN names a file both runs see, whose
# lock the test holds from here to its end (flock -o: what it leaves running
# never keeps it), shared by the other real-window tests, whole for Orca's
# (VERROU_EXCLUSIF), which two busy screens at once would make hear a machine
# far busier than a player's. No lock before that file's folder exists.
if [ -n "${VORLINDE_VERROU_ECRAN:-}" ] && [ -z "${VORLINDE_VERROU_TENU:-}" ] \
  && [ -d "$(dirname "$VORLINDE_VERROU_ECRAN")" ] && command -v flock >/dev/null; then
  export VORLINDE_VERROU_TENU=1
  if [ -n "${VERROU_EXCLUSIF:-}" ]; then sorte=-x; else sorte=-s; fi
  exec flock "$sorte" -o "$VORLINDE_VERROU_ECRAN" bash "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

VORLINDE_BIN=$1
for outil in Xvfb xdotool import convert; do
  if ! command -v "$outil" >/dev/null 2>&1; then
    echo "SKIP: $outil is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

TRAVAIL=$(mktemp -d "${TMPDIR:-/tmp}/vorlinde-e2e-XXXXXX")
ARTEFACTS=${VORLINDE_E2E_ARTEFACTS:-$PWD/e2e-artefacts}
mkdir -p "$ARTEFACTS"
XVFB_PID=""
JEU_PID=""
# Other processes a test starts, ended with it.
A_ARRETER=()

nettoyer() {
  local statut=$?
  if [ "$statut" -ne 0 ] && [ "$statut" -ne 77 ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$ARTEFACTS/echec-$(basename "$0" .sh).png" 2>/dev/null || true
    echo "screenshot of the failure: $ARTEFACTS/echec-$(basename "$0" .sh).png"
    cp "$TRAVAIL/sortie.log" "$ARTEFACTS/echec-$(basename "$0" .sh).log" 2>/dev/null || true
  fi
  [ -n "$JEU_PID" ] && kill "$JEU_PID" 2>/dev/null || true
  for pid in "${A_ARRETER[@]}"; do pkill -P "$pid" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; done
  arreter_xvfb
  rm -rf "$TRAVAIL"
  exit "$statut"
}
trap nettoyer EXIT

echouer() { echo "FAIL: $*"; exit 1; }

demarrer_xvfb "$TRAVAIL" || echouer "Xvfb did not start"

# Sanitizer builds: X and font libraries keep caches until exit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export XDG_RUNTIME_DIR="$TRAVAIL/run"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The player's preferences and data of a run stay in the run.
export XDG_CONFIG_HOME="$TRAVAIL/config"
export XDG_DATA_HOME="$TRAVAIL/donnees"
unset QT_QPA_PLATFORM
# The board's pixels are drawn for the text of a program that no desktop
# sets; whatever fonts the machine has, that text is DejaVu Sans.
export FONTCONFIG_FILE=${FONTCONFIG_FILE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../commun" && pwd)/fonts.conf}

DOSSIER="$TRAVAIL/programme"
mkdir -p "$DOSSIER"
cp "$VORLINDE_BIN" "$DOSSIER/vorlinde"

lancer() {
  (cd "$DOSSIER" && exec ./vorlinde "$@" >"$TRAVAIL/sortie.log" 2>&1) &
  JEU_PID=$!
  FENETRE=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vorlinde 1\.0$' | head -n1)
  [ -n "$FENETRE" ] || echouer "the window did not appear"
  trouver_origine
}

# Starts the program in the background, without waiting for its window.
demarrer() {
  (cd "$DOSSIER" && exec ./vorlinde "$@" >>"$TRAVAIL/sortie.log" 2>&1) &
  JEU_PID=$!
}

# Ends the program started last and waits for its end.
finir() {
  kill "$JEU_PID" 2>/dev/null || true
  attendre_fin || true
}

capture() { import -window root "$TRAVAIL/ecran.png"; }

# The colour of one pixel of the last capture, as RRGGBB.
pixel() {
  convert "$TRAVAIL/ecran.png" -format '%[hex:p{'"$1,$2"'}]' info: | cut -c1-6
}

# The client area's origin, found from swatch 0 (pure green at start).
trouver_origine() {
  local ligne="" essai
  for essai in $(seq 40); do
    capture
    ligne=$(convert "$TRAVAIL/ecran.png" -crop 640x400+0+0 txt:- | grep -m1 -i '#00FF00' || true)
    [ -n "$ligne" ] && break
    sleep 0.25
  done
  [ -n "$ligne" ] || echouer "swatch 0 (green) is not on screen"
  local xy=${ligne%%:*}
  ORIGINE_X=$(( ${xy%,*} - SOURCE0_X / 15 ))
  ORIGINE_Y=$(( ${xy#*,} - SOURCE0_Y / 15 ))
}

# Screen position of a point given in twips from the client area's corner.
ecran_x() { echo $(( ORIGINE_X + $1 / 15 )); }
ecran_y() { echo $(( ORIGINE_Y + $1 / 15 )); }

# Clicks and keys reach the program in the order they are sent; what they
# do is waited for by the checks that follow (a window, a pixel, a file).
cliquer_twips() {
  xdotool mousemove --sync "$(ecran_x "$1")" "$(ecran_y "$2")" click 1
}

touches() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  shift
  xdotool key --delay 80 "$@"
}

# Centres, in twips from the client area's corner, from the geometry of the
# windows (SOURCE_X, CASE_X, RESULTAT_Y, EDITEUR_OK_X...).
source "${VORLINDE_GEOMETRIE:?the build writes it: tests/e2e/geometrie.cpp}"
centre_source_x() { echo "${SOURCE_X[$1]}"; }
CENTRE_SOURCE_Y=$SOURCE_Y
centre_case_x() { echo "${CASE_X[$1]}"; }
CENTRE_CASE_Y=$CASE_Y
CENTRE_OK_X=$OK_X
centre_resultat_x() { echo "${RESULTAT_X[$1]}"; }
centre_resultat_y() { echo "${RESULTAT_Y[$1]}"; }

# The id of the visible window with exactly this title (a pattern), once shown.
attendre_fenetre() {
  local id
  id=$(timeout 15 xdotool search --sync --onlyvisible --name "$1" | head -n1)
  [ -n "$id" ] || echouer "no window titled $1"
  echo "$id"
}

# Waits until no visible window has this title; false when one still has
# after 15 seconds.
absente() {
  for _ in $(seq 150); do
    [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits until two screenshots in a row are the same: the window is drawn.
attendre_immobile() {
  local avant="" apres
  for _ in $(seq 60); do
    import -window root "$TRAVAIL/ecran.png"
    apres=$(md5sum <"$TRAVAIL/ecran.png")
    [ "$apres" = "$avant" ] && return 0
    avant=$apres
    sleep 0.25
  done
  echouer "the window never stood still"
}

# Types a path into the focused file dialog and confirms it.
choisir_fichier() {
  local dialogue
  dialogue=$(attendre_fenetre "$1")
  xdotool windowfocus --sync "$dialogue"
  xdotool type --delay 15 "$2"
  touches "$dialogue" Return
}

# Composes a guess of four colour numbers from cell 0, then validates it.
jouer() {
  cliquer_twips "$(centre_case_x 0)" $CENTRE_CASE_Y
  for c in "$@"; do cliquer_twips "$(centre_source_x $((c - 1)))" $CENTRE_SOURCE_Y; done
  cliquer_twips $CENTRE_OK_X $CENTRE_CASE_Y
}

# The colour of history cell j of row r on screen, after a new capture.
couleur_resultat() {
  pixel "$(ecran_x "$(centre_resultat_x "$2")")" "$(ecran_y "$(centre_resultat_y "$1")")" | tr 'A-F' 'a-f'
}

# Checks that history row r shows the given colours (RRGGBB), capturing again
# for a few seconds while the program has not repainted yet.
verifier_ligne() {
  local r=$1 j vu attendu essai
  shift
  for essai in $(seq 20); do
    capture
    j=0
    vu=""
    for attendu in "$@"; do
      vu=$(couleur_resultat "$r" $j)
      [ "$vu" = "$attendu" ] || break
      j=$((j + 1))
    done
    [ $j = $# ] && return 0
    sleep 0.25
  done
  echouer "history row $r, cell $j shows $vu instead of $attendu"
}

# Waits until the pixel at a point given in twips shows a colour (RRGGBB).
attendre_pixel() {
  local vu essai
  for essai in $(seq 20); do
    capture
    vu=$(pixel "$(ecran_x "$1")" "$(ecran_y "$2")" | tr 'A-F' 'a-f')
    [ "$vu" = "$3" ] && return 0
    sleep 0.25
  done
  echouer "${4:-the point $1,$2} shows $vu instead of $3"
}

attendre_fin() {
  for _ in $(seq 100); do
    kill -0 "$JEU_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$JEU_PID" 2>/dev/null; then echouer "the program did not end"; fi
  local statut=0
  wait "$JEU_PID" || statut=$?
  JEU_PID=""
  return "$statut"
}

# Runs a command until it succeeds, for up to 15 s.
attendre_que() {
  for _ in $(seq 150); do "$@" && return 0; sleep 0.1; done
  return 1
}
# Presses keys in the window titled $1 once it shows.
dire() {
  local fenetre
  fenetre=$(attendre_fenetre "$1")
  shift
  touches "$fenetre" "$@"
}

# The clipboard's text (xclip), empty when it holds none.
presse_papiers() { xclip -o -selection clipboard 2>/dev/null || true; }
# What the message box titled $1 says, copied by Ctrl+C as the box offers;
# the box is then closed.
texte_boite() {
  local boite
  boite=$(attendre_fenetre "$1")
  printf 'vide' | xclip -selection clipboard >/dev/null 2>&1
  attendre_que test "$(presse_papiers)" = vide
  touches "$boite" ctrl+c
  attendre_que grep -q -- "$2" <<<"$(presse_papiers)" || true
  presse_papiers
  touches "$boite" Return
  absente "$1" || echouer "the box $1 did not close"
}
# Starts the game of number $1 through « Partie › Partie numérotée… ».
numerotee() {
  touches "$FENETRE" alt+p n
  dire '^Partie numérotée$' ctrl+a
  xdotool type --delay 15 "$1"
  touches "$(attendre_fenetre '^Partie numérotée$')" Return
  absente '^Partie numérotée$' || echouer "the number's window did not close"
}
# Composes four colours from the first cell by keys and plays them.
jouer_touches() { touches "$FENETRE" Home "${@:1:4}" Return; }
quitter() {
  touches "$FENETRE" ctrl+q
  dire '^Quitter \?$' alt+n
  attendre_fin || echouer "the program ended with an error"
}

# Mounts a tmpfs (options $2) on the folder $1, as root. The program ends
# before the mount goes, and it goes whatever ends the test.
monter_tmpfs() {
  MONTAGE=$1
  mount -t tmpfs -o "$2" tmpfs "$MONTAGE"
  trap demonter_tmpfs EXIT
}
demonter_tmpfs() {
  local statut=$?
  kill -KILL "$JEU_PID" 2>/dev/null || true
  wait "$JEU_PID" 2>/dev/null || true
  umount "$MONTAGE" 2>/dev/null || umount -l "$MONTAGE" 2>/dev/null || true
  set +e
  (exit "$statut")
  nettoyer
}
