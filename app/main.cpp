// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>

#include "platform/Dossiers.h"
#include "ui/BoiteMessage.h"
#include "ui/Dial.h"
#include "ui/FrmPrinc.h"
#include "ui/Traduction.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlinde"));
    QApplication::setDesktopFileName(QStringLiteral("org.vorlinde.Vorlinde"));
    QIcon icone;
    for (const int taille : {16, 32, 48, 64, 128})
        icone.addFile(taille == 32 ? QStringLiteral(":/vorlinde/icone.png")
                                   : QStringLiteral(":/vorlinde/icone-%1.png").arg(taille));
    QApplication::setWindowIcon(icone);

    vorlinde::ui::InstallerTraductionFrancaise(&application);

    vorlinde::ui::ServicesPrinc services;
    services.Boites = std::make_shared<vorlinde::ui::BoiteMessageQt>();
    services.Dialogues = std::make_shared<vorlinde::ui::DialogueStandardQt>();
    services.DossierProgramme = vorlinde::DossierProgramme();
    vorlinde::ui::FrmPrinc fenetre(services);
    fenetre.setWindowIcon(icone);
    fenetre.show();
    return application.exec();
}
