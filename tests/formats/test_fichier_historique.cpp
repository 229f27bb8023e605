// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <unistd.h>

#include "formats/FichierHistorique.h"
#include "formats/FichierStatistiques.h"
#include "game/Sortes.h"
#include "tests/commun/DossierTemporaire.h"
#include "tests/commun/FichiersDeTest.h"

using namespace vorlinde;

namespace {

PartieJouee Numero(std::int32_t n)
{
    Partie partie;
    NouvellePartie(partie, ProfilParDefaut, Code4{4, 7, 5, 8}, {SortePartie::Numerotee, n});
    partie.Difficile = n % 2 == 0;
    partie.Duree = 65400;
    for (const Code4& essai : {Code4{1, 2, 3, 4}, Code4{4, 7, 5, 8}}) {
        partie.CasesCode = essai;
        ValiderCode(partie);
    }
    return PartieTermineeA(partie, FinDePartie::Gagnee, 1765000000 + n);
}

}  // namespace

// The list keeps the newest games, the oldest dropped past its bound, even
// from a list of 100,000 games; a damaged list, a link at its name or one
// too large is set aside and never written through; the record is never
// touched.
TEST(FichierHistorique, TheBoundHoldsAndADamagedListIsSetAside)
{
    DossierTemporaire racine;
    const auto donnees = Repertoire::Ouvrir(racine.Chemin() / "vorlinde", true);
    const auto fichier = donnees.Chemin() / "parties-jouees.txt";
    std::vector<PartieJouee> cent;
    for (std::int32_t n = 1; n <= 100000; ++n)
        cent.push_back(Numero(n % NumeroMax + 1));
    Ecrire(fichier, TexteHistorique(cent));
    MettreAJourStatistiques(donnees, [](Statistiques& s) { Compter(s, FinDePartie::Perdue, 100, false); });
    const auto releve = Lire(donnees.Chemin() / "statistiques.json");
    const auto ajout = AjouterAHistorique(donnees, Numero(4242));
    EXPECT_EQ(ajout.Ecriture, ErreurFichier::Aucune);
    const auto lu = LireHistorique(donnees);
    ASSERT_EQ(lu.Parties.size(), PartiesJoueesMax);
    EXPECT_EQ(lu.Parties.back(), Numero(4242));
    EXPECT_EQ(lu.Parties.front(), cent[cent.size() - PartiesJoueesMax + 1]);
    EXPECT_EQ(Lire(donnees.Chemin() / "statistiques.json"), releve);

    for (const std::string& abime : {std::string("pas une liste"), std::string(9 * 1024 * 1024, 'x')}) {
        Ecrire(fichier, abime);
        const auto apres = AjouterAHistorique(donnees, Numero(1));
        EXPECT_EQ(apres.Etat, EtatHistorique::Abime);
        ASSERT_FALSE(apres.MisDeCote.empty());
        EXPECT_EQ(Lire(donnees.Chemin() / apres.MisDeCote), abime);
        EXPECT_EQ(LireHistorique(donnees).Parties, std::vector<PartieJouee>{Numero(1)});
    }

    // A link at its name, even to a list that reads well, is never followed.
    const auto ailleurs = TexteHistorique({Numero(9)});
    Ecrire(racine.Chemin() / "ailleurs.txt", ailleurs);
    std::filesystem::remove(fichier);
    std::filesystem::create_symlink(racine.Chemin() / "ailleurs.txt", fichier);
    const auto lien = AjouterAHistorique(donnees, Numero(2));
    EXPECT_EQ(lien.Etat, EtatHistorique::Abime);
    ASSERT_FALSE(lien.MisDeCote.empty());
    EXPECT_TRUE(std::filesystem::is_symlink(donnees.Chemin() / lien.MisDeCote));
    EXPECT_EQ(Lire(racine.Chemin() / "ailleurs.txt"), ailleurs);
    EXPECT_FALSE(std::filesystem::is_symlink(fichier));
    EXPECT_EQ(LireHistorique(donnees).Parties, std::vector<PartieJouee>{Numero(2)});

    // Another user's list (root can make one) is set aside whole, unread.
    if (geteuid() == 0) {
        Ecrire(fichier, ailleurs);
        ASSERT_EQ(chown(fichier.c_str(), 65534, 65534), 0);
        const auto autre = AjouterAHistorique(donnees, Numero(3));
        EXPECT_EQ(autre.Etat, EtatHistorique::Abime);
        ASSERT_FALSE(autre.MisDeCote.empty());
        EXPECT_EQ(Lire(donnees.Chemin() / autre.MisDeCote), ailleurs);
        EXPECT_EQ(LireHistorique(donnees).Parties, std::vector<PartieJouee>{Numero(3)});
    }
}
