// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The board window: its controls and menus, start-up, and the handlers of
// play (new game, validation, code entry, scrolling, quitting).
#include "FrmPrinc.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "Etiquette.h"
#include "GeometriePrinc.h"
#include "Twips.h"
#include "formats/FichierProfil.h"
#include "game/Messages.h"
#include "platform/Dossiers.h"
#include "platform/Module1.h"

namespace vorlinde::ui {
namespace {

void Placer(QWidget* w, const geometrie::Rect& r)
{
    w->setGeometry(RectTwips(r.Left, r.Top, r.Width, r.Height));
}

QString Utf8(const char* texte)
{
    return QString::fromUtf8(texte);
}

// Control arrays keep their index in their object names: "LblCode2".
template <typename Controle> Controle* Nommer(Controle* controle, const char* nom, int index)
{
    controle->setObjectName(Utf8(nom) + QString::number(index));
    return controle;
}

}  // namespace

FrmPrinc::FrmPrinc(ServicesPrinc services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), aleatoire_(0)
{
    if (!services_.LireNomUser)
        services_.LireNomUser = &Module1::LireNomUser;
    if (!services_.Graine)
        services_.Graine = &Aleatoire::GraineHorloge;
    LireReglages();
    InstallerAccessibilite();
    dial_ = std::make_unique<Dial>(this, services_.Dialogues);
    setWindowTitle(QStringLiteral("Vorlinde 1.0"));
    ConstruireControles();
    ConstruireMenus();
    Form_Load();
}

FrmPrinc::~FrmPrinc() = default;

void FrmPrinc::ConstruireControles()
{
    namespace g = geometrie;
    auto* client = new QWidget(this);
    client->setFixedSize(TailleTwips(g::LargeurClient, g::HauteurClient));
    setCentralWidget(client);
    // The board does not follow a resize, so the window does not offer one.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const auto cadre = [](QWidget* parent, const g::Rect& r, const char* titre, int numero) {
        auto* f = Nommer(new QGroupBox(Utf8(titre), parent), "Frame", numero);
        Placer(f, r);
        return f;
    };
    auto* frame1 = cadre(client, g::Frame1, "Listes de couleurs", 1);
    auto* frame2 = cadre(client, g::Frame2, "Code", 2);
    auto* frame3 = cadre(client, g::Frame3, "Codes et résultats", 3);
    auto* frame4 = cadre(frame3, g::Frame4, "Codes", 4);
    auto* frame5 = cadre(frame3, g::Frame5, "Bien placé(s)", 5);
    auto* frame6 = cadre(frame3, g::Frame6, "Mal placé(s)", 6);

    for (int k = 0; k < NbCouleurs; ++k) {
        LblCoulSource[k] = Nommer(new Etiquette(frame1), "LblCoulSource", k);
        LblCoulSource[k]->SetCliquable(true);
        Placer(LblCoulSource[k], g::LblCoulSource(k));
        connect(LblCoulSource[k], &Etiquette::Click, this, [this, k] { LblCoulSource_Click(k); });
    }
    for (int k = 0; k < 2; ++k) {
        CmdMove[k] = Nommer(new QPushButton(k == 0 ? QStringLiteral("H") : QStringLiteral("B"), frame1), "CmdMove", k);
        CmdMove[k]->setAutoDefault(false);
        Placer(CmdMove[k], g::CmdMove(k));
        connect(CmdMove[k], &QPushButton::clicked, this, [this, k] { CmdMove_Click(k); });
    }
    for (int k = 0; k < LongueurCode; ++k) {
        LblCode[k] = Nommer(new Etiquette(frame2), "LblCode", k);
        LblCode[k]->SetCliquable(true);
        Placer(LblCode[k], g::LblCode(k));
        connect(LblCode[k], &Etiquette::Click, this, [this, k] { LblCode_Click(k); });
        connect(LblCode[k], &Etiquette::CaptionChange, this, [this, k] { LblCode_Change(k); });
    }
    CmdOK = new QPushButton(QStringLiteral("&Valider le code"), frame2);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setAutoDefault(false);
    Placer(CmdOK, g::CmdOK);
    connect(CmdOK, &QPushButton::clicked, this, &FrmPrinc::CmdOK_Click);

    for (int k = 0; k < 40; ++k) {
        LblResult[k] = Nommer(new Etiquette(frame4), "LblResult", k);
        Placer(LblResult[k], g::LblResult(k));
    }
    for (int k = 0; k < 10; ++k) {
        LblBiPl[k] = Nommer(new Etiquette(frame5), "LblBiPl", k);
        Placer(LblBiPl[k], g::LblBiPl(k));
        LblMalPl[k] = Nommer(new Etiquette(frame6), "LblMalPl", k);
        Placer(LblMalPl[k], g::LblMalPl(k));
        // Counters are opaque in the window's own colours.
        for (auto* compteur : {LblBiPl[k], LblMalPl[k]}) {
            compteur->SetBackColor(BackColorFenetre());
            compteur->SetForeColor(DepuisQColor(palette().color(QPalette::WindowText)));
        }
    }
    VScroll1 = new QScrollBar(Qt::Vertical, frame3);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    Placer(VScroll1, g::VScroll1);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    // The view follows the thumb when it is let go, not while it is dragged.
    VScroll1->setTracking(false);
    VScroll1->setPageStep(1);
    connect(VScroll1, &QScrollBar::valueChanged, this, &FrmPrinc::VScroll1_Change);

    for (QPushButton* bouton : {CmdMove[0], CmdMove[1], CmdOK})
        bouton->installEventFilter(this);
    setTabOrder(CmdMove[0], CmdMove[1]);
    setTabOrder(CmdMove[1], CmdOK);
    setTabOrder(CmdOK, VScroll1);
    CmdMove[0]->setFocus();
}

void FrmPrinc::ConstruireMenus()
{
    const auto action
        = [this](QMenu* menu, const char* nom, const QString& texte, const QKeySequence& raccourci, auto handler) {
              auto* a = menu->addAction(texte);
              a->setObjectName(Utf8(nom));
              a->setShortcut(raccourci);
              connect(a, &QAction::triggered, this, handler);
              return a;
          };
    auto* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    action(fichier, "MnuNew", QStringLiteral("&Nouveau"), QKeySequence(Qt::Key_F2), &FrmPrinc::MnuNew_Click);
    fichier->addSeparator();
    action(fichier, "MnuSave", QStringLiteral("&Sauvegarger"), QKeySequence(Qt::CTRL | Qt::Key_S),
           &FrmPrinc::MnuSave_Click);
    action(fichier, "MnuLoad", QStringLiteral("&Charger"), QKeySequence(Qt::CTRL | Qt::Key_O),
           &FrmPrinc::MnuLoad_Click);
    fichier->addSeparator();
    action(fichier, "MnuQuit", QStringLiteral("&Quitter"), {}, &FrmPrinc::MnuQuit_Click);

    auto* affichage = menuBar()->addMenu(QStringLiteral("&Affichage"));
    action(affichage, "MnuCoul", QStringLiteral("&Choix des couleurs"), QKeySequence(Qt::CTRL | Qt::Key_C),
           &FrmPrinc::MnuCoul_Click);
    affichage->addSeparator();
    action(affichage, "MnuAffLoad", QStringLiteral("Chargement d'un &profil"), {}, &FrmPrinc::MnuAffLoad_Click);
    action(affichage, "MnuAffSave", QStringLiteral("&Sauvegarde d'un profil"), {}, &FrmPrinc::MnuAffSave_Click);
    affichage->addSeparator();
    auto* numeros = affichage->addAction(QStringLiteral("Numéros des couleurs"));
    numeros->setObjectName(QStringLiteral("MnuNumeros"));
    numeros->setCheckable(true);
    numeros->setChecked(numeros_);
    connect(numeros, &QAction::toggled, this, &FrmPrinc::MnuNumeros_Click);
}

Reponse FrmPrinc::MsgBox(const QString& texte, StyleBoite style, const QString& titre)
{
    return services_.Boites->MsgBox(this, texte, style, titre);
}

void FrmPrinc::Form_Load()
{
    aleatoire_.Semer(services_.Graine());
    nomUser_ = services_.LireNomUser();
    const auto& dossier = services_.DossierProgramme;
    // Only a name that is certainly free is written: a profile that cannot be
    // looked up or read (a broken link, a folder that may not be entered) is
    // left as it is, and the game plays with the built-in colours.
    if (!dossier.empty() && TrouverProfilDefaut(dossier, nomUser_).Presence == PresenceProfil::Absent) {
        AppliquerProfil(partie_, ProfilParDefaut);
        PeindreCases();
        EffacerLegendesCases();
        // Start-up tells nothing: a folder that cannot be written leaves the
        // game on the built-in colours, which every new game falls back to.
        EcrireProfil(dossier / (nomUser_ + ".usr"), CollecterProfil(partie_));
    }
    MnuNew_Click();
}

ProfilCouleurs FrmPrinc::ProfilDefautOuIntegre() const
{
    // A missing or damaged default profile gives the built-in colours and is
    // left as it is; a new game never shows a message.
    if (services_.DossierProgramme.empty())
        return ProfilParDefaut;
    const auto lecture = LireProfil(TrouverProfilDefaut(services_.DossierProgramme, nomUser_).Chemin);
    return lecture.Erreur == ErreurFichier::Aucune ? lecture.Profil : ProfilParDefaut;
}

void FrmPrinc::MnuNew_Click()
{
    NouvellePartie(partie_, ProfilDefautOuIntegre(), std::ref(aleatoire_));
    PeindrePalette();
    PeindreCases();
    EffacerLegendesCases();
    PeindreValider();
    PeindreHistorique();
}

void FrmPrinc::CmdOK_Click()
{
    const auto exclamation = [this](const std::string& texte, const char* titre) {
        MsgBox(QString::fromStdString(texte), styles::Exclamation, Utf8(titre));
    };
    switch (ValiderCode(partie_)) {
    case ResultatValidation::Incomplet:
        exclamation(messages::CodeIncomplet, messages::TitreCode);
        return;
    case ResultatValidation::CouleurEnDouble:
        exclamation(messages::CouleurEnDouble, messages::TitreCode);
        return;
    case ResultatValidation::DejaJoue:
        MsgBox(Utf8(messages::CodeDejaJoue), styles::Aucun);
        return;
    case ResultatValidation::Perdu:
        exclamation(messages::TextePerdu(partie_.CodeSecret), messages::TitreFinDePartie);
        PeindreValider();
        return;
    case ResultatValidation::Gagne:
        exclamation(messages::TexteGagne(partie_.NbCoups), messages::TitreFinDePartie);
        PeindreValider();
        break;
    case ResultatValidation::Enregistre:
        break;
    }
    PeindreHistorique();
    const Coup& coup = partie_.Historique[partie_.NbCoups];
    Annoncer(QStringLiteral("Coup %1 : %2 bien placé(s), %3 mal placé(s)")
                 .arg(partie_.NbCoups)
                 .arg(coup.BiPl)
                 .arg(coup.MalPl));
}

void FrmPrinc::LblCode_Click(int index)
{
    ChoisirCase(partie_, index);
}

void FrmPrinc::LblCoulSource_Click(int index)
{
    ChoisirCouleur(partie_, index);
    PeindreCases();
}

void FrmPrinc::CmdMove_Click(int index)
{
    DeplacerSource(partie_, index);
    PeindrePalette();
}

void FrmPrinc::LblCode_Change(int index)
{
    LblCode[index]->SetForeColor(ForeColorPour(LblCode[index]->BackColor()));
}

void FrmPrinc::VScroll1_Change()
{
    PeindreHistorique();
}

void FrmPrinc::MnuQuit_Click()
{
    close();
}

void FrmPrinc::closeEvent(QCloseEvent* event)
{
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

bool FrmPrinc::Form_Unload()
{
    const auto reponse
        = MsgBox(Utf8(messages::QuestionQuitter), styles::QuestionOuiNonAnnuler, Utf8(messages::TitreQuitter));
    if (reponse == Reponse::Oui)
        // A save that failed keeps the window, and so the game, open.
        return SauvegarderPartie() != IssueCommande::Echec;
    return reponse == Reponse::Non;
}

}  // namespace vorlinde::ui
