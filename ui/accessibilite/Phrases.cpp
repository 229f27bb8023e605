// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board rebuilds its names at every repaint: plain concatenation costs a
// fraction of QString::arg, which parses its placeholders each time.
#include "Phrases.h"

#include "catalogue/Catalogue.h"

namespace vorlinde::ui::phrases {
namespace {

// The catalogue's pieces, converted once.
const QString BienPlaces = Utf8(textes::BienPlacesSuivis);
const QString MalPlaces = Utf8(textes::MalPlacesFin);
const QString MotCoup = Utf8(textes::MotCoup);
const QString MotCase = Utf8(textes::MotCase);
const QString MotCouleur = Utf8(textes::MotCouleur);
const QString DeuxPoints = Utf8(textes::DeuxPoints);
const QString DeuxPointsCouleur = Utf8(textes::DeuxPointsCouleur);
const QString DeuxPointsCouleurs = Utf8(textes::DeuxPointsCouleurs);
const QString DeuxPointsVide = Utf8(textes::DeuxPointsVide);
const QString VirguleCase = Utf8(textes::VirguleCase);
const QString Vide = Utf8(textes::Vide);
const QString PointVirgule = Utf8(textes::PointVirgule);
const QString HistoriqueSeul = Utf8(textes::Historique);
const QString HistoriqueCoups = Utf8(textes::HistoriqueCoups);
const QString MotA = Utf8(textes::MotA);

QString Chiffres(int n)
{
    return QString::number(n);
}

}  // namespace

QString Score(int biPl, int malPl)
{
    return Chiffres(biPl) + BienPlaces + Chiffres(malPl) + MalPlaces;
}

QString Coup(int numero, int biPl, int malPl)
{
    return MotCoup + Chiffres(numero) + DeuxPoints + Score(biPl, malPl);
}

QString Case(int cellule, int couleur)
{
    return MotCase + Chiffres(cellule) + (couleur > 0 ? DeuxPointsCouleur + Chiffres(couleur) : DeuxPointsVide);
}

QString Source(int couleur)
{
    return MotCouleur + Chiffres(couleur);
}

QString CaseDuCoup(int coup, int cellule, int couleur)
{
    return MotCoup + Chiffres(coup) + VirguleCase + Chiffres(cellule) + DeuxPointsCouleur + Chiffres(couleur);
}

QString LigneHistorique(int numero, const vorlinde::Coup& coup)
{
    QString couleurs;
    for (int j = 0; j < LongueurCode; ++j) {
        const int d = coup.Code[j] - '0';
        couleurs += (j == 0 ? QString() : QStringLiteral(", ")) + (d >= 1 && d <= NbCouleurs ? Chiffres(d) : Vide);
    }
    return MotCoup + Chiffres(numero) + DeuxPointsCouleurs + couleurs + PointVirgule + Score(coup.BiPl, coup.MalPl);
}

QString Historique(bool defile, int premier, int dernier)
{
    return defile ? HistoriqueCoups + Chiffres(premier) + MotA + Chiffres(dernier) : HistoriqueSeul;
}

QString Indice(const Code4& c, std::size_t possibles)
{
    const QString code = QStringLiteral("%1, %2, %3, %4").arg(c[0]).arg(c[1]).arg(c[2]).arg(c[3]);
    const auto n = static_cast<long>(possibles);
    return textes::Singulier(n) ? Utf8(textes::IndiceUnCode).arg(code) : Utf8(textes::IndiceCodes).arg(code).arg(n);
}

QString Depart(const OriginePartie& origine)
{
    switch (origine.Sorte) {
    case SortePartie::Numerotee:
        return Utf8(textes::PartieNumeroN).arg(origine.Numero);
    case SortePartie::DuJour:
        return Utf8(textes::CodeDuJourDu).arg(Utf8(textes::TexteDate(origine.Numero)));
    case SortePartie::ADeux:
        return Utf8(textes::CodeCompose);
    case SortePartie::Chargee:
        break;
    }
    return Utf8(textes::NouvellePartie);
}

}  // namespace vorlinde::ui::phrases
