// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <cstdint>

#include "game/Couleurs.h"

namespace vorlinde::ui {

// 0x00BBGGRR colour values to and from Qt colours.
inline QColor VersQColor(std::int32_t valeur)
{
    return QColor(Rouge(valeur), Vert(valeur), Bleu(valeur));
}
inline std::int32_t DepuisQColor(const QColor& couleur)
{
    return Rgb(couleur.red(), couleur.green(), couleur.blue());
}

// The outline of every coloured cell in `palette`: a dark window would melt
// into the darker colours, so a dark palette outlines each cell in the
// window's text colour (far above 3:1 against the window); a light one draws
// none (invalid).
inline QColor ContourPour(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? palette.color(QPalette::WindowText) : QColor();
}

// The outline of a colour cell in the windows around the board, in light and
// dark palettes alike: the text colour where the cell stands under 3:1
// against the window or the list it may sit on, none where it stands out.
inline QColor ContourSelonContraste(std::int32_t cellule, const QPalette& palette)
{
    for (const auto role : {QPalette::Window, QPalette::Base})
        if (Contraste(cellule, DepuisQColor(palette.color(role))) < 3)
            return palette.color(QPalette::WindowText);
    return {};
}

// What the board's coloured cells share, the labels and the buttons alike:
// a colour value as background and one for the text, a description that is
// both tooltip and accessible name, and a colour number drawn over the
// background in black or white, whichever stands out more. The colours are
// painted as they are, never through the widget's palette: a palette change
// goes through every child and event filter, and the board makes hundreds.
template <typename Base> class Cellule : public Base {
public:
    explicit Cellule(QWidget* parent) : Base(parent)
    {
        this->setFocusPolicy(Qt::NoFocus);
        // Every pixel is painted by the cell itself.
        this->setAttribute(Qt::WA_OpaquePaintEvent);
    }

    std::int32_t BackColor() const { return backColor_; }
    void SetBackColor(std::int32_t valeur)
    {
        if (valeur != backColor_) {
            backColor_ = valeur;
            this->update();
        }
    }
    std::int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::int32_t valeur)
    {
        if (valeur != foreColor_) {
            foreColor_ = valeur;
            this->update();
        }
    }
    void SetDescription(const QString& texte)
    {
        if (texte != this->toolTip())
            this->setToolTip(texte);
        SetNomAccessible(texte);
    }
    // The tooltip alone, for a cell that screen readers pass by.
    void SetInfobulle(const QString& texte)
    {
        if (texte != this->toolTip())
            this->setToolTip(texte);
    }
    // The accessible name alone.
    void SetNomAccessible(const QString& nom)
    {
        if (nom != this->accessibleName())
            this->setAccessibleName(nom);
    }
    // 0 draws no number.
    void SetNumero(int numero)
    {
        if (numero != numero_) {
            numero_ = numero;
            this->update();
        }
    }
    int Numero() const { return numero_; }
    // A thin outline, that sets the cell apart from a dark window; none
    // when invalid.
    void SetContour(const QColor& couleur)
    {
        if (couleur != contour_) {
            contour_ = couleur;
            this->update();
        }
    }
    // No background at all: the style's own fill behind the cell shows, as
    // some styles lighten a frame's inside.
    void SetSansFond(bool sansFond)
    {
        sansFond_ = sansFond;
        this->setAttribute(Qt::WA_OpaquePaintEvent, !sansFond);
        this->update();
    }
    // The outline from the rule above, kept as the cell's colour and the
    // palette change.
    void SetContourSelonContraste(bool selonContraste)
    {
        if (selonContraste != selonContraste_) {
            selonContraste_ = selonContraste;
            this->update();
        }
    }
    // The keyboard's cursor: a frame in the highlight colour, with a line
    // inside it that stands out from the cell's own colour.
    void SetMarque(bool marque)
    {
        if (marque != marque_) {
            marque_ = marque;
            this->update();
        }
    }
    bool Marque() const { return marque_; }

protected:
    void PeindreFond(QPainter& peintre) const
    {
        if (sansFond_)
            return;
        const QColor contour = selonContraste_ ? ContourSelonContraste(backColor_, this->palette()) : contour_;
        // The outline as a filled ring, not a line: under a fractional scale
        // factor a one-pixel line can fall between the screen's pixels.
        if (contour.isValid()) {
            peintre.fillRect(this->rect(), contour);
            peintre.fillRect(this->rect().adjusted(1, 1, -1, -1), VersQColor(backColor_));
        } else {
            peintre.fillRect(this->rect(), VersQColor(backColor_));
        }
    }
    void PeindreMarque(QPainter& peintre) const
    {
        if (!marque_)
            return;
        const QRect cadre = this->rect();
        const int epaisseur = std::max(2, cadre.height() / 10);
        peintre.setPen(Qt::NoPen);
        // The highlight where it stands out from the window by 3:1, as most
        // palettes' does; otherwise the window's text colour, which does.
        const QColor fenetre = this->palette().color(QPalette::Window);
        QColor couleur = this->palette().color(QPalette::Highlight);
        if (Contraste(DepuisQColor(couleur), DepuisQColor(fenetre)) < 3)
            couleur = this->palette().color(QPalette::WindowText);
        peintre.setBrush(couleur);
        QRegion bord = QRegion(cadre).subtracted(cadre.adjusted(epaisseur, epaisseur, -epaisseur, -epaisseur));
        peintre.setClipRegion(bord);
        peintre.drawRect(cadre);
        peintre.setClipping(false);
        peintre.setPen(TexteNoirSur(backColor_) ? Qt::black : Qt::white);
        peintre.setBrush(Qt::NoBrush);
        peintre.drawRect(cadre.adjusted(epaisseur, epaisseur, -epaisseur - 1, -epaisseur - 1));
    }
    // `texte` centred, in the text colour.
    void PeindreTexte(QPainter& peintre, const QString& texte) const
    {
        if (texte.isEmpty())
            return;
        peintre.setPen(VersQColor(foreColor_));
        peintre.drawText(this->rect(), Qt::AlignCenter, texte);
    }
    void PeindreNumero(QPainter& peintre) const
    {
        if (numero_ <= 0)
            return;
        QFont police = this->font();
        police.setBold(true);
        police.setPixelSize(std::max(9, this->height() * 3 / 5));
        peintre.setFont(police);
        peintre.setPen(TexteNoirSur(backColor_) ? Qt::black : Qt::white);
        peintre.drawText(this->rect(), Qt::AlignCenter, QString::number(numero_));
    }

private:
    std::int32_t backColor_ = 0;
    std::int32_t foreColor_ = 0;
    int numero_ = 0;
    QColor contour_;
    bool selonContraste_ = false;
    bool sansFond_ = false;
    bool marque_ = false;
};

}  // namespace vorlinde::ui
