#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds
# (60 by default), starting from the committed seed corpus, then prints the
# executions per second and the coverage reached. Fails on any crash.
set -euo pipefail
cd "$(dirname "$0")/.."
duree=${1:-60}
build=${BUILD_FUZZ:-build/fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORLINDE_FUZZ=ON -DVORLINDE_UI=OFF -DVORLINDE_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_partie fuzz_profil

statut=0
resume=()
for cible in partie profil; do
  travail="$build/corpus-$cible"
  mkdir -p "$travail" "$build/artefacts"
  journal="$build/fuzz_$cible.log"
  echo "== fuzz_$cible for ${duree}s"
  if ! "$build/fuzz/fuzz_$cible" "$travail" "fuzz/corpus/$cible" -max_total_time="$duree" \
      -timeout=5 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$build/artefacts/$cible-" >"$journal" 2>&1; then
    statut=1
    tail -n 40 "$journal"
  fi
  execs=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$journal" | grep -o '[0-9]*$' || echo '?')
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$journal" | grep -o '[0-9]*$' || echo '?')
  cov=$(grep -o 'cov: [0-9]*' "$journal" | tail -n1 | grep -o '[0-9]*' || echo '?')
  ft=$(grep -o 'ft: [0-9]*' "$journal" | tail -n1 | grep -o '[0-9]*' || echo '?')
  resume+=("fuzz_$cible: $runs runs, $execs exec/s, coverage $cov edges, $ft features")
done
echo "== fuzzing summary"
printf '%s\n' "${resume[@]}"
exit "$statut"
