#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The desktop's own text size and palette, set as a player sets them: the
# qt6ct platform theme, DejaVu Sans at 10, 11, 14 and 16 pt. The board grows
# with the text: every caption reads back whole from the screen (OCR), and
# the window stays on the screen. In a dark palette, every cell stands out
# from the window by at least 3:1. The pictures go to the artefacts.
source "$(dirname "$0")/commun.sh"
# One thread per reading: OCR's threads only wait on each other on a machine
# of two busy cores, and take twice the time.
export OMP_THREAD_LIMIT=1
for outil in tesseract; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed (scripts/install-deps.sh installs it)"; exit 77; }
done
ls /usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqt6ct.so >/dev/null 2>&1 \
  || { echo "SKIP: the qt6ct platform theme is not installed"; exit 77; }

# A screen as large as a desktop's, for 16 pt.
arreter_xvfb
demarrer_xvfb "$TRAVAIL" 1600x1200x24 || echouer "Xvfb did not start"
export QT_QPA_PLATFORMTHEME=qt6ct

# theme PT [COLOURS]: qt6ct with Fusion, DejaVu Sans at PT, and a colour scheme.
theme() {
  mkdir -p "$XDG_CONFIG_HOME/qt6ct"
  {
    echo "[Appearance]"
    echo "style=Fusion"
    if [ -n "${2:-}" ]; then
      echo "custom_palette=true"
      echo "color_scheme_path=/usr/share/qt6ct/colors/$2.conf"
    else
      echo "custom_palette=false"
    fi
    echo "[Fonts]"
    echo "general=\"DejaVu Sans,$1,-1,5,50,0,0,0,0,0\""
    echo "fixed=\"DejaVu Sans Mono,$1,-1,5,50,0,0,0,0,0\""
  } >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
}

fenetre() {
  (cd "$DOSSIER" && exec ./vorlinde >"$TRAVAIL/sortie.log" 2>&1) &
  JEU_PID=$!
  FENETRE=$(attendre_fenetre '^Vorlinde 1\.0$')
  attendre_immobile
}

# What the window's picture reads, one caption a line, from a 3× enlargement.
lire() {
  import -window "$FENETRE" "$1"
  convert "$1" -resize 300% -colorspace Gray "$TRAVAIL/ocr.png"
  tesseract "$TRAVAIL/ocr.png" - -l fra --psm 11 2>/dev/null
}

for pt in 10 11 14 16; do
  theme "$pt"
  fenetre
  texte=$(lire "$ARTEFACTS/police-$pt.png")
  for legende in "Listes de couleurs" "Code" "Valider le code" "Codes et résultats" "Codes" \
                 "Bien placé(s)" "Mal placé(s)"; do
    grep -qxF "$legende" <<<"$texte" || echouer "at $pt pt, « $legende » is not whole: $(tr '\n' '|' <<<"$texte")"
  done
  eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
  [ $((X + WIDTH)) -le 1600 ] && [ $((Y + HEIGHT)) -le 1200 ] || echouer "at $pt pt the window leaves the screen"
  echo "$pt pt: ${WIDTH}x${HEIGHT}, every caption whole"
  kill "$JEU_PID"; attendre_fin || true
done

# A dark palette at the board's own text size: the window's colour beside
# each empty history cell's outline, and beside the black swatch's.
theme 9 darker
fenetre
trouver_origine
# The swatch's first green pixel lies inside its one-pixel outline.
ORIGINE_X=$((ORIGINE_X - 1)); ORIGINE_Y=$((ORIGINE_Y - 1))
cp "$TRAVAIL/ecran.png" "$ARTEFACTS/sombre.png"
contraste() {
  python3 - "$1" "$2" <<'PY'
import sys
def lum(h):
    c = [int(h[i:i + 2], 16) / 255 for i in (0, 2, 4)]
    c = [v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]
a, b = sorted((lum(sys.argv[1]), lum(sys.argv[2])))
print(f"{(b + 0.05) / (a + 0.05):.1f}")
PY
}
# Beside a cell (1 pixel outside it) and on its edge.
verifier_contour() {
  local x=$(( $(ecran_x "$1") )) y=$(( $(ecran_y "$2") ))
  local dehors bord ratio
  dehors=$(pixel $((x - 2)) "$y"); bord=$(pixel "$x" "$y")
  ratio=$(contraste "$dehors" "$bord")
  awk "BEGIN{exit !($ratio >= 3)}" || echouer "$3 stands out by $ratio:1 only ($bord on $dehors)"
  echo "$3: $ratio:1"
}
verifier_contour "$(( $(centre_resultat_x 0) - 127 ))" "$(centre_resultat_y 0)" "an empty history cell"
verifier_contour "$(( $(centre_source_x 5) - 307 ))" $CENTRE_SOURCE_Y "the black swatch"
verifier_contour "$(( $(centre_case_x 0) - 307 ))" $CENTRE_CASE_Y "a code cell"
echo "PASS: the board follows the desktop's text from 10 to 16 pt, whole and on screen; a dark palette outlines its cells"
