// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board's controls and the handlers of play: validation, code entry,
// the list rows, scrolling.
#include "Plateau.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <vector>

#include "BoutonCouleur.h"
#include "Etiquette.h"
#include "accessibilite/Accessibilite.h"
#include "accessibilite/Annonceur.h"
#include "accessibilite/Phrases.h"
#include "catalogue/Catalogue.h"

namespace vorlinde::ui {
namespace {

// A frame that tells what its caption needs, as its style draws it.
class CadrePlateau : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // The lowest row of the caption's text below the frame's top, and the
    // width the frame needs for the whole caption.
    std::pair<int, int> MesurerLegende() const
    {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        // Wide enough to tell a caption drawn from the left from a centred one.
        const int large = 4000;
        option.rect.setWidth(large);
        const QRect legende = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        const int texte = fontMetrics().height();
        const int bas = legende.y() + (legende.height() + texte) / 2;
        // A centred caption keeps a margin as wide as its own height's quarter on each side.
        const bool centree = legende.center().x() > large / 4;
        const int marge = centree ? legende.height() / 4 : std::max(0, legende.x());
        return {bas, legende.width() + 2 * marge};
    }
};

// Control arrays keep their index in their object names: "LblCode2".
template <typename Controle> Controle* Nommer(Controle* controle, const char* nom, int index)
{
    controle->setObjectName(Utf8(nom) + QString::number(index));
    return controle;
}

}  // namespace

Plateau::Plateau(PartieActive& jeu, std::shared_ptr<BoiteMessage> boites, QWidget* parent)
    : QWidget(parent), jeu_(jeu), partie_(jeu.Etat()), boites_(std::move(boites))
{
    InstallerAccessibilite();
    ConstruireControles();
    ConstruireAccessibilite();
    SuivrePalette();
    connect(&jeu_, &PartieActive::Change, this, &Plateau::SurChange);
}

Plateau::~Plateau() = default;

// Every change is painted whole before anything of it is said: a name the
// voice reads is the one just painted.
void Plateau::SurChange(PartieActive::Aspects aspects)
{
    using A = PartieActive::Aspect;
    const int cellule = jeu_.CaseColoree();
    const QString nomAvant = aspects & A::CouleurPosee ? LblCode[cellule]->accessibleName() : QString();
    if (aspects & A::Palette)
        aspects |= A::Cases | A::Historique;
    if (aspects & (A::Palette | A::Rangees))
        PeindrePalette();
    if (aspects & A::Cases)
        PeindreCases();
    else if (aspects & A::Curseur)
        PeindreCurseur();
    if (aspects & A::CasesVidees)
        EffacerLegendesCases();
    if (aspects & A::Issue)
        PeindreValider();
    if (aspects & A::Historique)
        PeindreHistorique();
    DireChange(aspects, cellule, nomAvant);
}

void Plateau::DireChange(PartieActive::Aspects aspects, int cellule, const QString& nomAvant)
{
    using A = PartieActive::Aspect;
    if (aspects & A::Tiree)
        Annoncer(Utf8(textes::NouvellePartie));
    if (aspects & A::Commencee)
        Annoncer(phrases::Depart(partie_.Origine));
    if (aspects & A::Chargee)
        Annoncer(Utf8(textes::PartieChargee));
    if (aspects & A::IndiceDonne)
        Annoncer(phrases::Indice(jeu_.DernierIndice().Coup.Code, jeu_.DernierIndice().Possibles));
    if (aspects & A::CoupJoue) {
        const Coup& coup = partie_.Historique[partie_.NbCoups];
        Annoncer(phrases::Coup(partie_.NbCoups, coup.BiPl, coup.MalPl));
    }
    if (aspects & A::CouleurPosee) {
        // Said by the cell's own name when the focus reaches it or is on it
        // as the name changes, not when the same colour is placed again.
        const bool nomDit = !LblCode[cellule]->hasFocus() || LblCode[cellule]->accessibleName() != nomAvant;
        Annoncer(phrases::Case(cellule + 1, partie_.CasesCode[cellule]), nomDit ? LblCode[cellule] : nullptr);
    }
}

Voix& Plateau::VoixDuPlateau()
{
    return *voix_;
}

void Plateau::Annoncer(const QString& texte, const QWidget* sujet)
{
    voix_->Annoncer(texte, sujet);
}

void Plateau::ConstruireControles()
{
    const auto cadre = [this](QWidget* parent, const char* titre, int numero) {
        Frame[numero] = Nommer(new CadrePlateau(Utf8(titre), parent), "Frame", numero);
        return Frame[numero];
    };
    auto* frame1 = cadre(this, textes::CadreListes, 1);
    auto* frame2 = cadre(this, textes::CadreCode, 2);
    auto* frame3 = cadre(this, textes::CadreCodesResultats, 3);
    auto* frame4 = cadre(frame3, textes::CadreCodes, 4);
    auto* frame5 = cadre(frame3, textes::CadreBienPlaces, 5);
    auto* frame6 = cadre(frame3, textes::CadreMalPlaces, 6);

    for (int k = 0; k < NbCouleurs; ++k) {
        LblCoulSource[k] = Nommer(new BoutonCouleur(frame1), "LblCoulSource", k);
        connect(LblCoulSource[k], &BoutonCouleur::clicked, this, [this, k] { LblCoulSource_Click(k); });
    }
    for (int k = 0; k < 2; ++k) {
        CmdMove[k] = Nommer(new QPushButton(Utf8(k == 0 ? textes::BoutonMonter : textes::BoutonDescendre), frame1),
                            "CmdMove", k);
        CmdMove[k]->setAutoDefault(false);
        connect(CmdMove[k], &QPushButton::clicked, this, [this, k] { CmdMove_Click(k); });
    }
    for (int k = 0; k < LongueurCode; ++k) {
        LblCode[k] = Nommer(new BoutonCouleur(frame2), "LblCode", k);
        connect(LblCode[k], &BoutonCouleur::clicked, this, [this, k] { LblCode_Click(k); });
        connect(LblCode[k], &BoutonCouleur::CaptionChange, this, [this, k] { LblCode_Change(k); });
    }
    CmdOK = new QPushButton(Utf8(textes::BoutonValider), frame2);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setAutoDefault(false);
    connect(CmdOK, &QPushButton::clicked, this, &Plateau::CmdOK_Click);

    for (int k = 0; k < 40; ++k)
        LblResult[k] = Nommer(new Etiquette(frame4), "LblResult", k);
    for (int k = 0; k < 10; ++k) {
        LblBiPl[k] = Nommer(new Etiquette(frame5), "LblBiPl", k);
        LblMalPl[k] = Nommer(new Etiquette(frame6), "LblMalPl", k);
        PeindreCompteur(*LblBiPl[k]);
        PeindreCompteur(*LblMalPl[k]);
    }
    VScroll1 = new QScrollBar(Qt::Vertical, frame3);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    // The view follows the thumb when it is let go, not while it is dragged.
    VScroll1->setTracking(false);
    VScroll1->setPageStep(1);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Plateau::VScroll1_Change);
}

BesoinsTexte Plateau::MesurerTexte() const
{
    BesoinsTexte besoins;
    for (int k = 1; k <= 6; ++k) {
        const auto mesure = static_cast<const CadrePlateau*>(Frame[k])->MesurerLegende();
        besoins.Legende[k] = mesure.first;
        besoins.Largeur[k] = mesure.second;
    }
    besoins.HauteurTexte = LblBiPl[0]->fontMetrics().height();
    // Its caption with a letter's room on each side, not edge to edge.
    besoins.Valider = CmdOK->sizeHint() + QSize(CmdOK->fontMetrics().averageCharWidth() * 2, 0);
    // A letter, with the room a button's frame takes around it.
    const QFontMetrics mesures(CmdMove[0]->font());
    const int marge = CmdMove[0]->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, CmdMove[0]);
    for (auto* bouton : CmdMove)
        besoins.Deplacer = besoins.Deplacer.expandedTo(mesures.size(Qt::TextShowMnemonic, bouton->text())
                                                       + QSize(marge + 4, marge / 2 + 4));
    return besoins;
}

void Plateau::Disposer(double voulue, QSize place)
{
    disposition_ = ChoisirDisposition(voulue, place, MesurerTexte());
    Appliquer();
}

void Plateau::Appliquer()
{
    const auto& d = disposition_;
    setFixedSize(d.Client);
    for (int k = 1; k <= 6; ++k)
        Frame[k]->setGeometry(d.Frame[k]);
    for (int k = 0; k < NbCouleurs; ++k)
        LblCoulSource[k]->setGeometry(d.Source(k, partie_.RangeeCoulSource[k]));
    for (int k = 0; k < 2; ++k)
        CmdMove[k]->setGeometry(d.Move[k]);
    for (int k = 0; k < LongueurCode; ++k)
        LblCode[k]->setGeometry(d.Code[k]);
    CmdOK->setGeometry(d.OK);
    for (int k = 0; k < 40; ++k)
        LblResult[k]->setGeometry(d.Result[k]);
    for (int k = 0; k < 10; ++k) {
        LblBiPl[k]->setGeometry(d.BiPl[k]);
        LblMalPl[k]->setGeometry(d.MalPl[k]);
    }
    VScroll1->setGeometry(d.VScroll);
}

// The order of Tab: the code cells, the swatches, « H », « B », « Valider le
// code », the moves of the history, the scroll bar. The focus starts in the
// code, on the cursor's cell. Cells and moves take the focus from the
// keyboard only: a click leaves it where it is.
void Plateau::ConstruireAccessibilite()
{
    std::vector<QWidget*> ordre(LblCode.begin(), LblCode.end());
    ordre.insert(ordre.end(), LblCoulSource.begin(), LblCoulSource.end());
    ordre.insert(ordre.end(), {CmdMove[0], CmdMove[1], CmdOK});
    ordre.insert(ordre.end(), LblBiPl.begin(), LblBiPl.end());
    ordre.push_back(VScroll1);
    // The chain is made between controls that take the focus (the history's
    // rows take it while they show a move).
    for (QWidget* controle : ordre)
        if (controle->focusPolicy() == Qt::NoFocus)
            controle->setFocusPolicy(Qt::TabFocus);
    for (std::size_t k = 0; k + 1 < ordre.size(); ++k)
        setTabOrder(ordre[k], ordre[k + 1]);
    Annonceur::Controles vu;
    vu.Fenetre = this;
    vu.CaseDuCurseur = [this] { return LblCode[partie_.CaseCourante]; };
    vu.DansLeCode = [this](const QWidget* controle) {
        return std::find(LblCode.begin(), LblCode.end(), controle) != LblCode.end();
    };
    vu.SuivreCurseur = [this] { SuivreCurseur(); };
    vu.Relais = {CmdOK, LblCoulSource[0]};
    voix_ = new Annonceur(std::move(vu), this);
    for (QWidget* controle : ordre) {
        controle->installEventFilter(this);
        voix_->Suivre(controle);
    }
    for (auto* ligne : LblBiPl)
        ligne->setFocusPolicy(Qt::NoFocus);
    CmdMove[0]->setAccessibleDescription(Utf8(textes::MonterSource));
    CmdMove[1]->setAccessibleDescription(Utf8(textes::DescendreSource));
    for (auto* bouton : CmdMove)
        bouton->setToolTip(bouton->accessibleDescription());
    LblCode[0]->setFocus();
}

Reponse Plateau::MsgBox(const QString& texte, StyleBoite style, const QString& titre)
{
    return boites_->MsgBox(window(), texte, style, titre);
}

void Plateau::CmdOK_Click()
{
    const auto exclamation = [this](const std::string& texte, const char* titre) {
        MsgBox(QString::fromStdString(texte), styles::Exclamation, Utf8(titre));
    };
    // The move is said once its box, if any, is closed.
    const Annonceur::Retenue retenue(*voix_);
    switch (jeu_.Valider()) {
    case ResultatValidation::Incomplet:
        exclamation(textes::CodeIncomplet, textes::TitreCode);
        break;
    case ResultatValidation::CouleurEnDouble:
        exclamation(textes::CouleurEnDouble, textes::TitreCode);
        break;
    case ResultatValidation::DejaJoue:
        MsgBox(Utf8(textes::CodeDejaJoue), styles::Aucun);
        break;
    case ResultatValidation::Perdu:
        exclamation(textes::TextePerdu(partie_.CodeSecret), textes::TitreFinDePartie);
        break;
    case ResultatValidation::Gagne:
        exclamation(textes::TexteGagne(partie_.NbCoups), textes::TitreFinDePartie);
        break;
    case ResultatValidation::Incompatible:
        exclamation(textes::TexteVerification(VerifierCode(partie_)), textes::TitreCode);
        break;
    case ResultatValidation::Enregistre:
        break;
    }
}

void Plateau::LblCode_Click(int index)
{
    jeu_.PlacerCurseur(index);
    SuivreCurseur();
}

void Plateau::LblCoulSource_Click(int index)
{
    jeu_.PoserCouleur(index);
}

void Plateau::CmdMove_Click(int index)
{
    jeu_.DeplacerRangee(index);
}

void Plateau::LblCode_Change(int index)
{
    LblCode[index]->SetForeColor(ForeColorPour(LblCode[index]->BackColor()));
}

void Plateau::VScroll1_Change()
{
    PeindreHistorique();
    voix_->DireDefilement(VScroll1);
}

}  // namespace vorlinde::ui
