// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "formats/FichierProfil.h"
#include "tests/commun/DossierTemporaire.h"

using namespace vorlinde;

namespace {

const std::string ProfilDefautTexte
    = "65280\r\n16711680\r\n255\r\n65535\r\n16711935\r\n0\r\n16776960\r\n16777215\r\n8355711\r\n";

LectureProfil Lire(const std::string& texte)
{
    std::istringstream flux(texte);
    return LireProfil(flux);
}

std::string Contenu(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

}  // namespace

TEST(FichierProfil, TheBuiltInProfileIsTheSeventyOneByteExample)
{
    EXPECT_EQ(TexteProfil(ProfilParDefaut), ProfilDefautTexte);
    EXPECT_EQ(ProfilDefautTexte.size(), 71u);
    std::ostringstream flux;
    EcrireProfil(flux, ProfilParDefaut);
    EXPECT_EQ(flux.str(), ProfilDefautTexte);
    EXPECT_EQ(Lire(ProfilDefautTexte).Profil, ProfilParDefaut);
}

TEST(FichierProfil, FieldsEndAtACommaOrALineEnd)
{
    const ProfilCouleurs attendu{1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (const std::string texte : {
             "1,2,3,4,5,6,7,8,9\r\n",
             "1, 2,  3,4,5,6,7,8,9",         // spaces in front, no final line end
             "1\n2\n3\n4\n5\n6\n7\n8\n9\n",  // bare line feeds
             "1,2,3\r\n4,5,6\r\n7,8,9\r\n",
             "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\nrubbish",  // more than nine
         }) {
        const auto lu = Lire(texte);
        EXPECT_EQ(lu.Erreur, ErreurFichier::Aucune) << texte;
        EXPECT_EQ(lu.Profil, attendu) << texte;
    }
}

TEST(FichierProfil, DamagedProfilesGiveAnErrorAndNoColours)
{
    const std::vector<std::pair<std::string, ErreurFichier>> cas{
        {"", ErreurFichier::TropPeuDeValeurs},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n", ErreurFichier::TropPeuDeValeurs},
        {"1\r\n2\r\nvert\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", ErreurFichier::ValeurInvalide},
        {"1\r\n-2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", ErreurFichier::ValeurInvalide},
        {"1\r\n16777216\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", ErreurFichier::ValeurInvalide},
        {"1\r\n99999999999999999999\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", ErreurFichier::ValeurInvalide},
        {"1.5\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", ErreurFichier::ValeurInvalide},
        {"1\r\n\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", ErreurFichier::ValeurInvalide},
        {std::string("1\0\r\n", 4), ErreurFichier::ValeurInvalide},
    };
    for (const auto& [texte, erreur] : cas) {
        const auto lu = Lire(texte);
        EXPECT_EQ(lu.Erreur, erreur) << texte;
        EXPECT_EQ(lu.Profil, ProfilCouleurs{}) << texte;
    }
    EXPECT_EQ(Lire("16777215,0,0,0,0,0,0,0,0").Profil[0], 16777215);
}

TEST(FichierProfilSurDisque, WritingReplacesTheWholeFileAndLeavesNoTemporary)
{
    DossierTemporaire dossier;
    const auto chemin = dossier.Chemin() / "moi.usr";
    {
        std::ofstream f(chemin, std::ios::binary);
        f << std::string(500, 'x');
    }
    ASSERT_EQ(EcrireProfil(chemin, ProfilParDefaut), ErreurFichier::Aucune);
    EXPECT_EQ(Contenu(chemin), ProfilDefautTexte);
    EXPECT_EQ(LireProfil(chemin).Profil, ProfilParDefaut);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.Chemin()), {}), 1);
}
