// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include <sys/wait.h>
#include <unistd.h>

#include "formats/FichierStatistiques.h"
#include "tests/commun/DossierTemporaire.h"
#include "tests/commun/FichiersDeTest.h"

using namespace vorlinde;

namespace {

void UneVictoire(Statistiques& s)
{
    Compter(s, FinDePartie::Gagnee, 5, false);
}

}  // namespace

// The record reads back as written; a damaged one is set aside byte for byte
// and the figures start from zero; one of a newer version is never touched.
TEST(FichierStatistiques, WrittenReadDamagedAndNewer)
{
    DossierTemporaire dossier;
    const auto fichier = dossier.Chemin() / "statistiques.json";
    EXPECT_EQ(MettreAJourStatistiques(fichier).Etat, EtatStatistiques::Absentes);
    MettreAJourStatistiques(fichier, UneVictoire);
    const auto lu
        = MettreAJourStatistiques(fichier, [](Statistiques& s) { Compter(s, FinDePartie::Perdue, 100, false); });
    EXPECT_EQ(lu.Etat, EtatStatistiques::Lues);
    EXPECT_EQ(lu.Figures.Jouees(), 2);
    EXPECT_EQ(MettreAJourStatistiques(fichier).Figures, lu.Figures);

    // Damaged: not JSON, a figure missing, wins that disagree with their counts.
    const std::string texte = Lire(fichier);
    for (const std::string& abime : {std::string("{\"version\": 1, \"gagnees\""), std::string("\x01\x02 pas du JSON"),
                                     texte.substr(0, texte.find("\"perdues\"")) + "\"x\": 1}",
                                     std::string(texte).replace(texte.find("\"gagnees\": 1"), 12, "\"gagnees\": 7")}) {
        Ecrire(fichier, abime);
        const auto apres = MettreAJourStatistiques(fichier, UneVictoire);
        ASSERT_EQ(apres.Etat, EtatStatistiques::Abimees) << abime;
        EXPECT_EQ(Lire(apres.MisDeCote), abime);
        EXPECT_EQ(apres.MisDeCote.parent_path(), dossier.Chemin());
        EXPECT_EQ(MettreAJourStatistiques(fichier).Figures.Gagnees, 1);
    }

    const std::string futur
        = "{\"version\": " + std::to_string(VersionStatistiques + 1) + ", \"parties\": [{\"gagnee\": true}]}";
    Ecrire(fichier, futur);
    EXPECT_EQ(MettreAJourStatistiques(fichier, UneVictoire).Etat, EtatStatistiques::PlusRecentes);
    EXPECT_EQ(Lire(fichier), futur);
}

// Two programs that end games at the same moment are both counted: a change
// that found the record busy for over a second was not made, and is made
// again, as a window does with the games it keeps waiting.
TEST(FichierStatistiques, TwoProcessesCountEveryGame)
{
    DossierTemporaire dossier;
    const auto fichier = dossier.Chemin() / "statistiques.json";
    constexpr int Parties = 60;
    std::vector<pid_t> enfants;
    for (int p = 0; p < 2; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int k = 0; k < Parties; ++k) {
                ResultatStatistiques resultat;
                do
                    resultat = MettreAJourStatistiques(fichier, UneVictoire);
                while (resultat.Occupees);
                if (resultat.Ecriture != ErreurFichier::Aucune)
                    ::_exit(1);
            }
            ::_exit(0);
        }
        enfants.push_back(pid);
    }
    for (const pid_t pid : enfants) {
        int statut = -1;
        ::waitpid(pid, &statut, 0);
        EXPECT_EQ(statut, 0);
    }
    EXPECT_EQ(MettreAJourStatistiques(fichier).Figures.Gagnees, 2 * Parties);
}

// Figures that no sum of the program's can overflow, or the record is damaged:
// three counts of a billion would make the games played negative.
TEST(FichierStatistiques, FiguresTooLargeToAddUpAreRefused)
{
    Statistiques s;
    s.Perdues = s.Abandonnees = 100000000;
    bool plusRecent = false;
    const auto lues = LireTexteStatistiques(TexteStatistiques(s), plusRecent);
    ASSERT_TRUE(lues.has_value());
    EXPECT_EQ(lues->Jouees(), 200000000);
    s.Perdues = s.Abandonnees = s.Gagnees = s.VictoiresParCoups[4] = 1000000000;
    EXPECT_FALSE(LireTexteStatistiques(TexteStatistiques(s), plusRecent).has_value());
}

// A link or a folder in the lock's place: never followed nor created
// through, and the record is not changed without its lock.
TEST(FichierStatistiques, NoChangeWithoutTheLock)
{
    DossierTemporaire dossier;
    const auto fichier = dossier.Chemin() / "statistiques.json";
    const auto verrou = dossier.Chemin() / ".statistiques.lock";
    MettreAJourStatistiques(fichier, UneVictoire);
    const std::string avant = Lire(fichier);

    std::filesystem::remove(verrou);
    std::filesystem::create_symlink(dossier.Chemin() / "ailleurs", verrou);
    EXPECT_EQ(MettreAJourStatistiques(fichier, UneVictoire).Ecriture, ErreurFichier::PasUnFichierOrdinaire);
    EXPECT_FALSE(std::filesystem::exists(dossier.Chemin() / "ailleurs"));
    EXPECT_EQ(Lire(fichier), avant);

    std::filesystem::remove(verrou);
    std::filesystem::create_directory(verrou);
    EXPECT_EQ(MettreAJourStatistiques(fichier, UneVictoire).Ecriture, ErreurFichier::PasUnFichierOrdinaire);
    EXPECT_EQ(Lire(fichier), avant);
    // Reading alone still shows the figures.
    EXPECT_EQ(MettreAJourStatistiques(fichier).Figures.Gagnees, 1);
}

// A record of the first version reads with no day played and is written in
// the new one; days that disagree with their runs are a damaged record.
TEST(FichierStatistiques, TheFirstVersionReadsAndTheDaysAgree)
{
    const std::string v1
        = "{\n  \"version\": 1,\n  \"abandonnees\": 0,\n  \"coups_des_victoires\": 5,\n  \"gagnees\": 1,\n"
          "  \"gagnees_avec_indice\": 0,\n  \"meilleure_partie\": 5,\n  \"meilleure_serie\": 1,\n"
          "  \"perdues\": 0,\n  \"serie_en_cours\": 1,\n"
          "  \"victoires_par_coups\": [0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0]\n}\n";
    bool plusRecent = true;
    const auto lues = LireTexteStatistiques(v1, plusRecent);
    ASSERT_TRUE(lues);
    EXPECT_FALSE(plusRecent);
    EXPECT_EQ(lues->Gagnees, 1);
    EXPECT_EQ(lues->JoursJoues, 0);

    Statistiques s = *lues;
    Compter(s, FinDePartie::Gagnee, 3, false, 20261210);
    Compter(s, FinDePartie::Perdue, 100, false, 20261211);
    const auto texte = TexteStatistiques(s);
    EXPECT_EQ(LireTexteStatistiques(texte, plusRecent), s);
    // A version 1 record with a field of version 2 is not one.
    EXPECT_FALSE(LireTexteStatistiques(std::string(v1).replace(v1.find("\"gagnees\""), 0, "\"jours_joues\": 0,\n  "),
                                       plusRecent));
    for (const auto& [avant, apres] : {std::pair{"\"serie_de_jours\": 2", "\"serie_de_jours\": 3"},
                                       std::pair{"\"dernier_jour\": 20261211", "\"dernier_jour\": 20261232"},
                                       std::pair{"\"issue_du_dernier_jour\": 2", "\"issue_du_dernier_jour\": 4"},
                                       std::pair{"\"jours_joues\": 2", "\"jours_joues\": 0"}}) {
        std::string abime = texte;
        ASSERT_NE(abime.find(avant), std::string::npos) << avant;
        abime.replace(abime.find(avant), std::string(avant).size(), apres);
        EXPECT_FALSE(LireTexteStatistiques(abime, plusRecent)) << apres;
    }
}

// Figures that contradict each other are a damaged record: a best game of
// none with a win, more guesses than a hundred a win, fewer than the columns.
TEST(FichierStatistiques, FiguresTheirSumsCannotHoldAreRefused)
{
    Statistiques s;
    Compter(s, FinDePartie::Gagnee, 5, false);
    Compter(s, FinDePartie::Gagnee, 40, false);
    bool plusRecent = false;
    ASSERT_TRUE(LireTexteStatistiques(TexteStatistiques(s), plusRecent).has_value());
    for (const auto& changer : std::vector<std::function<void(Statistiques&)>>{
             [](Statistiques& f) { f.MeilleurePartie = 0; }, [](Statistiques& f) { f.MeilleurePartie = 4; },
             [](Statistiques& f) { f.CoupsDesVictoires = 100000000; },
             [](Statistiques& f) { f.CoupsDesVictoires = 15; }, [](Statistiques& f) { f.CoupsDernierJour = 101; }}) {
        auto faux = s;
        changer(faux);
        EXPECT_FALSE(LireTexteStatistiques(TexteStatistiques(faux), plusRecent).has_value()) << TexteStatistiques(faux);
    }
}

// The games waiting on disk are counted once, whatever moment the program
// ended at: a file that already names the record as it stands was counted;
// one that names another record was not. A record that is a link is set aside,
// its target never written.
TEST(FichierStatistiques, WaitingGamesCountOnceAndALinkIsNeverWrittenThrough)
{
    DossierTemporaire racine;
    const auto donnees = Repertoire::Ouvrir(racine.Chemin() / "vorlinde", true);
    const auto enCours = donnees.Sous("en-cours", true);
    const auto fichier = donnees.Chemin() / "statistiques.json";
    MettreAJourStatistiques(donnees, UneVictoire);
    const std::string releve = Lire(fichier);
    const std::vector<FinEnAttente> une{{FinDePartie::Gagnee, 3, true, 0}};
    Ecrire(enCours.Chemin() / "a.comptes", TexteEnAttente(une, releve));
    Ecrire(enCours.Chemin() / "b.comptes", TexteEnAttente(une, "{}"));
    Ecrire(enCours.Chemin() / "c.comptes", TexteEnAttente(une));
    const auto resultat = MettreAJourStatistiques(donnees, {}, {&enCours, {"a.comptes", "b.comptes", "c.comptes"}, 0});
    EXPECT_EQ(resultat.Figures.Gagnees, 3) << "a was counted before its program ended";
    EXPECT_EQ(resultat.Figures.GagneesAvecIndice, 2);
    EXPECT_TRUE(enCours.Noms().empty());

    Ecrire(racine.Chemin() / "ailleurs.json", "ailleurs");
    std::filesystem::remove(fichier);
    std::filesystem::create_symlink(racine.Chemin() / "ailleurs.json", fichier);
    const auto lien = MettreAJourStatistiques(donnees, UneVictoire);
    EXPECT_EQ(lien.Etat, EtatStatistiques::Abimees);
    EXPECT_FALSE(lien.MisDeCote.empty());
    EXPECT_TRUE(std::filesystem::is_symlink(donnees.Chemin() / lien.MisDeCote));
    EXPECT_EQ(Lire(racine.Chemin() / "ailleurs.json"), "ailleurs");
    EXPECT_FALSE(std::filesystem::is_symlink(fichier));
}

// The wins in hard mode and their times go through the record and the
// waiting files; the waiting files written before them read as they did,
// and a record whose figures disagree is damaged.
TEST(FichierStatistiques, HardModeWinsAreKeptAndEarlierFilesRead)
{
    std::vector<FinEnAttente> fins;
    std::string releve;
    ASSERT_TRUE(LireTexteEnAttente("comptes 1\n0 5 0 0\n0 4 1 20261211 1 95\n2 3 0 0 0 -1\n", fins, releve));
    ASSERT_EQ(fins.size(), 3u);
    EXPECT_FALSE(fins[0].Difficile);
    EXPECT_EQ(fins[0].Secondes, -1);
    EXPECT_TRUE(fins[1].Difficile);
    EXPECT_EQ(fins[1].Jour, 20261211);
    EXPECT_EQ(fins[1].Secondes, 95);
    EXPECT_EQ(fins[2].Secondes, -1);
    std::vector<FinEnAttente> relues;
    ASSERT_TRUE(LireTexteEnAttente(TexteEnAttente(fins), relues, releve));
    EXPECT_EQ(relues, fins);
    for (const char* abime : {"comptes 1\n0 4 1 0 2 5\n", "comptes 1\n0 4 1 0 1\n", "comptes 1\n0 4 1 0 1 7 8\n",
                              "comptes 1\n0 4 1 0 1 -2\n"})
        EXPECT_FALSE(LireTexteEnAttente(abime, fins, releve)) << abime;

    Statistiques s;
    Compter(s, PartieTerminee{FinDePartie::Gagnee, 4, false, 0, true, 80});
    Compter(s, FinDePartie::Gagnee, 6, false);
    const auto texte = TexteStatistiques(s);
    bool plusRecent = false;
    EXPECT_EQ(LireTexteStatistiques(texte, plusRecent), s);
    for (const auto& [avant, apres] : {std::pair{"\"gagnees_difficiles\": 1", "\"gagnees_difficiles\": 3"},
                                       std::pair{"\"meilleur_temps\": 80", "\"meilleur_temps\": 81"},
                                       std::pair{"\"victoires_chronometrees\": 1", "\"victoires_chronometrees\": 0"}}) {
        std::string abime = texte;
        ASSERT_NE(abime.find(avant), std::string::npos) << avant;
        abime.replace(abime.find(avant), std::string(avant).size(), apres);
        EXPECT_FALSE(LireTexteStatistiques(abime, plusRecent)) << apres;
    }
}
