// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// Writes, as shell variables, the centres of the controls that the
// real-window tests click, in twips from the corner of the window's client
// area, computed from the windows' own geometry.
#include <cstdio>

#include "dialogues/GeometrieCoul.h"
#include "plateau/GeometriePrinc.h"

namespace g = vorlinde::ui::geometrie;

namespace {

int CentreX(const g::Rect& r, int origine = 0)
{
    return origine + r.Left + r.Width / 2;
}
int CentreY(const g::Rect& r, int origine = 0)
{
    return origine + r.Top + r.Height / 2;
}

}  // namespace

int main()
{
    std::printf("# Generated from the geometry headers; centres in twips.\n");
    std::printf("SOURCE0_X=%d\nSOURCE0_Y=%d\n", g::Frame1.Left + g::LblCoulSource(0).Left,
                g::Frame1.Top + g::LblCoulSource(0).Top);
    std::printf("SOURCE_X=(");
    for (int k = 0; k < 8; ++k)
        std::printf(" %d", CentreX(g::LblCoulSource(k), g::Frame1.Left));
    std::printf(" )\nSOURCE_Y=%d\n", CentreY(g::LblCoulSource(0), g::Frame1.Top));
    std::printf("CASE_X=(");
    for (int k = 0; k < 4; ++k)
        std::printf(" %d", CentreX(g::LblCode(k), g::Frame2.Left));
    std::printf(" )\nCASE_Y=%d\n", CentreY(g::LblCode(0), g::Frame2.Top));
    std::printf("OK_X=%d\nOK_Y=%d\n", CentreX(g::CmdOK, g::Frame2.Left), CentreY(g::CmdOK, g::Frame2.Top));
    const int gauche = g::Frame3.Left + g::Frame4.Left;
    const int haut = g::Frame3.Top + g::Frame4.Top;
    std::printf("RESULTAT_X=(");
    for (int j = 0; j < 4; ++j)
        std::printf(" %d", CentreX(g::LblResult(j), gauche));
    std::printf(" )\nRESULTAT_Y=(");
    for (int r = 0; r < 10; ++r)
        std::printf(" %d", CentreY(g::LblResult(4 * r), haut));
    std::printf(" )\n");

    namespace c = vorlinde::ui::geometrie_coul;
    std::printf("EDITEUR_SOURCE_X=(");
    for (int k = 0; k < 8; ++k)
        std::printf(" %d", CentreX(c::LblCoulSource(k)));
    std::printf(" )\nEDITEUR_SOURCE_Y=%d\n", CentreY(c::LblCoulSource(0)));
    std::printf("EDITEUR_OK_X=%d\nEDITEUR_OK_Y=%d\n", CentreX(c::CmdOK), CentreY(c::CmdOK));
    return 0;
}
