// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <utility>

#include "CommandesSolveur.h"
#include "LigneDeCommande.h"
#include "platform/Dossiers.h"
#include "ui/BoiteMessage.h"
#include "ui/Dial.h"
#include "ui/FrmPrinc.h"
#include "ui/Icone.h"
#include "ui/Traduction.h"

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

int Fenetre(int argc, char* argv[], vorlinde::Demande demande)
{
    QApplication application(argc, argv);
    // Qt has taken its own options: what is left is ours.
    if (demande.OptionsQt)
        demande = vorlinde::AnalyserArguments(QCoreApplication::arguments());
    if (demande.Quoi != vorlinde::Demande::Mode::Fenetre) {
        Ecrire(stderr, demande.Erreur + QStringLiteral("\nEssayez « vorlinde --help ».\n"));
        return vorlinde::SortieErreurLigne;
    }
    QApplication::setApplicationName(QStringLiteral("Vorlinde"));
    QApplication::setOrganizationName(QStringLiteral("Vorlinde"));
    QApplication::setDesktopFileName(QStringLiteral("org.vorlinde.Vorlinde"));
    vorlinde::ui::InstallerTraductionFrancaise(&application);

    vorlinde::ui::ServicesPrinc services;
    services.Boites = std::make_shared<vorlinde::ui::BoiteMessageQt>();
    services.Dialogues = std::make_shared<vorlinde::ui::DialogueStandardQt>();
    services.DossierProgramme = vorlinde::DossierProgramme();
    vorlinde::ui::FrmPrinc fenetre(services);
    fenetre.show();
    new ApresExposition(fenetre.windowHandle(), [&] {
        // Every window of the program, dialogs included, shows the icon. Its
        // five sizes, decoded and handed to the window manager, would hold
        // the window back by a few milliseconds: it comes once the window stands.
        QApplication::setWindowIcon(vorlinde::ui::IconeProgramme());
        // A refusal box opens over the window.
        if (!demande.Fichier.isEmpty())
            fenetre.OuvrirPartie(demande.Fichier);
    });
    return application.exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto demande = vorlinde::AnalyserArguments(Arguments(argc, argv));
    switch (demande.Quoi) {
    case vorlinde::Demande::Mode::Aide:
        Ecrire(stdout, vorlinde::TexteAide());
        return 0;
    case vorlinde::Demande::Mode::Version:
        Ecrire(stdout, vorlinde::TexteVersion());
        return 0;
    case vorlinde::Demande::Mode::Erreur:
        Ecrire(stderr, demande.Erreur + QStringLiteral("\nEssayez « vorlinde --help ».\n"));
        return vorlinde::SortieErreurLigne;
    case vorlinde::Demande::Mode::Indice:
    case vorlinde::Demande::Mode::Analyse: {
        // No window and no default profile: a display is not needed.
        QCoreApplication application(argc, argv);
        return demande.Quoi == vorlinde::Demande::Mode::Indice
            ? vorlinde::CommandeIndice(demande.Fichier, stdout, stderr)
            : vorlinde::CommandeAnalyse(demande.Fichier, demande.Json, stdout, stderr);
    }
    case vorlinde::Demande::Mode::Fenetre:
        break;
    }
    return Fenetre(argc, argv, demande);
}
