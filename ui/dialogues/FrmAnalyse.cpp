// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmAnalyse.h"
#include "catalogue/Catalogue.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Ecran.h"
#include "accessibilite/Libelles.h"
#include "accessibilite/Phrases.h"
#include "game/Solveur.h"
#include "plateau/Etiquette.h"

namespace vorlinde::ui {
namespace {

QString Chiffres(const Code4& code)
{
    return QString::fromStdString(TexteCode(code));
}

// The guess as four swatches, each with its colour number when `numeros`.
QWidget* Essai(const Coup& coup, const Partie& partie, bool numeros)
{
    auto* essai = new QWidget;
    auto* cases = new QHBoxLayout(essai);
    cases->setContentsMargins(0, 0, 0, 0);
    cases->setSpacing(3);
    for (int j = 0; j < LongueurCode; ++j) {
        const int d = coup.Code[j] - '0';
        auto* cellule = new Etiquette;
        cellule->setFixedSize(17, 17);
        cellule->SetContourSelonContraste(true);
        if (d >= 1 && d <= NbCouleurs) {
            cellule->SetBackColor(partie.Palette[d - 1]);
            cellule->SetNumero(numeros ? d : 0);
            cellule->SetInfobulle(phrases::Case(j + 1, d));
        }
        cases->addWidget(cellule);
    }
    return essai;
}

// One move's row of `grille`; its number, which Tab reaches and which a
// screen reader reads as the whole row, is returned.
QWidget* Ligne(QGridLayout* grille, int ligne, const AnalyseCoup& a, const Partie& partie, bool numeros)
{
    const QString score = phrases::Score(a.Joue.BiPl, a.Joue.MalPl);
    const QString possibles = QStringLiteral("%1 → %2").arg(a.PossiblesAvant).arg(a.PossiblesApres);
    const QString encore = a.Compatible ? Utf8(textes::Oui) : Utf8(textes::Non);
    const QString solveur
        = Utf8(textes::SolveurAuPire)
              .arg(Chiffres(a.Conseil.Code), Utf8(textes::Nombre(a.Conseil.PireCas, textes::NomCodes)));
    // The move whole for Tab: a screen reader says it once, and none of
    // the row's texts.
    auto* numero = new LibelleLu(Utf8(textes::CoupN).arg(ligne));
    numero->setObjectName(QStringLiteral("LblCoup%1").arg(ligne));
    numero->setAccessibleName(Utf8(textes::LigneAnalyse)
                                  .arg(ligne)
                                  .arg(QString::fromStdString(a.Joue.TexteCode()), score, possibles,
                                       a.Compatible ? Utf8(textes::CoupPossible) : Utf8(textes::CoupPlusPossible),
                                       solveur));
    grille->addWidget(numero, ligne, 0);
    grille->addWidget(Essai(a.Joue, partie, numeros), ligne, 1);
    int colonne = 2;
    for (const QString& texte : {QString::fromStdString(a.Joue.TexteCode()), score, possibles, encore, solveur})
        grille->addWidget(new LibelleVu(texte), ligne, colonne++);
    return numero;
}

// « 12 coup(s) joué(s), partie gagnée ; le solveur trouve ce code en 5 coup(s). »
QString Bilan(const Partie& partie)
{
    QString bilan = Utf8(textes::BilanCoups).arg(partie.NbCoups);
    switch (Issue(partie)) {
    case IssuePartie::EnCours:
        bilan += Utf8(textes::BilanEnCours);
        break;
    case IssuePartie::Gagnee:
    case IssuePartie::Perdue:
        bilan += Issue(partie) == IssuePartie::Gagnee ? Utf8(textes::Gagnee) : Utf8(textes::Perdue);
        bilan += Utf8(textes::BilanSolveur).arg(CoupsDuSolveur(partie.CodeSecret));
        break;
    }
    return Utf8(textes::Bilan) + bilan;
}

}  // namespace

FrmAnalyse::FrmAnalyse(const Partie& partie, bool numeros, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Utf8(textes::TitreAnalyse));
    auto* plan = new QVBoxLayout(this);
    // Where the game comes from: its number, or its date, read first.
    auto* origine = new LibelleLu(Utf8(textes::TexteEnTeteAnalyse(partie)));
    origine->setObjectName(QStringLiteral("LblOrigine"));
    plan->addWidget(origine);
    auto* contenu = new QWidget;
    auto* grille = new QGridLayout(contenu);
    grille->setHorizontalSpacing(12);
    const QStringList titres{
        Utf8(textes::ColonneCoup),   Utf8(textes::ColonneEssai),     QString(),
        Utf8(textes::ColonneScore),  Utf8(textes::ColonnePossibles), Utf8(textes::ColonneEncorePossible),
        Utf8(textes::ColonneSolveur)};
    for (int c = 0; c < titres.size(); ++c)
        grille->addWidget(new LibelleVu(QStringLiteral("<b>%1</b>").arg(titres[c])), 0, c);

    const auto analyse = AnalyserPartie(CoupsJoues(partie));
    QList<QWidget*> ordre{origine};
    for (std::size_t k = 0; k < analyse.size(); ++k)
        ordre.append(Ligne(grille, static_cast<int>(k) + 1, analyse[k], partie, numeros));
    // The rows keep together at the top.
    grille->setRowStretch(static_cast<int>(analyse.size()) + 1, 1);
    auto* defilement = new Defilement(contenu);
    // Tab goes from move to move; the area follows the focus.
    defilement->setFocusPolicy(Qt::NoFocus);
    plan->addWidget(defilement, 1);

    auto* resume = new LibelleLu(Bilan(partie));
    resume->setObjectName(QStringLiteral("LblBilan"));
    resume->setWordWrap(true);
    plan->addWidget(resume);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close);
    boutons->button(QDialogButtonBox::Close)->setText(Utf8(textes::BoutonFermer));
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    plan->addWidget(boutons);
    ordre << resume << boutons->button(QDialogButtonBox::Close);
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    // The window opens on its first move; the game's origin is one Shift+Tab
    // above it.
    ordre[1]->setFocus();
    TaillerSelonEcran(this);
}

}  // namespace vorlinde::ui
