// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Registre.h"

#include <ctime>

#include "AujourdHui.h"
#include "NomAffiche.h"
#include "catalogue/Catalogue.h"
#include "formats/Raisons.h"
#include "platform/PartiesEnCours.h"

namespace vorlinde::ui {

Registre::Registre(Repertoire donnees, Repertoire enCours, std::string base,
                   std::function<void(const QString&)> signaler)
    : donnees_(std::move(donnees)), enCours_(std::move(enCours)), base_(std::move(base)), signaler_(std::move(signaler))
{
}

void Registre::Compter(FinDePartie fin, const Partie& partie)
{
    if (donnees_.Ouvert())
        Signaler(AjouterAHistorique(donnees_, PartieTermineeA(partie, fin, std::time(nullptr))));
    // A code one player set for the other says nothing of either's play.
    if (partie.Origine.Sorte == SortePartie::ADeux || !donnees_.Ouvert())
        return;
    const bool duJour = partie.Origine.Sorte == SortePartie::DuJour;
    aCompter_.push_back({fin, partie.NbCoups, partie.IndicesUtilises > 0, duJour ? partie.Origine.Numero : 0,
                         partie.Difficile, Secondes(partie.Duree)});
    // On disk before the record is tried, after those already waiting
    // there: whatever ends the program while the record is busy, the game is
    // counted at the next start.
    if (enCours_.Ouvert() && !base_.empty()
        && AjouterEnAttente(enCours_, base_ + ".comptes", aCompter_) == ErreurFichier::Aucune)
        aCompter_.clear();
    CompterEnAttente();
}

ComptesEnAttente Registre::EnAttente() const
{
    ComptesEnAttente enAttente;
    enAttente.Dossier = &enCours_;
    enAttente.Aujourdhui = AujourdHui();
    if (enCours_.Ouvert())
        enAttente.Noms = ComptesLaisses(enCours_, base_);
    return enAttente;
}

void Registre::CompterEnAttente(bool enSilence)
{
    const auto enAttente = EnAttente();
    if (aCompter_.empty() && enAttente.Noms.empty())
        return;
    const auto aujourdhui = enAttente.Aujourdhui;
    const auto resultat = MettreAJourStatistiques(
        donnees_,
        [&](Statistiques& figures) {
            for (const auto& fin : aCompter_)
                vorlinde::Compter(figures, fin, aujourdhui);
        },
        enAttente);
    if (resultat.Ecriture == ErreurFichier::Aucune && resultat.Etat != EtatStatistiques::PlusRecentes)
        aCompter_.clear();
    if (!enSilence)
        Signaler(resultat);
}

Statistiques Registre::Lire()
{
    ComptesEnAttente aujourdhui;
    aujourdhui.Aujourdhui = AujourdHui();
    const auto resultat
        = donnees_.Ouvert() ? MettreAJourStatistiques(donnees_, {}, aujourdhui) : ResultatStatistiques{};
    Signaler(resultat);
    return resultat.Figures;
}

Statistiques Registre::RemettreAZero()
{
    if (!donnees_.Ouvert())
        return Lire();
    const auto remises = MettreAJourStatistiques(donnees_, [](Statistiques& figures) { figures = {}; });
    Signaler(remises);
    return remises.Figures;
}

std::vector<PartieJouee> Registre::PartiesJouees()
{
    auto resultat = LireHistorique(donnees_);
    Signaler(resultat);
    return std::move(resultat.Parties);
}

void Registre::Signaler(const ResultatHistorique& resultat)
{
    const QString fichier = NomAffiche(donnees_.Chemin() / "parties-jouees.txt");
    QString texte;
    const char* sorte = nullptr;
    if (resultat.Etat == EtatHistorique::Abime && resultat.MisDeCote.empty()) {
        sorte = textes::HistoriqueLaisse;
        texte = Utf8(sorte).arg(fichier);
    } else if (resultat.Etat == EtatHistorique::Abime) {
        sorte = textes::HistoriqueIllisible;
        texte = Utf8(sorte).arg(fichier, NomAffiche(donnees_.Chemin() / resultat.MisDeCote));
    } else if (resultat.Ecriture != ErreurFichier::Aucune) {
        sorte = textes::HistoriqueNonEcrit;
        texte = Utf8(sorte).arg(fichier, QString::fromStdString(RaisonErreurFichier(resultat.Ecriture)));
    }
    // A list set aside once is told once; another set aside later is told again.
    if (sorte == nullptr || !signales_.insert(Utf8(sorte) + QString::fromStdString(resultat.MisDeCote)).second)
        return;
    signaler_(texte);
}

void Registre::Signaler(const ResultatStatistiques& resultat)
{
    const QString fichier = NomAffiche(donnees_.Chemin() / "statistiques.json");
    QString texte;
    const char* sorte = nullptr;
    if (resultat.Occupees) {
        sorte = textes::ReleveOccupe;
        texte = Utf8(sorte).arg(fichier);
    } else if (resultat.Etat == EtatStatistiques::Abimees && resultat.MisDeCote.empty()) {
        sorte = textes::ReleveAbimeLaisse;
        texte = Utf8(sorte).arg(fichier);
    } else if (resultat.Etat == EtatStatistiques::Abimees) {
        sorte = textes::ReleveAbime;
        texte = Utf8(sorte).arg(fichier, NomAffiche(donnees_.Chemin() / resultat.MisDeCote));
    } else if (resultat.Etat == EtatStatistiques::PlusRecentes) {
        sorte = textes::RelevePlusRecent;
        texte = Utf8(sorte).arg(fichier);
    } else if (resultat.Ecriture != ErreurFichier::Aucune) {
        sorte = textes::ReleveNonEcrit;
        texte = Utf8(sorte).arg(fichier, QString::fromStdString(RaisonErreurFichier(resultat.Ecriture)));
    } else if (resultat.JourFutur) {
        sorte = textes::ReleveJourFutur;
        const auto jour = resultat.Figures.DernierJour;
        texte = Utf8(sorte).arg(fichier,
                                QStringLiteral("%1/%2/%3")
                                    .arg(jour % 100, 2, 10, QLatin1Char('0'))
                                    .arg(jour / 100 % 100, 2, 10, QLatin1Char('0'))
                                    .arg(jour / 10000));
    }
    if (sorte == nullptr || !signales_.insert(Utf8(sorte)).second)
        return;
    signaler_(texte);
}

}  // namespace vorlinde::ui
