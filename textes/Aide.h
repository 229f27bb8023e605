// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The help that the « Aide » menu shows, in UTF-8: the rules of the game,
// with a worked example, and every key. Plain text, one thought a line, so that a
// screen reader reads it line by line.
namespace vorlinde::textes::aide {

inline constexpr const char* TitreRegles = "Règles du jeu";
inline constexpr const char* Regles
    = "Le but du jeu\n"
      "Vorlinde cache un code de quatre couleurs différentes, choisies parmi les huit de la palette. "
      "Trouvez-le en 100 coups au plus.\n"
      "\n"
      "Proposer un code\n"
      "Cliquez une case du code (cadre « Code »), puis une couleur de la palette : elle remplit la case, "
      "et le curseur passe à la case suivante. Au clavier, les chiffres 1 à 8 jouent la couleur de ce "
      "numéro, Gauche et Droite changent de case. Les quatre couleurs doivent être différentes.\n"
      "Cliquez « Valider le code » (ou appuyez sur Entrée) : le coup s'ajoute à l'historique, "
      "dans le cadre « Codes et résultats », avec ses deux nombres.\n"
      "\n"
      "Les deux nombres\n"
      "« Bien placé(s) » compte les couleurs du coup qui sont dans le code, à la même place.\n"
      "« Mal placé(s) » compte les couleurs du coup qui sont dans le code, mais à une autre place.\n"
      "Une couleur absente du code ne compte nulle part.\n"
      "\n"
      "Un exemple\n"
      "Le code caché est 1, 2, 3, 4 : vert, bleu, rouge, jaune.\n"
      "Vous proposez 1, 3, 5, 2 : vert, rouge, magenta, bleu.\n"
      "Le vert est à la même place : 1 bien placé.\n"
      "Le rouge et le bleu sont dans le code, mais ailleurs : 2 mal placés.\n"
      "Le magenta n'est pas dans le code.\n"
      "Le coup reçoit donc : Bien placé(s) 1, Mal placé(s) 2.\n"
      "Quatre bien placés gagnent la partie. Après 100 coups sans le trouver, la partie est perdue "
      "et le code est montré.\n"
      "\n"
      "Prendre des notes\n"
      "Les boutons « H » et « B » montent et descendent d'une rangée la dernière couleur choisie, "
      "dans le cadre « Listes de couleurs » : rangez-y les couleurs selon ce que vous en savez, par "
      "exemple en bas celles qui ne sont pas dans le code. Les rangées sont gardées avec la partie.\n"
      "\n"
      "Sauvegarder et charger\n"
      "« Fichier › Sauvegarger » enregistre la partie en cours dans un fichier .prt, « Fichier › "
      "Charger » la reprend. Une partie en cours est aussi gardée à chaque coup : si le jeu s'arrête "
      "sans que vous le quittiez, le prochain démarrage vous la propose.\n"
      "\n"
      "Indices et analyse\n"
      "« Partie › Indice » compose dans le code le coup qu'un joueur parfait jouerait maintenant, et "
      "dit combien de codes sont encore possibles ; il reste à le valider.\n"
      "« Partie › Analyse de la partie » montre, coup par coup, combien de codes restaient possibles.\n"
      "« Partie › Statistiques » résume toutes vos parties.\n"
      "\n"
      "Les couleurs\n"
      "« Affichage › Choix des couleurs » change les couleurs de la palette ; « Affichage › "
      "Numéros des couleurs » écrit le numéro de chaque couleur sur le plateau.";

inline constexpr const char* TitreRaccourcis = "Raccourcis clavier";
inline constexpr const char* Raccourcis
    = "Sur le plateau\n"
      "1 à 8 (rangée du haut ou pavé numérique) : joue la couleur de ce numéro dans la case du curseur\n"
      "Gauche, Droite : case précédente, case suivante\n"
      "Début, Fin : première case, dernière case\n"
      "Entrée : Valider le code\n"
      "Tab, Maj+Tab : passe d'une commande à l'autre\n"
      "Espace : presse la commande qui a le focus\n"
      "Haut, Bas, Page précédente, Page suivante : font défiler l'historique quand sa barre a le focus\n"
      "\n"
      "Menus\n"
      "Alt+F : menu Fichier\n"
      "Alt+A : menu Affichage\n"
      "Alt+P : menu Partie\n"
      "Alt+D : menu Aide\n"
      "F10 : ouvre le premier menu\n"
      "F2 : Nouveau\n"
      "Ctrl+S : Sauvegarger\n"
      "Ctrl+O : Charger\n"
      "Ctrl+Q : Quitter\n"
      "Ctrl+C : Choix des couleurs\n"
      "Ctrl+I : Indice\n"
      "F1 : Règles du jeu\n"
      "\n"
      "Fenêtres et boîtes\n"
      "Échap : ferme la fenêtre ou la boîte, sans rien changer\n"
      "Entrée : presse le bouton qui a le focus, sinon le bouton par défaut\n"
      "\n"
      "Choix des couleurs\n"
      "Tab : atteint la rangée des couleurs ; Gauche, Droite : couleur précédente, couleur suivante\n"
      "Espace, Entrée : ouvre le sélecteur de la couleur qui a le focus";

}  // namespace vorlinde::textes::aide
