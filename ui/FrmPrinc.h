// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "Dial.h"
#include "game/Couleurs.h"
#include "game/Partie.h"
#include "platform/Aleatoire.h"

class QAction;
class QGroupBox;
class QPushButton;
class QScrollBar;

namespace vorlinde::ui {

class BoiteMessage;
class Etiquette;

// What the board window takes from outside: the boxes and dialogs to show,
// the program folder, the login name and the seed of the random draw.
struct ServicesPrinc {
    std::shared_ptr<BoiteMessage> Boites;
    std::shared_ptr<DialogueStandard> Dialogues;
    std::filesystem::path DossierProgramme;
    std::function<std::string()> LireNomUser;
    std::function<std::uint64_t()> Graine;
};

// The board window. It owns the game state and the controls that show it;
// every handler reads like the rule it performs.
class FrmPrinc : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmPrinc(ServicesPrinc services, QWidget* parent = nullptr);
    ~FrmPrinc() override;

    // Handlers, public so that tests and the menu run the same code.
    void MnuNew_Click();
    void CmdOK_Click();
    void LblCoulSource_Click(int index);
    void LblCode_Click(int index);
    void CmdMove_Click(int index);
    void VScroll1_Change();
    void RafraichirCouleurs();
    enum class IssueSauvegarde { Annulee, Enregistree, Echec };
    IssueSauvegarde MnuSave_Click();
    void MnuLoad_Click();
    void MnuQuit_Click();
    void MnuCoul_Click();
    void MnuAffLoad_Click();
    void MnuAffSave_Click();

    const Partie& Etat() const { return partie_; }
    const std::string& NomUser() const { return nomUser_; }
    const std::filesystem::path& DossierProgramme() const { return services_.DossierProgramme; }
    std::int32_t BackColorFenetre() const;
    ProfilCouleurs CollecterProfil() const;

    // The controls, named as the board's layout names them.
    std::array<Etiquette*, NbCouleurs> LblCoulSource{};
    std::array<QPushButton*, 2> CmdMove{};
    std::array<Etiquette*, LongueurCode> LblCode{};
    QPushButton* CmdOK = nullptr;
    std::array<Etiquette*, 40> LblResult{};
    std::array<Etiquette*, 10> LblBiPl{};
    std::array<Etiquette*, 10> LblMalPl{};
    QScrollBar* VScroll1 = nullptr;
    std::array<QGroupBox*, 6> Frames{};
    QAction* MnuNew = nullptr;
    QAction* MnuSave = nullptr;
    QAction* MnuLoad = nullptr;
    QAction* MnuQuit = nullptr;
    QAction* MnuCoul = nullptr;
    QAction* MnuAffLoad = nullptr;
    QAction* MnuAffSave = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConstruireControles();
    void ConstruireMenus();
    void Form_Load();
    bool Form_Unload();
    void LblCode_Change(int index);
    void AppliquerProfil(const ProfilCouleurs& profil);
    void PeindreSources();
    void DecrireCases();
    void ParametrerDialFichier(const QString& titre, int flags, const QString& filtre, const QString& extension);
    int MsgBox(const QString& texte, int style, const QString& titre = {});
    // The "Erreur" box of a file command: `modele` takes the chosen file's name, then the reason.
    void SignalerEchecFichier(const QString& modele, const std::string& raison);

    ServicesPrinc services_;
    Aleatoire aleatoire_;
    Partie partie_;
    std::string nomUser_;
    std::unique_ptr<Dial> dial_;
};

}  // namespace vorlinde::ui
