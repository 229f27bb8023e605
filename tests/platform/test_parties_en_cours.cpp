// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/PartiesEnCours.h"
#include "tests/commun/DossierTemporaire.h"
#include "tests/commun/FichiersDeTest.h"

using namespace vorlinde;

namespace {

std::vector<std::filesystem::path> Chemins(const PartiesOffertes& offertes)
{
    std::vector<std::filesystem::path> chemins;
    for (const auto& partie : offertes.Parties)
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
    const std::string recente = "recente";
    ASSERT_EQ(seconde->Ecrire(std::span(reinterpret_cast<const std::uint8_t*>(recente.data()), recente.size()), 0,
                              "numerotee 4242\n"),
              ErreurFichier::Aucune);
    EXPECT_TRUE(PartiesLaissees(donnees.Chemin()).Parties.empty());

    const auto cheminPremiere = premiere->Chemin();
    const auto cheminSeconde = seconde->Chemin();
    std::filesystem::last_write_time(cheminPremiere,
                                     std::filesystem::last_write_time(cheminSeconde) - std::chrono::seconds(5));
    premiere.reset();
    seconde.reset();
    auto laissees = PartiesLaissees(donnees.Chemin());
    EXPECT_EQ(Chemins(laissees), (std::vector{cheminSeconde, cheminPremiere}));
    for (auto& partie : laissees.Parties)
        Completer(partie);
    EXPECT_EQ(laissees.Parties[0].Sorte, "numerotee 4242\n") << "the kind comes back with the game";
    EXPECT_EQ(laissees.Parties[1].Sorte, "");
    EXPECT_TRUE(PartiesLaissees(donnees.Chemin()).Parties.empty()) << "offered twice while a start holds them";

    Retirer(laissees.Parties[0]);
    EXPECT_FALSE(std::filesystem::exists(cheminSeconde));
    laissees = {};
    EXPECT_EQ(Chemins(PartiesLaissees(donnees.Chemin())), std::vector{cheminPremiere});

    // A window that forgets its game, or never had one, leaves nothing; nor
    // does one killed between the kind of its first move and the move.
    {
        PartieEnCours finie(donnees.Chemin());
        const std::uint8_t octet = 1;
        finie.Ecrire(std::span(&octet, 1), 2, "jour 20261210\n");
        finie.Oublier();
    }
    Ecrire(DossierEnCours(donnees.Chemin()) / "partie-20261210-120000-7.sorte", "deux\n");
    {
        PartieEnCours vide(donnees.Chemin());
    }
    PartiesLaissees(donnees.Chemin());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(DossierEnCours(donnees.Chemin())), {}), 3)
        << "only the game left, its lock and the offer's";
}

// The kept games are the player's alone whatever the umask: folders made
// 0700, a game's file 0600; the
// games left sort newest first in any year, past 2262 included; and the
// unfinished writes of killed windows are cleared.
TEST(PartiesEnCours, PrivateFilesAndDatesOfAnyYear)
{
    DossierTemporaire racine;
    const auto donnees = racine.Chemin() / "share" / "vorlinde";
    const mode_t masque = ::umask(022);
    std::vector<std::filesystem::path> chemins;
    {
        PartieEnCours a(donnees), b(donnees), c(donnees);
        const std::vector<std::uint8_t> octets{1, 0x12, 0x34, 0};
        for (auto* partie : {&a, &b, &c}) {
            ASSERT_EQ(partie->Ecrire(octets), ErreurFichier::Aucune);
            chemins.push_back(partie->Chemin());
        }
        for (const auto& [chemin, mode] : {std::pair{a.Chemin(), 0600u}, {racine.Chemin() / "share", 0700u}}) {
            struct stat etat { };
            ASSERT_EQ(::stat(chemin.c_str(), &etat), 0);
            EXPECT_EQ(etat.st_mode & 07777, mode) << chemin;
        }
    }
    ::umask(masque);
    // 2200, 2300 and 2400: nanosecond counts past 2262 do not fit 64 bits.
    const std::time_t annees[] = {7258118400, 10413792000, 13569465600};
    for (std::size_t k = 0; k < chemins.size(); ++k) {
        const struct timespec dates[2] = {{annees[k], 0}, {annees[k], 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, chemins[k].c_str(), dates, 0), 0);
    }
    // The unfinished write of a window killed long ago goes; one being made goes on.
    const auto ancienne = DossierEnCours(donnees) / ".vorlinde-AbCdEf";
    const auto recente = DossierEnCours(donnees) / ".vorlinde-GhIjKl";
    Ecrire(ancienne, "moitié");
    Ecrire(recente, "en cours");
    const struct timespec hier[2] = {{std::time(nullptr) - 86400, 0}, {std::time(nullptr) - 86400, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, ancienne.c_str(), hier, 0), 0);
    EXPECT_EQ(Chemins(PartiesLaissees(donnees)), (std::vector{chemins[2], chemins[1], chemins[0]}));
    EXPECT_FALSE(std::filesystem::exists(ancienne));
    EXPECT_TRUE(std::filesystem::exists(recente));
}

// "en-cours" replaced by a link to another folder, or the data folder opened
// through a link: nothing is kept, listed or cleared there, and the folder
// linked to keeps its files and its modes.
TEST(PartiesEnCours, AFolderLinkedInPlaceIsNeverFollowed)
{
    DossierTemporaire racine;
    const auto ailleurs = racine.Chemin() / "ailleurs";
    std::filesystem::create_directories(ailleurs);
    ::chmod(ailleurs.c_str(), 0755);
    Ecrire(ailleurs / "x.lock", "");
    Ecrire(ailleurs / "partie-1.prt", "\x01\x12");
    const auto donnees = racine.Chemin() / "vorlinde";
    std::filesystem::create_directories(donnees);
    std::filesystem::create_symlink(ailleurs, donnees / "en-cours");
    std::filesystem::create_symlink(ailleurs, racine.Chemin() / "lien");
    for (const auto& dossier : {donnees, racine.Chemin() / "lien"}) {
        PartieEnCours partie(dossier);
        EXPECT_NE(partie.Erreur(), ErreurFichier::Aucune) << dossier;
        EXPECT_TRUE(PartiesLaissees(dossier).Parties.empty()) << dossier;
    }
    struct stat etat { };
    ASSERT_EQ(::stat(ailleurs.c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0755u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ailleurs), {}), 2);
}
