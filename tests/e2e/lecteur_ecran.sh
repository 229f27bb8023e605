#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# A whole game over the accessibility bus, as a screen reader plays it: the
# real program on a private X server and a private session bus, driven and
# read by lecteur_ecran.py through AT-SPI alone.
source "$(dirname "$0")/commun.sh"
for outil in openbox dbus-daemon /usr/libexec/at-spi-bus-launcher; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null \
  || { echo "SKIP: python3 with the AT-SPI bindings is not installed"; exit 77; }

# A session bus of our own; the accessibility bus is started on it when asked for.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 <<<"$bus")
A_ARRETER+=("$(tail -n1 <<<"$bus")")
# A window manager gives the focus back to the board when a window closes,
# as on a desktop.
openbox >/dev/null 2>&1 &
A_ARRETER+=("$!")
# Qt speaks to the accessibility bus whether or not a screen reader runs.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

/usr/bin/python3 "$(dirname "$0")/lecteur_ecran.py" "$TRAVAIL/pret" &
lecteur=$!
for _ in $(seq 100); do [ -e "$TRAVAIL/pret" ] && break; sleep 0.1; done
[ -e "$TRAVAIL/pret" ] || echouer "the AT-SPI client did not start"
lancer
wait "$lecteur" || echouer "the game over the accessibility bus"
capture
cp "$TRAVAIL/ecran.png" "$ARTEFACTS/lecteur-ecran.png"
echo "PASS: a whole game won over the accessibility bus, with actions and then keys; the rules on F1"
