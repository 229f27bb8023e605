# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
"""Plays a whole game to a win by ear: keys through xdotool, each decision
taken from what Orca said (written down, one utterance a line, in the file
given as the argument), never from the screen or the accessibility bus."""
import itertools
import re
import subprocess
import sys
import time

PAROLE = sys.argv[1]
lues = 0


def echouer(message):
    print("FAIL: " + message)
    sys.exit(1)


def entendre(motif, secondes=10, obligatoire=True):
    """Waits until Orca says something matching `motif` and returns its match;
    what was said before it is passed by, what comes after it stays to hear.
    Unless `obligatoire`, gives None when nothing matched in time."""
    global lues
    lignes = []
    fin = time.monotonic() + secondes
    while time.monotonic() < fin:
        with open(PAROLE, encoding="utf-8") as journal:
            lignes = journal.read().splitlines()
        for i in range(lues, len(lignes)):
            trouve = re.search(motif, lignes[i])
            if trouve:
                lues = i + 1
                return trouve
        time.sleep(0.05)
    if not obligatoire:
        return None
    echouer("Orca did not say %r; it said: %s" % (motif, lignes[lues:]))


def menu_partie(touche, motif):
    """Opens an item of the « Partie » menu and returns the match of what Orca
    says of the window it opens. Keys sent while the focus is still moving
    may open nothing: the menu is closed and tried again, three times."""
    for _ in range(3):
        taper("alt+p")
        taper(touche)
        dit = entendre(motif, 5, obligatoire=False)
        if dit:
            return dit
        taper("Escape")
        taper("Escape")
    echouer("Orca did not say %r after three tries at the menu" % motif)


def sans_redite():
    """Fails if Orca said the same thing twice in a row (as when a message
    comes both with the focus and as an announcement)."""
    with open(PAROLE, encoding="utf-8") as journal:
        lignes = [ligne.strip().rstrip(".").strip() for ligne in journal]
    for avant, apres in zip(lignes, lignes[1:]):
        if avant and avant == apres:
            echouer("Orca said %r twice in a row" % avant)


def taper(touche):
    subprocess.run(["xdotool", "key", touche], check=True)


def score(code, essai):
    bien = sum(a == b for a, b in zip(code, essai))
    return bien, len(set(code) & set(essai)) - bien


def main():
    # The focus starts on the first code cell.
    entendre(r"^Case 1 : vide bouton")
    possibles = list(itertools.permutations(range(1, 9), 4))
    essais_joues = []
    for coup in range(1, 11):
        essai = possibles[0]
        essais_joues.append(essai)
        if coup > 1:
            # Back to the first cell: each Left says the cell it reaches.
            for _ in range(3):
                taper("Left")
                case = int(entendre(r"^Case (\d) : ").group(1))
                if case == 1:
                    break
            if case != 1:
                echouer("Left did not reach the first cell")
        for k, couleur in enumerate(essai, start=1):
            # The main-row digits: Orca's desktop layout keeps the keypad.
            taper(str(couleur))
            entendre(r"Case %d : couleur %d\b" % (k, couleur))
        taper("Return")
        dit = entendre(r"^Coup (\d+) : (\d) bien placé\(s\), (\d) mal placé\(s\)$|Bravo ! Vous avez gagné ! "
                       r"Au bout de (\d+) coup\(s\)\.")
        if dit.group(4):
            if int(dit.group(4)) != coup:
                echouer("the end box counts %s moves, not %d" % (dit.group(4), coup))
            taper("Return")  # closes the box, its OK button has the focus
            entendre(r"^Coup %d : 4 bien placé\(s\), 0 mal placé\(s\)$" % coup)
            print("move %d: %s, won, heard by ear" % (coup, "".join(map(str, essai))))
            # The analysis: Orca reads the window as it opens, then each move
            # whole from Tab to Tab, and the solver's count for this code.
            menu_partie("a", r"^Analyse de la partie boîte de dialogue .*Coup 1 : %s ; .* ; codes possibles 1680 → \d+ ; "
                     r"ce coup était possible ; "
                     r"le solveur aurait joué 1234" % "".join(map(str, essais_joues[0])))
            for k in range(2, coup + 1):
                taper("Tab")
                entendre(r"^Coup %d : %s ; " % (k, "".join(map(str, essais_joues[k - 1]))))
            taper("Tab")
            entendre(r"^Bilan : %d coup\(s\) joué\(s\), partie gagnée ; le solveur trouve ce code en [1-6] "
                     r"coup\(s\)\." % coup)
            taper("Escape")
            taper("F2")
            entendre(r"Nouvelle partie")
            taper("ctrl+i")
            # A hint is said with the code it composed.
            entendre(r"Indice : [1-8], [1-8], [1-8], [1-8] ; 1680 codes sont encore possibles")
            # The record: the window says its figures, and each bar of the chart is read.
            menu_partie("s", r"Statistiques")
            taper("Tab")
            premiere = entendre(r"^1 coup : ([01]) partie")
            if coup > 1:
                for _ in range(coup - 1):
                    taper("Tab")
                entendre(r"^%d coups : 1 partie" % coup)
            elif premiere.group(1) != "1":
                echouer("the chart does not count the win at the first guess")
            taper("Escape")
            sans_redite()
            return
        numero, bien, mal = (int(x) for x in dit.group(1, 2, 3))
        if numero != coup:
            echouer("Orca speaks of move %d, not %d" % (numero, coup))
        print("move %d: %s -> %d well placed, %d misplaced, heard by ear" % (coup, "".join(map(str, essai)), bien, mal))
        possibles = [c for c in possibles if score(c, essai) == (bien, mal)]
    echouer("no win after 10 moves")


main()
