// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "game/Defilement.h"

using namespace vorlinde;

namespace {

// The first and last move shown, 0 when the row is blank.
std::pair<int, int> Vus(const EtatDefilement& e)
{
    int premier = 0, dernier = 0;
    for (const int c : e.CoupDeLigne)
        if (c != 0) {
            if (premier == 0)
                premier = c;
            dernier = c;
        }
    return {premier, dernier};
}

}  // namespace

TEST(Defilement, UpToTenMovesTheBarIsDisabledAndRowsFillFromTheTop)
{
    const auto vide = AjusterDefilement(0, 1);
    EXPECT_EQ(vide.Min, 0);
    EXPECT_EQ(vide.Max, 1);
    EXPECT_EQ(vide.Value, 1);
    EXPECT_FALSE(vide.Enabled);
    EXPECT_EQ(Vus(vide), std::make_pair(0, 0));

    const auto trois = AjusterDefilement(3, 1);
    EXPECT_EQ(trois.CoupDeLigne, (std::array<int, 10>{1, 2, 3, 0, 0, 0, 0, 0, 0, 0}));
    const auto dix = AjusterDefilement(10, 1);
    EXPECT_FALSE(dix.Enabled);
    EXPECT_EQ(Vus(dix), std::make_pair(1, 10));
    // A new game sets the value to the old maximum; it comes back to 1.
    EXPECT_EQ(AjusterDefilement(0, 91).Value, 1);
}

TEST(Defilement, ElevenMovesCannotShowTheFirst)
{
    for (const int position : {0, 1, 2}) {
        const auto e = AjusterDefilement(11, position);
        EXPECT_TRUE(e.Enabled);
        EXPECT_EQ(e.Max, 2);
        EXPECT_EQ(e.Value, 2) << position;
        EXPECT_EQ(Vus(e), std::make_pair(2, 11));
    }
}

TEST(Defilement, PositionMaxMinusOneNeverStays)
{
    // Twelve moves: positions 1 and 3 stay, 2 jumps to 3, 0 becomes 1.
    EXPECT_EQ(AjusterDefilement(12, 1).Value, 1);
    EXPECT_EQ(Vus(AjusterDefilement(12, 1)), std::make_pair(1, 10));
    EXPECT_EQ(AjusterDefilement(12, 2).Value, 3);
    EXPECT_EQ(AjusterDefilement(12, 3).Value, 3);
    EXPECT_EQ(AjusterDefilement(12, 0).Value, 1);
    EXPECT_EQ(Vus(AjusterDefilement(12, 3)), std::make_pair(3, 12));

    const auto cent = AjusterDefilement(100, 91);
    EXPECT_EQ(cent.Max, 91);
    EXPECT_EQ(Vus(cent), std::make_pair(91, 100));
    EXPECT_EQ(AjusterDefilement(100, 90).Value, 91);
    EXPECT_EQ(AjusterDefilement(100, 89).Value, 89);
    EXPECT_EQ(AjusterDefilement(100, 0).Value, 1);
}

TEST(Defilement, ANewMoveFollowsTheBottomButNotAScrolledView)
{
    // At the bottom with 20 moves (value 11); the 21st move brings it to 12.
    EXPECT_EQ(AjusterDefilement(21, 11).Value, 12);
    // Scrolled up to 5: the view stays.
    EXPECT_EQ(AjusterDefilement(21, 5).Value, 5);
    // A loaded game with fewer moves pulls the value into the new range.
    EXPECT_EQ(AjusterDefilement(15, 80).Value, 6);
}

TEST(Defilement, EveryReachablePositionIsAFixedPoint)
{
    // Running the procedure again on its own result changes nothing, as the
    // nested change events of the scroll bar require.
    for (int n = 0; n <= 100; ++n)
        for (int v = 0; v <= 92; ++v) {
            const auto e = AjusterDefilement(n, v);
            EXPECT_EQ(AjusterDefilement(n, e.Value), e) << n << " " << v;
            for (int r = 0; r < 10; ++r) {
                if (e.CoupDeLigne[r] != 0) {
                    EXPECT_EQ(e.CoupDeLigne[r], e.Value + r);
                }
            }
        }
}
