// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The game in progress on disk: written after every change, so that no end
// of the program loses it, and offered back at the next start.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "FrmPrinc.h"
#include "Plateau.h"
#include "UsagesFichier.h"
#include "formats/FichierPartie.h"

namespace vorlinde::ui {
void FrmPrinc::GarderPartie()
{
    partieGardee_ = false;
    if (enCours_->Erreur() != ErreurFichier::Aucune)
        return;
    // After the 100th move the game still awaits the guess that shows the
    // loss: it is kept as long as the window keeps it in play.
    if (partie_.NbCoups < 1 || !partie_.EnCours) {
        enCours_->Oublier();
        partieGardee_ = true;
        return;
    }
    const auto erreur = enCours_->Ecrire(OctetsPartie(SauverPartie(partie_)));
    partieGardee_ = erreur == ErreurFichier::Aucune;
    if (erreur == ErreurFichier::Aucune || enCoursSignale_)
        return;
    enCoursSignale_ = true;
    MsgBox(QStringLiteral("La partie en cours n'a pas pu être gardée dans « %1 » : elle serait perdue si le jeu "
                          "s'arrêtait sans que vous le quittiez. %2")
               .arg(NomAffiche(enCours_->Chemin()), QString::fromStdString(RaisonErreurFichier(erreur))),
           styles::Exclamation);
}

void FrmPrinc::InterrompreSession()
{
    GarderPartie();
    CompterEnAttente(true);
    if (services_.Reglages)
        services_.Reglages->sync();
    sansQuestion_ = true;
}

void FrmPrinc::ProposerReprise()
{
    const auto offertes = PartiesLaissees(services_.DossierDonnees);
    const auto& laissees = offertes.Parties;
    for (std::size_t k = 0; k < laissees.size(); ++k) {
        const auto& laissee = laissees[k];
        auto question = QStringLiteral("Une partie a été interrompue. Voulez-vous la reprendre ?");
        if (laissees.size() > 1) {
            const auto date = QDateTime::fromSecsSinceEpoch(laissee.Date);
            question += QStringLiteral("\n\nPartie %1 sur %2, interrompue le %3 à %4.")
                            .arg(k + 1)
                            .arg(laissees.size())
                            .arg(date.toString(QStringLiteral("dd/MM/yyyy")), date.toString(QStringLiteral("HH:mm")));
        }
        if (MsgBox(question, styles::QuestionOuiNon) != Reponse::Oui) {
            Retirer(laissee);
            continue;
        }
        if (SurFichier(usages::ChargementPartie, laissee.Chemin, ChargementDePartie()) == IssueCommande::Echec) {
            // Kept for whoever wants to look at it, never offered again.
            MettreDeCote(laissee.Chemin, services_.DossierDonnees, "interrompue", ".prt");
            Retirer(laissee);
            continue;
        }
        // Now in the window's own file, unless it could not be written (a
        // full disk): then the game stays where it was, for the next start.
        // The games not yet answered for wait for the next start too.
        if (partieGardee_)
            Retirer(laissee);
        plateau_->Annoncer(QStringLiteral("Partie chargée"));
        return;
    }
}

QString FrmPrinc::AlerteDossierDonnees() const
{
    const bool couleurs = services_.DossierProgramme.empty();
    if (enCours_->Erreur() == ErreurFichier::Aucune && !couleurs)
        return {};
    const auto quoi = couleurs ? QStringLiteral("les couleurs par défaut et les parties interrompues")
                               : QStringLiteral("les parties interrompues");
    if (services_.DossierDonnees.empty())
        return QStringLiteral("Aucun dossier de données n'est connu (ni XDG_DATA_HOME ni HOME ne donnent un chemin "
                              "absolu) : %1 ne pourront pas être gardées.")
            .arg(quoi);
    // The folder that exists but refuses, or that cannot be made.
    return (QFileInfo(NomAffiche(services_.DossierDonnees)).isDir()
                ? QStringLiteral("Le dossier « %1 » ne peut pas être écrit : %2 ne pourront pas y être gardées.")
                : QStringLiteral("Le dossier « %1 » ne peut pas être créé : %2 ne pourront pas y être gardées."))
        .arg(NomAffiche(services_.DossierDonnees), quoi);
}

}  // namespace vorlinde::ui
