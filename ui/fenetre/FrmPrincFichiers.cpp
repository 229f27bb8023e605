// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board's file and colour commands: saving and loading a game, loading
// and saving a colour profile, the colour editor.
#include <QDir>
#include <QFile>

#include "FrmPrinc.h"
#include "catalogue/Catalogue.h"
#include "dialogues/FrmCoul.h"
#include "dialogues/UsagesFichier.h"
#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "plateau/Plateau.h"
#include "platform/Dossiers.h"

namespace vorlinde::ui {

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
    MsgBox(TexteEchec(usage, NomAffiche(chemin), erreur), styles::Stop, QString::fromUtf8(textes::TitreErreur));
    return IssueCommande::Echec;
}

void FrmPrinc::MnuSave_Click()
{
    if (SauvegarderPartie() == IssueCommande::Reussie)
        voix_->Dire(Utf8(textes::PartieEnregistree));
}

FrmPrinc::IssueCommande FrmPrinc::SauvegarderPartie()
{
    return CommandeFichier(usages::SauvegardePartie, [this](const std::filesystem::path& chemin) {
        return EcrireFichierPartie(chemin, SauverPartie(jeu_.Etat()));
    });
}

FrmPrinc::OperationFichier FrmPrinc::ChargementDePartie(int indices, SorteGardee sorte)
{
    return [this, indices, sorte](const std::filesystem::path& chemin) {
        // The whole file is checked before anything of the game changes.
        const auto lecture = LireFichierPartie(chemin);
        if (lecture.Erreur == ErreurFichier::Aucune)
            jeu_.Charger(lecture.Partie, indices, sorte.Origine, sorte.Difficile, sorte.Duree);
        return lecture.Erreur;
    };
}

void FrmPrinc::MnuLoad_Click()
{
    CommandeFichier(usages::ChargementPartie, ChargementDePartie());
}

bool FrmPrinc::OuvrirPartie(const std::filesystem::path& chemin)
{
    return SurFichier(usages::ChargementPartie, chemin, ChargementDePartie()) == IssueCommande::Reussie;
}

bool FrmPrinc::OuvrirPartie(const QString& chemin)
{
    return OuvrirPartie(std::filesystem::path(QFile::encodeName(chemin).toStdString()));
}

void FrmPrinc::MnuAffLoad_Click()
{
    CommandeFichier(usages::ChargementProfil, [this](const std::filesystem::path& chemin) {
        const auto lecture = LireProfil(chemin);
        if (lecture.Erreur == ErreurFichier::Aucune)
            jeu_.PrendreProfil(lecture.Profil);
        return lecture.Erreur;
    });
}

void FrmPrinc::MnuAffSave_Click()
{
    CommandeFichier(usages::SauvegardeProfil, [this](const std::filesystem::path& chemin) {
        return EcrireProfil(chemin, CollecterProfil(jeu_.Etat()));
    });
}

void FrmPrinc::MnuCoul_Click()
{
    FrmCoul editeur(jeu_.Etat().Palette, services_.Dialogues, this);
    // Closed either way, the board takes its colours afresh.
    jeu_.ChangerPalette(editeur.exec() == QDialog::Accepted ? editeur.Palette() : jeu_.Etat().Palette);
}

}  // namespace vorlinde::ui
