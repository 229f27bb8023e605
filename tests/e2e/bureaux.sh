#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The board on the desktops players use, set as they set them (qt6ct): KDE's
# Breeze with Noto Sans 10 and GNOME's Adwaita with Cantarell 11 where this
# release has them for Qt 6, Fusion at 11, 14 and 20 pt, on laptop and desktop
# screens whose window manager keeps a 40-pixel panel, and on a netbook's
# 1024x600 at 10 and 11 pt. In each: every caption reads back whole from the
# screen (OCR), nothing ends in « … », and the window with its title bar lies
# within the room the panel leaves. The pictures go to the artefacts.
source "$(dirname "$0")/commun.sh"
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
  for pid in "${A_ARRETER[@]}"; do kill "$pid" 2>/dev/null || true; done
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
  openbox --config-file "$TRAVAIL/openbox/rc.xml" >/dev/null 2>&1 &
  A_ARRETER+=("$!")
  for _ in $(seq 100); do xprop -root _NET_WORKAREA 2>/dev/null | grep -q '=' && break; sleep 0.1; done
}

# theme STYLE FONT PT: the desktop's style and text, through qt6ct.
theme() {
  mkdir -p "$XDG_CONFIG_HOME/qt6ct"
  printf '[Appearance]\nstyle=%s\ncustom_palette=false\n[Fonts]\ngeneral="%s,%s,-1,5,50,0,0,0,0,0"\n' \
    "$1" "$2" "$3" >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
}

# The window once it stands still: two pictures in a row alike.
fenetre_immobile() {
  (cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
  JEU_PID=$!
  FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
  attendre_immobile
}

verifier() {
  local nom=$1 texte
  cp "$TRAVAIL/ecran.png" "$ARTEFACTS/bureau-$nom.png"
  import -window "$FENETRE" "$TRAVAIL/fenetre.png"
  convert "$TRAVAIL/fenetre.png" -resize 300% -colorspace Gray "$TRAVAIL/ocr.png"
  texte=$(tesseract "$TRAVAIL/ocr.png" - -l fra --psm 11 2>/dev/null)
  for legende in "Listes de couleurs" "Code" "Valider le code" "Codes et résultats" "Codes" \
                 "Bien placé(s)" "Mal placé(s)"; do
    # Cantarell's small l reads as a capital now and then: case aside.
    grep -qixF "$legende" <<<"$texte" || echouer "$nom: « $legende » is not whole: $(tr '\n' '|' <<<"$texte")"
  done
  ! grep -q '…' <<<"$texte" || echouer "$nom: a caption is shortened: $(tr '\n' '|' <<<"$texte")"
  # The client where the server has it, and the frame the window manager
  # draws around it, title bar included.
  local x y l h g d haut bas
  x=$(xwininfo -id "$FENETRE" | awk '/Absolute upper-left X/{print $NF}')
  y=$(xwininfo -id "$FENETRE" | awk '/Absolute upper-left Y/{print $NF}')
  l=$(xwininfo -id "$FENETRE" | awk '/^ *Width/{print $NF}')
  h=$(xwininfo -id "$FENETRE" | awk '/^ *Height/{print $NF}')
  # Set once the window manager has decorated the window, zero before.
  local extents=""
  for _ in $(seq 100); do
    extents=$(xprop -id "$FENETRE" _NET_FRAME_EXTENTS)
    grep -qE '= [0-9]+, [0-9]+, [1-9]' <<<"$extents" && break
    sleep 0.1
  done
  IFS=', ' read -r g d haut bas < <(sed 's/.*= //' <<<"$extents")
  [ -n "$haut" ] && [ "$haut" -gt 0 ] || echouer "$nom: the window manager drew no title bar"
  [ $((x - g)) -ge 0 ] && [ $((y - haut)) -ge 0 ] && [ $((x + l + d)) -le "$LARGEUR" ] \
    && [ $((y + h + bas)) -le $((HAUTEUR - PANNEAU)) ] \
    || echouer "$nom: the window (${l}x${h} at $x,$y, frame $g $d $haut $bas) leaves the room above the panel"
  WIDTH=$l HEIGHT=$h
  echo "$nom: ${WIDTH}x${HEIGHT}, every caption whole, within ${LARGEUR}x$((HAUTEUR - PANNEAU))"
  kill "$JEU_PID"; attendre_fin || true
}

essais=0
for taille in 1366x768 1920x1080; do
  ecran "$taille"
  for reglage in "Fusion:DejaVu Sans:11" "Fusion:DejaVu Sans:14" "Fusion:DejaVu Sans:20" \
                 "Breeze:Noto Sans:10" "Adwaita:Cantarell:11"; do
    IFS=: read -r style police pt <<<"$reglage"
    fichier=$(tr '[:upper:]' '[:lower:]' <<<"$style")
    if [ "$style" = Breeze ]; then fichier=breeze6; fi
    if [ ! -e "$styles/$fichier.so" ] && [ "$style" != Fusion ]; then
      echo "$style: not built for Qt 6 on this release"
      continue
    fi
    theme "$style" "$police" "$pt"
    fenetre_immobile
    verifier "$taille-$style-$pt"
    essais=$((essais + 1))
  done
done
ecran 1024x600
for pt in 10 11; do
  theme Fusion "DejaVu Sans" "$pt"
  fenetre_immobile
  verifier "1024x600-Fusion-$pt"
  essais=$((essais + 1))
done
echo "PASS: the board whole and within the screen on $essais desktops"
