# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Saved games written byte by byte for the tests that need them.

# partie_de_cent_coups FILE: hidden code 1 2 3 4; the first 100 codes of four
# different colours other than it, all starting with colour 1 (so that none
# wins); every swatch in the top row. 208 bytes.
partie_de_cent_coups() {
  local n=0 b c d
  {
    printf '\x01\x12\x34\x64'
    for b in 2 3 4 5 6 7 8; do for c in 2 3 4 5 6 7 8; do for d in 2 3 4 5 6 7 8; do
      [ $b = $c ] || [ $b = $d ] || [ $c = $d ] && continue
      [ $b$c$d = 234 ] && continue
      [ $n -lt 100 ] || break 3
      printf "$(printf '\\x%02x\\x%02x' $((16 + b)) $((16 * c + d)))"
      n=$((n + 1))
    done; done; done
    printf '\x11\x11\x11\x11'
  } >"$1"
}
