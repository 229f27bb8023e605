// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "game/Codes.h"
#include "game/Solveur.h"
#include "game/Sortes.h"
#include "game/Statistiques.h"

using namespace vorlinde;

namespace {

void Composer(Partie& partie, const Code4& code)
{
    partie.CasesCode = code;
}

}  // namespace

// In hard mode a guess that a move rules out is refused and changes
// nothing, with the move that rules it out named as « Vérifier le code »
// names it; the same guess is recorded in a game without the mode.
TEST(Difficile, AGuessThatAMoveRulesOutIsRefused)
{
    for (const bool difficile : {true, false}) {
        Partie partie;
        NouvellePartie(partie, ProfilParDefaut, Code4{1, 2, 3, 4}, {});
        partie.Difficile = difficile;
        Composer(partie, {5, 6, 7, 8});
        ASSERT_EQ(ValiderCode(partie), ResultatValidation::Enregistre);
        // 5678 scored nothing: a code with 5 in it cannot be the one.
        Composer(partie, {5, 1, 2, 3});
        const auto avant = partie;
        if (difficile) {
            EXPECT_EQ(ValiderCode(partie), ResultatValidation::Incompatible);
            EXPECT_EQ(partie, avant);
            const auto v = VerifierCode(partie);
            EXPECT_EQ(v.Resultat, Verification::Etat::Exclu);
            EXPECT_EQ(v.Coup, 1);
            EXPECT_EQ(v.BiPlAvecLui, 1);
            // A guess that fits is taken; the limit of moves comes first.
            Composer(partie, {4, 1, 2, 3});
            EXPECT_EQ(ValiderCode(partie), ResultatValidation::Enregistre);
        } else {
            EXPECT_EQ(ValiderCode(partie), ResultatValidation::Enregistre);
        }
    }
}

// Whatever the hidden code, the hints of hard mode are always guesses the
// mode takes, and they find the code, as the window's hint gives them. The
// games share their first moves: a position's hint is asked once.
TEST(Difficile, TheHintsOfHardModeFitEveryMoveAndFindEveryCode)
{
    int pire = 0;
    std::map<std::string, Conseil> conseils;
    for (const auto& secret : TousLesCodes()) {
        Partie partie;
        NouvellePartie(partie, ProfilParDefaut, secret, {});
        partie.Difficile = true;
        ResultatValidation resultat = ResultatValidation::Enregistre;
        while (resultat == ResultatValidation::Enregistre) {
            std::string position;
            for (const auto& coup : CoupsJoues(partie))
                position += coup.TexteCode() + char('0' + coup.BiPl) + char('0' + coup.MalPl);
            auto trouve = conseils.find(position);
            if (trouve == conseils.end())
                trouve = conseils.emplace(position, ConseillerCoup(partie)).first;
            const auto& conseil = trouve->second;
            ASSERT_TRUE(conseil.Coup.Possible) << TexteCode(secret) << " move " << partie.NbCoups + 1;
            ComposerIndice(partie, conseil.Coup.Code);
            resultat = ValiderCode(partie);
            ASSERT_NE(resultat, ResultatValidation::Incompatible) << TexteCode(secret);
        }
        ASSERT_EQ(resultat, ResultatValidation::Gagne) << TexteCode(secret);
        pire = std::max<int>(pire, partie.NbCoups);
    }
    EXPECT_LE(pire, 8);
}

// A time the record cannot add up costs the time, never the win.
TEST(Difficile, ATimeTooLargeNeverCostsTheWin)
{
    Statistiques s;
    Compter(s, PartieTerminee{FinDePartie::Gagnee, 6, false, 0, true, 41});
    Compter(s, PartieTerminee{FinDePartie::Gagnee, 6, false, 0, false, CompteMax});
    EXPECT_EQ(s.Gagnees, 2);
    EXPECT_EQ(s.GagneesDifficiles, 1);
    EXPECT_EQ(s.VictoiresChronometrees, 1);
    EXPECT_EQ(s.MeilleurTemps, 41);
}
