#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# A whole game won by ear with Orca, the screen reader, in French: the real
# program under a window manager, on a private session bus with the
# accessibility bus, Orca with a throwaway home whose customizations write
# down every utterance. orca_partie.py plays with the keyboard alone and
# takes each decision from what Orca said.
VERROU_EXCLUSIF=1
source "$(dirname "$0")/commun.sh"
for outil in orca openbox dbus-daemon /usr/libexec/at-spi-bus-launcher; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil is not installed"; exit 77; }
done

# A laptop's low screen, when the run names one: the board for landscape
# screens, which must read the same.
if [ -n "${VORLINDE_E2E_ECRAN:-}" ]; then
  arreter_xvfb
  demarrer_xvfb "$TRAVAIL" "$VORLINDE_E2E_ECRAN" || echouer "Xvfb did not start"
fi

maison="$TRAVAIL/maison"
mkdir -p "$maison/.local/share/orca"
export HOME="$maison" XDG_DATA_HOME="$maison/.local/share" XDG_CACHE_HOME="$maison/.cache"
PAROLE="$TRAVAIL/parole.log"
: >"$PAROLE"
# Orca calls _speak for every utterance, whether or not a synthesiser answers.
cat >"$maison/.local/share/orca/orca-customizations.py" <<PY
import orca.speech
_parler = orca.speech._speak
def _noter(text, acss, interrupt):
    with open("$PAROLE", "a", encoding="utf-8") as journal:
        journal.write(text + "\n")
    return _parler(text, acss, interrupt)
orca.speech._speak = _noter
# Each printable key echoed, so that the game knows when Orca has caught up
# with what it typed (Orca 43 and 48 name the echo and the key's text apart).
def _frappe(echo):
    def ecrire(event, *args, **kwargs):
        texte = getattr(event, "event_string", None) or getattr(event, "_text", None) or ""
        if len(texte) == 1 and texte.isprintable():
            with open("$TRAVAIL/frappe.log", "a", encoding="utf-8") as journal:
                journal.write(texte + "\n")
        return echo(event, *args, **kwargs)
    return ecrire
for _nom in ("speakKeyEvent", "speak_key_event"):
    if hasattr(orca.speech, _nom):
        setattr(orca.speech, _nom, _frappe(getattr(orca.speech, _nom)))
PY

bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 <<<"$bus")
A_ARRETER+=("$(tail -n1 <<<"$bus")")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
openbox >/dev/null 2>&1 &
A_ARRETER+=("$!")
# Orca ends every other Orca of its user as it starts (--replace), and will
# not start beside one: in a process namespace of its own it sees only
# itself, so that two runs side by side (CI's two releases) never meet.
isoler=()
if unshare --pid --fork --mount-proc --kill-child true 2>/dev/null; then
  isoler=(unshare --pid --fork --mount-proc --kill-child)
fi
# Orca in French: its own words ("bouton") and the game's. VORLINDE_ORCA_TRACE=1
# keeps Orca's own trace of the events it took and dropped.
trace=()
[ -z "${VORLINDE_ORCA_TRACE:-}" ] || trace=(--debug-file "$TRAVAIL/orca-trace.out")
LANGUAGE=fr "${isoler[@]}" orca --replace "${trace[@]}" >"$TRAVAIL/orca.log" 2>&1 &
A_ARRETER+=("$!")
for _ in $(seq 150); do grep -q . "$PAROLE" && break; sleep 0.1; done
grep -q . "$PAROLE" || { cat "$TRAVAIL/orca.log"; echouer "Orca said nothing at start"; }

# On the usual screen, a game left by an ended window: the window that
# offers it is heard first, its list and its buttons, and put off.
if [ -z "${VORLINDE_E2E_ECRAN:-}" ] && [ -z "${VORLINDE_NOUVELLES:-}" ]; then
  mkdir -p "$XDG_DATA_HOME/vorlinde/en-cours"
  printf '\x01\x12\x34\x02\x56\x78\x43\x21\x11\x11\x11\x11' >"$XDG_DATA_HOME/vorlinde/en-cours/partie-20250101-120000-1.prt"
  touch -d '2025-01-01 12:00' "$XDG_DATA_HOME/vorlinde/en-cours/partie-20250101-120000-1.prt"
  export VORLINDE_REPRISE=1
fi
lancer
if [ -n "${VORLINDE_REPRISE:-}" ]; then
  reprise=$(attendre_fenetre '^Parties interrompues$')
  xdotool windowactivate --sync "$reprise" 2>/dev/null || xdotool windowfocus --sync "$reprise"
else
  xdotool windowactivate --sync "$FENETRE" 2>/dev/null || xdotool windowfocus --sync "$FENETRE"
fi
if [ -n "${VORLINDE_E2E_ECRAN:-}" ]; then
  eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
  [ "$WIDTH" -gt "$HEIGHT" ] || echouer "on a ${VORLINDE_E2E_ECRAN%x*} screen the board is ${WIDTH}x${HEIGHT}, not the landscape one"
fi
/usr/bin/python3 "$(dirname "$0")/orca_partie.py" "$PAROLE" || {
  echo "--- what Orca said"; cat "$PAROLE"
  cp "$TRAVAIL/orca-trace.out" "$ARTEFACTS/echec-orca-trace.out" 2>/dev/null || true
  echouer "the game by ear with Orca"
}
cp "$PAROLE" "$ARTEFACTS/orca-parole.log"
cp "$TRAVAIL/orca-trace.out" "$ARTEFACTS/orca-trace.out" 2>/dev/null || true
echo "PASS: a whole game won by ear with Orca"
