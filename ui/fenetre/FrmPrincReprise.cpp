// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The games that windows left on disk when they ended, offered back at the
// next start, and the end of a session, which leaves this window's game
// there for the next one.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmapCache>
#include <QSettings>

#include <optional>

#include "FrmPrinc.h"
#include "catalogue/Catalogue.h"
#include "dialogues/FrmReprise.h"
#include "dialogues/UsagesFichier.h"
#include "formats/FichierPartie.h"
#include "game/Sortes.h"
#include "plateau/Plateau.h"
#include "platform/Memoire.h"

namespace vorlinde::ui {
namespace {

// The games left on disk as the window of games left reads them, a lot at a
// time. Only the games that can be taken back are offered; the others are
// set aside once, under names that say so, and named in one sentence. One
// that cannot be set aside stays as it is, and the sentence says so.
class Offre {
public:
    explicit Offre(PartiesOffertes offertes) : offertes_(std::move(offertes)) { }

    const Repertoire& EnCours() const { return offertes_.EnCours; }
    const Repertoire& Donnees() const { return offertes_.Donnees; }

    FrmReprise::Lot Lire(std::size_t nombre)
    {
        auto& laissees = offertes_.Parties;
        FrmReprise::Lot lot;
        for (; suivante_ < laissees.size() && lot.Parties.size() < nombre; ++suivante_)
            if (auto partie = Offrir(laissees[suivante_]))
                lot.Parties.push_back(*partie);
        lot.Fini = suivante_ >= laissees.size();
        return lot;
    }

    // The first lot that holds a game, or the last one read.
    FrmReprise::Lot Premieres()
    {
        auto lot = Lire(20);
        while (lot.Parties.empty() && !lot.Fini)
            lot = Lire(20);
        return lot;
    }

    QString Phrase() const
    {
        QStringList phrases;
        if (misesDeCote_.size() == 1)
            phrases << Utf8(textes::UneMiseDeCote).arg(misesDeCote_[0]);
        else if (misesDeCote_.size() > 1)
            phrases << Utf8(textes::MisesDeCote).arg(misesDeCote_.size()).arg(NomAffiche(Donnees().Chemin()));
        if (laisseesTelles_.size() == 1)
            phrases << Utf8(textes::UneLaisseeTelle).arg(laisseesTelles_[0]);
        else if (laisseesTelles_.size() > 1)
            phrases << Utf8(textes::LaisseesTelles).arg(laisseesTelles_.size()).arg(NomAffiche(EnCours().Chemin()));
        return phrases.join(QLatin1Char(' '));
    }

    PartieLaissee LaisseeDe(const std::filesystem::path& chemin) const
    {
        PartieLaissee laissee;
        laissee.Chemin = chemin;
        laissee.Dossier = EnCours();
        return laissee;
    }

    // The list and its pictures are gone: what they took goes back to the
    // system, as after a start with no game left.
    void Liberer()
    {
        offertes_.Parties = {};
        QPixmapCache::clear();
        RendreMemoireLibre();
    }

private:
    std::optional<FrmReprise::Partie> Offrir(PartieLaissee& laissee)
    {
        const auto lecture = LireFichierPartie(laissee.Chemin);
        if (lecture.Erreur != ErreurFichier::Aucune) {
            const auto nom = MettreDeCote(laissee, Donnees());
            if (nom.empty())
                laisseesTelles_ << NomAffiche(laissee.Chemin);
            else
                misesDeCote_ << NomAffiche(Donnees().Chemin() / nom);
            return std::nullopt;
        }
        Completer(laissee);
        FrmReprise::Partie partie{
            laissee.Chemin,          laissee.Date, static_cast<int>(lecture.Partie.Coups.size()), {}, laissee.Indices,
            LireSorte(laissee.Sorte)};
        if (!lecture.Partie.Coups.empty())
            for (int k = 0; k < LongueurCode; ++k)
                partie.Dernier[k] = lecture.Partie.Coups.back()[k] - '0';
        // Read once: the list holds no more of it than its name and date.
        laissee.Sorte = std::string();
        return partie;
    }

    PartiesOffertes offertes_;
    std::size_t suivante_ = 0;
    QStringList misesDeCote_, laisseesTelles_;
};

}  // namespace

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
    Offre offre(PartiesLaissees(donnees_));
    auto premieres = offre.Premieres();
    if (premieres.Parties.empty()) {
        if (const auto phrase = offre.Phrase(); !phrase.isEmpty())
            MsgBox(phrase, styles::Exclamation, Utf8(textes::TitrePartiesInterrompues));
        return;
    }
    FrmReprise::Sources sources;
    sources.Lire = [&offre](std::size_t nombre) { return offre.Lire(nombre); };
    sources.MisesDeCote = [&offre] { return offre.Phrase(); };
    sources.Supprimer = [&offre](const FrmReprise::Partie& partie, bool durable) {
        Retirer(offre.LaisseeDe(partie.Chemin), durable);
    };
    sources.Synchroniser = [&offre] { offre.EnCours().Synchroniser(); };
    sources.ConfirmerTout = [this](int n) {
        return MsgBox(Utf8(textes::SupprimerToutes).arg(n), styles::QuestionOuiNon,
                      Utf8(textes::TitrePartiesInterrompues))
            == Reponse::Oui;
    };
    std::optional<FrmReprise::Partie> choisie;
    {
        FrmReprise fenetre(std::move(premieres), std::move(sources), jeu_.Etat().Palette, this);
        if (fenetre.exec() == QDialog::Accepted)
            choisie = fenetre.Choisie();
    }
    offre.Liberer();
    if (!choisie) {
        // Said once the board has the focus back: the window closing alone
        // may leave a screen reader silent on a busy machine.
        voix_->Dire(Utf8(textes::PartiesLaisseesPourPlusTard));
        return;
    }
    Reprendre(*choisie, offre.LaisseeDe(choisie->Chemin), offre.Donnees());
}

void FrmPrinc::Reprendre(const FrmReprise::Partie& choisie, const PartieLaissee& laissee, const Repertoire& donnees)
{
    // The game moves to the window's own file, with its hints and kind: no
    // end of the program leaves it twice. Where the window has no file of
    // its own, it is read where it is, and goes once kept in the window's.
    const bool prise = gardee_->Prendre(laissee);
    const auto chemin = prise ? gardee_->EnCours().Chemin() : choisie.Chemin;
    if (SurFichier(usages::ChargementPartie, chemin, ChargementDePartie(choisie.Indices, choisie.Sorte))
        == IssueCommande::Echec) {
        // Changed since it was listed: kept for whoever wants to look at it.
        PartieLaissee illisible;
        illisible.Chemin = chemin;
        illisible.Dossier = laissee.Dossier;
        MettreDeCote(illisible, donnees);
        return;
    }
    if (!prise && gardee_->Gardee())
        Retirer(laissee);
}

FrmPrinc::Garde FrmPrinc::PartieSurDisque() const
{
    const auto& partie = jeu_.Etat();
    if (partie.NbCoups < 1 || !partie.EnCours)
        return Garde::RienAGarder;
    return gardee_->Gardee() ? Garde::Gardee : Garde::NonGardee;
}

QString FrmPrinc::AlerteDossierDonnees() const
{
    const bool couleurs = services_.DossierProgramme.empty();
    if (gardee_->Erreur() == ErreurFichier::Aucune && !couleurs)
        return {};
    const auto quoi = couleurs ? Utf8(textes::CouleursEtParties) : Utf8(textes::Parties);
    if (services_.DossierDonnees.empty())
        return Utf8(textes::AucunDossierDeDonnees).arg(quoi);
    if (donnees_.Erreur() == ErreurFichier::Etranger || gardee_->Erreur() == ErreurFichier::Etranger)
        return Utf8(textes::DossierEtranger)
            .arg(NomAffiche(donnees_.Erreur() == ErreurFichier::Etranger ? donnees_.Chemin()
                                                                         : gardee_->EnCours().Dossier().Chemin()),
                 quoi);
    // The folder that exists but refuses, or that cannot be made.
    return (QFileInfo(NomAffiche(services_.DossierDonnees)).isDir() ? Utf8(textes::DossierNonEcrit)
                                                                    : Utf8(textes::DossierNonCree))
        .arg(NomAffiche(services_.DossierDonnees), quoi);
}

}  // namespace vorlinde::ui
