// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmParties.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "Ecran.h"
#include "accessibilite/Accessibilite.h"
#include "catalogue/Catalogue.h"

namespace vorlinde::ui {

namespace {

QString Issue(const PartieJouee& p)
{
    const auto coups = static_cast<long>(p.Coups.size());
    switch (p.Fin) {
    case FinDePartie::Gagnee:
        return Utf8(textes::JoueeGagnee).arg(Utf8(textes::Nombre(coups, textes::NomCoups)));
    case FinDePartie::Perdue:
        return Utf8(textes::JoueePerdue).arg(Utf8(textes::Nombre(coups, textes::NomCoups)));
    case FinDePartie::Abandonnee:
        break;
    }
    return Utf8(textes::JoueeAbandonnee).arg(Utf8(textes::Nombre(coups, textes::NomCoups)));
}

QString Ligne(const PartieJouee& p)
{
    const auto quand = QDateTime::fromSecsSinceEpoch(p.Quand);
    QStringList morceaux{
        Utf8(textes::JoueeLe)
            .arg(quand.toString(QStringLiteral("dd/MM/yyyy")), quand.toString(QStringLiteral("HH:mm"))),
        Utf8(textes::TexteOrigine(p.Origine)), Issue(p)};
    if (p.Secondes >= 0)
        morceaux << Utf8(textes::TexteDuree(p.Secondes));
    if (p.Difficile)
        morceaux << Utf8(textes::JoueeDifficile);
    return morceaux.join(QStringLiteral(" — "));
}

}  // namespace

FrmParties::FrmParties(std::vector<PartieJouee> parties, Actions actions, QWidget* parent)
    : QDialog(parent), parties_(std::move(parties)), actions_(std::move(actions))
{
    std::reverse(parties_.begin(), parties_.end());
    setWindowTitle(Utf8(textes::TitrePartiesJouees));
    auto* texte = new QLabel(parties_.empty() ? Utf8(textes::AucunePartieJouee) : Utf8(textes::ExplicationJouees));
    texte->setWordWrap(true);
    liste_ = new QListWidget;
    liste_->setObjectName(QStringLiteral("PartiesJouees"));
    liste_->setAccessibleName(Utf8(textes::TitrePartiesJouees));
    liste_->setUniformItemSizes(true);
    texte->setBuddy(liste_);
    // Before the rows: the first current row is told too.
    DireLaLigneCourante(liste_);
    for (const auto& partie : parties_) {
        const auto ligne = Ligne(partie);
        (new QListWidgetItem(ligne, liste_))->setData(Qt::AccessibleTextRole, ligne);
    }
    liste_->setCurrentRow(0);

    analyser_ = new QPushButton(Utf8(textes::BoutonAnalyse));
    copier_ = new QPushButton(Utf8(textes::BoutonCopier));
    rejouer_ = new QPushButton(Utf8(textes::BoutonRejouer));
    auto* fermer = new QPushButton(Utf8(textes::BoutonFermer));
    analyser_->setDefault(true);
    connect(analyser_, &QPushButton::clicked, this, [this] {
        if (const auto* p = Choisie(); p && actions_.Analyser)
            actions_.Analyser(EtatDe(*p), this);
    });
    // A double click opens the row's analysis; Return reaches « Analyse »
    // as the default button. The list's activation on Return would open it
    // a second time once the first closed, as the list passes the key on.
    connect(liste_, &QListWidget::itemDoubleClicked, analyser_, &QPushButton::click);
    connect(copier_, &QPushButton::clicked, this, [this] {
        if (const auto* p = Choisie(); p && actions_.Copier)
            actions_.Copier(EtatDe(*p));
    });
    connect(rejouer_, &QPushButton::clicked, this, [this] {
        if (const auto* p = Choisie(); p && p->Origine.Sorte == SortePartie::Numerotee) {
            aRejouer_ = p->Origine.Numero;
            accept();
        }
    });
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(liste_, &QListWidget::currentRowChanged, this, &FrmParties::SuivreChoix);

    auto* boutons = new QHBoxLayout;
    for (auto* bouton : {analyser_, copier_, rejouer_})
        boutons->addWidget(bouton);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(texte);
    colonne->addWidget(liste_);
    colonne->addLayout(boutons);
    SuivreChoix();
    liste_->setFocus();
    TaillerSelonEcran(this);
}

const PartieJouee* FrmParties::Choisie() const
{
    const int ligne = liste_->currentRow();
    return ligne >= 0 && ligne < static_cast<int>(parties_.size()) ? &parties_[static_cast<std::size_t>(ligne)]
                                                                   : nullptr;
}

void FrmParties::SuivreChoix()
{
    const auto* p = Choisie();
    analyser_->setEnabled(p != nullptr);
    copier_->setEnabled(p != nullptr);
    // Only a numbered game has a number to play again.
    rejouer_->setEnabled(p != nullptr && p->Origine.Sorte == SortePartie::Numerotee);
}

}  // namespace vorlinde::ui
