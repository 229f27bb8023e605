// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

#include "platform/Dossiers.h"
#include "platform/Module1.h"
#include "tests/formats/DossierTemporaire.h"

using namespace vorlinde;

TEST(LireNomUser, GivesAUsableFileName)
{
    const std::string nom = Module1::LireNomUser();
    EXPECT_FALSE(nom.empty());
    EXPECT_EQ(nom.find('/'), std::string::npos);
    for (const std::string mauvais : {"", ".", "..", "a/b", "/"})
        EXPECT_EQ(Module1::NomUserValide(mauvais), "default") << mauvais;
    EXPECT_EQ(Module1::NomUserValide("zoé"), "zoé");
}

TEST(CheminProfilDefaut, FindsAnyCaseAndOtherwiseNamesItInLowerCaseExtension)
{
    DossierTemporaire dossier;
    EXPECT_EQ(CheminProfilDefaut(dossier.Chemin(), "Alice"), dossier.Chemin() / "Alice.usr");
    std::ofstream(dossier.Chemin() / "ALICE.USR") << "x";
    EXPECT_EQ(CheminProfilDefaut(dossier.Chemin(), "Alice"), dossier.Chemin() / "ALICE.USR");
    EXPECT_EQ(CheminProfilDefaut(dossier.Chemin(), "alice"), dossier.Chemin() / "ALICE.USR");
    // Another login name never reaches that file.
    EXPECT_EQ(CheminProfilDefaut(dossier.Chemin(), "bob"), dossier.Chemin() / "bob.usr");
    // The exact spelling wins when several exist.
    std::ofstream(dossier.Chemin() / "Alice.usr") << "y";
    EXPECT_EQ(CheminProfilDefaut(dossier.Chemin(), "Alice"), dossier.Chemin() / "Alice.usr");
}

TEST(DossierProgramme, TheExecutableFolderWhenWritableElseThePersonalFolder)
{
    DossierTemporaire dossier;
    const auto exe = dossier.Chemin() / "bin";
    const auto home = dossier.Chemin() / "home";
    std::filesystem::create_directories(exe);
    std::filesystem::create_directories(home);
    EXPECT_EQ(DossierProgramme(exe, home), exe);

    const auto perso = home / ".local" / "share" / "vorlinde";
    EXPECT_EQ(DossierProgramme(dossier.Chemin() / "absent", home), perso);
    EXPECT_TRUE(std::filesystem::is_directory(perso));

    if (::geteuid() != 0) {  // root writes through permissions
        std::filesystem::permissions(exe, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(DossierProgramme(exe, home), perso);
        std::filesystem::permissions(exe, std::filesystem::perms::owner_all);
    }
    EXPECT_EQ(DossierProgramme(dossier.Chemin() / "absent", {}), std::filesystem::path{});
    EXPECT_FALSE(DossierExecutable().empty());
}
