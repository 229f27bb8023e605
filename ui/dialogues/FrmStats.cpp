// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmStats.h"
#include "catalogue/Catalogue.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "Ecran.h"
#include "accessibilite/Libelles.h"
#include "partie/AujourdHui.h"
#include "plateau/Etiquette.h"

namespace vorlinde::ui {
// One column of the chart: its count over a bar as tall as the count allows,
// its number of guesses under it.
class Barre : public QWidget {
public:
    Barre(int colonne, QWidget* parent) : QWidget(parent), colonne_(colonne)
    {
        setFocusPolicy(Qt::TabFocus);
        setMinimumSize(30, 180);
        setObjectName(QStringLiteral("Barre%1").arg(colonne + 1));
    }

    void Montrer(Compte compte, Compte maximum, bool meilleure)
    {
        compte_ = compte;
        maximum_ = std::max(maximum, Compte{1});
        meilleure_ = meilleure;
        const QString coups = colonne_ + 1 < ColonnesCoups ? Utf8(textes::Nombre(colonne_ + 1, textes::NomCoups))
                                                           : Utf8(textes::OnzeCoupsEtPlus);
        setAccessibleName(coups + Utf8(textes::DeuxPoints)
                          + Utf8(textes::Nombre(static_cast<long>(compte), textes::NomParties)));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter peintre(this);
        peintre.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics mesures(font());
        const int basTexte = mesures.height() + 4;
        const QRectF zone = rect().adjusted(4, mesures.height() + 4, -4, -basTexte);
        const qreal hauteur = zone.height() * compte_ / maximum_;
        const QRectF barre(zone.left(), zone.bottom() - hauteur, zone.width(), hauteur);
        if (compte_ > 0) {
            QLinearGradient degrade(barre.topLeft(), barre.bottomLeft());
            const QColor couleur = meilleure_ ? QColor(0x2e, 0xa0, 0x5a) : QColor(0x3a, 0x78, 0xd8);
            degrade.setColorAt(0, couleur.lighter(125));
            degrade.setColorAt(1, couleur);
            QPainterPath chemin;
            chemin.addRoundedRect(barre.adjusted(0, 0, 0, 4), 4, 4);
            peintre.setClipRect(barre);
            peintre.fillPath(chemin, degrade);
            // The bar stands out from the window, as every cell of the
            // windows around the board does.
            const QColor contour = ContourSelonContraste(DepuisQColor(couleur), palette());
            if (contour.isValid()) {
                peintre.setPen(contour);
                peintre.drawPath(chemin);
            }
            peintre.setClipping(false);
        }
        peintre.setPen(palette().color(QPalette::Mid));
        peintre.drawLine(QPointF(0, zone.bottom() + 0.5), QPointF(width(), zone.bottom() + 0.5));
        peintre.setPen(palette().color(QPalette::WindowText));
        peintre.drawText(QRectF(0, barre.top() - mesures.height() - 2, width(), mesures.height()), Qt::AlignCenter,
                         QString::number(compte_));
        peintre.drawText(QRectF(0, height() - mesures.height(), width(), mesures.height()), Qt::AlignCenter,
                         colonne_ + 1 < ColonnesCoups ? QString::number(colonne_ + 1) : Utf8(textes::OnzeEtPlus));
        if (hasFocus()) {
            peintre.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            peintre.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    int colonne_;
    Compte compte_ = 0;
    Compte maximum_ = 1;
    bool meilleure_ = false;
};

FrmStats::FrmStats(const Statistiques& figures, std::function<Statistiques()> remettreAZero, QWidget* parent)
    : QDialog(parent), remettreAZero_(std::move(remettreAZero))
{
    setWindowTitle(Utf8(textes::TitreStatistiques));
    // The figures and the chart scroll where the screen is smaller than they.
    auto* contenu = new QWidget(this);
    auto* pile = new QVBoxLayout(contenu);
    pile->setContentsMargins(0, 0, 0, 0);
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(fontMetrics().averageCharWidth() * 3);
    for (std::size_t k = 0; k < textes_.size(); ++k) {
        textes_[k] = new LibelleLu(QString(), contenu);
        textes_[k]->setObjectName(QStringLiteral("LblStat%1").arg(k));
        grille->addWidget(textes_[k], static_cast<int>(k % 4), static_cast<int>(k / 4));
    }
    pile->addLayout(grille);
    auto* titre = new QLabel(Utf8(textes::GagneesSelonCoups), contenu);
    titre->setAlignment(Qt::AlignCenter);
    pile->addSpacing(8);
    pile->addWidget(titre);
    auto* graphique = new QHBoxLayout;
    graphique->setSpacing(2);
    for (int c = 0; c < ColonnesCoups; ++c)
        graphique->addWidget(barres_[c] = new Barre(c, contenu));
    pile->addLayout(graphique);
    auto* plan = new QVBoxLayout(this);
    auto* defilement = new Defilement(contenu, this);
    defilement->setFocusPolicy(Qt::NoFocus);
    plan->addWidget(defilement, 1);
    auto* boutons = new QHBoxLayout;
    auto* raz = new QPushButton(Utf8(textes::BoutonRemettreAZero), this);
    raz->setObjectName(QStringLiteral("CmdRaz"));
    auto* fermer = new QPushButton(Utf8(textes::BoutonFermer), this);
    fermer->setObjectName(QStringLiteral("CmdFermer"));
    fermer->setDefault(true);
    boutons->addWidget(raz);
    boutons->addStretch();
    boutons->addWidget(fermer);
    plan->addLayout(boutons);
    fermer->setFocus();
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(raz, &QPushButton::clicked, this, [this] { Afficher(remettreAZero_()); });
    Afficher(figures);
    TaillerSelonEcran(this);
}

void FrmStats::Afficher(const Statistiques& s)
{
    const auto n = [](Compte valeur) { return QString::number(valeur); };
    const QStringList textes{
        Utf8(textes::StatJouees) + n(s.Jouees()),
        Utf8(textes::StatGagnees) + n(s.Gagnees),
        Utf8(textes::StatPerdues) + n(s.Perdues),
        Utf8(textes::StatAbandonnees) + n(s.Abandonnees),
        Utf8(textes::StatAvecIndice) + n(s.GagneesAvecIndice),
        Utf8(textes::StatSerie) + n(s.SerieEnCours),
        Utf8(textes::StatMeilleureSerie) + n(s.MeilleureSerie),
        // Before the first win there is neither an average nor a best game.
        Utf8(textes::StatMoyenne) + (s.Gagnees == 0 ? Utf8(textes::SansValeur) : Utf8(MoyenneDesCoups(s))),
        Utf8(textes::StatMeilleurePartie)
            + (s.MeilleurePartie == 0 ? Utf8(textes::SansValeur)
                                      : Utf8(textes::Nombre(s.MeilleurePartie, textes::NomCoups))),
        Utf8(textes::StatJoursJoues) + n(s.JoursJoues),
        Utf8(textes::StatSerieDeJours) + n(SerieDeJoursAu(s, AujourdHui())),
        Utf8(textes::StatMeilleureSerieDeJours) + n(s.MeilleureSerieDeJours),
        Utf8(textes::StatGagneesDifficiles) + n(s.GagneesDifficiles),
        // Wins counted before times were kept have none.
        Utf8(textes::StatMeilleurTemps)
            + (s.VictoiresChronometrees == 0 ? Utf8(textes::SansValeur) : Utf8(textes::TexteDuree(s.MeilleurTemps))),
        Utf8(textes::StatTempsMoyen)
            + (s.VictoiresChronometrees == 0 ? Utf8(textes::SansValeur) : Utf8(textes::TexteDuree(TempsMoyen(s)))),
    };
    for (std::size_t k = 0; k < textes_.size(); ++k)
        textes_[k]->Ecrire(textes[static_cast<qsizetype>(k)]);
    const Compte maximum = *std::max_element(s.VictoiresParCoups.begin(), s.VictoiresParCoups.end());
    for (int c = 0; c < ColonnesCoups; ++c)
        barres_[c]->Montrer(s.VictoiresParCoups[c], maximum, maximum > 0 && s.VictoiresParCoups[c] == maximum);
}

}  // namespace vorlinde::ui
