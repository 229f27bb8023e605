# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
"""Plays a whole game to a win by ear: keys through xdotool, each decision
taken from what Orca said (written down, one utterance a line, in the file
given as the argument), never from the screen or the accessibility bus."""
import itertools
import os
import re
import subprocess
import sys
import time

PAROLE = sys.argv[1]
# The printable keys Orca has echoed, one a line (written beside PAROLE).
FRAPPE = os.path.join(os.path.dirname(os.path.abspath(PAROLE)), "frappe.log")
lues = 0
# What each wait heard, and the keys sent, in order: the way to a failure.
suivi = []
# What Orca says of the board's focus as the window comes back: a cell, or
# after a game's end on Qt 6.4, the first colour.
PLATEAU = r"^(Case|Couleur) \d"


def echouer(message):
    print("\n".join(suivi[-12:]))
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
                suivi.append("  heard at line %d: %s" % (i + 1, lignes[i]))
                return trouve
        time.sleep(0.05)
    if not obligatoire:
        return None
    echouer("Orca did not say %r; it said: %s" % (motif, lignes[lues:]))


def ouvrir_menu(menu, premier, element=None, motif=None):
    """Opens a menu by its Alt key and waits until Orca says its first item
    `premier`, as a player does before choosing: the accessibility bridge
    holds each key until Orca has heard it, and a key sent before the menu is
    open would go to the board. Then sends `element` and returns the match of
    `motif`, what Orca says of the window it opens (without `element`, the
    match of `premier`). A key may never reach the program: the menu or the
    window, if it did open, is closed, the board heard again when it had been
    left, and the keys sent again, three times."""
    for _ in range(3):
        taper(menu)
        dit = entendre(r"^%s(?: Ctrl\+\w)?\.?$" % premier, 10, obligatoire=False)
        if dit and element:
            taper(element)
            # A busy machine's Orca may take many seconds to speak a window.
            dit = entendre(motif, 20, obligatoire=False)
        if dit:
            return dit
        taper("Escape")
        taper("Escape")
        # Only a menu or a window that did open gives the board back, and
        # Orca says its focus: what was said of them is then passed by.
        entendre(PLATEAU, 5, obligatoire=False)
    echouer("Orca did not say %r after three tries at %s" % (motif or premier, menu))


def menu_partie(touche, motif):
    """Opens an item of the « Partie » menu and returns the match of what Orca
    says of the window it opens."""
    return ouvrir_menu("alt+p", "Indice", touche, motif)


def sans_redite():
    """Fails if Orca said the same thing twice in a row (as when a message
    comes both with the focus and as an announcement). A window's own name
    is Orca's to say: Orca 48 may say a dialog again when the focus enters it."""
    with open(PAROLE, encoding="utf-8") as journal:
        lignes = [ligne.strip().rstrip(".").strip() for ligne in journal]
    for avant, apres in zip(lignes, lignes[1:]):
        if avant and avant == apres and not avant.endswith("boîte de dialogue"):
            echouer("Orca said %r twice in a row" % avant)


def compter(motif):
    """How many times Orca said something matching `motif`, so far."""
    with open(PAROLE, encoding="utf-8") as journal:
        return sum(1 for ligne in journal if re.search(motif, ligne))


def aller_a(motif, touche="Tab", fois=16):
    """Presses `touche` until Orca says something matching `motif`."""
    for _ in range(fois):
        taper(touche)
        dit = entendre(motif, 2, obligatoire=False)
        if dit:
            return dit
    # A busy machine may say it after the last press has long been sent.
    dit = entendre(motif, 15, obligatoire=False)
    if dit:
        return dit
    echouer("%s never reached %r" % (touche, motif))


def saisir(texte):
    """Types `texte` fast, then waits until Orca has echoed each key. A
    loaded machine's Orca may fall seconds behind the keys; when it takes
    them up after a dialog closed, it moves its focus silently to where the
    board's focus already is, and the focus change that carries the board's
    message then reads as no change. A player hears the echo first."""
    def echos():
        try:
            with open(FRAPPE, encoding="utf-8") as journal:
                return sum(1 for _ in journal)
        except FileNotFoundError:
            return 0
    avant = echos()
    subprocess.run(["xdotool", "type", "--delay", "15", texte], check=True)
    fin = time.monotonic() + 20
    while echos() - avant < len(texte) and time.monotonic() < fin:
        time.sleep(0.05)
    suivi.append("typed %r, %d keys echoed" % (texte, echos() - avant))


def choisir_fichier(raccourci, chemin, issue):
    """Opens a file dialog by its shortcut, hears the folder it opens in, types
    `chemin` fast and confirms it as soon as Orca has echoed it, then hears
    `issue` once the dialog has closed."""
    taper(raccourci)
    entendre(r"Dossier : /")
    taper("ctrl+a")
    saisir(chemin)
    taper("Return")
    # Said once the board is active again, which a busy machine's Orca may
    # take seconds to follow.
    entendre(issue, 20)


def au_clavier():
    """The rest of the program by keys and by ear: the colour editor, the file
    dialogs, the history's scroll bar, the hint and the menus."""
    # The editor: Tab enters the row of swatches, each says its colour's name.
    taper("ctrl+c")
    entendre(r"^Sélectionner la couleur à modifier")
    noms = ["vert", "bleu", "rouge", "jaune", "magenta", "noir", "cyan", "blanc"]
    dit = aller_a(r"^Couleur 1 : ([^.]+?) bouton")
    entendus = [dit.group(1)]
    for k in range(2, 9):
        taper("Right")
        entendus.append(entendre(r"^Couleur %d : ([^.]+?) bouton" % k).group(1))
    if entendus != noms:
        echouer("the swatches are named %s, not %s" % (entendus, noms))
    for k in range(7, 2, -1):
        taper("Left")
        entendre(r"^Couleur %d : " % k)
    # Return opens the chooser; its HTML field takes a colour typed in.
    # Each key that does not reach the wanted control costs a wait: the
    # shorter way round.
    taper("Return")
    aller_a(r"HTML", "shift+Tab")
    taper("ctrl+a")
    saisir("#000080")
    taper("Return")
    entendre(r"^Couleur 3 : bleu marine bouton")
    aller_a(r"^OK bouton", "shift+Tab")
    taper("Return")
    entendre(r"^Case \d : ")

    # Save and load, the name typed fast and confirmed at once.
    dossier = os.path.dirname(os.path.abspath(PAROLE))
    sauvee = os.path.join(dossier, "au-clavier.prt")
    choisir_fichier("ctrl+s", sauvee, r"Partie enregistrée")
    if not os.path.isfile(sauvee):
        echouer("« Partie enregistrée » was said, but no file was written")
    # A game of 14 moves: the history shows 10 of them at a time.
    longue = os.path.join(dossier, "quatorze-coups.prt")
    coups = ["5678", "5687", "5768", "5786", "5867", "5876", "5123", "5132", "5213", "5231", "5312", "5321",
             "5412", "5421"]
    octets = [1, 0x12, 0x34, len(coups)]
    for c in coups:
        octets += [int(c[0]) * 16 + int(c[1]), int(c[2]) * 16 + int(c[3])]
    with open(longue, "wb") as fichier:
        fichier.write(bytes(octets + [0x11] * 4))
    choisir_fichier("ctrl+o", longue, r"Partie chargée")

    # The scroll bar says the moves it then shows, at each key. It comes
    # just before the first cell, which Home reaches (silently where the
    # focus is there already: the keys are taken in order all the same).
    taper("Home")
    aller_a(r"^Historique : coups 1 à 10", "shift+Tab")
    for touche, vus in (("Down", "2 à 11"), ("Next", "3 à 12"), ("End", "5 à 14"), ("Home", "1 à 10")):
        taper(touche)
        entendre(r"Historique : coups %s\b" % vus)

    taper("ctrl+i")
    entendre(r"^Indice : [1-8], [1-8], [1-8], [1-8] ; \d+ codes? ")

    # F10 opens the first menu; each item says its shortcut, the check item
    # its state.
    taper("F10")
    entendre(r"^Fichier")
    for raccourci, element in (("F2", "Nouveau"), ("Ctrl+S", "Sauvegarger")):
        taper("Down")
        dit = entendre(r"^%s(?: (%s))?\.?$" % (element, re.escape(raccourci)))
        if dit.group(1) is None:
            # Orca 48 says the shortcut on its own, just after the item.
            entendre(r"^%s\.?$" % re.escape(raccourci))
    aller_a(r"^Case \d : ", "Escape", 4)
    # Alt+A opens « Affichage » on its first item.
    ouvrir_menu("alt+a", "Choix des couleurs")
    # « non coché » from the program (Qt 6.4), « non cochée » from Orca
    # (from Qt 6.8): once either way.
    etat = aller_a(r"^Numéros des couleurs,? non coché", "Down", 6).string
    if etat.count("coché") != 1:
        echouer("the check item's state was said %r" % etat)
    taper("Escape")
    taper("Escape")


def taper(touche):
    suivi.append("key " + touche)
    if touche.startswith("alt+"):
        # Alt held as a hand holds it. The accessibility bridge gives the
        # program each key only once Orca has heard it, but a mnemonic acts
        # at once: an Alt sent with its letter may reach the menu bar after
        # the menu opened, as Alt tapped alone, which closes the menu.
        subprocess.run(["xdotool", "keydown", "alt", "sleep", "0.2", "key", touche[4:], "keyup", "alt"],
                       check=True)
    else:
        subprocess.run(["xdotool", "key", touche], check=True)


def score(code, essai):
    bien = sum(a == b for a, b in zip(code, essai))
    return bien, len(set(code) & set(essai)) - bien


def reprise():
    """The window of the games left: its title, the game with its date, its
    moves and its last move, then each button; « Plus tard » by Escape."""
    entendre(r"Parties interrompues boîte de dialogue")
    entendre(r"Le 01/01/2025 à 12:00 : 2 coups, dernier coup : couleurs 4, 3, 2, 1")
    for bouton in ("Reprendre", "Supprimer", "Tout supprimer", "Plus tard"):
        aller_a(r"^%s bouton" % bouton, fois=6)
    taper("Escape")
    entendre(r"Parties interrompues laissées pour plus tard")


def composer(code):
    """Types a code's colours from the cursor's cell, each heard in its cell."""
    for k, couleur in enumerate(code, start=1):
        taper(couleur)
        entendre(r"Case %d : couleur %s\b" % (k, couleur))


def fermer_boite():
    """Closes a message box by its OK button and waits until Orca says the
    board's focus: a key sent before the desktop gives the window back
    reaches no window. Orca 48 may say nothing of the board until a key
    moves it: the wait is bounded, and the next menu's tries cover it."""
    taper("Return")
    entendre(PLATEAU, 10, obligatoire=False)


def nouvelles():
    """The menu's new games by ear: a numbered game (4242 hides 4758), the
    check of a code, the shared text, hard mode's refusal in the day's code,
    two players, whose code is never said, and the games played."""
    entendre(r"^Case 1 : vide bouton")
    menu_partie("n", r"^Partie numérotée boîte de dialogue")
    # Orca 48 may say the window before it follows the focus into it: Tab
    # brings the field's name back.
    if not entendre(r"^Numéro de la partie : ", 5, obligatoire=False):
        aller_a(r"^Numéro de la partie : ", fois=4)
    taper("ctrl+a")
    saisir("4242")
    taper("Return")
    entendre(r"Partie numéro 4242")
    composer("1234")
    taper("Return")
    entendre(r"^Coup 1 : 0 bien placé\(s\), 1 mal placé\(s\)$")
    menu_partie("v", r"Ce code ne peut pas être le bon : avec lui, le coup 1 aurait donné 4 bien placé\(s\) et "
                     r"0 mal placé\(s\), et non 0 et 1\.")
    taper("Return")
    # The board has the focus back before Home can reach it.
    entendre(r"^Case 4 : couleur 4 bouton")
    taper("Home")
    entendre(r"^Case 1 : ")
    composer("4758")
    menu_partie("v", r"Ce code est encore possible, comme \d+ autres\.")
    fermer_boite()
    menu_partie("p", r"Partie copiée dans le presse-papiers")
    # Hard mode, ticked once a move is played: it starts with the next game,
    # the day's code, where a guess the first move rules out is refused.
    menu_partie("m", r"le mode difficile commencera avec la prochaine")
    fermer_boite()
    # A new game: the cursor is on the first cell.
    menu_partie("j", r"Code du jour du \d\d/\d\d/\d{4}")
    composer("1234")
    taper("Return")
    dit = entendre(r"^Coup 1 : (\d) bien placé\(s\), (\d) mal placé\(s\)$")
    premier = (int(dit.group(1)), int(dit.group(2)))
    exclu = next("".join(map(str, c)) for c in itertools.permutations(range(1, 9), 4)
                 if "".join(map(str, c)) != "1234" and score("".join(map(str, c)), "1234") != premier)
    avec_lui = score(exclu, "1234")
    taper("Home")
    entendre(r"^Case 1 : ")
    composer(exclu)
    taper("Return")
    entendre(r"Ce code ne peut pas être le bon : avec lui, le coup 1 aurait donné %d bien placé\(s\) et "
             r"%d mal placé\(s\), et non %d et %d\." % (avec_lui + premier), 20)
    fermer_boite()
    # What Orca says after the first player's prompt must never give the
    # code away; what it said before (the board it comes late to, under
    # load) belongs to the game before.
    menu_partie("d", r"Joueur 1 : composez le code caché")
    global lues
    debut = lues
    for couleur in "5678":
        taper(couleur)
    taper("Return")
    entendre(r"^Code composé")
    with open(PAROLE, encoding="utf-8") as journal:
        dits = journal.read().splitlines()[debut:lues]
    # A cell said with the code's colour in it gives the code away. As the
    # window comes back Orca 48 may say the cell it had left, still holding
    # the game before (« Case 4 : couleur 5 »), before the new game shows.
    fuite = "|".join([r"Case %d : couleur %s\b" % (k, c) for k, c in enumerate("5678", start=1)] +
                     [r"[5-8], [5-8]", "5678"])
    if any(re.search(fuite, ligne) for ligne in dits):
        echouer("the first player's code was said: %s" % dits)
    # A new game: the cursor is on the first cell.
    composer("5678")
    taper("Return")
    entendre(r"Bravo ! Vous avez gagné ! Au bout de 1 coup\(s\)\.")
    fermer_boite()
    # The games played, newest first: the game of two players, then the
    # day's code, left after one move.
    menu_partie("o", r"^Parties jouées boîte de dialogue")
    entendre(r"Partie à deux\W+gagnée en 1 coup", 20)
    taper("Down")
    entendre(r"Code du jour du \d\d/\d\d/\d{4}\W+abandonnée après 1 coup")
    taper("Escape")
    entendre(r"^Case \d : ")
    sans_redite()


def main():
    if os.environ.get("VORLINDE_NOUVELLES"):
        nouvelles()
        return
    if os.environ.get("VORLINDE_REPRISE"):
        reprise()
    else:
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
            # The analysis: Orca says the window, then each move whole, once,
            # from Tab to Tab, and the solver's count for this code.
            menu_partie("a", r"^Analyse de la partie boîte de dialogue")
            premier = r"^Coup 1 : %s ; .* ; codes possibles 1680 → \d+ ; ce coup était possible ; " \
                      r"le solveur aurait joué 1234" % "".join(map(str, essais_joues[0]))
            entendre(premier)
            # Above the first move, the game's number and its time.
            taper("shift+Tab")
            entendre(r"^Partie n° \d+.*temps : (\d+ min )?\d+ s")
            taper("Tab")
            entendre(premier)
            for k in range(2, coup + 1):
                taper("Tab")
                entendre(r"^Coup %d : %s ; " % (k, "".join(map(str, essais_joues[k - 1]))))
            taper("Tab")
            entendre(r"^Bilan : %d coup\(s\) joué\(s\), partie gagnée ; le solveur trouve ce code en [1-6] "
                     r"coup\(s\)\." % coup)
            taper("Escape")
            # A key sent before the desktop gives the board its focus back
            # reaches no window: a player hears the board first.
            entendre(r"^Case \d : ")
            taper("F2")
            entendre(r"Nouvelle partie")
            taper("ctrl+i")
            # A hint is said with the code it composed.
            entendre(r"Indice : [1-8], [1-8], [1-8], [1-8] ; 1680 codes sont encore possibles")
            # The record: each figure on its own, in the order of the columns,
            # then each bar of the chart.
            menu_partie("s", r"Statistiques")
            for figure in ("Parties jouées : 1", "Parties gagnées : 1", "Parties perdues : 0",
                           "Parties abandonnées : 0", "Parties gagnées avec un indice : 0", "Série en cours : 1",
                           "Meilleure série : 1", "Coups en moyenne : ", "Meilleure partie : %d coup" % coup,
                           "Jours joués (code du jour) : 0", "Série de jours en cours : 0",
                           "Meilleure série de jours : 0", "Parties gagnées en mode difficile : 0"):
                taper("Tab")
                entendre("^" + re.escape(figure))
            # The game's time, the only one: the best and the average.
            for figure in ("Meilleur temps", "Temps moyen"):
                taper("Tab")
                entendre(r"^%s : (\d+ min )?\d+ s" % figure)
            taper("Tab")
            premiere = entendre(r"^1 coup : ([01]) partie")
            if coup > 1:
                for _ in range(coup - 1):
                    taper("Tab")
                entendre(r"^%d coups : 1 partie" % coup)
            elif premiere.group(1) != "1":
                echouer("the chart does not count the win at the first guess")
            taper("Escape")
            entendre(r"^Case \d : ")
            au_clavier()
            sans_redite()
            # Once as the window opens, once back from the game's number.
            if compter(premier) != 2:
                echouer("the analysis did not read its first move once each time it had the focus")
            return
        numero, bien, mal = (int(x) for x in dit.group(1, 2, 3))
        if numero != coup:
            echouer("Orca speaks of move %d, not %d" % (numero, coup))
        print("move %d: %s -> %d well placed, %d misplaced, heard by ear" % (coup, "".join(map(str, essai)), bien, mal))
        possibles = [c for c in possibles if score(c, essai) == (bien, mal)]
    echouer("no win after 10 moves")


main()
