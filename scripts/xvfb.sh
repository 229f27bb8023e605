# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Sourced by the real-window tests, the package test and the benchmarks: a
# private X server on a display that the server chooses itself, so that runs
# side by side never meet.

# demarrer_xvfb FOLDER [SCREEN]: starts Xvfb, keeping its files in FOLDER;
# sets DISPLAY and XVFB_PID. Fails when the server does not come up.
demarrer_xvfb() {
  local dossier=$1 ecran=${2:-640x720x24} fd
  exec {fd}> "$dossier/display"
  Xvfb -displayfd "$fd" -screen 0 "$ecran" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  exec {fd}>&-
  # A busy machine may take its time to start a server: up to a minute.
  for _ in $(seq 600); do [ -s "$dossier/display" ] && break; sleep 0.1; done
  [ -s "$dossier/display" ] || return 1
  export DISPLAY=":$(head -n1 "$dossier/display")"
}

# arreter_xvfb: stops the server started above and waits for it to end.
arreter_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}
