// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmReprise.h"
#include "accessibilite/Texte.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "Ecran.h"
#include "plateau/Cellule.h"

namespace vorlinde::ui {
namespace {

QString Coups(int n)
{
    return QString::number(n) + (n < 2 ? QStringLiteral(" coup") : QStringLiteral(" coups"));
}

// The last move, four cells in the palette's colours, each outlined where it
// would melt into the list (`fond`); an empty one as a dotted outline.
QPixmap Image(const FrmReprise::Partie& partie, const std::array<std::int32_t, NbCouleurs>& palette, int cote,
              const QPalette& fond)
{
    QPixmap image(cote * LongueurCode + (LongueurCode - 1) * 2, cote);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    for (int k = 0; k < LongueurCode; ++k) {
        const int c = partie.Dernier[k];
        const QRect cellule(k * (cote + 2), 0, cote - 1, cote - 1);
        if (c < 1) {
            peintre.setPen(QPen(fond.color(QPalette::Text), 1, Qt::DotLine));
            peintre.drawRect(cellule);
            continue;
        }
        peintre.fillRect(cellule, VersQColor(palette[c - 1]));
        const QColor contour = ContourSelonContraste(palette[c - 1], fond);
        if (contour.isValid()) {
            peintre.setPen(contour);
            peintre.drawRect(cellule);
        }
    }
    return image;
}

}  // namespace

FrmReprise::FrmReprise(Lot premieres, Sources sources, const std::array<std::int32_t, NbCouleurs>& palette,
                       QWidget* parent)
    : QDialog(parent), sources_(std::move(sources)), palette_(palette)
{
    setWindowTitle(Utf8(textes::TitrePartiesInterrompues));
    auto* texte = new QLabel(QStringLiteral("Ces parties ont été interrompues sans que vous les quittiez (le jeu s'est "
                                            "arrêté, ou la session a pris fin). Laquelle voulez-vous reprendre ?"));
    texte->setWordWrap(true);
    liste_ = new QListWidget;
    liste_->setObjectName(QStringLiteral("Parties"));
    liste_->setAccessibleName(Utf8(textes::TitrePartiesInterrompues));
    liste_->setUniformItemSizes(true);
    const int cote = fontMetrics().height();
    liste_->setIconSize(QSize(cote * LongueurCode + (LongueurCode - 1) * 2, cote));
    texte->setBuddy(liste_);
    misesDeCote_ = new QLabel;
    misesDeCote_->setWordWrap(true);
    misesDeCote_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // This Qt does not tell screen readers which game the list stands on as
    // the focus arrives: the list says it. Later ones do, and Orca reads it.
    connect(liste_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* element) {
        liste_->setAccessibleDescription(element ? element->data(Qt::AccessibleTextRole).toString() : QString());
    });
#endif
    Ajouter(premieres);
    liste_->setCurrentRow(0);

    auto* reprendre = new QPushButton(Utf8(textes::BoutonReprendre));
    auto* effacer = new QPushButton(Utf8(textes::BoutonSupprimer));
    auto* toutEffacer = new QPushButton(Utf8(textes::BoutonToutSupprimer));
    auto* plusTard = new QPushButton(Utf8(textes::BoutonPlusTard));
    reprendre->setDefault(true);
    connect(reprendre, &QPushButton::clicked, this, &QDialog::accept);
    connect(liste_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(effacer, &QPushButton::clicked, this, &FrmReprise::Supprimer);
    connect(toutEffacer, &QPushButton::clicked, this, &FrmReprise::ToutSupprimer);
    connect(plusTard, &QPushButton::clicked, this, &QDialog::reject);

    auto* boutons = new QHBoxLayout;
    for (auto* bouton : {reprendre, effacer, toutEffacer})
        boutons->addWidget(bouton);
    boutons->addStretch();
    boutons->addWidget(plusTard);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(texte);
    colonne->addWidget(liste_);
    colonne->addWidget(misesDeCote_);
    colonne->addLayout(boutons);
    liste_->setFocus();
    if (!fini_)
        QTimer::singleShot(0, this, &FrmReprise::LireLaSuite);
    TaillerSelonEcran(this);
}

void FrmReprise::Ajouter(const Lot& lot)
{
    const int cote = liste_->iconSize().height();
    for (const auto& partie : lot.Parties) {
        const auto date = QDateTime::fromSecsSinceEpoch(partie.Date);
        const QString ligne = QStringLiteral("Le %1 à %2 : %3")
                                  .arg(date.toString(QStringLiteral("dd/MM/yyyy")),
                                       date.toString(QStringLiteral("HH:mm")), Coups(partie.Coups));
        // The picture as it is, selected or not.
        QIcon icone;
        const QPixmap image = Image(partie, palette_, cote, liste_->palette());
        icone.addPixmap(image, QIcon::Normal);
        icone.addPixmap(image, QIcon::Selected);
        auto* element = new QListWidgetItem(icone, ligne, liste_);
        const auto& d = partie.Dernier;
        element->setData(Qt::AccessibleTextRole,
                         d[0] >= 1 ? ligne + Utf8(textes::DernierCoup).arg(d[0]).arg(d[1]).arg(d[2]).arg(d[3]) : ligne);
        parties_.push_back(partie);
    }
    if (liste_->currentRow() < 0 && liste_->count() > 0)
        liste_->setCurrentRow(0);
    fini_ = lot.Fini;
    const QString phrase = sources_.MisesDeCote();
    misesDeCote_->setText(phrase);
    misesDeCote_->setVisible(!phrase.isEmpty());
}

void FrmReprise::LireLaSuite()
{
    if (fini_)
        return;
    Ajouter(sources_.Lire(100));
    if (!fini_)
        QTimer::singleShot(0, this, &FrmReprise::LireLaSuite);
}

const FrmReprise::Partie& FrmReprise::Choisie() const
{
    return parties_[static_cast<std::size_t>(std::max(0, liste_->currentRow()))];
}

void FrmReprise::Supprimer()
{
    const int rang = liste_->currentRow();
    if (rang < 0)
        return;
    sources_.Supprimer(parties_[static_cast<std::size_t>(rang)]);
    parties_.erase(parties_.begin() + rang);
    delete liste_->takeItem(rang);
    // Nothing left to offer.
    if (parties_.empty() && fini_)
        reject();
    else
        liste_->setFocus();
}

void FrmReprise::ToutSupprimer()
{
    // Every game offered, the ones not read yet too.
    while (!fini_)
        Ajouter(sources_.Lire(1000));
    if (!sources_.ConfirmerTout(static_cast<int>(parties_.size())))
        return;
    for (const auto& partie : parties_)
        sources_.Supprimer(partie);
    parties_.clear();
    liste_->clear();
    reject();
}

}  // namespace vorlinde::ui
