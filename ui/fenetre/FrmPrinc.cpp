// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The main window: its menus, start-up, a new game, the colour-number
// setting and quitting.
#include "FrmPrinc.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFontMetricsF>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QWindow>

#include "Icone.h"
#include "accessibilite/Accessibilite.h"
#include "accessibilite/Phrases.h"
#include "catalogue/Catalogue.h"
#include "dialogues/FrmAnalyse.h"
#include "dialogues/FrmTexte.h"
#include "formats/FichierProfil.h"
#include "game/Solveur.h"
#include "game/Sortes.h"
#include "game/Version.h"
#include "partie/Reglages.h"
#include "plateau/Etiquette.h"
#include "plateau/GeometriePrinc.h"
#include "plateau/Plateau.h"
#include "plateau/Traduction.h"
#include "plateau/Twips.h"
#include "platform/Dossiers.h"
#include "platform/Graine.h"
#include "platform/Module1.h"
#include "textes/Aide.h"

namespace vorlinde::ui {
namespace {

const QString CleNumeros = QStringLiteral("Affichage/NumerosDesCouleurs");
const QString CleDifficile = QStringLiteral("Partie/ModeDifficile");
const QString CleTemps = QStringLiteral("Affichage/TempsDeLaPartie");

}  // namespace

FrmPrinc::FrmPrinc(ServicesPrinc services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), aleatoire_(0)
{
    if (!services_.LireNomUser)
        services_.LireNomUser = &Module1::LireNomUser;
    if (!services_.Graine)
        services_.Graine = &GraineHorloge;
    const auto signaler = [this](const QString& titre) {
        return [this, titre](const QString& texte) { MsgBox(texte, styles::Exclamation, titre); };
    };
    // The data folder and its games are opened once, never through a link:
    // a folder of another user's keeps nothing of this one's.
    donnees_ = Repertoire::Ouvrir(services_.DossierDonnees, true);
    gardee_ = std::make_unique<PartieGardee>(donnees_.Sous("en-cours", true), signaler(QString()));
    registre_ = std::make_unique<Registre>(donnees_, gardee_->EnCours().Dossier(), gardee_->EnCours().Base(),
                                           signaler(Utf8(textes::TitreStatistiques)));
    dial_ = std::make_unique<Dial>(this, services_.Dialogues);
    setWindowTitle(Utf8(textes::TitreFenetre).arg(Utf8(VersionProgramme)));
    // What a saved game holds, and a hint as it is given, are on disk
    // before the board shows or says them: a program killed then still
    // counts the game as it was shown.
    connect(&jeu_, &PartieActive::AGarder, this, [this](PartieActive::Aspects aspects) {
        using A = PartieActive::Aspect;
        if (aspects & (A::Historique | A::Rangees | A::IndiceDonne | A::Mode | A::Temps))
            gardee_->Garder(jeu_.Etat());
    });
    connect(&jeu_, &PartieActive::Finie, this, [this](FinDePartie fin) { registre_->Compter(fin, jeu_.Etat()); });
    jeu_.FixerHorloge(services_.Horloge);
    plateau_ = new Plateau(jeu_, services_.Boites, this);
    voix_ = &plateau_->VoixDuPlateau();
    setCentralWidget(plateau_);
    // The board does not follow a resize, so the window does not offer one.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ConstruireMenus();
    SuivreTailleDuTexte();
    LireReglages();
    Form_Load();
}

FrmPrinc::~FrmPrinc() = default;

// The desktop's text size sets the scale of the twips: the board grows with
// it, in proportion, within the screen's room for the window; where the
// described board cannot hold the text there, the board for landscape
// screens takes over. Done again when the text, the style or the screen
// changes.
void FrmPrinc::SuivreTailleDuTexte()
{
    namespace g = geometrie;
    QScreen* ecran = windowHandle() != nullptr ? windowHandle()->screen() : screen();
    const QSize room = ecran->availableGeometry().size();
    const double voulue
        = EchellePour(font(),
                      {Utf8(textes::CadreListes), Utf8(textes::CadreCodesResultats), Utf8(textes::CadreBienPlaces),
                       Utf8(textes::CadreMalPlaces), Utf8(textes::BoutonValider).remove(QLatin1Char('&')),
                       Utf8(textes::BoutonAnnuler).remove(QLatin1Char('&'))});
    // The other windows at the text's scale, never wider than the screen.
    FixerEchelle(std::max(1.0, std::min(voulue, (room.width() - 16.0) * TwipsParPixel / g::LargeurClient)));
    // The title bar and the borders, once the desktop has drawn them; until
    // then, those of the usual desktops.
    const QSize bords = frameGeometry().size() != size() ? frameGeometry().size() - size() : QSize(16, 48);
    bordsConnus_ = frameGeometry().size() != size();
    const int menus = menuBar()->sizeHint().height();
    const int pied = temps_ != nullptr && temps_->isVisibleTo(this) ? statusBar()->sizeHint().height() : 0;
    plateau_->Disposer(voulue, room - bords - QSize(0, menus + pied));
}

void FrmPrinc::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        SuivreTailleDuTexte();
    // A game's time runs only while the player can see the board.
    if (event->type() == QEvent::WindowStateChange)
        jeu_.Suspendre(isMinimized() || !isVisible());
}

bool FrmPrinc::event(QEvent* event)
{
    const bool traite = QMainWindow::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        jeu_.Suspendre(isMinimized() || !isVisible());
    if (event->type() == QEvent::Show && !suiviEcran_ && windowHandle() != nullptr) {
        suiviEcran_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* ecran) {
            connect(ecran, &QScreen::availableGeometryChanged, this, &FrmPrinc::SuivreTailleDuTexte,
                    Qt::UniqueConnection);
            SuivreTailleDuTexte();
        });
        connect(windowHandle()->screen(), &QScreen::availableGeometryChanged, this, &FrmPrinc::SuivreTailleDuTexte,
                Qt::UniqueConnection);
    }
    // The desktop's own title bar is known once the window is active.
    if (event->type() == QEvent::WindowActivate && !bordsConnus_ && frameGeometry().size() != size())
        SuivreTailleDuTexte();
    return traite;
}

template <typename Handler>
QAction* FrmPrinc::Action(QMenu* menu, const char* nom, const QString& texte, const QKeySequence& raccourci,
                          Handler handler)
{
    auto* a = menu->addAction(texte);
    a->setObjectName(Utf8(nom));
    a->setShortcut(raccourci);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void FrmPrinc::ConstruireMenus()
{
    // Before the first action exists: Qt keeps the first interface it makes.
    InstallerAccessibilite();
    MenusDuPlateau();
    // Menus of the program's own, after the board's.
    MenusAjoutes();
    // F10 opens the first menu, as on the desktops.
    auto* premierMenu = new QAction(this);
    premierMenu->setObjectName(QStringLiteral("MnuF10"));
    premierMenu->setShortcut(QKeySequence(Qt::Key_F10));
    connect(premierMenu, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    addAction(premierMenu);
}

void FrmPrinc::MenusDuPlateau()
{
    auto* fichier = menuBar()->addMenu(Utf8(textes::MenuFichier));
    Action(fichier, "MnuNew", Utf8(textes::MenuNouveau), QKeySequence(Qt::Key_F2), &FrmPrinc::MnuNew_Click);
    fichier->addSeparator();
    Action(fichier, "MnuSave", Utf8(textes::MenuSauvegarder), QKeySequence(Qt::CTRL | Qt::Key_S),
           &FrmPrinc::MnuSave_Click);
    Action(fichier, "MnuLoad", Utf8(textes::MenuCharger), QKeySequence(Qt::CTRL | Qt::Key_O), &FrmPrinc::MnuLoad_Click);
    fichier->addSeparator();
    Action(fichier, "MnuQuit", Utf8(textes::MenuQuitter), QKeySequence(Qt::CTRL | Qt::Key_Q), &FrmPrinc::MnuQuit_Click);

    auto* affichage = menuBar()->addMenu(Utf8(textes::MenuAffichage));
    Action(affichage, "MnuCoul", Utf8(textes::MenuChoixCouleurs), QKeySequence(Qt::CTRL | Qt::Key_C),
           &FrmPrinc::MnuCoul_Click);
    affichage->addSeparator();
    Action(affichage, "MnuAffLoad", Utf8(textes::MenuChargementProfil), {}, &FrmPrinc::MnuAffLoad_Click);
    Action(affichage, "MnuAffSave", Utf8(textes::MenuSauvegardeProfil), {}, &FrmPrinc::MnuAffSave_Click);
    affichage->addSeparator();
    // The colour numbers stay the last item, as keys reach it (Alt+A, Up).
    auto* temps = affichage->addAction(Utf8(textes::MenuTempsPartie));
    temps->setObjectName(QStringLiteral("MnuTemps"));
    temps->setCheckable(true);
    auto* numeros = affichage->addAction(Utf8(textes::MenuNumeros));
    numeros->setObjectName(QStringLiteral("MnuNumeros"));
    numeros->setCheckable(true);
}

void FrmPrinc::MenusAjoutes()
{
    auto* partie = menuBar()->addMenu(Utf8(textes::MenuPartie));
    Action(partie, "MnuIndice", Utf8(textes::MenuIndice), QKeySequence(Qt::CTRL | Qt::Key_I),
           &FrmPrinc::MnuIndice_Click);
    Action(partie, "MnuAnalyse", Utf8(textes::MenuAnalyse), {}, &FrmPrinc::MnuAnalyse_Click);
    partie->addSeparator();
    Action(partie, "MnuStats", Utf8(textes::MenuStatistiques), {}, &FrmPrinc::MnuStats_Click);
    Action(partie, "MnuJouees", Utf8(textes::MenuPartiesJouees), {}, &FrmPrinc::MnuJouees_Click);
    partie->addSeparator();
    Action(partie, "MnuNumerotee", Utf8(textes::MenuPartieNumerotee), {}, &FrmPrinc::MnuNumerotee_Click);
    Action(partie, "MnuDuJour", Utf8(textes::MenuCodeDuJour), {}, &FrmPrinc::MnuDuJour_Click);
    Action(partie, "MnuADeux", Utf8(textes::MenuPartieADeux), {}, &FrmPrinc::MnuADeux_Click);
    partie->addSeparator();
    Action(partie, "MnuCopier", Utf8(textes::MenuCopierPartie), {}, &FrmPrinc::MnuCopier_Click);
    Action(partie, "MnuVerifier", Utf8(textes::MenuVerifierCode), {}, &FrmPrinc::MnuVerifier_Click);
    partie->addSeparator();
    auto* difficile = partie->addAction(Utf8(textes::MenuModeDifficile));
    difficile->setObjectName(QStringLiteral("MnuDifficile"));
    difficile->setCheckable(true);
    auto* aide = menuBar()->addMenu(Utf8(textes::MenuAide));
    Action(aide, "MnuRegles", Utf8(textes::MenuRegles), QKeySequence(Qt::Key_F1), [this] {
        FrmTexte(Utf8(textes::aide::TitreRegles), Utf8(textes::aide::Regles), FrmTexte::Forme::Document, this).exec();
    });
    Action(aide, "MnuRaccourcis", Utf8(textes::MenuRaccourcis), {}, [this] {
        FrmTexte(Utf8(textes::aide::TitreRaccourcis), Utf8(textes::aide::Raccourcis), FrmTexte::Forme::Touches, this)
            .exec();
    });
    aide->addSeparator();
    Action(aide, "MnuAPropos", Utf8(textes::MenuAPropos), {}, &FrmPrinc::MnuAPropos_Click);
}

// The solver's next guess composed in the code cells, as the command line
// gives it for the same game; its colours and how many codes remain are said,
// so that a listener need not walk the cells to learn it.
void FrmPrinc::MnuIndice_Click()
{
    if (Issue(jeu_.Etat()) != IssuePartie::EnCours) {
        MsgBox(Utf8(textes::PlusDIndice), styles::Aucun, Utf8(textes::TitreIndice));
        return;
    }
    jeu_.DonnerIndice(ConseillerCoup(jeu_.Etat()));
}

void FrmPrinc::MnuAnalyse_Click()
{
    FrmAnalyse fenetre(jeu_.Instantane(), findChild<QAction*>(QStringLiteral("MnuNumeros"))->isChecked(), this);
    fenetre.exec();
}

void FrmPrinc::MnuAPropos_Click()
{
    QMessageBox boite(this);
    boite.setWindowTitle(Utf8(textes::TitreAPropos));
    boite.setIconPixmap(IconeProgramme().pixmap(64, 64));
    boite.setTextFormat(Qt::PlainText);
    boite.setText(Utf8(textes::TitreFenetre).arg(Utf8(VersionProgramme)));
    boite.setInformativeText(Utf8(textes::APropos));
    boite.setStandardButtons(QMessageBox::Ok);
    TraduireAuBesoin();
    boite.exec();
}

// The player's preferences: the colour numbers, shown on the board, and
// hard mode, for the first game; both ticked in the menu before the window
// is first shown.
void FrmPrinc::LireReglages()
{
    if (services_.FichierReglages.isEmpty())
        services_.FichierReglages = FichierReglagesParDefaut();
    if (!services_.Reglages)
        services_.Reglages = OuvrirReglages(services_.FichierReglages);
    const bool numeros = services_.Reglages && services_.Reglages->value(CleNumeros, false).toBool();
    plateau_->AfficherNumeros(numeros);
    auto* menu = findChild<QAction*>(QStringLiteral("MnuNumeros"));
    menu->setChecked(numeros);
    connect(menu, &QAction::toggled, this, &FrmPrinc::MnuNumeros_Click);
    const bool difficile = services_.Reglages && services_.Reglages->value(CleDifficile, false).toBool();
    jeu_.ChoisirModeDifficile(difficile);
    menu = findChild<QAction*>(QStringLiteral("MnuDifficile"));
    menu->setChecked(difficile);
    connect(menu, &QAction::toggled, this, &FrmPrinc::MnuDifficile_Click);
    const bool temps = services_.Reglages && services_.Reglages->value(CleTemps, false).toBool();
    menu = findChild<QAction*>(QStringLiteral("MnuTemps"));
    menu->setChecked(temps);
    if (temps)
        MnuTemps_Click(true);
    connect(menu, &QAction::toggled, this, [this](bool affiche) {
        MnuTemps_Click(affiche);
        GarderReglage(CleTemps, affiche);
    });
}

void FrmPrinc::MnuNumeros_Click(bool affiches)
{
    plateau_->AfficherNumeros(affiches);
    GarderReglage(CleNumeros, affiches);
}

void FrmPrinc::MnuDifficile_Click(bool actif)
{
    GarderReglage(CleDifficile, actif);
    if (!jeu_.ChoisirModeDifficile(actif))
        MsgBox(Utf8(textes::DifficileProchainePartie), styles::Aucun, Utf8(textes::TitreModeDifficile));
}

void FrmPrinc::GarderReglage(const QString& cle, bool valeur)
{
    auto* reglages = services_.Reglages.get();
    if (reglages) {
        reglages->setValue(cle, valeur);
        reglages->sync();
    }
    if ((reglages == nullptr || reglages->status() != QSettings::NoError) && !reglagesSignales_) {
        reglagesSignales_ = true;
        const QString fichier = reglages ? reglages->fileName() : services_.FichierReglages;
        MsgBox(Utf8(textes::ReglagesNonGardes).arg(QDir::toNativeSeparators(fichier)), styles::Exclamation);
    }
}

Reponse FrmPrinc::MsgBox(const QString& texte, StyleBoite style, const QString& titre)
{
    return services_.Boites->MsgBox(this, texte, style, titre);
}

void FrmPrinc::keyPressEvent(QKeyEvent* event)
{
    if (!plateau_->Touche(*event))
        QMainWindow::keyPressEvent(event);
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
        jeu_.PrendreProfil(ProfilParDefaut);
        // Start-up tells nothing: a folder that cannot be written leaves the
        // game on the built-in colours, which every new game falls back to.
        // Made the user's alone, as the games kept are, whatever the umask.
        EcrireProfil(dossier / (nomUser_ + ".usr"), CollecterProfil(jeu_.Etat()), true);
    }
    CommencerTiree(PartieActive::Depart::Ouverture);
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
    CommencerTiree(PartieActive::Depart::Tiree);
}

// Every game has a number, drawn here, from which its code comes.
void FrmPrinc::CommencerTiree(PartieActive::Depart depart)
{
    const auto numero = TirerNumero(std::ref(aleatoire_));
    Commencer(CodeNumerote(numero), {SortePartie::Numerotee, numero}, depart);
}

void FrmPrinc::MnuQuit_Click()
{
    close();
}

void FrmPrinc::closeEvent(QCloseEvent* event)
{
    // Whatever ends the window, the games a busy record did not take yet
    // are tried once more.
    const auto compter = qScopeGuard([this, event] {
        if (event->isAccepted())
            registre_->CompterEnAttente(sansQuestion_);
    });
    if (sansQuestion_) {
        // Kept with its time as it stands, for the next start.
        jeu_.Suspendre(true);
        event->accept();
    } else if (Form_Unload()) {
        // The time stops before the game is let go: the window hiding next
        // must not keep it again.
        jeu_.Suspendre(true);
        // Ended by the player's choice: nothing is left to offer, unless the
        // player asked to save it and then cancelled the save.
        if (!garderEnPartant_)
            gardee_->Oublier();
        event->accept();
    } else {
        event->ignore();
    }
}

bool FrmPrinc::Form_Unload()
{
    const auto reponse
        = MsgBox(Utf8(textes::QuestionQuitter), styles::QuestionOuiNonAnnuler, Utf8(textes::TitreQuitter));
    if (reponse == Reponse::Oui) {
        // A save that failed keeps the window, and so the game, open.
        // A save cancelled still closes the window; the game, which the
        // player wanted kept, waits for the next start, neither saved nor
        // abandoned.
        const auto issue = SauvegarderPartie();
        garderEnPartant_ = issue == IssueCommande::Annulee;
        return issue != IssueCommande::Echec;
    }
    if (reponse == Reponse::Non)
        jeu_.Abandonner();
    return reponse == Reponse::Non;
}

}  // namespace vorlinde::ui
