// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The games that windows left on disk when they ended, offered back at the
// next start, and the end of a session, which leaves this window's game
// there for the next one.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "FrmPrinc.h"
#include "FrmReprise.h"
#include "UsagesFichier.h"
#include "accessibilite/Texte.h"
#include "formats/FichierPartie.h"
#include "game/Sortes.h"
#include "plateau/Plateau.h"

namespace vorlinde::ui {
void FrmPrinc::InterrompreSession()
{
    gardee_->Garder(jeu_.Etat());
    registre_->CompterEnAttente(true);
    if (services_.Reglages)
        services_.Reglages->sync();
    sansQuestion_ = true;
}

void FrmPrinc::ProposerReprise()
{
    const auto offertes = PartiesLaissees(services_.DossierDonnees);
    const auto& laissees = offertes.Parties;
    // Only the games that can be taken back are offered; the others are set
    // aside once, under names that say so, and named in one sentence.
    std::size_t suivante = 0;
    QStringList misesDeCote;
    const auto lire = [&](std::size_t nombre) {
        FrmReprise::Lot lot;
        for (; suivante < laissees.size() && lot.Parties.size() < nombre; ++suivante) {
            const auto& laissee = laissees[suivante];
            const auto lecture = LireFichierPartie(laissee.Chemin);
            if (lecture.Erreur != ErreurFichier::Aucune) {
                misesDeCote << NomAffiche(
                    MettreDeCote(laissee.Chemin, services_.DossierDonnees, "interrompue", ".prt"));
                Retirer(laissee);
                continue;
            }
            FrmReprise::Partie partie{laissee.Chemin,
                                      laissee.Date,
                                      static_cast<int>(lecture.Partie.Coups.size()),
                                      {},
                                      laissee.Indices,
                                      LireOrigine(laissee.Sorte)};
            if (!lecture.Partie.Coups.empty())
                for (int k = 0; k < LongueurCode; ++k)
                    partie.Dernier[k] = lecture.Partie.Coups.back()[k] - '0';
            lot.Parties.push_back(partie);
        }
        lot.Fini = suivante >= laissees.size();
        return lot;
    };
    const auto phrase = [&] {
        if (misesDeCote.size() == 1)
            return QStringLiteral(
                       "Une partie interrompue était illisible : elle a été mise de côté sous le nom « %1 ».")
                .arg(misesDeCote[0]);
        if (misesDeCote.size() > 1)
            return QStringLiteral("%1 parties interrompues étaient illisibles : elles ont été mises de côté dans "
                                  "« %2 », sous des noms qui commencent par « interrompue ».")
                .arg(misesDeCote.size())
                .arg(NomAffiche(services_.DossierDonnees));
        return QString();
    };
    auto premieres = lire(20);
    while (premieres.Parties.empty() && !premieres.Fini)
        premieres = lire(20);
    if (premieres.Parties.empty()) {
        if (!misesDeCote.isEmpty())
            MsgBox(phrase(), styles::Exclamation, Utf8(textes::TitrePartiesInterrompues));
        return;
    }
    FrmReprise::Sources sources;
    sources.Lire = lire;
    sources.MisesDeCote = phrase;
    sources.Supprimer = [](const FrmReprise::Partie& partie) { Retirer(PartieLaissee{partie.Chemin}); };
    sources.ConfirmerTout = [this](int n) {
        return MsgBox(Utf8(textes::SupprimerToutes).arg(n), styles::QuestionOuiNon,
                      Utf8(textes::TitrePartiesInterrompues))
            == Reponse::Oui;
    };
    FrmReprise fenetre(std::move(premieres), std::move(sources), jeu_.Etat().Palette, this);
    if (fenetre.exec() != QDialog::Accepted) {
        // Said once the board has the focus back: the window closing alone
        // may leave a screen reader silent on a busy machine.
        plateau_->Annoncer(Utf8(textes::PartiesLaisseesPourPlusTard));
        return;
    }
    const auto choisie = fenetre.Choisie();
    // With the hints it was played with and its kind, which a saved game has not.
    if (SurFichier(usages::ChargementPartie, choisie.Chemin, ChargementDePartie(choisie.Indices, choisie.Origine))
        == IssueCommande::Echec) {
        // Changed since it was listed: kept for whoever wants to look at it.
        MettreDeCote(choisie.Chemin, services_.DossierDonnees, "interrompue", ".prt");
        Retirer(PartieLaissee{choisie.Chemin});
        return;
    }
    // Now in the window's own file, unless it could not be written (a full
    // disk): then the game stays where it was, for the next start. The
    // others wait for the next start too.
    if (gardee_->Gardee())
        Retirer(PartieLaissee{choisie.Chemin});
    plateau_->Annoncer(Utf8(textes::PartieChargee));
}

QString FrmPrinc::AlerteDossierDonnees() const
{
    const bool couleurs = services_.DossierProgramme.empty();
    if (gardee_->Erreur() == ErreurFichier::Aucune && !couleurs)
        return {};
    const auto quoi = couleurs ? Utf8(textes::CouleursEtParties) : Utf8(textes::Parties);
    if (services_.DossierDonnees.empty())
        return Utf8(textes::AucunDossierDeDonnees).arg(quoi);
    // The folder that exists but refuses, or that cannot be made.
    return (QFileInfo(NomAffiche(services_.DossierDonnees)).isDir() ? Utf8(textes::DossierNonEcrit)
                                                                    : Utf8(textes::DossierNonCree))
        .arg(NomAffiche(services_.DossierDonnees), quoi);
}

}  // namespace vorlinde::ui
