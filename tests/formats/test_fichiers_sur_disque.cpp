// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// Saved games and profiles on a real disk, at its edges: special files,
// symlinks, read-only files and folders, long names, other people's files and
// a disk that fills up half-way.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "game/Codes.h"
#include "tests/commun/DossierTemporaire.h"
#include "tests/commun/Privileges.h"

using namespace vorlinde;
namespace fs = std::filesystem;
using Octets = std::vector<std::uint8_t>;

namespace {

// A game of `coups` different moves, none of them winning.
PartieSauvee Jeu(int coups)
{
    PartieSauvee p;
    p.CodeSecret = {3, 7, 1, 5};
    for (const auto& c : TousLesCodes())
        if (static_cast<int>(p.Coups.size()) < coups && c != p.CodeSecret)
            p.Coups.push_back({char('0' + c[0]), char('0' + c[1]), char('0' + c[2]), char('0' + c[3])});
    return p;
}

Octets LireTout(const fs::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), {});
}

void EcrireTexte(const fs::path& chemin, const std::string& texte)
{
    std::ofstream(chemin, std::ios::binary) << texte;
}

std::vector<fs::path> Contenu(const fs::path& dossier)
{
    std::vector<fs::path> noms;
    for (const auto& entree : fs::directory_iterator(dossier))
        noms.push_back(entree.path().filename());
    std::sort(noms.begin(), noms.end());
    return noms;
}

const ProfilCouleurs Autre{1, 2, 3, 4, 5, 6, 7, 8, 9};

}  // namespace

TEST(FichiersSurDisque, SpecialFilesAreRefusedWithoutWaiting)
{
    DossierTemporaire dossier;
    const auto tube = dossier.Chemin() / "tube.prt";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0666), 0);
    fs::create_symlink("tube.prt", dossier.Chemin() / "lien.usr");
    fs::create_directory(dossier.Chemin() / "dossier.usr");
    for (const fs::path& chemin : {tube, dossier.Chemin() / "lien.usr", dossier.Chemin() / "dossier.usr"}) {
        EXPECT_EQ(EcrireFichierPartie(chemin, Jeu(1)), ErreurFichier::PasUnFichierOrdinaire) << chemin;
        EXPECT_EQ(EcrireProfil(chemin, ProfilParDefaut), ErreurFichier::PasUnFichierOrdinaire) << chemin;
        EXPECT_EQ(LireFichierPartie(chemin).Erreur, ErreurFichier::PasUnFichierOrdinaire) << chemin;
        EXPECT_EQ(LireProfil(chemin).Erreur, ErreurFichier::PasUnFichierOrdinaire) << chemin;
    }
    EXPECT_TRUE(fs::is_fifo(tube));
    EXPECT_TRUE(fs::is_symlink(dossier.Chemin() / "lien.usr"));
    EXPECT_EQ(Contenu(dossier.Chemin()), (std::vector<fs::path>{"dossier.usr", "lien.usr", "tube.prt"}));
    EXPECT_EQ(LireFichierPartie("/dev/zero").Erreur, ErreurFichier::PasUnFichierOrdinaire);
    EXPECT_EQ(LireFichierPartie(dossier.Chemin() / "absent.prt").Erreur, ErreurFichier::Illisible);
    // A regular file whose first read fails (the process's memory at address 0).
    EXPECT_EQ(LireFichierPartie("/proc/self/mem").Erreur, ErreurFichier::Illisible);
    EXPECT_EQ(LireProfil("/proc/self/mem").Erreur, ErreurFichier::Illisible);
}

TEST(FichiersSurDisque, AHugeFileIsReadOnlyAsFarAsTheLargestValidOne)
{
    DossierTemporaire dossier;
    const auto enorme = dossier.Chemin() / "enorme.prt";
    {
        std::ofstream(enorme).flush();
    }
    fs::resize_file(enorme, std::uintmax_t{4} << 30);  // sparse: four gigabytes of zeros
    std::vector<std::uint8_t> debut;
    EXPECT_EQ(LireDebutFichier(enorme, 209, debut), ErreurFichier::Aucune);
    EXPECT_EQ(debut.size(), 209u);
    EXPECT_EQ(LireFichierPartie(enorme).Erreur, ErreurFichier::CouleurInvalide);
    EXPECT_EQ(LireProfil(enorme).Erreur, ErreurFichier::ValeurInvalide);

    // A sound game followed by anything at all still loads: the rest is never read.
    const auto suivi = dossier.Chemin() / "suivi.prt";
    Octets octets = OctetsPartie(Jeu(2));
    octets.resize(1 << 20, 0xEE);
    EcrireTexte(suivi, std::string(octets.begin(), octets.end()));
    EXPECT_EQ(LireFichierPartie(suivi).Partie, Jeu(2));
}

TEST(FichiersSurDisque, SymlinksAreWrittenThroughAndStayLinks)
{
    DossierTemporaire dossier;
    const auto& d = dossier.Chemin();
    fs::create_directory(d / "vrais");
    EcrireTexte(d / "vrais" / "moi.usr", "1,1,1,1,1,1,1,1,1\r\n");
    fs::create_symlink("vrais/moi.usr", d / "lien.usr");
    ASSERT_EQ(EcrireProfil(d / "lien.usr", Autre), ErreurFichier::Aucune);
    EXPECT_TRUE(fs::is_symlink(d / "lien.usr"));
    EXPECT_EQ(LireProfil(d / "vrais" / "moi.usr").Profil, Autre);

    // A saved game keeps the tail of the file the link names.
    ASSERT_EQ(EcrireFichierPartie(d / "vrais" / "p.prt", Jeu(10)), ErreurFichier::Aucune);
    fs::create_symlink(d / "vrais" / "p.prt", d / "p.prt");
    ASSERT_EQ(EcrireFichierPartie(d / "p.prt", Jeu(2)), ErreurFichier::Aucune);
    EXPECT_TRUE(fs::is_symlink(d / "p.prt"));
    EXPECT_EQ(LireTout(d / "vrais" / "p.prt").size(), 28u);

    // A dangling link names the file to create; a loop is refused and stays.
    fs::create_symlink("vrais/nouveau.usr", d / "pendant.usr");
    ASSERT_EQ(EcrireProfil(d / "pendant.usr", Autre), ErreurFichier::Aucune);
    EXPECT_TRUE(fs::is_symlink(d / "pendant.usr"));
    EXPECT_EQ(LireProfil(d / "vrais" / "nouveau.usr").Profil, Autre);
    fs::create_symlink("boucle.usr", d / "boucle.usr");
    EXPECT_EQ(EcrireProfil(d / "boucle.usr", Autre), ErreurFichier::Ecriture);
    EXPECT_EQ(LireProfil(d / "boucle.usr").Erreur, ErreurFichier::Illisible);
    EXPECT_TRUE(fs::is_symlink(d / "boucle.usr"));
    EXPECT_EQ(Contenu(d), (std::vector<fs::path>{"boucle.usr", "lien.usr", "p.prt", "pendant.usr", "vrais"}));
}

TEST(FichiersSurDisque, TheLongestLegalNameCanBeSaved)
{
    DossierTemporaire dossier;
    const auto chemin = dossier.Chemin() / (std::string(251, 'n') + ".usr");
    ASSERT_EQ(chemin.filename().string().size(), 255u);
    EXPECT_EQ(EcrireProfil(chemin, Autre), ErreurFichier::Aucune);
    EXPECT_EQ(EcrireProfil(chemin, ProfilParDefaut), ErreurFichier::Aucune);
    EXPECT_EQ(LireProfil(chemin).Profil, ProfilParDefaut);
    EXPECT_EQ(Contenu(dossier.Chemin()).size(), 1u);
}

// A write that fails half-way, as on a full disk: the file-size limit stops
// every write past its first bytes.
TEST(FichiersSurDisque, AWriteThatFailsHalfWayLeavesTheOldFileAndNothingNew)
{
    DossierTemporaire dossier;
    const auto& d = dossier.Chemin();
    privileges::Preter(d);
    const int statut = privileges::CommeOrdinaire([&] {
        EXPECT_EQ(EcrireFichierPartie(d / "p.prt", Jeu(10)), ErreurFichier::Aucune);
        EXPECT_EQ(EcrireProfil(d / "moi.usr", ProfilParDefaut), ErreurFichier::Aucune);
        const Octets ancien = LireTout(d / "p.prt");
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{10, 10};
        ::setrlimit(RLIMIT_FSIZE, &limite);

        EXPECT_EQ(EcrireFichierPartie(d / "p.prt", Jeu(2)), ErreurFichier::Ecriture);
        EXPECT_EQ(LireTout(d / "p.prt"), ancien);
        EXPECT_EQ(EcrireFichierPartie(d / "nouveau.prt", Jeu(2)), ErreurFichier::Ecriture);
        EXPECT_EQ(EcrireProfil(d / "moi.usr", Autre), ErreurFichier::Ecriture);
        EXPECT_EQ(LireProfil(d / "moi.usr").Profil, ProfilParDefaut);
        EXPECT_EQ(Contenu(d), (std::vector<fs::path>{"moi.usr", "p.prt"}));
        return !testing::Test::HasFailure();
    });
    EXPECT_EQ(statut, 0);
}

TEST(FichiersSurDisque, ReadOnlyFilesAndFoldersAsAnOrdinaryUser)
{
    DossierTemporaire dossier;
    const auto& d = dossier.Chemin();
    privileges::Preter(d);
    // Someone else's file that everyone may write: its owner must stay.
    EcrireTexte(d / "commun.usr", "1,1,1,1,1,1,1,1,1\r\n");
    fs::permissions(d / "commun.usr",
                    fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec & ~fs::perms::others_exec);
    struct stat commun { };
    ::stat((d / "commun.usr").c_str(), &commun);

    const int statut = privileges::CommeOrdinaire([&] {
        // A read-only file is refused and left alone.
        EXPECT_EQ(EcrireProfil(d / "lecture.usr", ProfilParDefaut), ErreurFichier::Aucune);
        EXPECT_EQ(EcrireFichierPartie(d / "lecture.prt", Jeu(10)), ErreurFichier::Aucune);
        fs::permissions(d / "lecture.usr", fs::perms::owner_read);
        fs::permissions(d / "lecture.prt", fs::perms::owner_read);
        EXPECT_EQ(EcrireProfil(d / "lecture.usr", Autre), ErreurFichier::Ecriture);
        EXPECT_EQ(EcrireFichierPartie(d / "lecture.prt", Jeu(2)), ErreurFichier::Ecriture);
        fs::permissions(d / "lecture.usr", fs::perms::owner_read | fs::perms::owner_write);
        fs::permissions(d / "lecture.prt", fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(LireProfil(d / "lecture.usr").Profil, ProfilParDefaut);
        EXPECT_EQ(LireFichierPartie(d / "lecture.prt").Partie, Jeu(10));

        // Someone else's writable file is written in place and stays theirs.
        EXPECT_EQ(EcrireProfil(d / "commun.usr", Autre), ErreurFichier::Aucune);
        struct stat apres { };
        ::stat((d / "commun.usr").c_str(), &apres);
        EXPECT_EQ(apres.st_uid, commun.st_uid);
        if (commun.st_uid != ::geteuid()) {
            EXPECT_EQ(apres.st_ino, commun.st_ino);
        }
        EXPECT_EQ(LireProfil(d / "commun.usr").Profil, Autre);

        // A folder that cannot take a new file: its writable files are written in place.
        fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(EcrireProfil(d / "lecture.usr", Autre), ErreurFichier::Aucune);
        EXPECT_EQ(fs::file_size(d / "lecture.usr"), TexteProfil(Autre).size());  // the old end is gone
        EXPECT_EQ(EcrireFichierPartie(d / "lecture.prt", Jeu(2)), ErreurFichier::Aucune);
        EXPECT_EQ(LireTout(d / "lecture.prt").size(), 28u);
        EXPECT_EQ(EcrireProfil(d / "nouveau.usr", Autre), ErreurFichier::Ecriture);
        EXPECT_EQ(EcrireFichierPartie(d / "nouveau.prt", Jeu(2)), ErreurFichier::Ecriture);
        EXPECT_FALSE(fs::exists(d / "nouveau.usr"));
        EXPECT_FALSE(fs::exists(d / "nouveau.prt"));
        fs::permissions(d, fs::perms::owner_all);
        return !testing::Test::HasFailure();
    });
    EXPECT_EQ(statut, 0);
}

TEST(FichiersSurDisque, AReplacedFileKeepsItsOwnerGroupAndPermissions)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can save over a file that belongs to someone else";
    DossierTemporaire dossier;
    const auto chemin = dossier.Chemin() / "autrui.usr";
    EcrireTexte(chemin, "1,1,1,1,1,1,1,1,1\r\n");
    ASSERT_EQ(::chown(chemin.c_str(), privileges::UidOrdinaire, privileges::GidOrdinaire), 0);
    ASSERT_EQ(::chmod(chemin.c_str(), 0640), 0);
    struct stat avant { };
    ::stat(chemin.c_str(), &avant);

    ASSERT_EQ(EcrireProfil(chemin, Autre), ErreurFichier::Aucune);
    struct stat apres { };
    ::stat(chemin.c_str(), &apres);
    EXPECT_NE(apres.st_ino, avant.st_ino);  // replaced, not written in place
    EXPECT_EQ(apres.st_uid, privileges::UidOrdinaire);
    EXPECT_EQ(apres.st_gid, privileges::GidOrdinaire);
    EXPECT_EQ(apres.st_mode & 07777, 0640u);
    EXPECT_EQ(LireProfil(chemin).Profil, Autre);
}
