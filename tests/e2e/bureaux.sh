#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The board and every window around it on the desktops players use, set as
# they set them (qt6ct): KDE's Breeze (light and dark) with Noto Sans 10 and
# GNOME's Adwaita with Cantarell 11 where this release has them for Qt 6,
# Fusion at 11, 14 and 20 pt, on laptop and desktop screens whose window
# manager keeps a 40-pixel panel, on a netbook's 1024x600 from 10 to 20 pt,
# and at a scale factor of 1.5 on 2560x1440. The board's captions read back
# whole from the screen (OCR), nothing ends in « … », and each window with
# its title bar lies within the room the panel leaves. Where the windows
# around the board are opened (the rules, the keys, the analysis, the
# statistics, the games played, two players, the colour editor, a message
# box, a file dialog, the games left), each is checked the same way, and the analysis' white and
# black cells stand out from what is behind them by 3:1, read from the
# pixels. The pictures go to the artefacts. Each release looks at its share
# of the desktops (the list below says which).
source "$(dirname "$0")/commun.sh"
# One thread per reading: OCR's threads only wait on each other on a machine
# of two busy cores, and take twice the time.
export OMP_THREAD_LIMIT=1
for outil in tesseract openbox xwininfo; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed (scripts/install-deps.sh installs it)"; exit 77; }
done
styles=/usr/lib/x86_64-linux-gnu/qt6/plugins/styles
ls /usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqt6ct.so >/dev/null 2>&1 \
  || { echo "SKIP: the qt6ct platform theme is not installed"; exit 77; }
# The desktops' own fonts, not the pixel tests' one.
unset FONTCONFIG_FILE
export QT_QPA_PLATFORMTHEME=qt6ct
PANNEAU=40

# ecran WxH: a new screen, with a window manager that keeps a panel at its foot.
ecran() {
  for pid in "${A_ARRETER[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  A_ARRETER=()
  arreter_xvfb
  demarrer_xvfb "$TRAVAIL" "${1}x24" || echouer "Xvfb did not start"
  LARGEUR=${1%x*} HAUTEUR=${1#*x}
  mkdir -p "$TRAVAIL/openbox"
  cat >"$TRAVAIL/openbox/rc.xml" <<XML
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>$PANNEAU</bottom><left>0</left><right>0</right></margins>
</openbox_config>
XML
  # A window manager started as the new server comes up now and then gives
  # up at once: it is started again.
  for _ in 1 2 3; do
    openbox --config-file "$TRAVAIL/openbox/rc.xml" >/dev/null 2>&1 &
    A_ARRETER+=("$!")
    for _ in $(seq 100); do xprop -root _NET_WORKAREA 2>/dev/null | grep -q '=' && break; sleep 0.1; done
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q '=' && break
  done
  xprop -root _NET_WORKAREA 2>/dev/null | grep -q '=' || echouer "openbox did not start on $1"
}

# theme STYLE FONT PT [sombre]: the desktop's style and text, through qt6ct;
# with « sombre », the colours of KDE's Breeze Dark.
theme() {
  mkdir -p "$XDG_CONFIG_HOME/qt6ct"
  {
    printf '[Appearance]\nstyle=%s\n' "$1"
    if [ "${4:-}" = sombre ]; then
      printf 'custom_palette=true\ncolor_scheme_path=%s\n' "$TRAVAIL/breeze-sombre.conf"
    else
      printf 'custom_palette=false\n'
    fi
    printf '[Fonts]\ngeneral="%s,%s,-1,5,50,0,0,0,0,0"\n' "$2" "$3"
  } >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
}
# Breeze Dark's colours, role by role as qt6ct lists them.
couleurs='#fffcfcfc, #ff31363b, #ff40464c, #ff363b40, #ff191b1d, #ff25292c, #fffcfcfc, #ffffffff, #fffcfcfc, '\
'#ff232629, #ff31363b, #ff0f1012, #ff3daee9, #fffcfcfc, #ff1d99f3, #ff9b59b6, #ff2a2e32, #ff31363b, #ff31363b, '\
'#fffcfcfc, #80fcfcfc'
printf '[ColorScheme]\nactive_colors=%s\ndisabled_colors=%s\ninactive_colors=%s\n' "$couleurs" "$couleurs" \
  "$couleurs" >"$TRAVAIL/breeze-sombre.conf"

# The window once it stands still: two pictures in a row alike.
fenetre_immobile() {
  (cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
  JEU_PID=$!
  FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
  attendre_immobile
}

# dans_la_place NOM ID: the window with the frame the window manager draws
# around it, title bar included, within the room above the panel.
dans_la_place() {
  local nom=$1 id=$2 x y l h g d haut bas extents=""
  x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print $NF}')
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/{print $NF}')
  l=$(xwininfo -id "$id" | awk '/^ *Width/{print $NF}')
  h=$(xwininfo -id "$id" | awk '/^ *Height/{print $NF}')
  # Set once the window manager has decorated the window, zero before.
  for _ in $(seq 100); do
    extents=$(xprop -id "$id" _NET_FRAME_EXTENTS)
    grep -qE '= [0-9]+, [0-9]+, [1-9]' <<<"$extents" && break
    sleep 0.1
  done
  IFS=', ' read -r g d haut bas < <(sed 's/.*= //' <<<"$extents")
  [ -n "$haut" ] && [ "$haut" -gt 0 ] || echouer "$nom: the window manager drew no title bar"
  [ $((x - g)) -ge 0 ] && [ $((y - haut)) -ge 0 ] && [ $((x + l + d)) -le "$LARGEUR" ] \
    && [ $((y + h + bas)) -le $((HAUTEUR - PANNEAU)) ] \
    || echouer "$nom: the window (${l}x${h} at $x,$y, frame $g $d $haut $bas) leaves the room above the panel"
  WIDTH=$l HEIGHT=$h
}

# lire ID: the window's text as OCR reads it, one line a caption.
lire() {
  local negatif=()
  import -window "$1" "$TRAVAIL/fenetre.png"
  # Light text on a dark window reads as dark text on a light one.
  [ "$(convert "$TRAVAIL/fenetre.png" -colorspace Gray -format '%[fx:mean<0.5]' info:)" = 1 ] && negatif=(-negate)
  convert "$TRAVAIL/fenetre.png" -resize 300% -colorspace Gray "${negatif[@]}" "$TRAVAIL/ocr.png"
  tesseract "$TRAVAIL/ocr.png" - -l fra --psm 11 2>/dev/null
}

# verifier NOM [sombre]: the board's captions whole, read back where the
# palette is light (OCR reads a dark board's outlined cells as letters).
verifier() {
  local nom=$1 texte
  cp "$TRAVAIL/ecran.png" "$ARTEFACTS/bureau-$nom.png"
  dans_la_place "$nom" "$FENETRE"
  if [ "${2:-}" = sombre ]; then
    echo "$nom: ${WIDTH}x${HEIGHT}, within ${LARGEUR}x$((HAUTEUR - PANNEAU))"
    return
  fi
  texte=$(lire "$FENETRE")
  for legende in "Listes de couleurs" "Code" "Valider le code" "Codes et résultats" "Codes" \
                 "Bien placé(s)" "Mal placé(s)"; do
    # Cantarell's small l reads as a capital now and then: case aside.
    grep -qixF "$legende" <<<"$texte" || echouer "$nom: « $legende » is not whole: $(tr '\n' '|' <<<"$texte")"
  done
  ! grep -q '…' <<<"$texte" || echouer "$nom: a caption is shortened: $(tr '\n' '|' <<<"$texte")"
  echo "$nom: ${WIDTH}x${HEIGHT}, every caption whole, within ${LARGEUR}x$((HAUTEUR - PANNEAU))"
}

# fenetre_vue TITRE: the window with this title once it is on screen. A
# search that meets a window as it goes away (a style's animations, the box
# just closed) fails, and is made again.
fenetre_vue() {
  local id
  for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      if xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
        echo "$id"
        return
      fi
    done
    sleep 0.1
  done
  echouer "no window titled $1 on screen"
}

# ouvrir NOM TITRE KEY...: the window that these keys open from the board,
# within the room and with no text shortened; then Escape closes it.
ouvrir() {
  local nom=$1 titre=$2 id texte fichier
  shift 2
  touches "$FENETRE" "$@"
  fenetre_vue "^$titre\$" >/dev/null
  attendre_immobile
  id=$(fenetre_vue "^$titre\$")
  fichier=$(tr ' /' '--' <<<"$titre" | tr -cd '[:alnum:]-' | tr '[:upper:]' '[:lower:]')
  cp "$TRAVAIL/ecran.png" "$ARTEFACTS/autour-$nom-$fichier.png"
  dans_la_place "$nom: « $titre »" "$id"
  texte=$(lire "$id")
  cp "$TRAVAIL/fenetre.png" "$ARTEFACTS/fenetre-$nom-$fichier.png"
  # A folder's path longer than its box is shortened in the middle, as in
  # every desktop's file dialog; its list shows it whole.
  texte=$(grep -v '/programme' <<<"$texte" || true)
  # The help wraps its lines and never shortens them; the line its view cuts
  # at the foot reads as anything, « … » too.
  if [ "$titre" != "Règles du jeu" ] && [ "$titre" != "Raccourcis clavier" ]; then
    ! grep -q '…' <<<"$texte" || echouer "$nom: « $titre » shortens a text: $(tr '\n' '|' <<<"$texte")"
  fi
  [ "$titre" != "Analyse de la partie" ] || cellules_visibles "$nom"
  echo "$nom: « $titre » ${WIDTH}x${HEIGHT}, nothing shortened"
  touches "$id" Escape
  absente "^$titre\$" || echouer "$nom: Escape did not close « $titre »"
}

# cellules_visibles NOM: in the analysis of the move green, white, black,
# blue, the white and the black cell each meet, at their edge, a colour that
# stands out from theirs by 3:1 (an outline, or the window behind them).
cellules_visibles() {
  convert "$TRAVAIL/fenetre.png" -depth 8 ppm:"$TRAVAIL/analyse.ppm"
  /usr/bin/python3 - "$TRAVAIL/analyse.ppm" "$1" <<'PY' || echouer "$1: a cell of the analysis melts into the list"
import sys

def luminance(c):
    def canal(v):
        v /= 255
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (canal(v) for v in c)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b

def contraste(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)

donnees = open(sys.argv[1], "rb").read()
entete = donnees.split(maxsplit=4)
largeur, hauteur = int(entete[1]), int(entete[2])
pixels = donnees[len(donnees) - largeur * hauteur * 3:]
def pixel(x, y):
    i = (y * largeur + x) * 3
    return tuple(pixels[i:i + 3])

def centre(couleur):
    points = [(x, y) for y in range(hauteur) for x in range(largeur) if pixel(x, y) == couleur]
    if not points:
        sys.exit("%s: no cell of colour %s in the analysis" % (sys.argv[2], couleur))
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2

vert, bleu = centre((0, 255, 0)), centre((0, 0, 255))
pas = (bleu[0] - vert[0]) / 3
y = round(vert[1])
for rang, couleur, sens in ((1, (255, 255, 255), -1), (2, (0, 0, 0), 1)):
    x = round(vert[0] + rang * pas)
    if pixel(x, y) != couleur:
        sys.exit("%s: cell %d is not %s but %s" % (sys.argv[2], rang + 1, couleur, pixel(x, y)))
    while pixel(x, y) == couleur:
        x += sens
    bord = pixel(x, y)
    if contraste(couleur, bord) < 3:
        sys.exit("%s: cell %d (%s) meets %s at its edge, %.2f:1" % (sys.argv[2], rang + 1, couleur, bord,
                                                                   contraste(couleur, bord)))
    print("%s: cell %d %s meets %s, %.2f:1" % (sys.argv[2], rang + 1, couleur, bord, contraste(couleur, bord)))
PY
}

# autour NOM: a move (green, white, black, blue), then every window around
# the board; last, the game is left by SIGKILL and the next start offers it.
autour() {
  local nom=$1 id
  touches "$FENETRE" 1 8 6 2 Return
  ouvrir "$nom" "Règles du jeu" F1
  ouvrir "$nom" "Raccourcis clavier" alt+d c
  ouvrir "$nom" "Analyse de la partie" alt+p a
  ouvrir "$nom" "Statistiques" alt+p s
  # Games played, with the longest lines the list shows: a day's code lost
  # in hard mode after hours, a numbered game abandoned.
  mkdir -p "$XDG_DATA_HOME/vorlinde"
  {
    echo "parties 1"
    echo "1765000000 numerotee 999999 2 0 65 4758 1234"
    echo "1765003600 jour 20261211 1 1 37230 4758 1234,5123"
  } >"$XDG_DATA_HOME/vorlinde/parties-jouees.txt"
  ouvrir "$nom" "Parties jouées" alt+p o
  ouvrir "$nom" "Partie à deux" alt+p d
  ouvrir "$nom" "Sélectionner la couleur à modifier" ctrl+c
  ouvrir "$nom" "Vérifier le code" alt+p v
  ouvrir "$nom" "Chargement d'une partie" ctrl+o
  kill -KILL "$JEU_PID"; wait "$JEU_PID" 2>/dev/null || true
  (cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
  JEU_PID=$!
  fenetre_vue '^Parties interrompues$' >/dev/null
  attendre_immobile
  id=$(fenetre_vue '^Parties interrompues$')
  cp "$TRAVAIL/ecran.png" "$ARTEFACTS/autour-$nom-parties-interrompues.png"
  dans_la_place "$nom: « Parties interrompues »" "$id"
  echo "$nom: « Parties interrompues » ${WIDTH}x${HEIGHT}"
  touches "$id" Escape
  absente '^Parties interrompues$' || echouer "$nom: Escape did not close « Parties interrompues »"
}

# Each desktop starts as a new player's: no game left, no record.
fermer() {
  kill "$JEU_PID"; attendre_fin || true
  rm -rf "$XDG_DATA_HOME"
}

# A saved game beside the program, for the file dialog's columns to show.
printf '\001\000\001\000\002\000\003\000\004\000\000\000' >"$DOSSIER/Partie du dimanche.prt"

existe() {
  local fichier
  fichier=$(tr '[:upper:]' '[:lower:]' <<<"$1")
  if [ "$1" = Breeze ]; then fichier=breeze6; fi
  [ "$1" = Fusion ] || [ -e "$styles/$fichier.so" ]
}

# Each line: the screen, the style, its font and size, « sombre » for a dark
# palette, « autour » where every window around the board is opened too, and
# the releases it runs on. The desktops' own styles (qt6ct's Breeze and
# Adwaita, light and dark) are Debian 13's, whose desktops have them;
# Fusion's text sizes and its dark palette are Debian 12's: each desktop is looked at once in
# CI's two halves, and the tightest on both. VORLINDE_BUREAUX_TOUS=1 runs
# every line on this release, as on any release but these two.
. /etc/os-release
case "${VERSION_ID:-}" in
  12 | 13) ;;
  *) VORLINDE_BUREAUX_TOUS=1 ;;
esac
essais=0
while IFS=: read -r taille style police pt sombre fenetres versions; do
  [ -n "$taille" ] || continue
  [ -n "${VORLINDE_BUREAUX_TOUS:-}" ] || [[ ",$versions," == *",${VERSION_ID:-},"* ]] || continue
  # VORLINDE_BUREAUX picks some of the lines by a pattern, to look at them.
  [[ "$taille:$style:$pt:$sombre" =~ ${VORLINDE_BUREAUX:-.} ]] || continue
  if ! existe "$style"; then
    echo "$style: not built for Qt 6 on this release"
    continue
  fi
  if [ "$taille" != "${ECRAN:-}" ]; then ecran "$taille"; ECRAN=$taille; fi
  theme "$style" "$police" "$pt" "$sombre"
  nom="$taille-$style-$pt${sombre:+-$sombre}"
  fenetre_immobile
  verifier "$nom" "$sombre"
  [ -z "$fenetres" ] || autour "$nom"
  fermer
  essais=$((essais + 1))
done <<'BUREAUX'
1366x768:Fusion:DejaVu Sans:11:::12
1366x768:Fusion:DejaVu Sans:14::autour:12
1366x768:Fusion:DejaVu Sans:20::autour:12
1366x768:Fusion:DejaVu Sans:14:sombre:autour:12
1366x768:Breeze:Noto Sans:10::autour:13
1366x768:Breeze:Noto Sans:10:sombre:autour:13
1366x768:Adwaita:Cantarell:11::autour:13
1920x1080:Fusion:DejaVu Sans:11:::12
1920x1080:Fusion:DejaVu Sans:14:::12
1920x1080:Fusion:DejaVu Sans:20::autour:12
1920x1080:Breeze:Noto Sans:10:::13
1920x1080:Adwaita:Cantarell:11:::13
1024x600:Fusion:DejaVu Sans:10:::12
1024x600:Fusion:DejaVu Sans:11::autour:12
1024x600:Fusion:DejaVu Sans:20::autour:12,13
1024x600:Breeze:Noto Sans:10::autour:13
BUREAUX

# A scale factor of 1.5 on a large screen, as a desktop sets it (Debian 13's).
[[ "2560x1440:Fusion:11:" =~ ${VORLINDE_BUREAUX:-.} ]] && { [ -n "${VORLINDE_BUREAUX_TOUS:-}" ] || [ "${VERSION_ID:-}" = 13 ]; } \
  || { echo "PASS: $essais desktops"; exit 0; }
export QT_SCALE_FACTOR=1.5
ecran 2560x1440
theme Fusion "DejaVu Sans" 11
fenetre_immobile
verifier "2560x1440-Fusion-11-x1.5"
autour "2560x1440-Fusion-11-x1.5"
fermer
essais=$((essais + 1))
echo "PASS: the board and the windows around it whole and within the screen on $essais desktops"
