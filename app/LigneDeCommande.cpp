// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "LigneDeCommande.h"
#include "textes/Textes.h"

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
    demande.Erreur = QString::fromUtf8(textes::PrefixeErreur) + texte;
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
            return Erreur(QString::fromUtf8(textes::FichierApresEgal));
        for (const QString& nom : inconnues)
            if (!OptionsDeQt.contains(nom))
                return Erreur(QString::fromUtf8(textes::OptionInconnue).arg(TelleQueTapee(arguments, nom)));
        optionsQt = true;
    }
    if (analyse.isSet(aide))
        return Pour(Demande::Mode::Aide);
    if (analyse.isSet(version))
        return Pour(Demande::Mode::Version);
    const QStringList fichiers = analyse.positionalArguments();
    const bool solveur = analyse.isSet(indice) || analyse.isSet(analyser);
    if (analyse.isSet(indice) && analyse.isSet(analyser))
        return Erreur(QString::fromUtf8(textes::IndiceEtAnalyse));
    if (analyse.isSet(json) && !analyse.isSet(analyser))
        return Erreur(QString::fromUtf8(textes::JsonSansAnalyse));
    if (solveur && (fichiers.size() > 1 || optionsQt))
        return Erreur(QString::fromUtf8(textes::SansFenetre));
    if (solveur && fichiers.isEmpty())
        return Erreur(QString::fromUtf8(textes::FichierManquant)
                          .arg(analyse.isSet(indice) ? QStringLiteral("--indice") : QStringLiteral("--analyse")));
    if (analyse.isSet(indice))
        return Pour(Demande::Mode::Indice, fichiers.first());
    if (analyse.isSet(analyser)) {
        auto demande = Pour(Demande::Mode::Analyse, fichiers.first());
        demande.Json = analyse.isSet(json);
        return demande;
    }
    if (fichiers.size() > 1 && !optionsQt)
        return Erreur(QString::fromUtf8(textes::UneSeulePartie));
    auto demande = Pour(Demande::Mode::Fenetre, fichiers.value(0));
    demande.OptionsQt = optionsQt;
    return demande;
}

QString TexteAide()
{
    return QString::fromUtf8(textes::Usage);
}

QString TexteVersion()
{
    return QString::fromUtf8(textes::TitreFenetre).arg(QString::fromUtf8(VersionProgramme)) + QLatin1Char('\n');
}

}  // namespace vorlinde
