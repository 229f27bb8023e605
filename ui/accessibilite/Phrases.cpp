// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board rebuilds its names at every repaint: plain concatenation costs a
// fraction of QString::arg, which parses its placeholders each time.
#include "Phrases.h"

#include "Texte.h"

namespace vorlinde::ui::phrases {
namespace {

QString Nombre(int n)
{
    return QString::number(n);
}

}  // namespace

QString Score(int biPl, int malPl)
{
    return Nombre(biPl) + QStringLiteral(" bien placé(s), ") + Nombre(malPl) + QStringLiteral(" mal placé(s)");
}

QString Coup(int numero, int biPl, int malPl)
{
    return QStringLiteral("Coup ") + Nombre(numero) + QStringLiteral(" : ") + Score(biPl, malPl);
}

QString Case(int cellule, int couleur)
{
    return QStringLiteral("Case ") + Nombre(cellule)
        + (couleur > 0 ? QStringLiteral(" : couleur ") + Nombre(couleur) : QStringLiteral(" : vide"));
}

QString Source(int couleur)
{
    return QStringLiteral("Couleur ") + Nombre(couleur);
}

QString CaseDuCoup(int coup, int cellule, int couleur)
{
    return QStringLiteral("Coup ") + Nombre(coup) + QStringLiteral(", case ") + Nombre(cellule)
        + QStringLiteral(" : couleur ") + Nombre(couleur);
}

QString LigneHistorique(int numero, const vorlinde::Coup& coup)
{
    QString couleurs;
    for (int j = 0; j < LongueurCode; ++j) {
        const int d = coup.Code[j] - '0';
        couleurs += (j == 0 ? QString() : QStringLiteral(", "))
            + (d >= 1 && d <= NbCouleurs ? Nombre(d) : QStringLiteral("vide"));
    }
    return QStringLiteral("Coup ") + Nombre(numero) + QStringLiteral(" : couleurs ") + couleurs + QStringLiteral(" ; ")
        + Score(coup.BiPl, coup.MalPl);
}

QString Historique(bool defile, int premier, int dernier)
{
    return defile ? QStringLiteral("Historique : coups ") + Nombre(premier) + QStringLiteral(" à ") + Nombre(dernier)
                  : QStringLiteral("Historique");
}

QString Indice(const Code4& c, std::size_t possibles)
{
    const QString code = QStringLiteral("%1, %2, %3, %4").arg(c[0]).arg(c[1]).arg(c[2]).arg(c[3]);
    return possibles < 2 ? Utf8(textes::IndiceUnCode).arg(code) : Utf8(textes::IndiceCodes).arg(code).arg(possibles);
}

}  // namespace vorlinde::ui::phrases
