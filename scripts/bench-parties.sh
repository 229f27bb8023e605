#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Many games left, measured by bench.sh on its Xvfb: the resident memory once
# « Plus tard » has closed the window of 20,000 games, against a start with
# none; and « Tout supprimer » of 20,000 games, from the answer « Oui » to
# the last file gone. Sourced-free: run with DISPLAY set, the program as $1,
# a scratch folder as $2.
set -euo pipefail
programme=$(realpath "$1")
travail=$2
partie='\x01\x12\x34\x01\x56\x78\x11\x11\x11\x11'
remplir() {
  rm -rf "$1"
  mkdir -p "$1/vorlinde/en-cours"
  (cd "$1/vorlinde/en-cours" && for n in $(seq 20000); do printf "$partie" >"partie-$n.prt"; done)
}
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
# The resident memory once it no longer moves: ten readings alike, 0.1 s apart.
rss_stable() {
  local avant=-1 pareil=0 maintenant
  for _ in $(seq 600); do
    maintenant=$(rss "$1")
    if [ "$maintenant" = "$avant" ]; then pareil=$((pareil + 1)); else pareil=0; fi
    [ "$pareil" -ge 10 ] && break
    avant=$maintenant
    sleep 0.1
  done
  echo "$maintenant"
}
fenetre() { timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n1; }
compter() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
titre=$("$programme" --version)

# A start with no game left.
XDG_DATA_HOME="$travail/aucune" "$programme" >/dev/null 2>&1 &
pid=$!
fenetre "^$titre\$" >/dev/null
sans=$(rss_stable "$pid")
kill "$pid"; wait "$pid" 2>/dev/null || true

# 20,000 games left, the list read to its end, then « Plus tard ».
remplir "$travail/vingtmille"
XDG_DATA_HOME="$travail/vingtmille" "$programme" >/dev/null 2>&1 &
pid=$!
liste=$(fenetre '^Parties interrompues$')
ouverte=$(rss_stable "$pid")
until xdotool key --window "$liste" Escape 2>/dev/null; do sleep 0.1; liste=$(fenetre '^Parties interrompues$'); done
for _ in $(seq 300); do [ "$(compter '^Parties interrompues$')" = 0 ] && break; sleep 0.1; done
apres=$(rss_stable "$pid")
kill "$pid"; wait "$pid" 2>/dev/null || true

# « Tout supprimer »: every game read, the question, then « Oui ».
XDG_DATA_HOME="$travail/vingtmille" "$programme" >/dev/null 2>&1 &
pid=$!
liste=$(fenetre '^Parties interrompues$')
xdotool key --window "$liste" alt+t
# The question may be drawn anew as it comes: « Oui » is pressed until it goes.
debut=""
for _ in $(seq 600); do
  question=$(xdotool search --onlyvisible --name '^Parties interrompues$' 2>/dev/null | grep -vx "$liste" | head -n1 || true)
  if [ -n "$question" ]; then
    debut=$(date +%s%N)
    xdotool key --window "$question" Return 2>/dev/null || true
  elif [ -n "$debut" ]; then
    break
  fi
  sleep 0.05
done
for _ in $(seq 6000); do
  [ -z "$(ls -A "$travail/vingtmille/vorlinde/en-cours" | grep '\.prt$' | head -n1)" ] \
    && [ "$(compter '^Parties interrompues$')" = 0 ] && break
  sleep 0.01
done
fin=$(date +%s%N)
reste=$(ls "$travail/vingtmille/vorlinde/en-cours" | grep -c '\.prt$' || true)
kill "$pid"; wait "$pid" 2>/dev/null || true

printf '%-28s %9d kB %9d kB %8.2f %8s\n' "memory after « Plus tard »" "$apres" "$sans" \
  "$(awk "BEGIN{print $apres/$sans}")" "<= 1.15"
printf '%-28s %9d kB %9d kB %8.2f\n' "  the 20,000 listed, open" "$ouverte" "$sans" "$(awk "BEGIN{print $ouverte/$sans}")"
printf '%-28s %10.1f ms %12s %8s %8s\n' "« Tout supprimer », 20,000" "$(awk "BEGIN{print ($fin-$debut)/1e6}")" \
  "$reste left" "" "< 10 s"
