// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>

#include "formats/FichierPartie.h"
#include "game/Codes.h"
#include "tests/commun/DossierTemporaire.h"

using namespace vorlinde;
using Octets = std::vector<std::uint8_t>;

namespace {

PartieSauvee Exemple()
{
    PartieSauvee p;
    p.CodeSecret = {3, 7, 1, 5};
    p.Coups = {{'1', '2', '3', '4'}, {'3', '7', '1', '5'}};
    p.RangeeCoulSource = {0, 0, 2, 0, 0, 0, 0, 0};
    return p;
}

Octets LireTout(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), {});
}

}  // namespace

TEST(FichierPartie, TheTwelveByteExampleRoundTrips)
{
    const Octets attendu{0x01, 0x37, 0x15, 0x02, 0x12, 0x34, 0x37, 0x15, 0x11, 0x31, 0x11, 0x11};
    EXPECT_EQ(OctetsPartie(Exemple()), attendu);
    const auto lu = LirePartie(attendu);
    ASSERT_EQ(lu.Erreur, ErreurFichier::Aucune);
    EXPECT_EQ(lu.Partie, Exemple());
}

TEST(FichierPartie, SizesAreEightPlusTwoPerMove)
{
    PartieSauvee p = Exemple();
    p.Coups.clear();
    const auto huit = OctetsPartie(p);
    EXPECT_EQ(huit, (Octets{0x01, 0x37, 0x15, 0x00, 0x11, 0x31, 0x11, 0x11}));
    for (const auto& c : TousLesCodes())
        if (p.Coups.size() < 100 && c != p.CodeSecret)
            p.Coups.push_back({char('0' + c[0]), char('0' + c[1]), char('0' + c[2]), char('0' + c[3])});
    const auto cent = OctetsPartie(p);
    EXPECT_EQ(cent.size(), 208u);
    EXPECT_EQ(cent[3], 0x64);
    EXPECT_EQ(LirePartie(cent).Partie, p);
}

TEST(FichierPartie, RowsMapBothWays)
{
    EXPECT_EQ(OctetDepuisRangee(0), 1);
    EXPECT_EQ(OctetDepuisRangee(3), 4);
    EXPECT_EQ(OctetDepuisRangee(7), 0);  // no such row: written as 0
    for (const int moitie : {0, 5, 9, 15})
        EXPECT_EQ(RangeeDepuisOctet(moitie), 0);
    Octets octets{0x01, 0x12, 0x34, 0x00, 0x12, 0x34, 0x05, 0xF0};
    const auto lu = LirePartie(octets);
    ASSERT_EQ(lu.Erreur, ErreurFichier::Aucune);
    EXPECT_EQ(lu.Partie.RangeeCoulSource, (std::array<std::int16_t, 8>{0, 1, 2, 3, 0, 0, 0, 0}));
}

TEST(FichierPartie, VersionZeroIsReadAndAboveOneIsAConflict)
{
    Octets octets = OctetsPartie(Exemple());
    octets[0] = 0x00;
    EXPECT_EQ(LirePartie(octets).Partie, Exemple());
    octets[0] = 0x02;
    EXPECT_EQ(LirePartie(octets).Erreur, ErreurFichier::ConflitDeVersion);
    // Nothing after the version byte is read: even a one-byte file is a conflict.
    EXPECT_EQ(LirePartie(Octets{0xFF}).Erreur, ErreurFichier::ConflitDeVersion);
}

TEST(FichierPartie, DamagedFilesAreRefusedWithNothingReturned)
{
    const Octets bon = OctetsPartie(Exemple());
    const auto refuse = [](const Octets& o, ErreurFichier e) {
        const auto lu = LirePartie(o);
        EXPECT_EQ(lu.Erreur, e);
        EXPECT_EQ(lu.Partie, PartieSauvee{});
    };
    refuse({}, ErreurFichier::TropCourt);
    for (std::size_t n = 1; n < bon.size(); ++n)
        refuse(Octets(bon.begin(), bon.begin() + static_cast<long>(n)), ErreurFichier::TropCourt);

    Octets trop = bon;
    trop[3] = 101;
    trop.resize(300, 0x11);
    refuse(trop, ErreurFichier::TropDeCoups);

    for (const std::size_t position : {1u, 2u, 4u, 7u})
        for (const std::uint8_t valeur : {0x01, 0x10, 0x91, 0x19, 0xFF}) {
            Octets o = bon;
            o[position] = valeur;
            refuse(o, ErreurFichier::CouleurInvalide);
        }
}

TEST(FichierPartie, AMoveRepeatingAColourIsTakenAsWritten)
{
    Octets octets = OctetsPartie(Exemple());
    octets[4] = 0x11;
    octets[5] = 0x11;
    const auto lu = LirePartie(octets);
    ASSERT_EQ(lu.Erreur, ErreurFichier::Aucune);
    EXPECT_EQ(lu.Partie.Coups[0], (std::array<char, 4>{'1', '1', '1', '1'}));
}

TEST(FichierPartie, GamesTheProgramCannotWriteAreRefused)
{
    // A hidden code that repeats a colour could never be found.
    EXPECT_EQ(LirePartie(Octets{0x01, 0x33, 0x33, 0x01, 0x31, 0x24, 0x11, 0x11, 0x11, 0x11}).Erreur,
              ErreurFichier::CodeSecretInvalide);
    EXPECT_EQ(LirePartie(Octets{0x01, 0x12, 0x31, 0x00, 0x11, 0x11, 0x11, 0x11}).Erreur,
              ErreurFichier::CodeSecretInvalide);
    // A winning move that is not the last.
    const Octets apresVictoire{0x01, 0x12, 0x34, 0x02, 0x12, 0x34, 0x56, 0x78, 0x11, 0x11, 0x11, 0x11};
    EXPECT_EQ(LirePartie(apresVictoire).Erreur, ErreurFichier::CoupApresVictoire);
    // Won on the last move, it is sound.
    const Octets gagnee{0x01, 0x12, 0x34, 0x02, 0x56, 0x78, 0x12, 0x34, 0x11, 0x11, 0x11, 0x11};
    EXPECT_EQ(LirePartie(gagnee).Erreur, ErreurFichier::Aucune);
    // The game refuses a guess already played.
    const Octets deuxFois{0x01, 0x12, 0x34, 0x03, 0x56, 0x78, 0x43, 0x21, 0x56, 0x78, 0x11, 0x11, 0x11, 0x11};
    EXPECT_EQ(LirePartie(deuxFois).Erreur, ErreurFichier::CoupRepete);
}

TEST(FichierPartieSurDisque, SavingOverALongerFileKeepsItsTail)
{
    DossierTemporaire dossier;
    const auto chemin = dossier.Chemin() / "partie.prt";
    PartieSauvee longue = Exemple();
    longue.Coups.assign(10, {'5', '6', '7', '8'});
    ASSERT_EQ(EcrireFichierPartie(chemin, longue), ErreurFichier::Aucune);
    const Octets ancien = LireTout(chemin);
    ASSERT_EQ(ancien.size(), 28u);

    ASSERT_EQ(EcrireFichierPartie(chemin, Exemple()), ErreurFichier::Aucune);
    const Octets apres = LireTout(chemin);
    ASSERT_EQ(apres.size(), 28u);
    EXPECT_EQ(Octets(apres.begin(), apres.begin() + 12), OctetsPartie(Exemple()));
    EXPECT_EQ(Octets(apres.end() - 16, apres.end()), Octets(ancien.end() - 16, ancien.end()));
    EXPECT_EQ(LireFichierPartie(chemin).Partie, Exemple());

    // A file larger than any saved game is replaced whole: a save never copies it.
    const Octets grand(1 << 20, 0x11);
    {
        std::ofstream(chemin, std::ios::binary).write(reinterpret_cast<const char*>(grand.data()), grand.size());
    }
    ASSERT_EQ(EcrireFichierPartie(chemin, Exemple()), ErreurFichier::Aucune);
    EXPECT_EQ(LireTout(chemin), OctetsPartie(Exemple()));
}
