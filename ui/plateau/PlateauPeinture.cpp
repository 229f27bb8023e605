// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board painted from the state: each function repaints one part of the
// board from `partie_` and never reads a control back as data.
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "BoutonCouleur.h"
#include "Etiquette.h"
#include "Plateau.h"
#include "accessibilite/Phrases.h"
#include "game/Defilement.h"

namespace vorlinde::ui {
std::int32_t Plateau::BackColorFenetre() const
{
    return DepuisQColor(palette().color(QPalette::Window));
}

void Plateau::PeindreCompteur(Etiquette& compteur) const
{
    compteur.SetBackColor(BackColorFenetre());
    compteur.SetSansFond(true);
    compteur.SetForeColor(DepuisQColor(palette().color(QPalette::WindowText)));
}

void Plateau::AfficherNumeros(bool affiches)
{
    if (affiches == numeros_)
        return;
    numeros_ = affiches;
    PeindrePalette();
    PeindreCases();
    PeindreHistorique();
}

// The swatches in their colours and list rows.
void Plateau::PeindrePalette()
{
    for (int k = 0; k < NbCouleurs; ++k) {
        auto* source = LblCoulSource[k];
        source->SetBackColor(partie_.Palette[k]);
        source->setGeometry(disposition_.Source(k, partie_.RangeeCoulSource[k]));
        source->SetDescription(phrases::Source(k + 1));
        source->SetNumero(numeros_ ? k + 1 : 0);
    }
}

// The code cells in the colours they show.
void Plateau::PeindreCases()
{
    for (int k = 0; k < LongueurCode; ++k) {
        const int n = partie_.CasesCode[k];
        LblCode[k]->SetBackColor(partie_.CouleursCases[k]);
        LblCode[k]->SetDescription(phrases::Case(k + 1, n));
        // A cell shows its number only while it shows that number's colour
        // (a new game shows the cells empty although they keep their numbers).
        const bool montre = n > 0 && partie_.CouleursCases[k] == partie_.Palette[n - 1];
        LblCode[k]->SetNumero(numeros_ && montre ? n : 0);
    }
    PeindreCurseur();
}

void Plateau::PeindreCurseur()
{
    for (int k = 0; k < LongueurCode; ++k)
        LblCode[k]->SetMarque(curseurVisible_ && k == partie_.CaseCourante);
}

void Plateau::MontrerCurseur(bool visible)
{
    curseurVisible_ = visible;
    PeindreCurseur();
}

void Plateau::SuivrePalette()
{
    const QColor contour = ContourPour(palette());
    for (auto* source : LblCoulSource)
        source->SetContour(contour);
    for (auto* cellule : LblCode)
        cellule->SetContour(contour);
    for (auto* resultat : LblResult)
        resultat->SetContour(contour);
}

void Plateau::EffacerLegendesCases()
{
    for (auto* cellule : LblCode)
        cellule->SetCaption({});
}

void Plateau::PeindreValider()
{
    CmdOK->setEnabled(partie_.EnCours);
}

// The scroll bar fitted to the move count, then the ten visible rows.
void Plateau::PeindreHistorique()
{
    const auto etat = AjusterDefilement(partie_.NbCoups, VScroll1->value());
    {
        // The fitted settings are final; the change event they would raise
        // again would only repeat this run.
        const QSignalBlocker bloque(VScroll1);
        VScroll1->setRange(etat.Min, etat.Max);
        VScroll1->setValue(etat.Value);
    }
    VScroll1->setEnabled(etat.Enabled);

    const std::int32_t fond = BackColorFenetre();
    for (int r = 0; r < LignesHistorique; ++r) {
        const int i = etat.CoupDeLigne[r];
        const Coup* coup = i > 0 ? &partie_.Historique[i] : nullptr;
        for (int j = 0; j < LongueurCode; ++j) {
            auto* cellule = LblResult[4 * r + j];
            const int d = coup ? coup->Code[j] - '0' : 0;
            const bool colore = d >= 1 && d <= NbCouleurs;
            cellule->SetBackColor(colore ? partie_.Palette[d - 1] : fond);
            cellule->SetInfobulle(colore ? phrases::CaseDuCoup(i, j + 1, d) : QString());
            cellule->SetNumero(numeros_ && colore ? d : 0);
        }
        LblBiPl[r]->setText(coup ? QString::number(coup->BiPl) : QString());
        LblMalPl[r]->setText(coup ? QString::number(coup->MalPl) : QString());
        const QString score = coup ? phrases::Coup(i, coup->BiPl, coup->MalPl) : QString();
        LblBiPl[r]->SetInfobulle(score);
        LblMalPl[r]->SetInfobulle(score);
        // A screen reader meets each move once, whole, on its « Bien placé(s) »
        // counter, which Tab reaches; an empty row is not there for it.
        LblBiPl[r]->SetNomAccessible(coup ? phrases::LigneHistorique(i, *coup) : QString());
        LblBiPl[r]->setFocusPolicy(coup ? Qt::TabFocus : Qt::NoFocus);
    }
    VScroll1->setAccessibleName(
        phrases::Historique(etat.Enabled, etat.CoupDeLigne[0], etat.CoupDeLigne[LignesHistorique - 1]));
}

}  // namespace vorlinde::ui
