#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Draws the program's icon at every size it ships with: a 3 x 3 grid of
# coloured squares separated by black lines, the digits 1 to 8 on the outer
# squares, the centre transparent. The PNG files are committed; run this again
# only to change the drawing.
set -euo pipefail
cd "$(dirname "$0")"
couleurs=(magenta "#c0c0c0" purple "#00c000" blue red yellow white)
for taille in 16 32 48 64 128; do
  e=$(awk "BEGIN{print $taille/34}")
  args=()
  n=0
  for r in 0 1 2; do
    for c in 0 1 2; do
      [ "$r" = 1 ] && [ "$c" = 1 ] && continue
      x=$(awk "BEGIN{print $c*11*$e}"); y=$(awk "BEGIN{print $r*11*$e}")
      x2=$(awk "BEGIN{print ($c*11+12)*$e-1}"); y2=$(awk "BEGIN{print ($r*11+12)*$e-1}")
      ix=$(awk "BEGIN{print ($c*11+1)*$e}"); iy=$(awk "BEGIN{print ($r*11+1)*$e}")
      ix2=$(awk "BEGIN{print ($c*11+11)*$e-1}"); iy2=$(awk "BEGIN{print ($r*11+11)*$e-1}")
      fond=${couleurs[$n]}; n=$((n+1))
      encre=black; { [ "$fond" = purple ] || [ "$fond" = blue ]; } && encre=white
      tx=$(awk "BEGIN{print ($c*11+3)*$e}"); ty=$(awk "BEGIN{print ($r*11+9.5)*$e}")
      args+=(-fill black -draw "rectangle $x,$y $x2,$y2" -fill "$fond" -draw "rectangle $ix,$iy $ix2,$iy2")
      args+=(-fill "$encre" -pointsize "$(awk "BEGIN{print 9.5*$e}")" -font DejaVu-Sans-Bold -draw "text $tx,$ty '$n'")
    done
  done
  convert -size "${taille}x${taille}" xc:none "${args[@]}" "PNG32:vorlinde-$taille.png"
done
