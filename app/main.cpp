// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <QApplication>

#include "platform/Dossiers.h"
#include "ui/BoiteMessage.h"
#include "ui/Dial.h"
#include "ui/FrmPrinc.h"
#include "ui/Icone.h"
#include "ui/Traduction.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlinde"));
    QApplication::setDesktopFileName(QStringLiteral("org.vorlinde.Vorlinde"));
    // Every window of the program, dialogs included, shows the icon.
    QApplication::setWindowIcon(vorlinde::ui::IconeProgramme());
    vorlinde::ui::InstallerTraductionFrancaise(&application);

    vorlinde::ui::ServicesPrinc services;
    services.Boites = std::make_shared<vorlinde::ui::BoiteMessageQt>();
    services.Dialogues = std::make_shared<vorlinde::ui::DialogueStandardQt>();
    services.DossierProgramme = vorlinde::DossierProgramme();
    vorlinde::ui::FrmPrinc fenetre(services);
    fenetre.show();
    return application.exec();
}
