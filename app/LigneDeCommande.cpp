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
    // The file is the one argument that is not an option, wherever it stands
    // ("--analyse --json F", "--json --analyse F", "--analyse F --json",
    // "--analyse -- F").
    const QCommandLineOption indice(QStringLiteral("indice"));
    const QCommandLineOption analyser(QStringLiteral("analyse"));
    const QCommandLineOption json(QStringLiteral("json"));
    for (const auto& option : {aide, version, indice, analyser, json})
        analyse.addOption(option);
    // "-platform" as Qt spells its own options, not "-p -l -a...".
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    bool optionsQt = false;
    if (!analyse.parse(arguments)) {
        const QStringList inconnues = analyse.unknownOptionNames();
        if (inconnues.isEmpty())  // "--indice=F": a value given to a flag
            return Erreur(QStringLiteral("« --indice » et « --analyse » prennent le fichier de la partie après un "
                                         "espace, pas après « = »."));
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
    if (solveur && (fichiers.size() > 1 || optionsQt))
        return Erreur(QStringLiteral("--indice et --analyse n'ouvrent pas de fenêtre ni d'autre partie."));
    if (solveur && fichiers.isEmpty())
        return Erreur(QStringLiteral("il manque le fichier de la partie après « %1 ».")
                          .arg(analyse.isSet(indice) ? QStringLiteral("--indice") : QStringLiteral("--analyse")));
    if (analyse.isSet(indice))
        return Pour(Demande::Mode::Indice, fichiers.first());
    if (analyse.isSet(analyser)) {
        auto demande = Pour(Demande::Mode::Analyse, fichiers.first());
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
                          "  -h, --help                 affiche cette aide et quitte\n"
                          "  -v, --version              affiche le nom et la version du programme et quitte\n"
                          "  --indice FICHIER.prt       écrit le prochain coup conseillé pour la partie\n"
                          "                             sauvegardée, puis le nombre de codes encore possibles\n"
                          "  --analyse FICHIER.prt      écrit chaque coup de la partie vu par le solveur\n"
                          "  --json                     avec --analyse : la même analyse en un objet JSON\n"
                          "  --                         la suite est un nom de fichier, même s'il commence\n"
                          "                             par un tiret\n"
                          "\n"
                          "Les options et le fichier vont dans n'importe quel ordre. --indice et --analyse\n"
                          "n'ouvrent pas de fenêtre et n'ont pas besoin d'écran.\n"
                          "\n"
                          "Codes de sortie :\n"
                          "  0  tout s'est bien passé\n"
                          "  1  la partie sauvegardée n'a pas pu être lue, la sortie standard n'a pas pu être\n"
                          "     écrite, ou la fenêtre n'a pas d'écran\n"
                          "  2  la ligne de commande est incorrecte\n");
}

QString TexteVersion()
{
    return QStringLiteral("Vorlinde ") + QString::fromUtf8(VersionProgramme) + QLatin1Char('\n');
}

}  // namespace vorlinde
