// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmPrinc.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "BoiteMessage.h"
#include "Etiquette.h"
#include "GeometriePrinc.h"
#include "Twips.h"
#include "formats/FichierProfil.h"
#include "game/Defilement.h"
#include "game/Messages.h"
#include "platform/Dossiers.h"
#include "platform/Module1.h"

namespace vorlinde::ui {
namespace {

void Placer(QWidget* w, const geometrie::Rect& r)
{
    w->setGeometry(RectTwips(r.Left, r.Top, r.Width, r.Height));
}

// Descriptions are rebuilt at every repaint: plain concatenation costs a
// fraction of QString::arg, which parses its placeholders each time.
QString Nombre(int n)
{
    return QString::number(n);
}

QString Utf8(const char* texte)
{
    return QString::fromUtf8(texte);
}
QString Utf8(const std::string& texte)
{
    return QString::fromStdString(texte);
}

}  // namespace

FrmPrinc::FrmPrinc(ServicesPrinc services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), aleatoire_(0)
{
    if (!services_.LireNomUser)
        services_.LireNomUser = &Module1::LireNomUser;
    if (!services_.Graine)
        services_.Graine = &Aleatoire::GraineHorloge;
    dial_ = std::make_unique<Dial>(this, services_.Dialogues);
    setWindowTitle(QStringLiteral("Vorlinde 1.0"));
    setWindowIcon(QIcon(QStringLiteral(":/vorlinde/icone.png")));
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

    const auto cadre = [](QWidget* parent, const g::Rect& r, const char* titre) {
        auto* f = new QGroupBox(QString::fromUtf8(titre), parent);
        Placer(f, r);
        return f;
    };
    Frames[0] = cadre(client, g::Frame1, "Listes de couleurs");
    Frames[1] = cadre(client, g::Frame2, "Code");
    Frames[2] = cadre(client, g::Frame3, "Codes et résultats");
    Frames[3] = cadre(Frames[2], g::Frame4, "Codes");
    Frames[4] = cadre(Frames[2], g::Frame5, "Bien placé(s)");
    Frames[5] = cadre(Frames[2], g::Frame6, "Mal placé(s)");

    for (int k = 0; k < NbCouleurs; ++k) {
        LblCoulSource[k] = new Etiquette(Frames[0]);
        LblCoulSource[k]->setObjectName(QStringLiteral("LblCoulSource%1").arg(k));
        Placer(LblCoulSource[k], g::LblCoulSource(k));
        connect(LblCoulSource[k], &Etiquette::Click, this, [this, k] { LblCoulSource_Click(k); });
    }
    for (int k = 0; k < 2; ++k) {
        CmdMove[k] = new QPushButton(k == 0 ? QStringLiteral("H") : QStringLiteral("B"), Frames[0]);
        CmdMove[k]->setAutoDefault(false);
        Placer(CmdMove[k], g::CmdMove(k));
        connect(CmdMove[k], &QPushButton::clicked, this, [this, k] { CmdMove_Click(k); });
    }
    for (int k = 0; k < LongueurCode; ++k) {
        LblCode[k] = new Etiquette(Frames[1]);
        LblCode[k]->setObjectName(QStringLiteral("LblCode%1").arg(k));
        Placer(LblCode[k], g::LblCode(k));
        connect(LblCode[k], &Etiquette::Click, this, [this, k] { LblCode_Click(k); });
        connect(LblCode[k], &Etiquette::CaptionChange, this, [this, k] { LblCode_Change(k); });
    }
    CmdOK = new QPushButton(QStringLiteral("&Valider le code"), Frames[1]);
    CmdOK->setAutoDefault(false);
    Placer(CmdOK, g::CmdOK);
    connect(CmdOK, &QPushButton::clicked, this, &FrmPrinc::CmdOK_Click);

    for (int k = 0; k < 40; ++k) {
        LblResult[k] = new Etiquette(Frames[3]);
        Placer(LblResult[k], g::LblResult(k));
    }
    for (int k = 0; k < 10; ++k) {
        LblBiPl[k] = new Etiquette(Frames[4]);
        Placer(LblBiPl[k], g::LblBiPl(k));
        LblMalPl[k] = new Etiquette(Frames[5]);
        Placer(LblMalPl[k], g::LblMalPl(k));
        // Counters are opaque in the window's own colours.
        for (auto* compteur : {LblBiPl[k], LblMalPl[k]}) {
            compteur->SetBackColor(BackColorFenetre());
            compteur->SetForeColor(DepuisQColor(palette().color(QPalette::WindowText)));
        }
    }
    VScroll1 = new QScrollBar(Qt::Vertical, Frames[2]);
    Placer(VScroll1, g::VScroll1);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    // The view follows the thumb when it is let go, not while it is dragged.
    VScroll1->setTracking(false);
    VScroll1->setRange(0, 1);
    VScroll1->setPageStep(1);
    connect(VScroll1, &QScrollBar::valueChanged, this, &FrmPrinc::VScroll1_Change);

    setTabOrder(CmdMove[0], CmdMove[1]);
    setTabOrder(CmdMove[1], CmdOK);
    setTabOrder(CmdOK, VScroll1);
    CmdMove[0]->setFocus();
}

void FrmPrinc::ConstruireMenus()
{
    const auto action = [this](QMenu* menu, const QString& texte, const QKeySequence& raccourci, auto handler) {
        auto* a = menu->addAction(texte);
        a->setShortcut(raccourci);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    MnuNew = action(fichier, QStringLiteral("&Nouveau"), QKeySequence(Qt::Key_F2), &FrmPrinc::MnuNew_Click);
    fichier->addSeparator();
    MnuSave
        = action(fichier, QStringLiteral("&Sauvegarger"), QKeySequence(Qt::CTRL | Qt::Key_S), &FrmPrinc::MnuSave_Click);
    MnuLoad = action(fichier, QStringLiteral("&Charger"), QKeySequence(Qt::CTRL | Qt::Key_O), &FrmPrinc::MnuLoad_Click);
    fichier->addSeparator();
    MnuQuit = action(fichier, QStringLiteral("&Quitter"), {}, &FrmPrinc::MnuQuit_Click);

    auto* affichage = menuBar()->addMenu(QStringLiteral("&Affichage"));
    MnuCoul = action(affichage, QStringLiteral("&Choix des couleurs"), QKeySequence(Qt::CTRL | Qt::Key_C),
                     &FrmPrinc::MnuCoul_Click);
    affichage->addSeparator();
    MnuAffLoad = action(affichage, QStringLiteral("Chargement d'un &profil"), {}, &FrmPrinc::MnuAffLoad_Click);
    MnuAffSave = action(affichage, QStringLiteral("&Sauvegarde d'un profil"), {}, &FrmPrinc::MnuAffSave_Click);
}

int FrmPrinc::MsgBox(const QString& texte, int style, const QString& titre)
{
    return services_.Boites->MsgBox(this, texte, style, titre);
}

std::int32_t FrmPrinc::BackColorFenetre() const
{
    return DepuisQColor(centralWidget()->palette().color(QPalette::Window));
}

void FrmPrinc::Form_Load()
{
    aleatoire_.Semer(services_.Graine());
    partie_.CoulSelect = -1;
    partie_.CasesCode.fill(0);
    nomUser_ = services_.LireNomUser();
    const auto& dossier = services_.DossierProgramme;
    // Only a name that is certainly free is written: a profile that cannot be
    // looked up or read (a broken link, a folder that may not be entered) is
    // left as it is, and the game plays with the built-in colours.
    if (!dossier.empty() && TrouverProfilDefaut(dossier, nomUser_).Presence == PresenceProfil::Absent) {
        AppliquerProfil(ProfilParDefaut);
        // Start-up tells nothing: a folder that cannot be written leaves the
        // game on the built-in colours, which every new game falls back to.
        EcrireProfil(dossier / (nomUser_ + ".usr"), CollecterProfil());
    }
    MnuNew_Click();
}

void FrmPrinc::MnuNew_Click()
{
    DebuterNouvellePartie(partie_);
    PeindreSources();
    // A missing or damaged default profile gives the built-in colours and is
    // left as it is; a new game never shows a message.
    const auto lecture = services_.DossierProgramme.empty()
        ? LectureProfil{ErreurFichier::Illisible, {}}
        : LireProfil(TrouverProfilDefaut(services_.DossierProgramme, nomUser_).Chemin);
    AppliquerProfil(lecture.Erreur == ErreurFichier::Aucune ? lecture.Profil : ProfilParDefaut);
    partie_.CodeSecret = TirerCodeSecret(std::ref(aleatoire_));
    VScroll1->setEnabled(true);
    {
        const QSignalBlocker bloque(VScroll1);
        VScroll1->setValue(VScroll1->maximum());
    }
    EffacerHistorique(partie_);
    partie_.EnCours = true;
    CmdOK->setEnabled(true);
    VScroll1_Change();
}

void FrmPrinc::AppliquerProfil(const ProfilCouleurs& profil)
{
    for (int k = 0; k < NbCouleurs; ++k)
        LblCoulSource[k]->SetBackColor(profil[k]);
    for (auto* cellule : LblCode) {
        cellule->SetBackColor(profil[8]);
        cellule->SetCaption({});
    }
}

ProfilCouleurs FrmPrinc::CollecterProfil() const
{
    ProfilCouleurs profil{};
    for (int k = 0; k < NbCouleurs; ++k)
        profil[k] = LblCoulSource[k]->BackColor();
    profil[8] = LblCode[0]->BackColor();
    return profil;
}

void FrmPrinc::CmdOK_Click()
{
    using messages::StyleExclamation;
    switch (ValiderCode(partie_)) {
    case ResultatValidation::Incomplet:
        MsgBox(Utf8(messages::CodeIncomplet), StyleExclamation, Utf8(messages::TitreCode));
        return;
    case ResultatValidation::CouleurEnDouble:
        MsgBox(Utf8(messages::CouleurEnDouble), StyleExclamation, Utf8(messages::TitreCode));
        return;
    case ResultatValidation::DejaJoue:
        MsgBox(Utf8(messages::CodeDejaJoue), messages::StyleAucun);
        return;
    case ResultatValidation::Perdu:
        MsgBox(Utf8(messages::TextePerdu(partie_.CodeSecret)), StyleExclamation, Utf8(messages::TitreFinDePartie));
        CmdOK->setEnabled(false);
        return;
    case ResultatValidation::Gagne:
        MsgBox(Utf8(messages::TexteGagne(partie_.NbCoups)), StyleExclamation, Utf8(messages::TitreFinDePartie));
        CmdOK->setEnabled(false);
        break;
    case ResultatValidation::Enregistre:
        break;
    }
    VScroll1_Change();
}

void FrmPrinc::LblCode_Click(int index)
{
    ChoisirCase(partie_, index);
}

void FrmPrinc::LblCoulSource_Click(int index)
{
    const int cellule = partie_.CaseCourante;
    LblCode[cellule]->SetBackColor(LblCoulSource[index]->BackColor());
    ChoisirCouleur(partie_, index);
    DecrireCases();
}

void FrmPrinc::CmdMove_Click(int index)
{
    DeplacerSource(partie_, index);
    PeindreSources();
}

void FrmPrinc::LblCode_Change(int index)
{
    LblCode[index]->SetForeColor(ForeColorPour(LblCode[index]->BackColor()));
}

void FrmPrinc::PeindreSources()
{
    for (int k = 0; k < NbCouleurs; ++k) {
        auto* source = LblCoulSource[k];
        source->move(source->x(), Px(partie_.TopCoulSource[k]));
        source->SetDescription(QStringLiteral("Couleur %1").arg(k + 1));
    }
}

void FrmPrinc::DecrireCases()
{
    for (int k = 0; k < LongueurCode; ++k) {
        const int n = partie_.CasesCode[k];
        LblCode[k]->SetDescription(QStringLiteral("Case ") + Nombre(k + 1)
                                   + (n > 0 ? QStringLiteral(" : couleur ") + Nombre(n) : QStringLiteral(" : vide")));
    }
}

void FrmPrinc::VScroll1_Change()
{
    const auto etat = AjusterDefilement(partie_.NbCoups, VScroll1->value());
    {
        // The fitted settings are final; the change event they would raise
        // again would only repeat this run.
        const QSignalBlocker bloque(VScroll1);
        VScroll1->setRange(etat.Min, etat.Max);
        VScroll1->setValue(etat.Value);
    }
    VScroll1->setEnabled(etat.Enabled);

    const std::int32_t fond = BackColorFenetre();
    for (int r = 0; r < LignesHistorique; ++r) {
        const int i = etat.CoupDeLigne[r];
        const Coup* coup = i > 0 ? &partie_.Historique[i] : nullptr;
        for (int j = 0; j < LongueurCode; ++j) {
            auto* cellule = LblResult[4 * r + j];
            const int d = coup ? coup->Code[j] - '0' : 0;
            if (d >= 1 && d <= NbCouleurs) {
                cellule->SetBackColor(LblCoulSource[d - 1]->BackColor());
                cellule->SetDescription(QStringLiteral("Coup ") + Nombre(i) + QStringLiteral(", case ") + Nombre(j + 1)
                                        + QStringLiteral(" : couleur ") + Nombre(d));
            } else {
                cellule->SetBackColor(fond);
                cellule->SetDescription({});
            }
        }
        LblBiPl[r]->setText(coup ? QString::number(coup->BiPl) : QString());
        LblMalPl[r]->setText(coup ? QString::number(coup->MalPl) : QString());
        const QString resume = coup ? QStringLiteral("Coup ") + Nombre(i) + QStringLiteral(" : ") + Nombre(coup->BiPl)
                + QStringLiteral(" bien placé(s), ") + Nombre(coup->MalPl) + QStringLiteral(" mal placé(s)")
                                    : QString();
        LblBiPl[r]->SetDescription(resume);
        LblMalPl[r]->SetDescription(resume);
    }
    DecrireCases();
}

void FrmPrinc::RafraichirCouleurs()
{
    for (int k = 0; k < LongueurCode; ++k) {
        const int t = partie_.CasesCode[k];
        if (t > 0)
            LblCode[k]->SetBackColor(LblCoulSource[t - 1]->BackColor());
    }
    VScroll1_Change();
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

}  // namespace vorlinde::ui
