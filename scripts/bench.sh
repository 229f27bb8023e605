#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Speed and memory against a bare Qt window, measured side by side in one run:
# start-up (exec to the window mapped) and peak resident memory under a private
# Xvfb, alternated runs, medians; then the handlers in process, offscreen, each
# against its floor. RUNS sets the number of start-ups of each program (>= 10).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-31}
build=${BUILD_BENCH:-build/bench}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLINDE_BENCH=ON -DVORLINDE_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target vorlinde temoin attendre_fenetre mesure_gestionnaires mesure_solveur >/dev/null

source scripts/xvfb.sh
travail=$(mktemp -d)
XVFB_PID=""
BUS_PID=""
trap 'arreter_xvfb; [ -z "$BUS_PID" ] || kill "$BUS_PID"; rm -rf "$travail"' EXIT
demarrer_xvfb "$travail" 1024x768x24
export XDG_RUNTIME_DIR="$travail/run"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# A desktop session has a message bus, which every Qt program asks at start
# (for a global menu bar, for the accessibility bus). Without one, each program
# would first start a bus of its own (dbus-launch) on the other core, at a
# moment of its own: the noise of that would be measured, not the programs.
if command -v dbus-daemon >/dev/null; then
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null)
  export DBUS_SESSION_BUS_ADDRESS=$(head -n1 <<<"$bus")
  BUS_PID=$(tail -n1 <<<"$bus")
fi

cp "$build/app/vorlinde" "$build/bench/temoin" "$travail/"
# The game's data stay in the run: none but 10,000 games played (the most
# the list keeps, which a start must not pay for), or three games left by
# ended windows (offered in a box once the window stands; killed
# unanswered, they stay).
export XDG_DATA_HOME="$travail/sans"
mkdir -p "$XDG_DATA_HOME/vorlinde"
{
  echo "parties 1"
  for n in $(seq 10000); do echo "$((1765000000 + n * 600)) numerotee $n 0 0 95 4758 1234,5123,4758"; done
} >"$XDG_DATA_HOME/vorlinde/parties-jouees.txt"
mkdir -p "$travail/avec/vorlinde/en-cours"
for n in 1 2 3; do
  printf '\x01\x12\x34\x01\x56\x78\x11\x11\x11\x11' >"$travail/avec/vorlinde/en-cours/partie-$n.prt"
done
# And 2,000 of them: the window that offers them must come as soon.
mkdir -p "$travail/beaucoup/vorlinde/en-cours"
for n in $(seq 2000); do
  printf '\x01\x12\x34\x01\x56\x78\x11\x11\x11\x11' >"$travail/beaucoup/vorlinde/en-cours/partie-$n.prt"
done
titre=$("$build/app/vorlinde" --version)
attendre="$(realpath "$build/bench/attendre_fenetre")"
cd "$travail"
# One start of each first, so that both run with warm caches and an existing profile.
"$attendre" "$titre" 100 ./vorlinde >/dev/null
XDG_DATA_HOME="$travail/avec" "$attendre" "$titre" 100 ./vorlinde >/dev/null
"$attendre" "Temoin 1.0" 100 ./temoin >/dev/null
# Each start of the game comes after one of the bare window, as a start
# after a program that was killed with a box open is slowed by the display's
# clean-up of it.
for i in $(seq "$runs"); do
  "$attendre" "$titre" 300 ./vorlinde >>vorlinde.txt
  "$attendre" "Temoin 1.0" 300 ./temoin >>temoin.txt
  XDG_DATA_HOME="$travail/avec" "$attendre" "$titre" 300 ./vorlinde >>vorlinde-parties.txt
  "$attendre" "Temoin 1.0" 300 ./temoin >>temoin.txt
  XDG_DATA_HOME="$travail/beaucoup" "$attendre" "$titre" 300 ./vorlinde >>vorlinde-2000.txt
  "$attendre" "Temoin 1.0" 300 ./temoin >>temoin.txt
  # Until the games are offered: 3, then 2,000.
  XDG_DATA_HOME="$travail/avec" "$attendre" "Parties interrompues" 100 ./vorlinde >>offre-3.txt
  XDG_DATA_HOME="$travail/beaucoup" "$attendre" "Parties interrompues" 100 ./vorlinde >>offre-2000.txt
done
cd - >/dev/null

mediane() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
dv=$(cut -d' ' -f1 "$travail/vorlinde.txt" | mediane); dt=$(cut -d' ' -f1 "$travail/temoin.txt" | mediane)
mv=$(cut -d' ' -f2 "$travail/vorlinde.txt" | mediane); mt=$(cut -d' ' -f2 "$travail/temoin.txt" | mediane)
dp=$(cut -d' ' -f1 "$travail/vorlinde-parties.txt" | mediane); mp=$(cut -d' ' -f2 "$travail/vorlinde-parties.txt" | mediane)
d2=$(cut -d' ' -f1 "$travail/vorlinde-2000.txt" | mediane)
o3=$(cut -d' ' -f1 "$travail/offre-3.txt" | mediane); o2=$(cut -d' ' -f1 "$travail/offre-2000.txt" | mediane)

echo
echo "Start-up and memory, median of $runs alternated runs each (Xvfb):"
printf '%-28s %12s %12s %8s %8s\n' figure Vorlinde baseline ratio target
printf '%-28s %10.1f ms %10.1f ms %8.2f %8s\n' "start-up to window mapped" "$dv" "$dt" "$(awk "BEGIN{print $dv/$dt}")" "<= 1.05"
echo "  (with 10,000 games played kept, as in each start below)"
printf '%-28s %9d kB %9d kB %8.2f %8s\n' "peak resident memory" "$mv" "$mt" "$(awk "BEGIN{print $mv/$mt}")" "<= 1.05"
printf '%-28s %10.1f ms %10.1f ms %8.2f %8s\n' "  with 3 games to offer" "$dp" "$dt" "$(awk "BEGIN{print $dp/$dt}")" "<= 1.05"
printf '%-28s %9d kB %9d kB %8.2f %8s\n' "  peak memory, box open" "$mp" "$mt" "$(awk "BEGIN{print $mp/$mt}")" ""
printf '%-28s %10.1f ms %10.1f ms %8.2f %8s\n' "  with 2,000 games to offer" "$d2" "$dt" "$(awk "BEGIN{print $d2/$dt}")" "<= 1.10"
printf '%-28s %10.1f ms %10.1f ms %8.2f %8s\n' "games offered: 2,000 vs 3" "$o2" "$o3" "$(awk "BEGIN{print $o2/$o3}")" ""

echo
echo "Many games left (20,000), against a start with none:"
bash scripts/bench-parties.sh "$build/app/vorlinde" "$travail"

echo
echo "Handlers in process (offscreen), median of 10 repetitions, against their floor:"
"$build/bench/mesure_gestionnaires" --benchmark_repetitions=10 --benchmark_min_time=0.2 \
  --benchmark_format=json --benchmark_out="$travail/gestionnaires.json" >/dev/null 2>&1
python3 - "$travail/gestionnaires.json" <<'PY'
import json, sys
res = {b["run_name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
       if b.get("aggregate_name") == "median"}
unit = 1e3  # ns to us
print(f'{"handler":28} {"time":>12} {"floor":>12} {"ratio":>8} {"target":>8}')
print(f'{"ScoreCoup":28} {res["BM_ScoreCoup"]:10.4f} ns')
for nom, cle in [("CmdOK_Click (a move)", "BM_CmdOK_Click"), ("load a 100-move game", "BM_Chargement100Coups"),
                 ("loading a profile (repaint)", "BM_RafraichirCouleurs")]:
    t, p = res[cle], res[cle + "_Plancher"]
    print(f'{nom:28} {t/unit:9.1f} us {p/unit:9.1f} us {t/p:8.2f} {"<= 1.5":>8}   ({t/16.67e6*100:.1f}% of a 60 Hz frame)')
runs = json.load(open(sys.argv[1]))["benchmarks"]
durable = {b["aggregate_name"]: b for b in runs
           if b["run_name"].startswith("BM_CmdOK_Click_Durable") and b.get("run_type") == "aggregate"}
t, p = durable["median"]["real_time"], res["BM_CmdOK_Click_Plancher"]
print(f'{"a move, kept on disk":28} {t/unit:9.1f} us {p/unit:9.1f} us {t/p:8.2f}'
      f'   worst of {sum(b["iterations"] for b in runs if b["run_name"].startswith("BM_CmdOK_Click_Durable") and b.get("run_type") == "iteration")}'
      f' moves {durable["max"]["pire_ms"]:.2f} ms (target < 16 ms, one frame)')
PY

echo
echo "The solver: guesses to find each of the 1680 codes, following the hints from the first guess:"
"$build/bench/mesure_solveur" --table
echo
echo "Hints on one core: every position of the games below, for all 1680 codes:"
taskset -c 0 "$build/bench/mesure_solveur" --pire-indice
echo
echo "The solver on one core, median of 10 repetitions, against its floor (every pair of codes scored once):"
taskset -c 0 "$build/bench/mesure_solveur" --benchmark_repetitions=10 --benchmark_min_time=0.2 \
  --benchmark_format=json --benchmark_out="$travail/solveur.json" >/dev/null 2>&1
python3 - "$travail/solveur.json" <<'PY'
import json, sys
res = {b["run_name"]: b["real_time"] * {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[b["time_unit"]]
       for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
plancher = res["BM_Plancher"]
print(f'{"figure":44} {"time":>10} {"ratio to floor":>15} {"target":>10}')
print(f'{"floor: 1680 x 1680 scores":44} {plancher:7.2f} ms')
for nom, cle, cible in [("analysis of a 100-move game", "BM_Analyse100Coups", "<= 100 ms"),
                        ("the stored strategy counted for 1680 codes", "BM_Table1680Parties", "a few s")]:
    print(f'{nom:44} {res[cle]:7.2f} ms {res[cle] / plancher:15.2f} {cible:>10}')
PY
