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

namespace {

// What the text asks of the described board at scale `s`: how far each
// frame's controls move down for its caption, how much the columns and the
// buttons grow, and the history's rows.
struct Ecarts {
    double s = 1;
    int e1 = 0, e2 = 0, e3 = 0, ec = 0;
    double pas = 0;
    int hauteurCompteur = 0, croissance = 0, premiereLigne = 0;
    int d4 = 0, d5 = 0, d6 = 0, largeur3 = 0;
    int dOkL = 0, dOkH = 0, largeurDeplacer = 0, hauteurDeplacer = 0, dDeplacer = 0;

    int px(int twips) const { return Px(twips, s); }
    QRect rect(const g::Rect& r, int dx = 0, int dy = 0, int dw = 0, int dh = 0) const
    {
        return QRect(px(r.Left) + dx, px(r.Top) + dy, px(r.Width) + dw, px(r.Height) + dh);
    }
    int ligne(int rangee) const { return premiereLigne + Bas(rangee * pas); }
};

Ecarts Mesurer(double s, const BesoinsTexte& b)
{
    Ecarts e;
    e.s = s;
    // Nothing where the caption's text ends above the controls, as in the
    // described board.
    const auto sous = [&](int cadre) { return std::max(0, b.Legende[cadre] - e.px(g::LblCode(0).Top)); };
    e.e1 = sous(1), e.e2 = sous(2), e.e3 = sous(3);
    e.ec = std::max({sous(4), sous(5), sous(6)});

    // The history's rows: further apart when the counters' text needs it.
    const double pasDecrit = 360.0 * s / TwipsParPixel;
    e.pas = std::max(pasDecrit, b.HauteurTexte + 105.0 * s / TwipsParPixel);
    e.hauteurCompteur = std::max(e.px(g::LblBiPl(0).Height), b.HauteurTexte);
    e.croissance = Bas(10 * e.pas) - Bas(10 * pasDecrit);
    e.premiereLigne = e.px(g::LblBiPl(0).Top) + e.ec;

    // Columns widen for their captions, pushing the next ones right.
    e.d4 = std::max(0, b.Largeur[4] - e.px(g::Frame4.Width));
    e.d5 = std::max(0, b.Largeur[5] - e.px(g::Frame5.Width));
    e.d6 = std::max(0, b.Largeur[6] - e.px(g::Frame6.Width));
    e.largeur3 = std::max(e.px(g::Frame3.Width) + e.d4 + e.d5 + e.d6, b.Largeur[3]);

    // « Valider le code » grows for its caption where the scale leaves it
    // too small, widening the code's frame and pushing what is below down.
    e.dOkL = std::max(0, b.Valider.width() - e.px(g::CmdOK.Width));
    e.dOkH = std::max(0, b.Valider.height() - e.px(g::CmdOK.Height));
    // « H » and « B » too, growing leftwards and, for « B », upwards from
    // the corners where they stand.
    e.largeurDeplacer = std::max(e.px(g::CmdMove(0).Width), b.Deplacer.width());
    e.hauteurDeplacer = std::max(e.px(g::CmdMove(0).Height), b.Deplacer.height());
    e.dDeplacer = e.largeurDeplacer - e.px(g::CmdMove(0).Width);
    return e;
}

// The frames and the client area; the width the top frames took.
int PlacerCadres(DispositionPrinc& d, Arrangement sens, const Ecarts& e, const BesoinsTexte& b)
{
    int largeurHaut = std::max({e.px(g::Frame1.Width) + std::max(e.dOkL, e.dDeplacer), b.Largeur[1], b.Largeur[2]});
    if (sens == Arrangement::Portrait)
        largeurHaut = std::max(largeurHaut, e.largeur3);
    const int dHaut = largeurHaut - e.px(g::Frame1.Width);
    d.Frame[1] = e.rect(g::Frame1, 0, 0, dHaut, e.e1);
    d.Frame[2] = e.rect(g::Frame2, 0, e.e1, dHaut, e.e2 + e.dOkH);
    const int hauteur3 = e.px(g::Frame3.Height) + e.e3 + e.ec + e.croissance;
    if (sens == Arrangement::Portrait) {
        d.Frame[3] = QRect(0, e.px(g::Frame3.Top) + e.e1 + e.e2 + e.dOkH, largeurHaut, hauteur3);
        d.Client = QSize(e.px(g::LargeurClient) + dHaut,
                         e.px(g::HauteurClient) + e.e1 + e.e2 + e.dOkH + e.e3 + e.ec + e.croissance);
    } else {
        // The columns a line of text apart, so that a caption of one never
        // reads on with the other's.
        const int ecart = std::max(e.px(g::Frame2.Top) - e.px(g::Frame1.Height), b.HauteurTexte);
        d.Frame[3] = QRect(largeurHaut + ecart, 0, e.largeur3, hauteur3);
        const int marge = e.px(g::LargeurClient) - e.px(g::Frame1.Width);
        d.Client
            = QSize(d.Frame[3].right() + 1 + marge, std::max(d.Frame[2].bottom(), d.Frame[3].bottom()) + 1 + marge);
    }
    const int hauteurColonne = e.px(g::Frame4.Height) + e.ec + e.croissance;
    d.Frame[4] = QRect(e.px(g::Frame4.Left), e.px(g::Frame4.Top) + e.e3, e.px(g::Frame4.Width) + e.d4, hauteurColonne);
    d.Frame[5]
        = QRect(e.px(g::Frame5.Left) + e.d4, e.px(g::Frame5.Top) + e.e3, e.px(g::Frame5.Width) + e.d5, hauteurColonne);
    d.Frame[6] = QRect(e.px(g::Frame6.Left) + e.d4 + e.d5, e.px(g::Frame6.Top) + e.e3, e.px(g::Frame6.Width) + e.d6,
                       hauteurColonne);
    return dHaut;
}

void PlacerControles(DispositionPrinc& d, const Ecarts& e, int dHaut)
{
    for (int k = 0; k < 2; ++k) {
        const auto r = g::CmdMove(k);
        const int bas = k == 0 ? 0 : e.px(r.Height) - e.hauteurDeplacer;
        d.Move[k]
            = QRect(e.px(r.Left) + dHaut - e.dDeplacer, e.px(r.Top) + e.e1 + bas, e.largeurDeplacer, e.hauteurDeplacer);
    }
    for (int k = 0; k < 4; ++k)
        d.Code[k] = e.rect(g::LblCode(k), 0, e.e2);
    d.OK = e.rect(g::CmdOK, 0, e.e2, e.dOkL, e.dOkH);
    // A cell stands in the middle of its row's counters.
    const int centrage = (e.hauteurCompteur - e.px(g::LblResult(0).Height)) / 2;
    for (int k = 0; k < 40; ++k) {
        const auto r = g::LblResult(k);
        d.Result[k] = QRect(e.px(r.Left), e.ligne(k / 4) + centrage, e.px(r.Width), e.px(r.Height));
    }
    for (int k = 0; k < 10; ++k) {
        d.BiPl[k] = QRect(e.px(g::LblBiPl(k).Left), e.ligne(k), e.px(g::LblBiPl(k).Width) + e.d5, e.hauteurCompteur);
        d.MalPl[k] = QRect(e.px(g::LblMalPl(k).Left), e.ligne(k), e.px(g::LblMalPl(k).Width) + e.d6, e.hauteurCompteur);
    }
    d.VScroll = e.rect(g::VScroll1, e.d4 + e.d5 + e.d6, e.e3 + e.ec, 0, e.croissance);
}

}  // namespace

DispositionPrinc DisposerPlateau(Arrangement sens, double s, const BesoinsTexte& b)
{
    const Ecarts e = Mesurer(s, b);
    DispositionPrinc d;
    d.Sens = sens;
    d.Echelle = s;
    d.DecalageSources = e.e1;
    PlacerControles(d, e, PlacerCadres(d, sens, e, b));
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
