#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The game and the new games by ear with Orca, RUNS times in a row (5 by
# default), while two processes keep both cores busy: what a player's loaded
# machine does to the timing of speech. Runs on the test build of `make test`; prints each run's
# outcome and fails unless every run passed.
set -uo pipefail
cd "$(dirname "$0")/.."
essais=${1:-5}
construction=build/test
[ -f "$construction/CTestTestfile.cmake" ] || { echo "orca-charge: run make test first" >&2; exit 1; }
charges=()
arreter() { [ ${#charges[@]} -gt 0 ] && kill "${charges[@]}" 2>/dev/null; }
trap arreter EXIT
for _ in 1 2; do
  yes >/dev/null &
  charges+=($!)
done
reussis=0
for essai in $(seq "$essais"); do
  if ctest --test-dir "$construction" -R '^e2e\.orca(_nouvelles)?$' --output-on-failure >"$construction/orca-charge-$essai.log" 2>&1; then
    reussis=$((reussis + 1))
    echo "run $essai: passed"
  else
    echo "run $essai: FAILED (see $construction/orca-charge-$essai.log)"
    grep -m3 'FAIL' "$construction/orca-charge-$essai.log"
  fi
done
echo "orca-charge: $reussis of $essais runs passed beside two busy processes"
[ "$reussis" = "$essais" ]
