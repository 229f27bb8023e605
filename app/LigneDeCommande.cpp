// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "LigneDeCommande.h"

#include <QCommandLineParser>

namespace vorlinde {
namespace {

// Options that a Qt window application reads from the command line itself.
const QStringList OptionsDeQt{
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("reverse"),         QStringLiteral("session"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
    QStringLiteral("qwindowicon"),
};

// An option as the player typed it ("--frobnicate", "-x", "--x=1").
QString TelleQueTapee(const QStringList& arguments, const QString& nom)
{
    for (const QString& argument : arguments.mid(1)) {
        QString sansTirets = argument;
        while (sansTirets.startsWith(QLatin1Char('-')))
            sansTirets.remove(0, 1);
        if (sansTirets == nom || sansTirets.startsWith(nom + QLatin1Char('=')))
            return argument;
    }
    return nom;
}

Demande Erreur(const QString& texte)
{
    return {Demande::Mode::Erreur, {}, QStringLiteral("vorlinde : ") + texte, false};
}

}  // namespace

Demande AnalyserArguments(const QStringList& arguments)
{
    QCommandLineParser analyse;
    const QCommandLineOption aide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    analyse.addOption(aide);
    analyse.addOption(version);
    // "-platform" as Qt spells its own options, not "-p -l -a...".
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    bool optionsQt = false;
    if (!analyse.parse(arguments)) {
        const QStringList inconnues = analyse.unknownOptionNames();
        if (inconnues.isEmpty())
            return Erreur(analyse.errorText());
        for (const QString& nom : inconnues)
            if (!OptionsDeQt.contains(nom))
                return Erreur(QStringLiteral("option inconnue « %1 ».").arg(TelleQueTapee(arguments, nom)));
        optionsQt = true;
    }
    if (analyse.isSet(aide))
        return {Demande::Mode::Aide, {}, {}, false};
    if (analyse.isSet(version))
        return {Demande::Mode::Version, {}, {}, false};
    const QStringList fichiers = analyse.positionalArguments();
    if (fichiers.size() > 1 && !optionsQt)
        return Erreur(QStringLiteral("une seule partie peut être ouverte à la fois."));
    return {Demande::Mode::Fenetre, fichiers.value(0), {}, optionsQt};
}

QString TexteAide()
{
    return QStringLiteral("Usage : vorlinde [OPTION] [FICHIER.prt]\n"
                          "Vorlinde, jeu de déduction : trouver un code caché de quatre couleurs\n"
                          "différentes parmi huit, en au plus 100 coups.\n"
                          "\n"
                          "Sans option, le jeu s'ouvre dans sa fenêtre. Une partie sauvegardée\n"
                          "FICHIER.prt y est chargée comme par la commande « Charger ».\n"
                          "\n"
                          "Options :\n"
                          "  -h, --help     affiche cette aide et quitte\n"
                          "  -v, --version  affiche le nom et la version du programme et quitte\n"
                          "\n"
                          "Codes de sortie :\n"
                          "  0  tout s'est bien passé\n"
                          "  1  la partie sauvegardée n'a pas pu être lue\n"
                          "  2  la ligne de commande est incorrecte\n");
}

QString TexteVersion()
{
    return QStringLiteral("Vorlinde 1.0\n");
}

}  // namespace vorlinde
