// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "PartieActive.h"

#include <QElapsedTimer>

#include <algorithm>

namespace vorlinde::ui {

using A = PartieActive::Aspect;

namespace {

// Everything the board shows.
constexpr PartieActive::Aspects Tout = A::Cases | A::Curseur | A::Palette | A::Rangees | A::Historique | A::Issue;

}  // namespace

PartieActive::PartieActive(QObject* parent) : QObject(parent)
{
    FixerHorloge({});
}

void PartieActive::FixerHorloge(Horloge horloge)
{
    if (!horloge) {
        auto depart = std::make_shared<QElapsedTimer>();
        depart->start();
        horloge = [depart] { return static_cast<std::int64_t>(depart->elapsed()); };
    }
    horloge_ = std::move(horloge);
    depuis_ = TempsCourt() ? horloge_() : -1;
}

bool PartieActive::TempsCourt() const
{
    return partie_.EnCours && partie_.NbCoups >= 1 && !suspendue_;
}

void PartieActive::Cumuler()
{
    const auto maintenant = horloge_();
    if (depuis_ >= 0)
        partie_.Duree += std::max<std::int64_t>(maintenant - depuis_, 0);
    depuis_ = TempsCourt() ? maintenant : -1;
}

std::int64_t PartieActive::Duree() const
{
    return partie_.Duree + (depuis_ >= 0 ? std::max<std::int64_t>(horloge_() - depuis_, 0) : 0);
}

Partie PartieActive::Instantane() const
{
    Partie partie = partie_;
    partie.Duree = Duree();
    return partie;
}

void PartieActive::Suspendre(bool suspendue)
{
    if (suspendue == suspendue_)
        return;
    Cumuler();
    suspendue_ = suspendue;
    const bool arretee = depuis_ >= 0 && suspendue;
    depuis_ = TempsCourt() ? horloge_() : -1;
    if (arretee)
        Changer(A::Temps);
}

void PartieActive::Changer(Aspects aspects)
{
    Cumuler();
    emit AGarder(aspects);
    emit Change(aspects);
}

void PartieActive::Laisser()
{
    Cumuler();
    if (LaisseeCompteAbandonnee(partie_) && !abandonnee_)
        emit Finie(FinDePartie::Abandonnee);
    abandonnee_ = false;
}

void PartieActive::Nouvelle(const ProfilCouleurs& profil, const Code4& code, const OriginePartie& origine,
                            Depart depart)
{
    Laisser();
    NouvellePartie(partie_, profil, code, origine);
    partie_.Difficile = modeDifficile_;
    depuis_ = -1;
    Aspects aspects = Tout | A::CasesVidees;
    if (depart == Depart::Tiree)
        aspects |= A::Tiree;
    else if (depart == Depart::Choisie)
        aspects |= A::Commencee;
    Changer(aspects);
}

void PartieActive::Charger(const PartieSauvee& sauvee, int indices, const OriginePartie& origine, bool difficile,
                           std::int64_t duree)
{
    Laisser();
    ChargerPartie(partie_, sauvee, indices, origine, difficile, duree);
    // A game taken back goes on from its time.
    depuis_ = -1;
    Changer(Tout | A::Chargee);
}

bool PartieActive::ChoisirModeDifficile(bool actif)
{
    modeDifficile_ = actif;
    // Moves played freely do not make a game of hard mode.
    const bool desormais = actif && partie_.NbCoups == 0 && partie_.EnCours;
    if (partie_.Difficile != desormais) {
        partie_.Difficile = desormais;
        Changer(A::Mode);
    }
    return desormais == actif;
}

ResultatValidation PartieActive::Valider()
{
    const auto resultat = ValiderCode(partie_);
    switch (resultat) {
    case ResultatValidation::Enregistre:
        Changer(A::Historique | A::CoupJoue);
        break;
    case ResultatValidation::Gagne:
        Changer(A::Historique | A::Issue | A::CoupJoue);
        emit Finie(FinDePartie::Gagnee);
        break;
    case ResultatValidation::Perdu:
        Changer(A::Historique | A::Issue);
        emit Finie(FinDePartie::Perdue);
        break;
    default:
        break;
    }
    return resultat;
}

void PartieActive::PlacerCurseur(int cellule)
{
    ChoisirCase(partie_, cellule);
    Changer(A::Curseur);
}

void PartieActive::PoserCouleur(int indexSource)
{
    caseColoree_ = partie_.CaseCourante;
    ChoisirCouleur(partie_, indexSource);
    Changer(A::Cases | A::Curseur | A::CouleurPosee);
}

void PartieActive::DeplacerRangee(int sens)
{
    DeplacerSource(partie_, sens);
    Changer(A::Rangees);
}

void PartieActive::DonnerIndice(const Conseil& conseil)
{
    indice_ = conseil;
    ComposerIndice(partie_, conseil.Coup.Code);
    Changer(A::Cases | A::Curseur | A::IndiceDonne);
}

void PartieActive::PrendreProfil(const ProfilCouleurs& profil)
{
    AppliquerProfil(partie_, profil);
    RafraichirCouleurs(partie_);
    Changer(A::Palette | A::Cases | A::CasesVidees);
}

void PartieActive::ChangerPalette(const std::array<std::int32_t, NbCouleurs>& palette)
{
    FixerPalette(partie_, palette);
    Changer(A::Palette | A::Cases);
}

void PartieActive::Abandonner()
{
    Cumuler();
    // The board still shows it, as it stands, until the window closes.
    if (LaisseeCompteAbandonnee(partie_) && !abandonnee_)
        emit Finie(FinDePartie::Abandonnee);
    abandonnee_ = true;
}

}  // namespace vorlinde::ui
