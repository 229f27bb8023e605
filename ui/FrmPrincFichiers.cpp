// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board's file and colour commands: saving and loading a game, loading
// and saving a colour profile, the colour editor.
#include <QDir>
#include <QFile>

#include "FrmCoul.h"
#include "FrmPrinc.h"
#include "UsagesFichier.h"
#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "game/Messages.h"

namespace vorlinde::ui {

std::filesystem::path FrmPrinc::ChoisirFichier(const UsageFichier& usage)
{
    dial_->FileName.clear();
    dial_->DialogTitle = QString::fromUtf8(usage.Titre);
    dial_->Flags = usage.Options;
    dial_->Filter = QString::fromUtf8(usage.Filtre);
    dial_->DefaultExt = QString::fromUtf8(usage.Extension);
    dial_->InitDir = QFile::decodeName(services_.DossierProgramme.c_str());
    if (usage.Enregistrer)
        dial_->ShowSave();
    else
        dial_->ShowOpen();
    // The file name as the system spells it, also when it is not valid UTF-8.
    return QFile::encodeName(dial_->FileName).toStdString();
}

void FrmPrinc::SignalerEchecFichier(const QString& modele, const std::string& raison)
{
    MsgBox(modele.arg(QDir::toNativeSeparators(dial_->FileName), QString::fromStdString(raison)), styles::Stop,
           QString::fromUtf8(messages::TitreErreur));
}

void FrmPrinc::MnuSave_Click()
{
    SauvegarderPartie();
}

FrmPrinc::IssueSauvegarde FrmPrinc::SauvegarderPartie()
{
    const auto chemin = ChoisirFichier(usages::SauvegardePartie);
    if (chemin.empty())
        return IssueSauvegarde::Annulee;
    const auto erreur = EcrireFichierPartie(chemin, SauverPartie(partie_));
    if (erreur == ErreurFichier::Aucune)
        return IssueSauvegarde::Enregistree;
    SignalerEchecFichier(QStringLiteral("La partie n'a pas pu être enregistrée dans le fichier « %1 ». %2"),
                         RaisonErreurFichier(erreur));
    return IssueSauvegarde::Echec;
}

void FrmPrinc::MnuLoad_Click()
{
    const auto chemin = ChoisirFichier(usages::ChargementPartie);
    if (chemin.empty())
        return;
    // The whole file is checked before anything of the game changes.
    const auto lecture = LireFichierPartie(chemin);
    if (lecture.Erreur == ErreurFichier::ConflitDeVersion) {
        MsgBox(QString::fromUtf8(messages::ConflitDeVersion), styles::Stop, QString::fromUtf8(messages::TitreErreur));
        return;
    }
    if (lecture.Erreur != ErreurFichier::Aucune) {
        SignalerEchecFichier(QStringLiteral("La partie du fichier « %1 » ne peut pas être chargée. %2"),
                             RaisonErreurFichier(lecture.Erreur));
        return;
    }
    ChargerPartie(partie_, lecture.Partie);
    PeindrePalette();
    PeindreValider();
    PeindreCases();
    PeindreHistorique();
}

void FrmPrinc::MnuAffLoad_Click()
{
    const auto chemin = ChoisirFichier(usages::ChargementProfil);
    if (chemin.empty())
        return;
    const auto lecture = LireProfil(chemin);
    if (lecture.Erreur != ErreurFichier::Aucune) {
        SignalerEchecFichier(QStringLiteral("Le profil du fichier « %1 » ne peut pas être chargé. %2"),
                             RaisonErreurFichier(lecture.Erreur));
        return;
    }
    AppliquerProfil(partie_, lecture.Profil);
    PeindreCases();
    EffacerLegendesCases();
    RafraichirCouleurs();
}

void FrmPrinc::MnuAffSave_Click()
{
    const auto chemin = ChoisirFichier(usages::SauvegardeProfil);
    if (chemin.empty())
        return;
    const auto erreur = EcrireProfil(chemin, CollecterProfil(partie_));
    if (erreur != ErreurFichier::Aucune)
        SignalerEchecFichier(QStringLiteral("Le profil n'a pas pu être enregistré dans le fichier « %1 ». %2"),
                             RaisonErreurFichier(erreur));
}

void FrmPrinc::MnuCoul_Click()
{
    {
        FrmCoul editeur(partie_.Palette, services_.Dialogues, this);
        if (editeur.exec() == QDialog::Accepted)
            partie_.Palette = editeur.Palette();
    }
    RafraichirCouleurs();
}

}  // namespace vorlinde::ui
