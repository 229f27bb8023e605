// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Registre.h"

#include "NomAffiche.h"
#include "accessibilite/Texte.h"
#include "platform/Dossiers.h"

namespace vorlinde::ui {

Registre::Registre(std::filesystem::path dossierDonnees, std::function<void(const QString&)> signaler)
    : dossier_(std::move(dossierDonnees)), signaler_(std::move(signaler))
{
}

std::filesystem::path Registre::Fichier() const
{
    if (dossier_.empty())
        return {};
    return dossier_ / "statistiques.json";
}

void Registre::Compter(FinDePartie fin, const Partie& partie)
{
    // A code one player set for the other says nothing of either's play.
    if (partie.Origine.Sorte == SortePartie::ADeux || Fichier().empty() || !CreerDossier(dossier_))
        return;
    const bool duJour = partie.Origine.Sorte == SortePartie::DuJour;
    aCompter_.push_back({fin, partie.NbCoups, partie.IndicesUtilises > 0, duJour ? partie.Origine.Numero : 0});
    CompterEnAttente();
}

void Registre::Abandonner(const Partie& partie)
{
    if (partie.NbCoups >= 1 && partie.EnCours)
        Compter(FinDePartie::Abandonnee, partie);
}

void Registre::CompterEnAttente(bool enSilence)
{
    const auto fichier = Fichier();
    if (aCompter_.empty() || fichier.empty())
        return;
    const auto resultat = MettreAJourStatistiques(fichier, [&](Statistiques& figures) {
        for (const auto& fin : aCompter_)
            vorlinde::Compter(figures, fin.Fin, fin.Coups, fin.AvecIndice, fin.Jour);
    });
    // A record that another window holds takes these games at the next
    // chance; any other outcome has counted them, or told why it could not.
    if (!resultat.Occupees)
        aCompter_.clear();
    if (!enSilence)
        Signaler(resultat);
}

Statistiques Registre::Lire()
{
    const auto fichier = Fichier();
    const auto resultat = fichier.empty() ? ResultatStatistiques{} : MettreAJourStatistiques(fichier);
    Signaler(resultat);
    return resultat.Figures;
}

Statistiques Registre::RemettreAZero()
{
    const auto fichier = Fichier();
    if (fichier.empty() || !CreerDossier(dossier_))
        return Lire();
    const auto remises = MettreAJourStatistiques(fichier, [](Statistiques& figures) { figures = {}; });
    Signaler(remises);
    return remises.Figures;
}

void Registre::Signaler(const ResultatStatistiques& resultat)
{
    const QString fichier = NomAffiche(Fichier());
    QString texte;
    if (resultat.Occupees)
        texte = Utf8(textes::ReleveOccupe).arg(fichier);
    else if (resultat.Etat == EtatStatistiques::Abimees)
        texte = Utf8(textes::ReleveAbime).arg(fichier, NomAffiche(resultat.MisDeCote));
    else if (resultat.Etat == EtatStatistiques::PlusRecentes)
        texte = Utf8(textes::RelevePlusRecent).arg(fichier);
    else if (resultat.Ecriture != ErreurFichier::Aucune)
        texte
            = Utf8(textes::ReleveNonEcrit).arg(fichier, QString::fromStdString(RaisonErreurFichier(resultat.Ecriture)));
    if (texte.isEmpty() || signale_)
        return;
    signale_ = true;
    signaler_(texte);
}

}  // namespace vorlinde::ui
