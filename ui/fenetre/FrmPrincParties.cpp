// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The kinds of game besides a new one (a number, the day's code, two
// players), the text of a game to share, and the check of a composed code.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QSpinBox>

#include "FrmPrinc.h"
#include "catalogue/Catalogue.h"
#include "dialogues/FrmADeux.h"
#include "game/Sortes.h"
#include "partie/AujourdHui.h"
#include "plateau/Plateau.h"
#include "plateau/Traduction.h"

namespace vorlinde::ui {
namespace {

QString IssueDuJour(const Statistiques& figures)
{
    switch (figures.IssueDernierJour) {
    case 1:
        return Utf8(textes::JourGagne).arg(figures.CoupsDernierJour);
    case 2:
        return Utf8(textes::JourPerdu);
    default:
        return Utf8(textes::JourAbandonne).arg(figures.CoupsDernierJour);
    }
}

}  // namespace

void FrmPrinc::Commencer(const Code4& code, const OriginePartie& origine, PartieActive::Depart depart)
{
    jeu_.Nouvelle(ProfilDefautOuIntegre(), code, origine, depart);
}

void FrmPrinc::MnuNumerotee_Click()
{
    QInputDialog dialogue(this);
    dialogue.setWindowTitle(Utf8(textes::TitrePartieNumerotee));
    dialogue.setInputMode(QInputDialog::IntInput);
    dialogue.setLabelText(Utf8(textes::NumeroDeLaPartie));
    dialogue.setIntRange(1, NumeroMax);
    const auto& origine = jeu_.Etat().Origine;
    dialogue.setIntValue(origine.Sorte == SortePartie::Numerotee ? origine.Numero : 1);
    if (auto* champ = dialogue.findChild<QSpinBox*>())
        champ->setAccessibleName(Utf8(textes::NumeroDeLaPartie));
    TraduireAuBesoin();
    if (dialogue.exec() != QDialog::Accepted)
        return;
    const auto numero = static_cast<std::int32_t>(dialogue.intValue());
    Commencer(CodeNumerote(numero), {SortePartie::Numerotee, numero});
}

// One code a day for every player, from the date alone. The record counts
// the first game of each day's code; a second one is an ordinary game.
void FrmPrinc::MnuDuJour_Click()
{
    const auto jour = AujourdHui();
    const OriginePartie duJour{SortePartie::DuJour, jour};
    if (jeu_.Etat().Origine == duJour && Issue(jeu_.Etat()) == IssuePartie::EnCours && jeu_.Etat().NbCoups > 0) {
        MsgBox(Utf8(textes::JourEnCours), styles::Aucun, Utf8(textes::TitreCodeDuJour));
        return;
    }
    const QString date = QString::fromStdString(textes::TexteDate(jour));
    if (const auto figures = registre_->Lire(); figures.DernierJour == jour)
        MsgBox(Utf8(textes::JourDejaJoue).arg(date, IssueDuJour(figures)), styles::Aucun,
               Utf8(textes::TitreCodeDuJour));
    Commencer(CodeNumerote(jour), duJour);
}

// The first player's code is shown nowhere and said to no one: only that it
// was composed.
void FrmPrinc::MnuADeux_Click()
{
    const auto profil = ProfilDefautOuIntegre();
    std::array<std::int32_t, NbCouleurs> palette{};
    std::copy_n(profil.begin(), NbCouleurs, palette.begin());
    FrmADeux fenetre(palette, profil[NbCouleurs], findChild<QAction*>(QStringLiteral("MnuNumeros"))->isChecked(),
                     services_.Boites, this);
    TraduireAuBesoin();
    if (fenetre.exec() != QDialog::Accepted)
        return;
    Commencer(fenetre.Code(), {SortePartie::ADeux, 0});
}

void FrmPrinc::MnuCopier_Click()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(textes::TexteAPartager(jeu_.Instantane())));
    voix_->Dire(Utf8(textes::PartieCopiee));
}

// Not a hint: it tells what the moves say of a code the player chose.
void FrmPrinc::MnuVerifier_Click()
{
    MsgBox(QString::fromStdString(textes::TexteVerification(VerifierCode(jeu_.Etat()))), styles::Aucun,
           Utf8(textes::TitreVerifierCode));
}

}  // namespace vorlinde::ui
