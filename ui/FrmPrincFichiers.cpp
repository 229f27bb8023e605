// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board's file and colour commands: saving and loading a game, loading
// and saving a colour profile, the colour editor.
#include <QDir>
#include <QFile>

#include "FrmCoul.h"
#include "FrmPrinc.h"
#include "Plateau.h"
#include "UsagesFichier.h"
#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "game/Messages.h"
#include "platform/Dossiers.h"

namespace vorlinde::ui {

QString NomAffiche(const std::filesystem::path& chemin)
{
    return QDir::toNativeSeparators(QFile::decodeName(chemin.c_str()));
}

FrmPrinc::IssueCommande FrmPrinc::CommandeFichier(const UsageFichier& usage, const OperationFichier& operation)
{
    Parametrer(*dial_, usage, QFile::decodeName(services_.DossierProgramme.c_str()));
    if (usage.Enregistrer)
        dial_->ShowSave();
    else
        dial_->ShowOpen();
    if (dial_->FileName.isEmpty())
        return IssueCommande::Annulee;
    return SurFichier(usage, QFile::encodeName(dial_->FileName).toStdString(), operation);
}

FrmPrinc::IssueCommande FrmPrinc::SurFichier(const UsageFichier& usage, const std::filesystem::path& chemin,
                                             const OperationFichier& operation)
{
    const auto erreur = operation(chemin);
    if (erreur == ErreurFichier::Aucune)
        return IssueCommande::Reussie;
    MsgBox(TexteEchec(usage, NomAffiche(chemin), erreur), styles::Stop, QString::fromUtf8(messages::TitreErreur));
    return IssueCommande::Echec;
}

void FrmPrinc::MnuSave_Click()
{
    if (SauvegarderPartie() == IssueCommande::Reussie)
        plateau_->Annoncer(QStringLiteral("Partie enregistrée"));
}

FrmPrinc::IssueCommande FrmPrinc::SauvegarderPartie()
{
    return CommandeFichier(usages::SauvegardePartie, [this](const std::filesystem::path& chemin) {
        return EcrireFichierPartie(chemin, SauverPartie(partie_));
    });
}

FrmPrinc::OperationFichier FrmPrinc::ChargementDePartie()
{
    return [this](const std::filesystem::path& chemin) {
        // The whole file is checked before anything of the game changes.
        const auto lecture = LireFichierPartie(chemin);
        if (lecture.Erreur == ErreurFichier::Aucune) {
            AbandonnerPartie();
            ChargerPartie(partie_, lecture.Partie);
            GarderPartie();
            plateau_->Peindre();
        }
        return lecture.Erreur;
    };
}

void FrmPrinc::MnuLoad_Click()
{
    if (CommandeFichier(usages::ChargementPartie, ChargementDePartie()) == IssueCommande::Reussie)
        plateau_->Annoncer(QStringLiteral("Partie chargée"));
}

bool FrmPrinc::OuvrirPartie(const std::filesystem::path& chemin)
{
    if (SurFichier(usages::ChargementPartie, chemin, ChargementDePartie()) != IssueCommande::Reussie)
        return false;
    plateau_->Annoncer(QStringLiteral("Partie chargée"));
    return true;
}

bool FrmPrinc::OuvrirPartie(const QString& chemin)
{
    return OuvrirPartie(std::filesystem::path(QFile::encodeName(chemin).toStdString()));
}

void FrmPrinc::MnuAffLoad_Click()
{
    CommandeFichier(usages::ChargementProfil, [this](const std::filesystem::path& chemin) {
        const auto lecture = LireProfil(chemin);
        if (lecture.Erreur == ErreurFichier::Aucune) {
            AppliquerProfil(partie_, lecture.Profil);
            plateau_->PeindreCases();
            plateau_->EffacerLegendesCases();
            plateau_->RafraichirCouleurs();
        }
        return lecture.Erreur;
    });
}

void FrmPrinc::MnuAffSave_Click()
{
    CommandeFichier(usages::SauvegardeProfil, [this](const std::filesystem::path& chemin) {
        return EcrireProfil(chemin, CollecterProfil(partie_));
    });
}

void FrmPrinc::MnuCoul_Click()
{
    {
        FrmCoul editeur(partie_.Palette, services_.Dialogues, this);
        if (editeur.exec() == QDialog::Accepted)
            partie_.Palette = editeur.Palette();
    }
    plateau_->RafraichirCouleurs();
}

}  // namespace vorlinde::ui
