// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "DispositionPrinc.h"

#include <algorithm>
#include <cmath>

#include "GeometriePrinc.h"
#include "Twips.h"

namespace vorlinde::ui {
namespace {

namespace g = geometrie;

// Rounded down as Px is, so that scale 1 gives the described pixels.
int Bas(double pixels)
{
    return static_cast<int>(std::floor(pixels + 1e-6));
}

// The board for landscape screens, laid out for them: the history's frames
// evenly spaced up to the scroll bar, and both columns ending together (the
// lists' frame or the history's grows, the latter with its columns and bar).
void Equilibrer(DispositionPrinc& d)
{
    const int libre = d.VScroll.left() - d.Frame[4].right() - 1 - d.Frame[5].width() - d.Frame[6].width();
    const int ecart = std::max(0, libre / 3);
    d.Frame[5].moveLeft(d.Frame[4].right() + 1 + ecart);
    d.Frame[6].moveLeft(d.Frame[5].right() + 1 + ecart);

    const int bas = std::max(d.Frame[2].bottom(), d.Frame[3].bottom());
    const int gauche = bas - d.Frame[2].bottom();
    d.Frame[1].setHeight(d.Frame[1].height() + gauche);
    d.Frame[2].translate(0, gauche);
    d.Move[1].translate(0, gauche);
    const int droite = bas - d.Frame[3].bottom();
    d.Frame[3].setHeight(d.Frame[3].height() + droite);
    for (int k = 4; k <= 6; ++k)
        d.Frame[k].setHeight(d.Frame[k].height() + droite);
    d.VScroll.setHeight(d.VScroll.height() + droite);
}

}  // namespace

QRect DispositionPrinc::Source(int k, int rangee) const
{
    const auto r = g::LblCoulSource(k, rangee);
    return {Px(r.Left, Echelle), Px(r.Top, Echelle) + DecalageSources, Px(r.Width, Echelle), Px(r.Height, Echelle)};
}

DispositionPrinc DisposerPlateau(Arrangement sens, double s, const BesoinsTexte& b)
{
    const auto px = [s](int twips) { return Px(twips, s); };
    const auto rect = [&](const g::Rect& r, int dx = 0, int dy = 0, int dw = 0, int dh = 0) {
        return QRect(px(r.Left) + dx, px(r.Top) + dy, px(r.Width) + dw, px(r.Height) + dh);
    };
    // How far each frame's controls move down for its caption: nothing where
    // the caption's text ends above them, as in the described board.
    const auto sous = [&](int cadre) { return std::max(0, b.Legende[cadre] - px(g::LblCode(0).Top)); };
    const int e1 = sous(1), e2 = sous(2), e3 = sous(3);
    const int ec = std::max({sous(4), sous(5), sous(6)});

    // The history's rows: further apart when the counters' text needs it.
    const double pasDecrit = 360.0 * s / TwipsParPixel;
    const double pas = std::max(pasDecrit, b.HauteurTexte + 105.0 * s / TwipsParPixel);
    const int hauteurCompteur = std::max(px(g::LblBiPl(0).Height), b.HauteurTexte);
    const int croissance = Bas(10 * pas) - Bas(10 * pasDecrit);
    const auto ligne = [&](int rangee) { return px(g::LblBiPl(0).Top) + ec + Bas(rangee * pas); };

    // Columns widen for their captions, pushing the next ones right.
    const int d4 = std::max(0, b.Largeur[4] - px(g::Frame4.Width));
    const int d5 = std::max(0, b.Largeur[5] - px(g::Frame5.Width));
    const int d6 = std::max(0, b.Largeur[6] - px(g::Frame6.Width));
    const int largeur3 = std::max(px(g::Frame3.Width) + d4 + d5 + d6, b.Largeur[3]);

    // « Valider le code » grows for its caption where the scale leaves it
    // too small, widening the code's frame and pushing what is below down.
    const int dOkL = std::max(0, b.Valider.width() - px(g::CmdOK.Width));
    const int dOkH = std::max(0, b.Valider.height() - px(g::CmdOK.Height));
    // « H » and « B » too, growing leftwards and, for « B », upwards from
    // the corners where they stand.
    const int largeurDeplacer = std::max(px(g::CmdMove(0).Width), b.Deplacer.width());
    const int hauteurDeplacer = std::max(px(g::CmdMove(0).Height), b.Deplacer.height());
    const int dDeplacer = largeurDeplacer - px(g::CmdMove(0).Width);

    DispositionPrinc d;
    d.Sens = sens;
    d.Echelle = s;
    d.DecalageSources = e1;
    int largeurHaut = std::max({px(g::Frame1.Width) + std::max(dOkL, dDeplacer), b.Largeur[1], b.Largeur[2]});
    if (sens == Arrangement::Portrait)
        largeurHaut = std::max(largeurHaut, largeur3);
    const int dHaut = largeurHaut - px(g::Frame1.Width);
    d.Frame[1] = rect(g::Frame1, 0, 0, dHaut, e1);
    d.Frame[2] = rect(g::Frame2, 0, e1, dHaut, e2 + dOkH);
    const int hauteur3 = px(g::Frame3.Height) + e3 + ec + croissance;
    if (sens == Arrangement::Portrait) {
        d.Frame[3] = QRect(0, px(g::Frame3.Top) + e1 + e2 + dOkH, largeurHaut, hauteur3);
        d.Client = QSize(px(g::LargeurClient) + dHaut, px(g::HauteurClient) + e1 + e2 + dOkH + e3 + ec + croissance);
    } else {
        // The columns a line of text apart, so that a caption of one never
        // reads on with the other's.
        const int ecart = std::max(px(g::Frame2.Top) - px(g::Frame1.Height), b.HauteurTexte);
        d.Frame[3] = QRect(largeurHaut + ecart, 0, largeur3, hauteur3);
        const int marge = px(g::LargeurClient) - px(g::Frame1.Width);
        d.Client
            = QSize(d.Frame[3].right() + 1 + marge, std::max(d.Frame[2].bottom(), d.Frame[3].bottom()) + 1 + marge);
    }
    const int hauteurColonne = px(g::Frame4.Height) + ec + croissance;
    d.Frame[4] = QRect(px(g::Frame4.Left), px(g::Frame4.Top) + e3, px(g::Frame4.Width) + d4, hauteurColonne);
    d.Frame[5] = QRect(px(g::Frame5.Left) + d4, px(g::Frame5.Top) + e3, px(g::Frame5.Width) + d5, hauteurColonne);
    d.Frame[6] = QRect(px(g::Frame6.Left) + d4 + d5, px(g::Frame6.Top) + e3, px(g::Frame6.Width) + d6, hauteurColonne);

    for (int k = 0; k < 2; ++k) {
        const auto r = g::CmdMove(k);
        const int bas = k == 0 ? 0 : px(r.Height) - hauteurDeplacer;
        d.Move[k] = QRect(px(r.Left) + dHaut - dDeplacer, px(r.Top) + e1 + bas, largeurDeplacer, hauteurDeplacer);
    }
    for (int k = 0; k < 4; ++k)
        d.Code[k] = rect(g::LblCode(k), 0, e2);
    d.OK = rect(g::CmdOK, 0, e2, dOkL, dOkH);
    // A cell stands in the middle of its row's counters.
    const int centrage = (hauteurCompteur - px(g::LblResult(0).Height)) / 2;
    for (int k = 0; k < 40; ++k) {
        const auto r = g::LblResult(k);
        d.Result[k] = QRect(px(r.Left), ligne(k / 4) + centrage, px(r.Width), px(r.Height));
    }
    for (int k = 0; k < 10; ++k) {
        d.BiPl[k] = QRect(px(g::LblBiPl(k).Left), ligne(k), px(g::LblBiPl(k).Width) + d5, hauteurCompteur);
        d.MalPl[k] = QRect(px(g::LblMalPl(k).Left), ligne(k), px(g::LblMalPl(k).Width) + d6, hauteurCompteur);
    }
    d.VScroll = rect(g::VScroll1, d4 + d5 + d6, e3 + ec, 0, croissance);
    if (sens == Arrangement::Paysage)
        Equilibrer(d);
    return d;
}

DispositionPrinc ChoisirDisposition(double voulue, QSize place, const BesoinsTexte& besoins)
{
    voulue = std::max(voulue, 1.0);
    const auto tient = [&](const DispositionPrinc& d) {
        return d.Client.width() <= place.width() && d.Client.height() <= place.height();
    };
    auto portrait = DisposerPlateau(Arrangement::Portrait, voulue, besoins);
    if (tient(portrait))
        return portrait;
    // The largest scale from `bas` to `haut` at which `sens` fits, by halves
    // (a board only grows with its scale); `bas` when none does.
    const auto plusGrande = [&](Arrangement sens, double bas, double haut) {
        if (!tient(DisposerPlateau(sens, bas, besoins)))
            return DisposerPlateau(sens, bas, besoins);
        for (int k = 0; k < 24; ++k) {
            const double milieu = (bas + haut) / 2;
            (tient(DisposerPlateau(sens, milieu, besoins)) ? bas : haut) = milieu;
        }
        return DisposerPlateau(sens, bas, besoins);
    };
    const auto meilleure = [&](double bas, double haut) {
        const auto p = plusGrande(Arrangement::Portrait, bas, haut);
        const auto l = plusGrande(Arrangement::Paysage, bas, haut);
        if (tient(l) && (!tient(p) || l.Echelle > p.Echelle))
            return l;
        if (tient(p) || tient(l))
            return p;
        // Neither fits: the one that leaves less of itself out.
        const auto exces = [&](const DispositionPrinc& d) {
            return std::max(0, d.Client.width() - place.width()) + std::max(0, d.Client.height() - place.height());
        };
        return exces(l) < exces(p) ? l : p;
    };
    const auto choisie = meilleure(1, voulue);
    if (tient(choisie))
        return choisie;
    return meilleure(EchelleMinimale, 1);
}

}  // namespace vorlinde::ui
