// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Defilement.h"

#include <algorithm>

namespace vorlinde {

EtatDefilement AjusterDefilement(int nbCoups, int value)
{
    EtatDefilement etat;
    etat.Min = 0;
    int v = value;
    if (v == etat.Min)
        v = 1;
    if (nbCoups <= LignesHistorique) {
        etat.Max = 1;
        etat.Enabled = false;
    } else {
        etat.Max = nbCoups - (LignesHistorique - 1);
        etat.Enabled = true;
    }
    v = std::clamp(v, etat.Min, etat.Max);
    if (v >= etat.Max - 1)
        v = etat.Max;
    etat.Value = v;

    for (int r = 0; r < LignesHistorique; ++r) {
        const int coup = v + r;
        etat.CoupDeLigne[r] = (v >= 1 && coup <= nbCoups) ? coup : 0;
    }
    return etat;
}

}  // namespace vorlinde
