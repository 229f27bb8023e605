// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmReprise.h"

#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include "Ecran.h"
#include "accessibilite/Accessibilite.h"
#include "catalogue/Catalogue.h"
#include "plateau/Cellule.h"

namespace vorlinde::ui {
namespace {

// The role that holds the colours of the last move, as four numbers.
constexpr int RoleDernier = Qt::UserRole + 1;

// The last move, four cells in the palette's colours, each outlined where it
// would melt into the list; an empty one as a dotted outline. Painted as the
// row is drawn: thousands of rows hold no picture.
class DessinDernier : public QStyledItemDelegate {
public:
    DessinDernier(const std::array<std::int32_t, NbCouleurs>& palette, QSize taille, QObject* parent)
        : QStyledItemDelegate(parent), palette_(palette), taille_(taille)
    {
    }

    void paint(QPainter* peintre, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const auto vue = Vue(option, index);
        const QWidget* liste = option.widget;
        QStyle* style = liste ? liste->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &vue, peintre, liste);
        const QRect place = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &vue, liste);
        const auto dernier = index.data(RoleDernier).toList();
        const int cote = taille_.height();
        const QPalette& fond = option.palette;
        peintre->save();
        for (int k = 0; k < LongueurCode && k < dernier.size(); ++k) {
            const int c = dernier[k].toInt();
            const QRect cellule(place.left() + k * (cote + 2), place.top() + (place.height() - cote) / 2, cote - 1,
                                cote - 1);
            if (c < 1) {
                peintre->setPen(QPen(fond.color(QPalette::Text), 1, Qt::DotLine));
                peintre->setBrush(Qt::NoBrush);
                peintre->drawRect(cellule);
                continue;
            }
            peintre->fillRect(cellule, VersQColor(palette_[c - 1]));
            const QColor contour = ContourSelonContraste(palette_[c - 1], fond);
            if (contour.isValid()) {
                peintre->setPen(contour);
                peintre->setBrush(Qt::NoBrush);
                peintre->drawRect(cellule);
            }
        }
        peintre->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const auto vue = Vue(option, index);
        const QWidget* liste = option.widget;
        QStyle* style = liste ? liste->style() : QApplication::style();
        return style->sizeFromContents(QStyle::CT_ItemViewItem, &vue, QSize(), liste);
    }

private:
    // The row as the style sees it, with room for the picture as an icon
    // would have it.
    QStyleOptionViewItem Vue(const QStyleOptionViewItem& option, const QModelIndex& index) const
    {
        QStyleOptionViewItem vue = option;
        initStyleOption(&vue, index);
        vue.features |= QStyleOptionViewItem::HasDecoration;
        vue.decorationSize = taille_;
        return vue;
    }

    std::array<std::int32_t, NbCouleurs> palette_;
    QSize taille_;
};

}  // namespace

FrmReprise::FrmReprise(Lot premieres, Sources sources, const std::array<std::int32_t, NbCouleurs>& palette,
                       QWidget* parent)
    : QDialog(parent), sources_(std::move(sources)), palette_(palette)
{
    setWindowTitle(Utf8(textes::TitrePartiesInterrompues));
    auto* texte = new QLabel(Utf8(textes::ExplicationReprise));
    texte->setWordWrap(true);
    liste_ = new QListWidget;
    liste_->setObjectName(QStringLiteral("Parties"));
    liste_->setAccessibleName(Utf8(textes::TitrePartiesInterrompues));
    liste_->setUniformItemSizes(true);
    const int cote = fontMetrics().height();
    liste_->setItemDelegate(
        new DessinDernier(palette_, QSize(cote * LongueurCode + (LongueurCode - 1) * 2, cote), liste_));
    texte->setBuddy(liste_);
    misesDeCote_ = new QLabel;
    misesDeCote_->setWordWrap(true);
    misesDeCote_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    DireLaLigneCourante(liste_);
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

    boutons_ = {reprendre, effacer, toutEffacer, plusTard};
    progression_ = new QProgressBar;
    progression_->setAccessibleName(Utf8(textes::BoutonToutSupprimer));
    progression_->hide();
    auto* boutons = new QHBoxLayout;
    for (auto* bouton : {reprendre, effacer, toutEffacer})
        boutons->addWidget(bouton);
    boutons->addStretch();
    boutons->addWidget(plusTard);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(texte);
    colonne->addWidget(liste_);
    colonne->addWidget(misesDeCote_);
    colonne->addWidget(progression_);
    colonne->addLayout(boutons);
    liste_->setFocus();
    if (!fini_)
        QTimer::singleShot(0, this, &FrmReprise::LireLaSuite);
    TaillerSelonEcran(this);
}

void FrmReprise::Ajouter(const Lot& lot)
{
    for (const auto& partie : lot.Parties) {
        const auto date = QDateTime::fromSecsSinceEpoch(partie.Date);
        const QString ligne
            = Utf8(textes::LigneReprise)
                  .arg(date.toString(QStringLiteral("dd/MM/yyyy")), date.toString(QStringLiteral("HH:mm")),
                       Utf8(textes::Nombre(partie.Coups, textes::NomCoups)));
        auto* element = new QListWidgetItem(ligne, liste_);
        const auto& d = partie.Dernier;
        element->setData(RoleDernier, QVariantList{d[0], d[1], d[2], d[3]});
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
    if (fini_ || phase_ != Phase::Aucune)
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
    sources_.Supprimer(parties_[static_cast<std::size_t>(rang)], true);
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
    if (phase_ != Phase::Aucune)
        return;
    // Every game offered, the ones not read yet too: they are read first, a
    // step at a time, and the count asked about once all are known.
    for (auto* bouton : boutons_)
        bouton->setEnabled(false);
    phase_ = Phase::Lecture;
    supprimees_ = 0;
    duree_.start();
    QTimer::singleShot(0, this, &FrmReprise::PasSuivant);
}

void FrmReprise::PasSuivant()
{
    QElapsedTimer pas;
    pas.start();
    // Past a second, the player sees how far it is.
    if (duree_.elapsed() > 1000 && progression_->isHidden()) {
        progression_->setRange(0, 0);
        progression_->show();
    }
    if (phase_ == Phase::Lecture) {
        while (!fini_ && pas.elapsed() < 40)
            Ajouter(sources_.Lire(50));
        if (!fini_) {
            QTimer::singleShot(0, this, &FrmReprise::PasSuivant);
            return;
        }
        const bool oui = sources_.ConfirmerTout(static_cast<int>(parties_.size()));
        if (!oui) {
            phase_ = Phase::Aucune;
            progression_->hide();
            for (auto* bouton : boutons_)
                bouton->setEnabled(true);
            liste_->setFocus();
            return;
        }
        phase_ = Phase::Suppression;
        duree_.start();
        progression_->setRange(0, static_cast<int>(parties_.size()));
    }
    // One folder sync for the batch, at its end, rather than one per game.
    while (supprimees_ < parties_.size() && pas.elapsed() < 40)
        sources_.Supprimer(parties_[supprimees_++], false);
    progression_->setValue(static_cast<int>(supprimees_));
    if (supprimees_ < parties_.size()) {
        QTimer::singleShot(0, this, &FrmReprise::PasSuivant);
        return;
    }
    sources_.Synchroniser();
    parties_.clear();
    liste_->clear();
    phase_ = Phase::Aucune;
    reject();
}

}  // namespace vorlinde::ui
