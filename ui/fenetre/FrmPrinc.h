// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "accessibilite/Annonceur.h"
#include "dialogues/Dial.h"
#include "dialogues/FrmReprise.h"
#include "game/Aleatoire.h"
#include "partie/NomAffiche.h"
#include "partie/PartieActive.h"
#include "partie/PartieGardee.h"
#include "partie/Registre.h"
#include "plateau/BoiteMessage.h"
#include "platform/Fichiers.h"

class QAction;
class QKeySequence;
class QMenu;
class QSettings;

namespace vorlinde::ui {

class Plateau;
struct UsageFichier;

// What the board window takes from outside: the boxes and dialogs to show,
// the program folder, the login name and the seed of the random draw.
struct ServicesPrinc {
    std::shared_ptr<BoiteMessage> Boites;
    std::shared_ptr<DialogueStandard> Dialogues;
    std::filesystem::path DossierProgramme;
    // The player's data folder, where the game in progress is kept while the
    // window runs, and waits for the next start when the program ends
    // without the player's choice; none when empty.
    std::filesystem::path DossierDonnees;
    std::function<std::string()> LireNomUser;
    std::function<std::uint64_t()> Graine;
    // The player's preferences (the colour numbers); when none are given,
    // those of the file FichierReglages (by default the user's own settings
    // of the program), if it can be used.
    std::shared_ptr<QSettings> Reglages;
    QString FichierReglages;
    // The clock of the games' times (milliseconds, never going back); the
    // system's monotonic clock when none is given.
    PartieActive::Horloge Horloge;
};

// The main window. It owns the game in progress and holds the board that
// shows and plays it, with the menus, the file commands, the settings and the
// dialogs around it. A command changes the game through the game's own
// commands (PartieActive), from which the board repaints itself; the window
// keeps the game on disk and counts it in the record from what the game says. The player, and the tests, reach the
// commands through the menus (named after the board's layout: "MnuNew", "MnuSave"...).
class FrmPrinc : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmPrinc(ServicesPrinc services, QWidget* parent = nullptr);
    ~FrmPrinc() override;

    // A read-only view of the state, for the tests.
    const Partie& Etat() const { return jeu_.Etat(); }
    std::int64_t Duree() const { return jeu_.Duree(); }

    // Loads the saved game `chemin` as "Charger" does once the file is
    // chosen, with the same messages: a game opened from the command line or
    // the desktop. The path keeps the name's bytes as the system gave them.
    // True when the game was loaded.
    bool OuvrirPartie(const std::filesystem::path& chemin);
    bool OuvrirPartie(const QString& chemin);

    // The session ends under the game: the game in progress, already on
    // disk, is written once more, the settings are written, and the window
    // then closes without a question, leaving the game for the next start.
    void InterrompreSession();
    // At start, once the window stands: the games that ended windows left
    // are offered in one window (FrmReprise), newest first; the one taken
    // back is loaded as « Charger » does, the others wait for the next start.
    // Those that cannot be read are set aside under other names, once, and
    // named in one sentence.
    void ProposerReprise();
    // What the player is told at start when the data folder cannot keep the
    // game in progress (nor, perhaps, the default colours); empty when it can.
    QString AlerteDossierDonnees() const;
    // What the window leaves on disk should it end now.
    enum class Garde { RienAGarder, Gardee, NonGardee };
    Garde PartieSurDisque() const;
    // The games that ended windows could not count yet are counted.
    void CompterEnAttente() { registre_->CompterEnAttente(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    // The keys of play also reach the board when the focus is outside it.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class IssueCommande { Annulee, Reussie, Echec };
    using OperationFichier = std::function<ErreurFichier(const std::filesystem::path&)>;

    void ConstruireMenus();
    // « Fichier » and « Affichage », as the board has always had them; then
    // the menus added after them.
    void MenusDuPlateau();
    void MenusAjoutes();
    // An item of `menu` named `nom` (the tests and the layout know it by it).
    template <typename Handler>
    QAction* Action(QMenu* menu, const char* nom, const QString& texte, const QKeySequence& raccourci, Handler handler);
    // The game chosen in the window of games left, taken back as « Charger »
    // loads a game; one that cannot be read any more is set aside.
    void Reprendre(const FrmReprise::Partie& choisie, const PartieLaissee& laissee, const Repertoire& donnees);
    void SuivreTailleDuTexte();
    void LireReglages();

    // Handlers, named after their controls and events.
    void Form_Load();
    bool Form_Unload();
    void MnuNew_Click();
    void MnuSave_Click();
    void MnuLoad_Click();
    void MnuQuit_Click();
    void MnuCoul_Click();
    void MnuAffLoad_Click();
    void MnuAffSave_Click();
    void MnuNumeros_Click(bool affiches);
    void MnuStats_Click();
    void MnuIndice_Click();
    void MnuAnalyse_Click();
    void MnuAPropos_Click();
    // The kinds of game, the shared text and the check of a code.
    void MnuNumerotee_Click();
    void MnuDuJour_Click();
    void MnuADeux_Click();
    void MnuCopier_Click();
    void MnuVerifier_Click();
    void MnuJouees_Click();
    void MnuDifficile_Click(bool actif);
    // « Affichage › Temps de la partie »: the game's time at the foot of
    // the window, told again every second; the window is as it was without.
    void MnuTemps_Click(bool affiche);
    void MontrerTemps();
    // A preference written at once; a file that cannot take it is told once.
    void GarderReglage(const QString& cle, bool valeur);
    // The game in progress gives way to one hiding `code`, in the colours
    // of the default profile.
    void Commencer(const Code4& code, const OriginePartie& origine,
                   PartieActive::Depart depart = PartieActive::Depart::Choisie);
    // A game whose number is drawn: the one the window opens on, or « Nouveau ».
    void CommencerTiree(PartieActive::Depart depart);

    // The file commands: the dialog of `usage`, set afresh, then
    // `operation` on the chosen file; a failure ends in an "Erreur" box.
    IssueCommande CommandeFichier(const UsageFichier& usage, const OperationFichier& operation);
    IssueCommande SurFichier(const UsageFichier& usage, const std::filesystem::path& chemin,
                             const OperationFichier& operation);
    // Loads the chosen game, played with `indices` hints, of kind `origine`.
    OperationFichier ChargementDePartie(int indices = 0, SorteGardee sorte = {});
    IssueCommande SauvegarderPartie();
    ProfilCouleurs ProfilDefautOuIntegre() const;
    Reponse MsgBox(const QString& texte, StyleBoite style, const QString& titre = {});

    ServicesPrinc services_;
    Repertoire donnees_;
    std::unique_ptr<PartieGardee> gardee_;
    std::unique_ptr<Registre> registre_;
    Aleatoire aleatoire_;
    PartieActive jeu_;
    std::string nomUser_;
    std::unique_ptr<Dial> dial_;
    Plateau* plateau_ = nullptr;
    // What the window says of its own results.
    Voix* voix_ = nullptr;
    bool sansQuestion_ = false;
    // The player chose to quit, but the game is kept for the next start.
    bool garderEnPartant_ = false;
    bool suiviEcran_ = false;
    bool bordsConnus_ = false;
    // Preferences that cannot be kept are told once.
    bool reglagesSignales_ = false;
    QLabel* temps_ = nullptr;
    QTimer* pendule_ = nullptr;
};

}  // namespace vorlinde::ui
