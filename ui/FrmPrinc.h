// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "BoiteMessage.h"
#include "Dial.h"
#include "formats/Fichiers.h"
#include "game/Partie.h"
#include "platform/Aleatoire.h"

class QAction;
class QPushButton;
class QScrollBar;
class QSettings;

namespace vorlinde::ui {

class Etiquette;
struct UsageFichier;

// What the board window takes from outside: the boxes and dialogs to show,
// the program folder, the login name and the seed of the random draw.
struct ServicesPrinc {
    std::shared_ptr<BoiteMessage> Boites;
    std::shared_ptr<DialogueStandard> Dialogues;
    std::filesystem::path DossierProgramme;
    std::function<std::string()> LireNomUser;
    std::function<std::uint64_t()> Graine;
    // The player's preferences (the colour numbers); the user's own
    // settings of the program when none is given.
    std::shared_ptr<QSettings> Reglages;
};

// The board window. It owns the state of the board and the controls that
// show it. A handler changes the state through the rules of game/, then
// repaints the parts of the board that changed. The player, and the tests,
// reach the handlers through the controls (named after the board's layout:
// "LblCoulSource3", "CmdOK", "MnuSave"...), their keys and the menus.
class FrmPrinc : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmPrinc(ServicesPrinc services, QWidget* parent = nullptr);
    ~FrmPrinc() override;

    // A read-only view of the state, for the tests.
    const Partie& Etat() const { return partie_; }

    // Loads the saved game `chemin` as "Charger" does once the file is
    // chosen, with the same messages: a game opened from the command line or
    // the desktop.
    void OuvrirPartie(const QString& chemin);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Keys 1 to 8 play a colour, Left and Right move the cursor, Return and
    // Enter validate; other keys, and keys meant for the focused control, go on.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    enum class IssueCommande { Annulee, Reussie, Echec };
    using OperationFichier = std::function<ErreurFichier(const std::filesystem::path&)>;

    void ConstruireControles();
    void ConstruireMenus();
    void LireReglages();

    // Handlers, named after their controls and events.
    void Form_Load();
    bool Form_Unload();
    void MnuNew_Click();
    void CmdOK_Click();
    void LblCoulSource_Click(int index);
    void LblCode_Click(int index);
    void LblCode_Change(int index);
    void CmdMove_Click(int index);
    void VScroll1_Change();
    void MnuSave_Click();
    void MnuLoad_Click();
    void MnuQuit_Click();
    void MnuCoul_Click();
    void MnuAffLoad_Click();
    void MnuAffSave_Click();
    void MnuNumeros_Click(bool affiches);

    // Painting: each part of the board from the state.
    void PeindrePalette();
    void PeindreCases();
    void EffacerLegendesCases();
    void PeindreHistorique();
    void PeindreValider();
    void RafraichirCouleurs();
    std::int32_t BackColorFenetre() const;
    // The keys of play; false for any other key.
    bool Touche(const QKeyEvent& touche);
    // Says `texte` to a screen reader without moving the focus.
    void Annoncer(const QString& texte);

    // The file commands: the dialog of `usage`, set afresh, then
    // `operation` on the chosen file; a failure ends in an "Erreur" box.
    IssueCommande CommandeFichier(const UsageFichier& usage, const OperationFichier& operation);
    IssueCommande SurFichier(const UsageFichier& usage, const QString& nom, const OperationFichier& operation);
    OperationFichier ChargementDePartie();
    IssueCommande SauvegarderPartie();
    ProfilCouleurs ProfilDefautOuIntegre() const;
    Reponse MsgBox(const QString& texte, StyleBoite style, const QString& titre = {});

    ServicesPrinc services_;
    Aleatoire aleatoire_;
    Partie partie_;
    std::string nomUser_;
    std::unique_ptr<Dial> dial_;
    bool numeros_ = false;
    QPointer<QWidget> annonce_;

    std::array<Etiquette*, NbCouleurs> LblCoulSource{};
    std::array<QPushButton*, 2> CmdMove{};
    std::array<Etiquette*, LongueurCode> LblCode{};
    QPushButton* CmdOK = nullptr;
    std::array<Etiquette*, 40> LblResult{};
    std::array<Etiquette*, 10> LblBiPl{};
    std::array<Etiquette*, 10> LblMalPl{};
    QScrollBar* VScroll1 = nullptr;
};

}  // namespace vorlinde::ui
