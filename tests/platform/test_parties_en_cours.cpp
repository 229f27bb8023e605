// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "platform/PartiesEnCours.h"
#include "tests/commun/DossierTemporaire.h"

using namespace vorlinde;

namespace {

void Ecrire(const std::filesystem::path& chemin, const std::string& texte)
{
    std::ofstream(chemin, std::ios::binary) << texte;
}

std::vector<std::filesystem::path> Chemins(const std::vector<PartieLaissee>& parties)
{
    std::vector<std::filesystem::path> chemins;
    for (const auto& partie : parties)
        chemins.push_back(partie.Chemin);
    return chemins;
}

}  // namespace

// Two windows at once, then their ends: a running window's game is never
// offered, a window that ended leaves its game, a game offered by one start
// is not offered by another, and an answered game is gone with its lock.
TEST(PartiesEnCours, OnlyGamesOfEndedWindowsAreOfferedOnceEachNewestFirst)
{
    DossierTemporaire donnees;
    auto premiere = std::make_unique<PartieEnCours>(donnees.Chemin());
    auto seconde = std::make_unique<PartieEnCours>(donnees.Chemin());
    ASSERT_EQ(premiere->Erreur(), ErreurFichier::Aucune);
    ASSERT_NE(premiere->Chemin(), seconde->Chemin());
    Ecrire(premiere->Chemin(), "ancienne");
    Ecrire(seconde->Chemin(), "recente");
    EXPECT_TRUE(PartiesLaissees(donnees.Chemin()).empty());

    const auto cheminPremiere = premiere->Chemin();
    const auto cheminSeconde = seconde->Chemin();
    std::filesystem::last_write_time(cheminPremiere,
                                     std::filesystem::last_write_time(cheminSeconde) - std::chrono::seconds(5));
    premiere.reset();
    seconde.reset();
    auto laissees = PartiesLaissees(donnees.Chemin());
    EXPECT_EQ(Chemins(laissees), (std::vector{cheminSeconde, cheminPremiere}));
    EXPECT_TRUE(PartiesLaissees(donnees.Chemin()).empty()) << "offered twice while a start holds them";

    Retirer(laissees[0]);
    EXPECT_FALSE(std::filesystem::exists(cheminSeconde));
    laissees.clear();
    EXPECT_EQ(Chemins(PartiesLaissees(donnees.Chemin())), std::vector{cheminPremiere});

    // A window that forgets its game, or never had one, leaves nothing.
    {
        PartieEnCours finie(donnees.Chemin());
        Ecrire(finie.Chemin(), "finie");
        finie.Oublier();
    }
    {
        PartieEnCours vide(donnees.Chemin());
    }
    PartiesLaissees(donnees.Chemin());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(DossierEnCours(donnees.Chemin())), {}), 2)
        << "only the game left and its lock";
}
