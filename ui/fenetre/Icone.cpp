// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Icone.h"

// The resources of a static library are not registered unless asked for.
static void InitialiserRessources()
{
    Q_INIT_RESOURCE(vorlinde);
}

namespace vorlinde::ui {

QIcon IconeProgramme()
{
    InitialiserRessources();
    QIcon icone;
    for (const int taille : {16, 32, 48, 64, 128})
        icone.addFile(taille == 32 ? QStringLiteral(":/vorlinde/icone.png")
                                   : QStringLiteral(":/vorlinde/icone-%1.png").arg(taille));
    return icone;
}

}  // namespace vorlinde::ui
