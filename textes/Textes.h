// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Every text the player reads or hears, in UTF-8, in one place: the board's
// own texts first, exactly as the game has always worded them, then the texts
// of what was added around it (and the help, in Aide.h). The windows, the
// command line and the screen readers' sentences take their texts from here.
// "%1", "%2"... are filled in by the caller.
//
// Some of the board's own texts are misspelt, and stay so: players, their
// saved habits and the tests know them as they are. Each is marked
// « (sic) » below; do not correct them.
#include <array>
#include <string>

#include "game/Couleurs.h"
#include "game/Partie.h"
#include "game/Sortes.h"

namespace vorlinde::textes {

// ---- The board's own texts ---------------------------------------------------

inline constexpr const char* Application = "Vorlinde";
inline constexpr const char* TitreFenetre = "Vorlinde %1";

// The menus.
inline constexpr const char* MenuFichier = "&Fichier";
inline constexpr const char* MenuNouveau = "&Nouveau";
inline constexpr const char* MenuSauvegarder = "&Sauvegarger";  // (sic)
inline constexpr const char* MenuCharger = "&Charger";
inline constexpr const char* MenuQuitter = "&Quitter";
inline constexpr const char* MenuAffichage = "&Affichage";
inline constexpr const char* MenuChoixCouleurs = "&Choix des couleurs";
inline constexpr const char* MenuChargementProfil = "Chargement d'un &profil";
inline constexpr const char* MenuSauvegardeProfil = "&Sauvegarde d'un profil";

// The frames and buttons of the board.
inline constexpr const char* CadreListes = "Listes de couleurs";
inline constexpr const char* CadreCode = "Code";
inline constexpr const char* CadreCodesResultats = "Codes et résultats";
inline constexpr const char* CadreCodes = "Codes";
inline constexpr const char* CadreBienPlaces = "Bien placé(s)";
inline constexpr const char* CadreMalPlaces = "Mal placé(s)";
inline constexpr const char* BoutonMonter = "H";
inline constexpr const char* BoutonDescendre = "B";
inline constexpr const char* BoutonValider = "&Valider le code";

// The message boxes.
inline constexpr const char* TitreCode = "Code";
inline constexpr const char* TitreFinDePartie = "Fin de partie";
inline constexpr const char* TitreErreur = "Erreur";
inline constexpr const char* TitreQuitter = "Quitter ?";
inline constexpr const char* CodeIncomplet = "Veuillez complèter toutes le cases code.";  // (sic), twice
inline constexpr const char* CouleurEnDouble = "Une ou plusieurs couleurs sont en double.";
inline constexpr const char* CodeDejaJoue = "Ce code est déjà existant.";
inline constexpr const char* ConflitDeVersion = "Conflit de version.";
inline constexpr const char* QuestionQuitter = "Voulez-vous enregistrer votre partie avant de quitter le Vorlinde ?";
// « Vous avez dépasser » (sic); the code's digits, then a space before the full stop.
std::string TextePerdu(const Code4& codeSecret);
std::string TexteGagne(int nbCoups);

// The file dialogs: titles, then filters ("Tous le fichiers" (sic)).
inline constexpr const char* TitreSauvegardePartie = "Enregistrer une partie en cours";
inline constexpr const char* TitreChargementPartie = "Chargement d'une partie";
inline constexpr const char* TitreChargementProfil = "Chargement d'un profil couleur";
inline constexpr const char* TitreSauvegardeProfil = "Enregistrer le profil couleur en cours";
inline constexpr const char* FiltreSauvegardePartie = "Fichier partie (*.prt)|*.prt|Tous le fichiers (*.*)|*.*";
inline constexpr const char* FiltreChargementPartie = "Fichier partie|*.prt|Tous le fichiers|*.*";
inline constexpr const char* FiltreProfil = "Fichier user (*.usr)|*.usr|Tous le fichiers (*.*)|*.*";

// The colour editor.
inline constexpr const char* TitreEditeur = "Sélectionner la couleur à modifier";
inline constexpr const char* BoutonOK = "OK";
inline constexpr const char* BoutonAnnuler = "&Annuler";

// ---- What was added around the board ------------------------------------------

inline constexpr const char* MenuNumeros = "Numéros des couleurs";
inline constexpr const char* MenuPartie = "&Partie";
inline constexpr const char* MenuIndice = "&Indice";
inline constexpr const char* MenuAnalyse = "&Analyse de la partie";
inline constexpr const char* MenuStatistiques = "&Statistiques";
inline constexpr const char* MenuPartieNumerotee = "Partie &numérotée…";
inline constexpr const char* MenuCodeDuJour = "Code du &jour";
inline constexpr const char* MenuPartieADeux = "Partie à &deux…";
inline constexpr const char* MenuCopierPartie = "Co&pier la partie";
inline constexpr const char* MenuVerifierCode = "&Vérifier le code";
inline constexpr const char* MenuModeDifficile = "&Mode difficile";
inline constexpr const char* MenuTempsPartie = "&Temps de la partie";
inline constexpr const char* MenuPartiesJouees = "Parties j&ouées…";
inline constexpr const char* MenuAide = "Ai&de";
inline constexpr const char* MenuRegles = "&Règles du jeu";
inline constexpr const char* MenuRaccourcis = "Raccourcis &clavier";
inline constexpr const char* MenuAPropos = "À &propos de Vorlinde";
inline constexpr const char* BoutonFermer = "&Fermer";

inline constexpr const char* TitreIndice = "Indice";
inline constexpr const char* PlusDIndice = "La partie est finie : il n'y a plus d'indice à donner.";
inline constexpr const char* TitreAPropos = "À propos de Vorlinde";
inline constexpr const char* APropos
    = "Jeu de déduction : trouver un code caché de quatre couleurs différentes parmi huit.\n\n"
      "Logiciel libre, sous licence MIT : vous pouvez l'utiliser, l'étudier, le modifier et le redistribuer, à "
      "condition d'en garder la mention de copyright et de licence.\n"
      "Site du projet : https://vorlinde.org/\n"
      "© 2026 Les développeurs de Vorlinde";
inline constexpr const char* ReglagesNonGardes
    = "Ce choix vaut jusqu'à la fin de la partie en cours, mais le prochain démarrage ne le retrouvera pas : le "
      "fichier des préférences « %1 » ne peut pas être écrit.";

// Why a file command failed, after what it was doing.
inline constexpr const char* EchecSauvegardePartie = "La partie n'a pas pu être enregistrée dans le fichier « %1 ». ";
inline constexpr const char* EchecChargementPartie = "La partie du fichier « %1 » ne peut pas être chargée. ";
inline constexpr const char* EchecChargementProfil = "Le profil du fichier « %1 » ne peut pas être chargé. ";
inline constexpr const char* EchecSauvegardeProfil = "Le profil n'a pas pu être enregistré dans le fichier « %1 ». ";
inline constexpr const char* RaisonPasUnFichier
    = "Ce n'est pas un fichier ordinaire, mais un dossier, un tube ou un périphérique.";
inline constexpr const char* RaisonIllisible = "Le fichier ne peut pas être lu.";
inline constexpr const char* RaisonEcriture = "Le fichier ne peut pas être écrit.";
inline constexpr const char* RaisonEtranger = "Le fichier ou son dossier appartient à un autre utilisateur.";
inline constexpr const char* RaisonPlusRecent = "Le fichier a été écrit par une version plus récente.";
inline constexpr const char* RaisonTropCourt = "Le fichier est incomplet.";
inline constexpr const char* RaisonTropDeCoups = "Le fichier annonce plus de 100 coups.";
inline constexpr const char* RaisonCouleurInvalide = "Le fichier contient un numéro de couleur hors de 1 à 8.";
inline constexpr const char* RaisonCodeSecretInvalide = "Le code secret du fichier répète une couleur.";
inline constexpr const char* RaisonCoupApresVictoire = "Le fichier contient des coups joués après le coup gagnant.";
inline constexpr const char* RaisonCoupRepete = "Le fichier contient deux fois le même coup.";
inline constexpr const char* RaisonTropPeuDeValeurs = "Le fichier contient moins de neuf couleurs.";
inline constexpr const char* RaisonValeurInvalide
    = "Le fichier contient une valeur qui n'est pas une couleur (un nombre entier de 0 à 16777215).";

// The file dialogs' own refusals.
inline constexpr const char* DossierInexistant = "Le dossier « %1 » n'existe pas.";
inline constexpr const char* FichierLectureSeule = "Le fichier « %1 » est en lecture seule.";
inline constexpr const char* PasUnFichierOrdinaire
    = "« %1 » n'est pas un fichier ordinaire, mais un dossier, un tube ou un périphérique.";
// The kinds of entries in the file dialogs that Qt leaves in English.
inline constexpr const char* TypeDossier = "Dossier";
inline constexpr const char* TypeLecteur = "Lecteur";
inline constexpr const char* TypeRaccourci = "Raccourci";
inline constexpr const char* DossierProtege = "Le dossier « %1 » est protégé en écriture.";

// The games kept on disk.
inline constexpr const char* TitrePartiesInterrompues = "Parties interrompues";
inline constexpr const char* PartieNonGardee
    = "La partie en cours n'a pas pu être gardée dans « %1 » : elle serait perdue si le jeu s'arrêtait sans que "
      "vous le quittiez. %2";
inline constexpr const char* UneMiseDeCote
    = "Une partie interrompue était illisible : elle a été mise de côté sous le nom « %1 ».";
inline constexpr const char* MisesDeCote = "%1 parties interrompues étaient illisibles : elles ont été mises de côté "
                                           "dans « %2 », sous des noms qui commencent par « interrompue ».";
inline constexpr const char* UneLaisseeTelle = "Une partie interrompue est illisible et n'a pas pu être mise de côté : "
                                               "elle reste telle quelle sous le nom « %1 ».";
inline constexpr const char* LaisseesTelles = "%1 parties interrompues sont illisibles et n'ont pas pu être mises de "
                                              "côté : elles restent telles quelles dans « %2 ».";
inline constexpr const char* SupprimerToutes
    = "Supprimer les %1 parties interrompues ? Elles ne pourront plus être reprises.";
inline constexpr const char* CouleursEtParties = "les couleurs par défaut et les parties interrompues";
inline constexpr const char* Parties = "les parties interrompues";
inline constexpr const char* AucunDossierDeDonnees
    = "Aucun dossier de données n'est connu (ni XDG_DATA_HOME ni HOME ne donnent un chemin absolu) : %1 ne "
      "pourront pas être gardées.";
inline constexpr const char* DossierNonEcrit
    = "Le dossier « %1 » ne peut pas être écrit : %2 ne pourront pas y être gardées.";
inline constexpr const char* DossierEtranger
    = "Le dossier « %1 » appartient à un autre utilisateur : %2 ne pourront pas y être gardées.";
inline constexpr const char* DossierNonCree
    = "Le dossier « %1 » ne peut pas être créé : %2 ne pourront pas y être gardées.";

// The record.
inline constexpr const char* TitreStatistiques = "Statistiques";
inline constexpr const char* RemettreAZero = "Voulez-vous vraiment remettre à zéro les statistiques de vos parties ?";
inline constexpr const char* ReleveOccupe
    = "Le relevé de vos parties « %1 » est utilisé par une autre fenêtre de Vorlinde : cette partie y sera comptée "
      "dès qu'il sera libre, rien n'est perdu.";
inline constexpr const char* ReleveAbime
    = "Le relevé de vos parties « %1 » était abîmé ou illisible : les statistiques repartent de zéro. L'ancien "
      "relevé est gardé sous le nom « %2 ».";
inline constexpr const char* RelevePlusRecent
    = "Le relevé de vos parties « %1 » a été écrit par une version plus récente de Vorlinde : il est laissé tel "
      "quel, et les parties jouées ici n'y sont pas comptées.";
inline constexpr const char* ReleveAbimeLaisse
    = "Le relevé de vos parties « %1 » est abîmé ou illisible, et n'a pas pu être mis de côté : il est laissé tel "
      "quel, et les parties jouées ici n'y sont pas encore comptées.";
inline constexpr const char* ReleveJourFutur
    = "Le relevé de vos parties « %1 » a compté un code du jour le %2, plus tard qu'aujourd'hui : l'horloge de "
      "l'ordinateur a dû être avancée. Les jours joués sont gardés, et la série de jours repart d'aujourd'hui.";
inline constexpr const char* ReleveNonEcrit = "Le relevé de vos parties « %1 » n'a pas pu être enregistré. %2";

// What a screen reader hears of the commands.
inline constexpr const char* NouvellePartie = "Nouvelle partie";
inline constexpr const char* PartieChargee = "Partie chargée";
inline constexpr const char* PartieEnregistree = "Partie enregistrée";
inline constexpr const char* PartiesLaisseesPourPlusTard = "Parties interrompues laissées pour plus tard";
inline constexpr const char* MonterSource = "Monte d'une rangée la dernière couleur choisie";
inline constexpr const char* DescendreSource = "Descend d'une rangée la dernière couleur choisie";
inline constexpr const char* IndiceUnCode = "Indice : %1 ; 1 code est encore possible.";
inline constexpr const char* IndiceCodes = "Indice : %1 ; %2 codes sont encore possibles.";
// The pieces the board's voice and the names of its controls are made of:
// « Coup 3 : 2 bien placé(s), 1 mal placé(s) », « Case 2 : couleur 5 »,
// « Coup 3, case 2 : couleur 5 », « Historique : coups 11 à 20 ».
inline constexpr const char* MotCoup = "Coup ";
inline constexpr const char* MotCase = "Case ";
inline constexpr const char* MotCouleur = "Couleur ";
inline constexpr const char* DeuxPoints = " : ";
inline constexpr const char* BienPlacesSuivis = " bien placé(s), ";
inline constexpr const char* MalPlacesFin = " mal placé(s)";
inline constexpr const char* DeuxPointsCouleur = " : couleur ";
inline constexpr const char* DeuxPointsCouleurs = " : couleurs ";
inline constexpr const char* DeuxPointsVide = " : vide";
inline constexpr const char* VirguleCase = ", case ";
inline constexpr const char* Vide = "vide";
inline constexpr const char* PointVirgule = " ; ";
inline constexpr const char* Historique = "Historique";
inline constexpr const char* HistoriqueCoups = "Historique : coups ";
inline constexpr const char* MotA = " à ";

// The windows added around the board.
inline constexpr const char* CouleurN = "Couleur %1";
inline constexpr const char* SansValeur = "—";
inline constexpr const char* ChangerCouleur = "Espace ou Entrée pour changer cette couleur";
inline constexpr const char* NomCouleurN = "Couleur %1 : ";
// The named colours, in the order of game/'s list.
inline constexpr std::array<const char*, NbCouleursNommees> NomsDeCouleurs{
    "noir",   "gris foncé", "gris",  "gris clair",  "blanc",  "rouge",      "bordeaux",   "orange",
    "marron", "beige",      "jaune", "olive",       "vert",   "vert foncé", "vert clair", "turquoise",
    "cyan",   "bleu ciel",  "bleu",  "bleu marine", "violet", "mauve",      "magenta",    "rose"};
// The name of the named colour nearest to `valeur`.
inline const char* NomDeCouleur(std::int32_t valeur)
{
    return NomsDeCouleurs[static_cast<std::size_t>(CouleurNommee(valeur))];
}
inline constexpr const char* DossierDuFichier = "Dossier : ";
inline constexpr const char* OnzeCoupsEtPlus = "11 coups et plus";
inline constexpr const char* OnzeEtPlus = "11+";
inline constexpr const char* GagneesSelonCoups = "Parties gagnées selon le nombre de coups";
inline constexpr const char* BoutonRemettreAZero = "&Remettre à zéro";
inline constexpr const char* StatJouees = "Parties jouées : ";
inline constexpr const char* StatGagnees = "Parties gagnées : ";
inline constexpr const char* StatPerdues = "Parties perdues : ";
inline constexpr const char* StatAbandonnees = "Parties abandonnées : ";
inline constexpr const char* StatAvecIndice = "Parties gagnées avec un indice : ";
inline constexpr const char* StatSerie = "Série en cours : ";
inline constexpr const char* StatMeilleureSerie = "Meilleure série : ";
inline constexpr const char* StatMoyenne = "Coups en moyenne : ";
inline constexpr const char* StatMeilleurePartie = "Meilleure partie : ";
inline constexpr const char* TitreAnalyse = "Analyse de la partie";
inline constexpr const char* ColonneCoup = "Coup";
inline constexpr const char* ColonneEssai = "Essai";
inline constexpr const char* ColonneScore = "Score";
inline constexpr const char* ColonnePossibles = "Codes possibles";
inline constexpr const char* ColonneEncorePossible = "Encore possible";
inline constexpr const char* ColonneSolveur = "Le solveur aurait joué";
inline constexpr const char* Oui = "oui";
inline constexpr const char* Non = "non";
inline constexpr const char* CoupN = "Coup %1";
inline constexpr const char* LigneAnalyse = "Coup %1 : %2 ; %3 ; codes possibles %4 ; %5 ; le solveur aurait joué %6";
inline constexpr const char* BilanCoups = "%1 coup(s) joué(s), partie ";
inline constexpr const char* BilanEnCours = "en cours.";
inline constexpr const char* Gagnee = "gagnée";
inline constexpr const char* Perdue = "perdue";
inline constexpr const char* BilanSolveur = " ; le solveur trouve ce code en %1 coup(s).";
inline constexpr const char* Bilan = "Bilan : ";
inline constexpr const char* SolveurAuPire = "%1 (au pire %2)";
inline constexpr const char* BoutonReprendre = "&Reprendre";
inline constexpr const char* BoutonSupprimer = "&Supprimer";
inline constexpr const char* BoutonToutSupprimer = "&Tout supprimer";
inline constexpr const char* BoutonPlusTard = "&Plus tard";
inline constexpr const char* ExplicationReprise
    = "Ces parties ont été interrompues sans que vous les quittiez (le jeu s'est arrêté, ou la session a pris "
      "fin). Laquelle voulez-vous reprendre ?";
inline constexpr const char* LigneReprise = "Le %1 à %2 : %3";
inline constexpr const char* DernierCoup = ", dernier coup : couleurs %1, %2, %3, %4";
inline constexpr const char* Coche = ", coché";
inline constexpr const char* NonCoche = ", non coché";

// The kinds of game: a number, the day's code, two players.
inline constexpr const char* TitrePartieNumerotee = "Partie numérotée";
inline constexpr const char* NumeroDeLaPartie = "Numéro de la partie :";
inline constexpr const char* PartieNumeroN = "Partie numéro %1";
inline constexpr const char* CodeDuJourDu = "Code du jour du %1";
inline constexpr const char* TitreCodeDuJour = "Code du jour";
inline constexpr const char* JourEnCours = "Le code du jour est la partie en cours : jouez-la jusqu'au bout.";
inline constexpr const char* JourDejaJoue
    = "Le code du jour du %1 est déjà joué : partie %2. Vous pouvez le rejouer, mais cette partie compte comme "
      "une partie ordinaire.";
inline constexpr const char* JourGagne = "gagnée en %1 coup(s)";
inline constexpr const char* JourPerdu = "perdue";
inline constexpr const char* JourAbandonne = "abandonnée après %1 coup(s)";
inline constexpr const char* TitrePartieADeux = "Partie à deux";
inline constexpr const char* ConsigneADeux
    = "Joueur 1 : composez le code caché, sans que le joueur 2 regarde. Cliquez sur une couleur, ou tapez les "
      "chiffres 1 à 8 ; les flèches changent de case. Entrée valide.";
inline constexpr const char* CaseADeuxN = "Case %1";
inline constexpr const char* CodeADeuxIncomplet = "Le code doit avoir quatre couleurs différentes.";
inline constexpr const char* CodeCompose = "Code composé";
inline constexpr const char* PartieCopiee = "Partie copiée dans le presse-papiers";
inline constexpr const char* TitreVerifierCode = "Vérifier le code";
inline constexpr const char* CodeAComposer
    = "Composez d'abord un code de quatre couleurs différentes : il sera comparé aux coups joués.";
inline constexpr const char* CodeExclu
    = "Ce code ne peut pas être le bon : avec lui, le coup %1 aurait donné %2 bien placé(s) et %3 mal placé(s), "
      "et non %4 et %5.";
inline constexpr const char* CodePossibleAutres = "Ce code est encore possible, comme %1 autres.";
inline constexpr const char* CodePossibleUnAutre = "Ce code est encore possible, comme 1 autre.";
inline constexpr const char* CodeSeulPossible = "Ce code est le seul encore possible.";
inline constexpr const char* StatJoursJoues = "Jours joués (code du jour) : ";
inline constexpr const char* StatGagneesDifficiles = "Parties gagnées en mode difficile : ";
inline constexpr const char* TitreModeDifficile = "Mode difficile";
inline constexpr const char* DifficileProchainePartie
    = "Des coups ont déjà été joués librement dans cette partie : le mode difficile commencera avec la "
      "prochaine.";
// A game played in hard mode says so after its origin.
inline constexpr const char* EnModeDifficile = "%1 — mode difficile";
// A game's time, from its first move: "45 s", "2 min 05 s", "1 h 02 min 05 s".
inline constexpr const char* DureeSecondes = "%1 s";
inline constexpr const char* DureeMinutes = "%1 min %2 s";
inline constexpr const char* DureeHeures = "%1 h %2 min %3 s";
inline constexpr const char* AvecTemps = "%1 — temps : %2";
inline constexpr const char* PartageTemps = "Temps : %1";
inline constexpr const char* StatMeilleurTemps = "Meilleur temps : ";
inline constexpr const char* StatTempsMoyen = "Temps moyen : ";
// « Parties jouées »: one line a game, newest first.
inline constexpr const char* TitrePartiesJouees = "Parties jouées";
inline constexpr const char* ExplicationJouees
    = "Les parties terminées, de la plus récente à la plus ancienne. Entrée ouvre l'analyse de la partie choisie.";
inline constexpr const char* AucunePartieJouee = "Aucune partie terminée pour l'instant.";
inline constexpr const char* JoueeLe = "Le %1 à %2";
inline constexpr const char* JoueeGagnee = "gagnée en %1";
inline constexpr const char* JoueePerdue = "perdue après %1";
inline constexpr const char* JoueeAbandonnee = "abandonnée après %1";
inline constexpr const char* JoueeDifficile = "mode difficile";
inline constexpr const char* BoutonAnalyse = "&Analyse";
inline constexpr const char* BoutonCopier = "&Copier";
inline constexpr const char* BoutonRejouer = "&Rejouer";
inline constexpr const char* HistoriqueIllisible
    = "La liste des parties jouées « %1 » était illisible : elle a été mise de côté sous le nom « %2 », et la "
      "liste repart de zéro.";
inline constexpr const char* HistoriqueLaisse
    = "La liste des parties jouées « %1 » est illisible et n'a pas pu être mise de côté : elle reste telle "
      "quelle, et les parties ne s'y ajoutent plus.";
inline constexpr const char* HistoriqueNonEcrit = "La partie n'a pas pu être ajoutée aux parties jouées « %1 » : %2";
inline constexpr const char* StatSerieDeJours = "Série de jours en cours : ";
inline constexpr const char* StatMeilleureSerieDeJours = "Meilleure série de jours : ";
// Where a game comes from, in the analysis and in the shared text.
inline constexpr const char* OrigineNumero = "Partie n° %1";
inline constexpr const char* OrigineJour = "Code du jour du %1";
inline constexpr const char* OrigineADeux = "Partie à deux";
inline constexpr const char* OrigineChargee = "Partie chargée, sans numéro";
// The shared text: the game's origin, its outcome, one line per move with
// ● for each colour well placed and ○ for each misplaced one.
inline constexpr const char* EnTetePartage = "Vorlinde — %1";
inline constexpr const char* PartageGagnee = "Gagnée en %1 coup(s)";
inline constexpr const char* PartagePerdue = "Perdue après %1 coup(s)";
inline constexpr const char* PartageEnCours = "En cours : %1 coup(s) joué(s)";
inline constexpr const char* PartageSansScore = "—";

// Counted things, by the French rule: none and one take the singular.
struct Mot {
    const char* Singulier;
    const char* Pluriel;
};
inline constexpr Mot NomCoups{"coup", "coups"};
inline constexpr Mot NomParties{"partie", "parties"};
inline constexpr Mot NomCodes{"code", "codes"};
inline constexpr Mot NomCodesPossibles{"code possible", "codes possibles"};
inline constexpr Mot NomCoupsJoues{"coup joué", "coups joués"};
constexpr bool Singulier(long n)
{
    return n < 2;
}
// Of two sentences, the one `n` takes.
constexpr const char* Selon(long n, const char* singulier, const char* pluriel)
{
    return Singulier(n) ? singulier : pluriel;
}
// « 1 coup », « 3 coups ».
std::string Nombre(long n, const Mot& mot);

// A date (yyyymmdd) as players write it: « 10/12/2026 ».
std::string TexteDate(std::int32_t date);
// « Partie n° 4242 », « Code du jour du 10/12/2026 »...
std::string TexteOrigine(const OriginePartie& origine);
// Its origin, and its mode when hard.
std::string TexteDesignation(const Partie& partie);
std::string TexteDuree(std::int64_t secondes);
// The analysis' heading: the designation, and the time once a move is played.
std::string TexteEnTeteAnalyse(const Partie& partie);
// The text « Copier la partie » puts on the clipboard. It never holds a
// colour: the moves of a game in progress would give its code away.
std::string TexteAPartager(const Partie& partie);
// The answer of « Vérifier le code ».
std::string TexteVerification(const Verification& verification);

// The command line.
inline constexpr const char* Usage
    = "Usage : vorlinde [OPTION] [FICHIER.prt]\n"
      "Vorlinde, jeu de déduction : trouver un code caché de quatre couleurs\n"
      "différentes parmi huit, en au plus 100 coups.\n"
      "\n"
      "Sans option, le jeu s'ouvre dans sa fenêtre. Une partie sauvegardée\n"
      "FICHIER.prt y est chargée comme par la commande « Charger ».\n"
      "\n"
      "Options :\n"
      "  -h, --help                 affiche cette aide et quitte\n"
      "  -v, --version              affiche le nom et la version du programme et quitte\n"
      "  --indice FICHIER.prt       écrit le prochain coup conseillé pour la partie\n"
      "                             sauvegardée, puis le nombre de codes encore possibles\n"
      "  --analyse FICHIER.prt      écrit chaque coup de la partie vu par le solveur\n"
      "  --json                     avec --analyse : la même analyse en un objet JSON\n"
      "  --                         la suite est un nom de fichier, même s'il commence\n"
      "                             par un tiret\n"
      "\n"
      "Les options et le fichier vont dans n'importe quel ordre. --indice et --analyse\n"
      "n'ouvrent pas de fenêtre et n'ont pas besoin d'écran.\n"
      "\n"
      "Codes de sortie :\n"
      "  0  tout s'est bien passé\n"
      "  1  la partie sauvegardée n'a pas pu être lue, la sortie standard n'a pas pu être\n"
      "     écrite, ou la fenêtre n'a pas d'écran\n"
      "  2  la ligne de commande est incorrecte\n";
inline constexpr const char* PrefixeErreur = "vorlinde : ";
inline constexpr const char* EssayezAide = "\nEssayez « vorlinde --help ».\n";
inline constexpr const char* OptionInconnue = "option inconnue « %1 ».";
inline constexpr const char* IndiceEtAnalyse = "--indice et --analyse ne vont pas ensemble.";
inline constexpr const char* JsonSansAnalyse = "--json ne s'emploie qu'avec --analyse.";
inline constexpr const char* SansFenetre = "--indice et --analyse n'ouvrent pas de fenêtre ni d'autre partie.";
inline constexpr const char* FichierManquant = "il manque le fichier de la partie après « %1 ».";
inline constexpr const char* UneSeulePartie = "une seule partie peut être ouverte à la fois.";
inline constexpr const char* SortieIllisible = "vorlinde : la sortie standard n'a pas pu être écrite.\n";
inline constexpr const char* SansEcran
    = "vorlinde : aucun écran n'est disponible, la fenêtre du jeu ne peut pas s'ouvrir.\n"
      "Lancez le jeu depuis une session graphique ; « vorlinde --indice » et « vorlinde --analyse »\n"
      "n'ont pas besoin d'écran.\n";
inline constexpr const char* ModuleAbsent
    = "vorlinde : le module de Qt qui ouvre les fenêtres de type « %1 » n'est pas installé : la fenêtre du jeu ne "
      "peut pas s'ouvrir.\nInstallez le paquet qt6-qpa-plugins (ou qt6-wayland), ou réinstallez le jeu.\n";
inline constexpr const char* EcranPerdu
    = "vorlinde : la connexion à l'écran a été perdue, le jeu s'arrête. La partie en cours est gardée : elle sera "
      "proposée au prochain démarrage.\n";
inline constexpr const char* EcranPerduRienAGarder
    = "vorlinde : la connexion à l'écran a été perdue, le jeu s'arrête.\n";
inline constexpr const char* EcranPerduNonGardee
    = "vorlinde : la connexion à l'écran a été perdue, le jeu s'arrête. La partie en cours n'a pas pu être gardée.\n";
inline constexpr const char* PartieGagneeEn = "La partie est gagnée, en %1 : il n'y a plus rien à chercher.\n";
inline constexpr const char* PartiePerdueCent = "La partie est perdue : les 100 coups ont été joués.\n";
inline constexpr const char* UnCodePossible = "%1 code est encore possible.\n";
inline constexpr const char* CodesPossibles = "%1 codes sont encore possibles.\n";
inline constexpr const char* FichierApresEgal
    = "« --indice » et « --analyse » prennent le fichier de la partie après un espace, pas après « = ».";
inline constexpr const char* EnCours = "en cours";
inline constexpr const char* LigneAnalyseTexte
    = "Coup %1 : %2, %3 bien placé(s), %4 mal placé(s) ; %5 avant, %6 après ; "
      "%7 ; le solveur aurait joué %8, qui laisse au pire %9.\n";
inline constexpr const char* BilanTexte = "Bilan : %1, partie %2";
inline constexpr const char* BilanSolveurTexte = " ; le solveur trouve ce code en %1.\n";
inline constexpr const char* CoupPossible = "ce coup était possible";
inline constexpr const char* CoupPlusPossible = "ce coup n'était plus possible";

}  // namespace vorlinde::textes
