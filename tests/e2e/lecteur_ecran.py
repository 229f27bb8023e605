# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Plays a whole game of the running program as a screen reader would, over
# the accessibility bus alone: the board is found by its accessible names,
# the first moves are played with the "press" actions of the code cells, the
# swatches and "Valider le code", the next ones with keys, and every result
# is read from the announcements the program sends. Each guess is the first
# code that agrees with every result so far, so the game is won in a few
# moves. Prints the game; exits 1 at the first thing that is not as it must be.
import itertools
import pathlib
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

ANNONCE = re.compile(r"^Coup (\d+) : (\d) bien placé\(s\), (\d) mal placé\(s\)$")
annonces = []


def echouer(message):
    print("FAIL: " + message)
    sys.exit(1)


def pomper(secondes, condition):
    """Runs the main loop until condition() holds or time runs out."""
    fin = time.monotonic() + secondes
    contexte = GLib.MainContext.default()
    while time.monotonic() < fin:
        while contexte.iteration(False):
            pass
        if condition():
            return True
        time.sleep(0.02)
    return condition()


def message(evenement):
    """A move's result, from an announcement (Qt 6.8 on) or from the
    description of the control that takes the focus (before)."""
    if evenement.type.startswith("object:announcement"):
        texte = evenement.any_data if isinstance(evenement.any_data, str) else ""
    else:
        texte = evenement.source.get_description() or ""
    if ANNONCE.match(texte):
        annonces.append(texte)


def descendants(objet):
    for i in range(objet.get_child_count()):
        enfant = objet.get_child_at_index(i)
        if enfant is None:
            continue
        yield enfant
        yield from descendants(enfant)


def trouver_application():
    bureau = Atspi.get_desktop(0)
    for i in range(bureau.get_child_count()):
        app = bureau.get_child_at_index(i)
        if app is not None and app.get_name() == "Vorlinde":
            return app
    return None


def par_nom(racine, motif):
    for objet in descendants(racine):
        if re.fullmatch(motif, objet.get_name() or ""):
            return objet
    echouer("nothing named like %r on the bus" % motif)


def presser(objet):
    noms = []
    for i in range(Atspi.Action.get_n_actions(objet)):
        noms.append(Atspi.Action.get_action_name(objet, i))
        if noms[-1].lower() == "press":
            Atspi.Action.do_action(objet, i)
            return
    echouer("%s offers no press action (%s)" % (objet.get_name(), ", ".join(noms)))


# X keycodes of the keys pressed (the same on every layout of a PC keyboard).
CHIFFRE_1, GAUCHE, ENTREE, F1, ECHAP = 10, 113, 36, 67, 9


def clavier_a(titre):
    """Gives the keyboard to the visible window with this title, once shown."""
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", titre, "windowfocus", "--sync"],
                   check=True, stdout=subprocess.DEVNULL)


def touche(code):
    Atspi.generate_keyboard_event(code, None, Atspi.KeySynthType.PRESSRELEASE)
    time.sleep(0.05)


def fin_de_partie(application):
    for i in range(application.get_child_count()):
        fenetre = application.get_child_at_index(i)
        if fenetre is not None and fenetre.get_name() == "Fin de partie":
            return fenetre
    return None


def fenetre_nommee(application, nom):
    for i in range(application.get_child_count()):
        fenetre = application.get_child_at_index(i)
        if fenetre is not None and fenetre.get_name() == nom:
            return fenetre
    return None


def lire_les_regles(application, fenetre):
    """F1 opens the rules, a text that a screen reader reads line by line,
    with their worked example; Escape closes them and the board is back."""
    clavier_a(r"^Vorlinde 1\.0$")
    touche(F1)
    if not pomper(10, lambda: fenetre_nommee(application, "Règles du jeu") is not None):
        echouer("F1 opened no window « Règles du jeu »")
    regles = fenetre_nommee(application, "Règles du jeu")
    zone = next((o for o in descendants(regles) if o.get_name() == "Règles du jeu"
                 and "Text" in o.get_interfaces()), None)
    if zone is None:
        echouer("the rules are not a text on the bus")
    texte = Atspi.Text.get_text(zone, 0, Atspi.Text.get_character_count(zone))
    for ligne in ("Le code caché est 1, 2, 3, 4 : vert, bleu, rouge, jaune.",
                  "Vous proposez 1, 3, 5, 2 : vert, rouge, magenta, bleu.",
                  "Le coup reçoit donc : Bien placé(s) 1, Mal placé(s) 2."):
        if ligne not in texte.split("\n"):
            echouer("the rules do not read « %s »" % ligne)
    debut = Atspi.Text.get_text_at_offset(zone, 0, Atspi.TextBoundaryType.LINE_START).content
    if debut.strip() != "Le but du jeu":
        echouer("the rules' first line reads « %s »" % debut)
    # The window is on the bus before the desktop gives it the keyboard: a
    # key sent sooner would reach the board.
    clavier_a(r"^Règles du jeu$")
    touche(ECHAP)
    if not pomper(10, lambda: fenetre_nommee(application, "Règles du jeu") is None):
        echouer("Escape did not close the rules")
    def focus_sur_le_plateau():
        return any(o.get_state_set().contains(Atspi.StateType.FOCUSED) for o in descendants(fenetre))
    if not pomper(5, focus_sur_le_plateau):
        etats = [(o.get_name(), o.get_role_name()) for o in descendants(application)
                 if o.get_state_set().contains(Atspi.StateType.FOCUSED)]
        echouer("the focus is not back on the board after the rules: %r %r" % (etats, [
            a.get_name() for a in (application.get_child_at_index(i) for i in range(application.get_child_count()))]))
    print("rules: read line by line, with their example; closed by Escape")


def score(secret, essai):
    bien = sum(a == b for a, b in zip(secret, essai))
    return bien, len(set(secret) & set(essai)) - bien


def main():
    # Listening before the program starts: it learns of its listeners when it
    # joins the bus, so no announcement can be sent before it knows of this one.
    ecouteur = Atspi.EventListener.new(message)
    ecouteur.register("object:property-change:accessible-description")
    ecouteur.register("object:announcement")
    pathlib.Path(sys.argv[1]).touch()
    if not pomper(20, lambda: trouver_application() is not None):
        echouer("the program is not on the accessibility bus")
    application = trouver_application()
    fenetre = par_nom(application, r"Vorlinde 1\.0")
    if par_nom(fenetre, r"Couleur 1").get_role() != Atspi.Role.PUSH_BUTTON:
        echouer("a swatch is not a button for screen readers")
    if any(re.fullmatch(r"Coup vide", o.get_name() or "") for o in descendants(fenetre)):
        echouer("an empty history row is named: a screen reader would read it")

    possibles = [c for c in itertools.permutations(range(1, 9), 4)]
    for coup in range(1, 11):
        essai = possibles[0]
        deja = len(annonces)
        if coup == 3:
            # Keys go to the window that has the keyboard.
            clavier_a(r"^Vorlinde 1\.0$")
        if coup <= 2:
            presser(par_nom(fenetre, r"Case 1 : .*"))
            for couleur in essai:
                presser(par_nom(fenetre, r"Couleur %d" % couleur))
            presser(par_nom(fenetre, r"&?Valider le code"))
        else:
            for _ in range(3):
                touche(GAUCHE)  # back to the first cell
            for couleur in essai:
                touche(CHIFFRE_1 + couleur - 1)
            touche(ENTREE)
        if not pomper(10, lambda: len(annonces) > deja or fin_de_partie(application) is not None):
            echouer("move %d was not announced" % coup)
        boite = fin_de_partie(application)
        if boite is not None:
            # The end of the game is an alert box, read out when it opens.
            if boite.get_role() != Atspi.Role.ALERT:
                echouer("the end-of-game box is not an alert")
            texte = " ".join(o.get_name() or "" for o in descendants(boite))
            if "Bravo ! Vous avez gagné ! Au bout de %d coup(s)." % coup not in texte:
                echouer("the end-of-game box says: " + texte)
            presser(par_nom(boite, r"&?OK"))
            print("box: Bravo ! Vous avez gagné ! Au bout de %d coup(s)." % coup)
            if not pomper(10, lambda: len(annonces) > deja):
                echouer("move %d was not announced" % coup)
        numero, bien, mal = (int(x) for x in ANNONCE.match(annonces[-1]).groups())
        if numero != coup:
            echouer("the announcement speaks of move %d, not %d" % (numero, coup))
        # The same move stands in the history, whole under one name.
        par_nom(fenetre, re.escape("Coup %d : couleurs %s ; %d bien placé(s), %d mal placé(s)"
                                   % (coup, ", ".join(map(str, essai)), bien, mal)))
        print("move %d: %s -> %d well placed, %d misplaced (%s)"
              % (coup, "".join(map(str, essai)), bien, mal, "actions" if coup <= 2 else "keys"))
        if bien == 4:
            lire_les_regles(application, fenetre)
            return
        possibles = [c for c in possibles if score(c, essai) == (bien, mal)]
    echouer("no win after 10 moves")


main()
