// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Codes.h"

#include <algorithm>

namespace vorlinde {

const std::vector<Code4>& TousLesCodes()
{
    static const std::vector<Code4> codes = [] {
        std::vector<Code4> tous;
        tous.reserve(NbCodes);
        Code4 c{};
        for (c[0] = 1; c[0] <= NbCouleurs; ++c[0])
            for (c[1] = 1; c[1] <= NbCouleurs; ++c[1])
                for (c[2] = 1; c[2] <= NbCouleurs; ++c[2])
                    for (c[3] = 1; c[3] <= NbCouleurs; ++c[3])
                        if (std::count(c.begin(), c.end(), c[0]) == 1 && std::count(c.begin(), c.end(), c[1]) == 1
                            && c[2] != c[3])
                            tous.push_back(c);
        return tous;
    }();
    return codes;
}

}  // namespace vorlinde
