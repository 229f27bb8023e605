// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "ScoreRapide.h"

#include <bit>

namespace vorlinde {
namespace {

bool EstCouleur(int c)
{
    return c >= 1 && c <= NbCouleurs;
}

}  // namespace

const std::vector<CodeRapide>& Rapides()
{
    static const std::vector<CodeRapide> rapides = [] {
        std::vector<CodeRapide> tous;
        for (const auto& code : TousLesCodes()) {
            CodeRapide r;
            for (int p = 0; p < LongueurCode; ++p) {
                r.Couleurs[p] = static_cast<std::int8_t>(code[p]);
                r.Ensemble = static_cast<std::uint8_t>(r.Ensemble | (1u << (code[p] - 1)));
            }
            tous.push_back(r);
        }
        return tous;
    }();
    return rapides;
}

Symetries::Symetries(const std::vector<Code4>& joues)
{
    unsigned utilisees = 0;
    for (const auto& j : joues)
        for (const int c : j)
            if (EstCouleur(c))
                utilisees |= 1u << c;
    libres_ = ~utilisees & 0x1FEu;
    std::array<int, LongueurCode> positions{0, 1, 2, 3};
    do {
        // The renaming of colours that this move of positions asks of every
        // guess; a character that is no colour must stay where it is.
        Symetrie s{positions, {}};
        s.Couleurs.fill(-1);
        std::array<int, 10> antecedent;
        antecedent.fill(-1);
        bool valide = true;
        for (const auto& j : joues)
            for (int p = 0; p < LongueurCode && valide; ++p) {
                const int de = j[positions[p]];
                const int vers = j[p];
                if (!EstCouleur(de) || !EstCouleur(vers))
                    valide = de == vers;
                else if (s.Couleurs[de] == -1 && antecedent[vers] == -1) {
                    s.Couleurs[de] = vers;
                    antecedent[vers] = de;
                } else
                    valide = s.Couleurs[de] == vers;
            }
        if (valide)
            symetries_.push_back(s);
    } while (std::next_permutation(positions.begin(), positions.end()));
}

bool Symetries::PlusBas(const Code4& code) const
{
    if (symetries_.size() == 1 && libres_ == 0)
        return true;  // only the identity
    for (const auto& s : symetries_) {
        // Colours in no guess may be renamed at will: the lowest free ones,
        // in the order they come, give the lowest image.
        auto couleurs = s.Couleurs;
        unsigned libres = libres_;
        Code4 image{};
        for (int p = 0; p < LongueurCode; ++p) {
            int& c = couleurs[code[s.Positions[p]]];
            if (c == -1) {
                c = std::countr_zero(libres);
                libres &= libres - 1;
            }
            image[p] = static_cast<std::int16_t>(c);
        }
        if (image < code)
            return false;
    }
    return true;
}

}  // namespace vorlinde
