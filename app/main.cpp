// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <QSessionManager>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <utility>

#include "CommandesSolveur.h"
#include "LigneDeCommande.h"
#include "dialogues/Dial.h"
#include "fenetre/FrmPrinc.h"
#include "fenetre/Icone.h"
#include "partie/FinDeSession.h"
#include "plateau/BoiteMessage.h"
#include "platform/Dossiers.h"
#include "platform/Fichiers.h"
#include "textes/Textes.h"

namespace {

QStringList Arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void Ecrire(std::FILE* flux, const QString& texte)
{
    std::fputs(texte.toLocal8Bit().constData(), flux);
}

// Runs `suite` once, from the event loop, after the window first stands on
// the screen (its first exposure).
class ApresExposition : public QObject {
public:
    ApresExposition(QWindow* fenetre, std::function<void()> suite) : QObject(fenetre), suite_(std::move(suite))
    {
        fenetre->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && suite_)
            QTimer::singleShot(0, this, std::exchange(suite_, {}));
        return false;
    }

private:
    std::function<void()> suite_;
};

// The file named on the command line, as the bytes it was given in: a name
// that is not valid UTF-8 still names its file.
std::filesystem::path CheminBrut(int argc, char* argv[], const QString& fichier)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray brut(argv[i]);
        if (QString::fromLocal8Bit(brut) == fichier)
            return brut.toStdString();
        const auto egal = brut.indexOf('=');
        if (brut.startsWith('-') && egal > 0 && QString::fromLocal8Bit(brut.mid(egal + 1)) == fichier)
            return brut.mid(egal + 1).toStdString();
    }
    return QFile::encodeName(fichier).toStdString();
}

const QString PasDEcran = QString::fromUtf8(vorlinde::textes::SansEcran);

// The Qt module that opens windows of the kind asked for, when it is not
// installed: named by Qt's warning before it ends the program.
QString ModuleAbsent;

// Qt ends a program whose display cannot be reached, or whose display module
// is missing, with a message of its own: while the application starts, such
// an end is told in French.
void SansEcran(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    const QLatin1String introuvable("Could not find the Qt platform plugin \"");
    if (message.startsWith(introuvable))
        ModuleAbsent = message.mid(introuvable.size()).section(QLatin1Char('"'), 0, 0);
    if (type == QtFatalMsg) {
        Ecrire(stderr,
               ModuleAbsent.isNull() ? PasDEcran : QString::fromUtf8(vorlinde::textes::ModuleAbsent).arg(ModuleAbsent));
        std::_Exit(1);
    }
}

QtMessageHandler gestionnaireQt = nullptr;
// The window, once it stands: what it left on disk is told as the display goes.
const vorlinde::ui::FrmPrinc* fenetreOuverte = nullptr;

QString TexteEcranPerdu()
{
    using Garde = vorlinde::ui::FrmPrinc::Garde;
    const auto garde = fenetreOuverte ? fenetreOuverte->PartieSurDisque() : Garde::RienAGarder;
    return QString::fromUtf8(garde == Garde::Gardee          ? vorlinde::textes::EcranPerdu
                                 : garde == Garde::NonGardee ? vorlinde::textes::EcranPerduNonGardee
                                                             : vorlinde::textes::EcranPerduRienAGarder);
}

// Once the window stands, Qt ends a program whose display went away (the X
// server or the compositor died) with an English message of its own, and
// some versions on Wayland with an abort: the player is told in French, and the program ends as
// an error. The game in progress is on disk already, when it could be written.
void SansEcranEnJeu(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
{
    if (message.startsWith(QLatin1String("The X11 connection broke"))
        || message.startsWith(QLatin1String("The Wayland connection broke"))
        || (type == QtFatalMsg && message.contains(QLatin1String("Wayland connection")))) {
        Ecrire(stderr, TexteEcranPerdu());
        std::_Exit(1);
    }
    gestionnaireQt(type, contexte, message);
}

// A display to open the window on: Qt's platform named, or an X or Wayland
// display given by the session.
bool EcranDisponible(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("-platform") || QByteArray(argv[i]).startsWith("--platform"))
            return true;
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The end of the session keeps a game in progress and ends without a
// question; from within a dialog, whose own loop would go on, at once.
void SuivreFinDeSession(QApplication& application, vorlinde::ui::FrmPrinc& fenetre)
{
    const auto finir = [&fenetre] {
        fenetre.InterrompreSession();
        if (QThread::currentThread()->loopLevel() > 1)
            std::_Exit(0);
        QApplication::exit(0);
    };
    vorlinde::ui::SurFinDeSession(&application, finir);
    QObject::connect(
        &application, &QGuiApplication::commitDataRequest, &fenetre,
        [&fenetre](QSessionManager&) { fenetre.InterrompreSession(); }, Qt::DirectConnection);
}

// Once the window stands: the icon, what the data folder cannot keep, the
// game named on the command line or the games left, and the counts waiting.
void Accueillir(vorlinde::ui::FrmPrinc& fenetre, vorlinde::ui::BoiteMessage& boites, int argc, char* argv[],
                const vorlinde::Demande& demande)
{
    // Every window of the program, dialogs included, shows the icon. Its
    // five sizes, decoded and handed to the window manager, would hold the
    // window back by a few milliseconds: it comes once the window stands.
    QApplication::setWindowIcon(vorlinde::ui::IconeProgramme());
    // Boxes open over the window.
    if (const auto alerte = fenetre.AlerteDossierDonnees(); !alerte.isEmpty()) {
        Ecrire(stderr, QString::fromUtf8(vorlinde::textes::PrefixeErreur) + alerte + QLatin1Char('\n'));
        boites.MsgBox(&fenetre, alerte, vorlinde::ui::styles::Exclamation);
    }
    // A game the player named comes first; the games left then wait for the
    // next start.
    if (demande.Fichier.isEmpty() || !fenetre.OuvrirPartie(CheminBrut(argc, argv, demande.Fichier)))
        fenetre.ProposerReprise();
    // The games that windows ended before the record was free.
    fenetre.CompterEnAttente();
}

int Fenetre(int argc, char* argv[], vorlinde::Demande demande)
{
    // Started with a standard stream closed: the first file the window
    // opens (the display's connection) would take its number and receive
    // what is written there. The command line keeps telling a closed output
    // as a failure.
    vorlinde::OuvrirFluxStandard();
    if (!EcranDisponible(argc, argv)) {
        Ecrire(stderr, PasDEcran);
        return 1;
    }
    const auto gestionnaire = qInstallMessageHandler(SansEcran);
    QApplication application(argc, argv);
    gestionnaireQt = gestionnaire;
    qInstallMessageHandler(SansEcranEnJeu);
    // Qt has taken its own options: what is left is ours.
    if (demande.OptionsQt)
        demande = vorlinde::AnalyserArguments(QCoreApplication::arguments());
    if (demande.Quoi != vorlinde::Demande::Mode::Fenetre) {
        Ecrire(stderr, demande.Erreur + QString::fromUtf8(vorlinde::textes::EssayezAide));
        return vorlinde::SortieErreurLigne;
    }
    QApplication::setApplicationName(QStringLiteral("Vorlinde"));
    QApplication::setOrganizationName(QStringLiteral("Vorlinde"));
    QApplication::setDesktopFileName(QStringLiteral("org.vorlinde.Vorlinde"));

    vorlinde::ui::ServicesPrinc services;
    services.Boites = std::make_shared<vorlinde::ui::BoiteMessageQt>();
    services.Dialogues = std::make_shared<vorlinde::ui::DialogueStandardQt>();
    services.DossierDonnees = vorlinde::DossierDonnees();
    services.DossierProgramme = vorlinde::DossierProgramme(vorlinde::DossierExecutable(), services.DossierDonnees);
    vorlinde::ui::FrmPrinc fenetre(services);
    fenetreOuverte = &fenetre;

    SuivreFinDeSession(application, fenetre);
    fenetre.show();
    new ApresExposition(fenetre.windowHandle(), [&] { Accueillir(fenetre, *services.Boites, argc, argv, demande); });
    const int statut = application.exec();
    fenetreOuverte = nullptr;
    return statut;
}

// A text that never reached its reader (a full disk, a closed output) is a
// failure, not a success.
int SortieEcrite(int statut)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return statut;
    Ecrire(stderr, QString::fromUtf8(vorlinde::textes::SortieIllisible));
    return statut == 0 ? vorlinde::SortieErreurFichier : statut;
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto demande = vorlinde::AnalyserArguments(Arguments(argc, argv));
    switch (demande.Quoi) {
    case vorlinde::Demande::Mode::Aide:
        Ecrire(stdout, vorlinde::TexteAide());
        return SortieEcrite(0);
    case vorlinde::Demande::Mode::Version:
        Ecrire(stdout, vorlinde::TexteVersion());
        return SortieEcrite(0);
    case vorlinde::Demande::Mode::Erreur:
        Ecrire(stderr, demande.Erreur + QString::fromUtf8(vorlinde::textes::EssayezAide));
        return vorlinde::SortieErreurLigne;
    case vorlinde::Demande::Mode::Indice:
    case vorlinde::Demande::Mode::Analyse: {
        // No window and no default profile: a display is not needed.
        QCoreApplication application(argc, argv);
        const auto chemin = CheminBrut(argc, argv, demande.Fichier);
        return SortieEcrite(demande.Quoi == vorlinde::Demande::Mode::Indice
                                ? vorlinde::CommandeIndice(chemin, stdout, stderr)
                                : vorlinde::CommandeAnalyse(chemin, demande.Json, stdout, stderr));
    }
    case vorlinde::Demande::Mode::Fenetre:
        break;
    }
    return Fenetre(argc, argv, demande);
}
