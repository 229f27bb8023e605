// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board's file and colour commands: saving and loading a game, leaving
// the program, loading and saving a colour profile, the colour editor.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include "BoiteMessage.h"
#include "Etiquette.h"
#include "FrmCoul.h"
#include "FrmPrinc.h"
#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "game/Messages.h"

namespace vorlinde::ui {
namespace {

const QString FiltreSauvegarde = QStringLiteral("Fichier partie (*.prt)|*.prt|Tous le fichiers (*.*)|*.*");
const QString FiltreChargement = QStringLiteral("Fichier partie|*.prt|Tous le fichiers|*.*");
const QString FiltreProfil = QStringLiteral("Fichier user (*.usr)|*.usr|Tous le fichiers (*.*)|*.*");

// The file name as the system spells it, also when it is not valid UTF-8.
std::filesystem::path VersChemin(const QString& nom)
{
    return std::filesystem::path(QFile::encodeName(nom).toStdString());
}

QString NomAffiche(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

QString Erreur()
{
    return QString::fromUtf8(messages::TitreErreur);
}

}  // namespace

void FrmPrinc::ParametrerDialFichier(const QString& titre, int flags, const QString& filtre, const QString& extension)
{
    dial_->FileName.clear();
    dial_->DialogTitle = titre;
    dial_->Flags = flags;
    dial_->Filter = filtre;
    dial_->DefaultExt = extension;
    dial_->InitDir = QString::fromStdString(services_.DossierProgramme.string());
}

void FrmPrinc::SignalerEchecFichier(const QString& modele, const std::string& raison)
{
    MsgBox(modele.arg(NomAffiche(dial_->FileName), QString::fromStdString(raison)), messages::StyleStop, Erreur());
}

FrmPrinc::IssueSauvegarde FrmPrinc::MnuSave_Click()
{
    ParametrerDialFichier(QStringLiteral("Enregistrer une partie en cours"), drapeaux::Enregistrement, FiltreSauvegarde,
                          QStringLiteral("*.prt"));
    dial_->ShowSave();
    if (dial_->FileName.isEmpty())
        return IssueSauvegarde::Annulee;

    const auto erreur = EcrireFichierPartie(VersChemin(dial_->FileName), CapturerPartie(partie_));
    if (erreur == ErreurFichier::Aucune)
        return IssueSauvegarde::Enregistree;
    SignalerEchecFichier(QStringLiteral("La partie n'a pas pu être enregistrée dans le fichier « %1 ». %2"),
                         RaisonErreurFichier(erreur));
    return IssueSauvegarde::Echec;
}

void FrmPrinc::MnuLoad_Click()
{
    ParametrerDialFichier(QStringLiteral("Chargement d'une partie"), drapeaux::Ouverture, FiltreChargement,
                          QStringLiteral("*.prt"));
    dial_->ShowOpen();
    if (dial_->FileName.isEmpty())
        return;

    // The whole file is checked before anything of the game changes.
    const auto lecture = LireFichierPartie(VersChemin(dial_->FileName));
    if (lecture.Erreur == ErreurFichier::ConflitDeVersion) {
        MsgBox(QString::fromUtf8(messages::ConflitDeVersion), messages::StyleStop, Erreur());
        return;
    }
    if (lecture.Erreur != ErreurFichier::Aucune) {
        SignalerEchecFichier(QStringLiteral("La partie du fichier « %1 » ne peut pas être chargée. %2"),
                             RaisonErreurFichier(lecture.Erreur));
        return;
    }

    const PartieSauvee& sauvee = lecture.Partie;
    partie_.CodeSecret = sauvee.CodeSecret;
    partie_.NbCoups = static_cast<std::int16_t>(sauvee.Coups.size());
    std::int16_t dernierScore = 0;
    for (int k = 1; k <= partie_.NbCoups; ++k) {
        partie_.Historique[k].Code = sauvee.Coups[k - 1];
        dernierScore = ScoreCoup(partie_.CodeSecret, partie_.Historique[k]);
    }
    partie_.TopCoulSource = sauvee.TopCoulSource;
    PeindreSources();

    partie_.EnCours = !(partie_.NbCoups >= 1 && dernierScore == ScoreGagnant);
    CmdOK->setEnabled(partie_.EnCours);

    for (int i = 0; i < LongueurCode; ++i) {
        const int c = partie_.NbCoups > 0 ? partie_.Historique[partie_.NbCoups].Code[i] - '0' : 0;
        partie_.CasesCode[i] = static_cast<std::int16_t>(c);
        if (c >= 1)
            LblCode[i]->SetBackColor(LblCoulSource[c - 1]->BackColor());
    }
    VScroll1_Change();
}

bool FrmPrinc::Form_Unload()
{
    const int reponse = MsgBox(QString::fromUtf8(messages::QuestionQuitter), messages::StyleQuestionOuiNonAnnuler,
                               QString::fromUtf8(messages::TitreQuitter));
    if (reponse == messages::ReponseOui)
        // A save that failed keeps the window, and so the game, open.
        return MnuSave_Click() != IssueSauvegarde::Echec;
    return reponse == messages::ReponseNon;
}

void FrmPrinc::MnuAffLoad_Click()
{
    ParametrerDialFichier(QStringLiteral("Chargement d'un profil couleur"), drapeaux::Ouverture, FiltreProfil,
                          QStringLiteral("*.usr"));
    dial_->ShowOpen();
    if (dial_->FileName.isEmpty())
        return;
    const auto lecture = LireProfil(VersChemin(dial_->FileName));
    if (lecture.Erreur != ErreurFichier::Aucune) {
        SignalerEchecFichier(QStringLiteral("Le profil du fichier « %1 » ne peut pas être chargé. %2"),
                             RaisonErreurFichier(lecture.Erreur));
        return;
    }
    AppliquerProfil(lecture.Profil);
    RafraichirCouleurs();
}

void FrmPrinc::MnuAffSave_Click()
{
    ParametrerDialFichier(QStringLiteral("Enregistrer le profil couleur en cours"), drapeaux::Enregistrement,
                          FiltreProfil, QStringLiteral("*.usr"));
    dial_->ShowSave();
    if (dial_->FileName.isEmpty())
        return;
    const auto erreur = EcrireProfil(VersChemin(dial_->FileName), CollecterProfil());
    if (erreur != ErreurFichier::Aucune)
        SignalerEchecFichier(QStringLiteral("Le profil n'a pas pu être enregistré dans le fichier « %1 ». %2"),
                             RaisonErreurFichier(erreur));
}

void FrmPrinc::MnuCoul_Click()
{
    std::array<std::int32_t, NbCouleurs> palette{};
    for (int k = 0; k < NbCouleurs; ++k)
        palette[k] = LblCoulSource[k]->BackColor();
    {
        FrmCoul editeur(palette, services_.Dialogues, this);
        if (editeur.exec() == QDialog::Accepted)
            for (int k = 0; k < NbCouleurs; ++k)
                LblCoulSource[k]->SetBackColor(editeur.Couleur(k));
    }
    RafraichirCouleurs();
}

}  // namespace vorlinde::ui
