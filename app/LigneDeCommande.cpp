// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "LigneDeCommande.h"

#include <QCommandLineParser>

#include "game/Version.h"

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
    Demande demande;
    demande.Quoi = Demande::Mode::Erreur;
    demande.Erreur = QStringLiteral("vorlinde : ") + texte;
    return demande;
}

Demande Pour(Demande::Mode quoi, const QString& fichier = {})
{
    Demande demande;
    demande.Quoi = quoi;
    demande.Fichier = fichier;
    return demande;
}

}  // namespace

Demande AnalyserArguments(const QStringList& arguments)
{
    QCommandLineParser analyse;
    const QCommandLineOption aide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption indice(QStringLiteral("indice"), {}, QStringLiteral("FICHIER.prt"));
    const QCommandLineOption analyser(QStringLiteral("analyse"), {}, QStringLiteral("FICHIER.prt"));
    const QCommandLineOption json(QStringLiteral("json"));
    for (const auto& option : {aide, version, indice, analyser, json})
        analyse.addOption(option);
    // "-platform" as Qt spells its own options, not "-p -l -a...".
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    bool optionsQt = false;
    if (!analyse.parse(arguments)) {
        const QStringList inconnues = analyse.unknownOptionNames();
        if (inconnues.isEmpty())  // an option without its file
            return Erreur(QStringLiteral("il manque le fichier de la partie après « %1 ».")
                              .arg(analyse.isSet(indice) ? QStringLiteral("--indice") : QStringLiteral("--analyse")));
        for (const QString& nom : inconnues)
            if (!OptionsDeQt.contains(nom))
                return Erreur(QStringLiteral("option inconnue « %1 ».").arg(TelleQueTapee(arguments, nom)));
        optionsQt = true;
    }
    if (analyse.isSet(aide))
        return Pour(Demande::Mode::Aide);
    if (analyse.isSet(version))
        return Pour(Demande::Mode::Version);
    const QStringList fichiers = analyse.positionalArguments();
    const bool solveur = analyse.isSet(indice) || analyse.isSet(analyser);
    if (analyse.isSet(indice) && analyse.isSet(analyser))
        return Erreur(QStringLiteral("--indice et --analyse ne vont pas ensemble."));
    if (analyse.isSet(json) && !analyse.isSet(analyser))
        return Erreur(QStringLiteral("--json ne s'emploie qu'avec --analyse."));
    if (solveur && (!fichiers.isEmpty() || optionsQt))
        return Erreur(QStringLiteral("--indice et --analyse n'ouvrent pas de fenêtre ni d'autre partie."));
    if (analyse.isSet(indice))
        return Pour(Demande::Mode::Indice, analyse.value(indice));
    if (analyse.isSet(analyser)) {
        auto demande = Pour(Demande::Mode::Analyse, analyse.value(analyser));
        demande.Json = analyse.isSet(json);
        return demande;
    }
    if (fichiers.size() > 1 && !optionsQt)
        return Erreur(QStringLiteral("une seule partie peut être ouverte à la fois."));
    auto demande = Pour(Demande::Mode::Fenetre, fichiers.value(0));
    demande.OptionsQt = optionsQt;
    return demande;
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
    return QStringLiteral("Vorlinde ") + QString::fromUtf8(VersionProgramme) + QLatin1Char('\n');
}

}  // namespace vorlinde
