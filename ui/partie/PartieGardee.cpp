// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "PartieGardee.h"

#include "NomAffiche.h"
#include "catalogue/Catalogue.h"
#include "formats/FichierPartie.h"
#include "formats/Raisons.h"
#include "game/Sortes.h"

namespace vorlinde::ui {

PartieGardee::PartieGardee(Repertoire enCours, std::function<void(const QString&)> signaler)
    : enCours_(std::move(enCours)), signaler_(std::move(signaler))
{
}

void PartieGardee::Garder(const Partie& partie)
{
    gardee_ = false;
    if (enCours_.Erreur() != ErreurFichier::Aucune)
        return;
    // After the 100th move the game still awaits the guess that shows the
    // loss: it is kept as long as the window keeps it in play.
    if (partie.NbCoups < 1 || !partie.EnCours) {
        enCours_.Oublier();
        gardee_ = true;
        return;
    }
    const auto erreur
        = enCours_.Ecrire(OctetsPartie(SauverPartie(partie)), partie.IndicesUtilises, EcrireSorte(partie));
    gardee_ = erreur == ErreurFichier::Aucune;
    if (erreur == ErreurFichier::Aucune || signale_)
        return;
    signale_ = true;
    signaler_(Utf8(textes::PartieNonGardee)
                  .arg(NomAffiche(enCours_.Chemin()), QString::fromStdString(RaisonErreurFichier(erreur))));
}

}  // namespace vorlinde::ui
