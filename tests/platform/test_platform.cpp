// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>

#include <fstream>

#include "platform/Dossiers.h"
#include "platform/Module1.h"
#include "tests/commun/DossierTemporaire.h"
#include "tests/commun/Privileges.h"

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

TEST(ProfilDefaut, FindsAnyCaseAndOtherwiseNamesItInLowerCaseExtension)
{
    DossierTemporaire dossier;
    const auto& d = dossier.Chemin();
    const auto trouver = [&](const std::string& nom) { return TrouverProfilDefaut(d, nom); };
    EXPECT_EQ(trouver("Alice").Chemin, d / "Alice.usr");
    EXPECT_EQ(trouver("Alice").Presence, PresenceProfil::Absent);
    std::ofstream(d / "ALICE.USR") << "x";
    EXPECT_EQ(trouver("Alice").Chemin, d / "ALICE.USR");
    EXPECT_EQ(trouver("alice").Chemin, d / "ALICE.USR");
    EXPECT_EQ(trouver("alice").Presence, PresenceProfil::Present);
    // Another login name never reaches that file.
    EXPECT_EQ(trouver("bob").Chemin, d / "bob.usr");
    // The exact spelling wins when several exist.
    std::ofstream(d / "Alice.usr") << "y";
    EXPECT_EQ(trouver("Alice").Chemin, d / "Alice.usr");
}

TEST(ProfilDefaut, ABrokenOrHiddenProfileIsNeverTakenForAMissingOne)
{
    DossierTemporaire dossier;
    const auto& d = dossier.Chemin();
    std::filesystem::create_symlink("boucle.usr", d / "boucle.usr");
    std::filesystem::create_symlink("ailleurs/absent.usr", d / "pendant.usr");
    EXPECT_EQ(TrouverProfilDefaut(d, "boucle").Presence, PresenceProfil::Present);
    EXPECT_EQ(TrouverProfilDefaut(d, "pendant").Presence, PresenceProfil::Present);
    // A name too long for the disk cannot be looked up.
    EXPECT_EQ(TrouverProfilDefaut(d, std::string(300, 'x')).Presence, PresenceProfil::Inconnue);

    std::filesystem::create_directory(d / "ferme");
    std::filesystem::create_directory(d / "aveugle");
    privileges::Preter(d);
    privileges::Preter(d / "ferme");
    privileges::Preter(d / "aveugle");
    const int statut = privileges::CommeOrdinaire([&] {
        namespace fs = std::filesystem;
        fs::permissions(d / "ferme", fs::perms::none);
        fs::permissions(d / "aveugle", fs::perms::owner_exec);  // may be entered, not listed
        EXPECT_EQ(TrouverProfilDefaut(d / "ferme", "moi").Presence, PresenceProfil::Inconnue);
        EXPECT_EQ(TrouverProfilDefaut(d / "aveugle", "moi").Presence, PresenceProfil::Inconnue);
        fs::permissions(d / "ferme", fs::perms::owner_all);
        fs::permissions(d / "aveugle", fs::perms::owner_all);
        return !testing::Test::HasFailure();
    });
    EXPECT_EQ(statut, 0);
}

// The player's data folder follows the environment, never the password file.
TEST(DossierDonnees, FollowsXdgDataHomeThenHome)
{
    static std::map<std::string, const char*> env;
    const auto lire = [](const char* nom) -> const char* {
        const auto it = env.find(nom);
        return it == env.end() ? nullptr : it->second;
    };
    env = {{"XDG_DATA_HOME", "/x/donnees"}, {"HOME", "/maison"}};
    EXPECT_EQ(DossierDonnees(lire), std::filesystem::path("/x/donnees/vorlinde"));
    for (const char* xdg : {"", "relatif/donnees"}) {
        env["XDG_DATA_HOME"] = xdg;
        EXPECT_EQ(DossierDonnees(lire), std::filesystem::path("/maison/.local/share/vorlinde"));
    }
    env = {};
    EXPECT_EQ(DossierDonnees(lire), std::filesystem::path());
}

TEST(DossierProgramme, TheExecutableFolderWhenWritableElseThePersonalFolder)
{
    DossierTemporaire dossier;
    const auto exe = dossier.Chemin() / "bin";
    const auto home = dossier.Chemin() / "home";
    std::filesystem::create_directories(exe);
    std::filesystem::create_directories(home);
    const auto perso = home / ".local" / "share" / "vorlinde";
    EXPECT_EQ(DossierProgramme(exe, perso), exe);
    EXPECT_EQ(DossierProgramme(dossier.Chemin() / "absent", perso), perso);
    EXPECT_TRUE(std::filesystem::is_directory(perso));
    EXPECT_EQ(DossierProgramme(dossier.Chemin() / "absent", {}), std::filesystem::path{});
    EXPECT_FALSE(DossierExecutable().empty());
    // Root may write /usr/games, but an installed program never writes there.
    EXPECT_EQ(DossierProgramme("/usr/games", perso), perso);
    EXPECT_EQ(DossierProgramme("/usr/local/bin", perso), perso);

    // An installed program cannot write its folder.
    for (const auto& p : {dossier.Chemin(), exe, home, home / ".local", home / ".local" / "share", perso})
        privileges::Preter(p);
    const int statut = privileges::CommeOrdinaire([&] {
        std::filesystem::permissions(exe, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(DossierProgramme(exe, perso), perso);
        return !testing::Test::HasFailure();
    });
    EXPECT_EQ(statut, 0);
}
