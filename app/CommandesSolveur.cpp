// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "CommandesSolveur.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

#include "LigneDeCommande.h"
#include "formats/FichierPartie.h"
#include "formats/Raisons.h"
#include "game/Solveur.h"

namespace vorlinde {
namespace {

void Ecrire(std::FILE* flux, const QString& texte)
{
    std::fputs(texte.toLocal8Bit().constData(), flux);
}

// The game of `fichier`, scored as the window scores a loaded game; nothing
// when it cannot be loaded, after the window's reason has been written.
std::optional<Partie> Charger(const std::filesystem::path& fichier, std::FILE* erreurs)
{
    const auto lecture = LireFichierPartie(fichier);
    if (lecture.Erreur != ErreurFichier::Aucune) {
        const auto nom = QDir::toNativeSeparators(QFile::decodeName(fichier.c_str())).toStdString();
        Ecrire(erreurs,
               QString::fromStdString(TexteEchec(CommandeFichier::ChargementPartie, nom, lecture.Erreur))
                   + QLatin1Char('\n'));
        return std::nullopt;
    }
    Partie partie;
    ChargerPartie(partie, lecture.Partie);
    return partie;
}

QString Chiffres(const Code4& code)
{
    return QString::fromStdString(TexteCode(code));
}

// French puts 0 and 1 in the singular.
QString Pluriel(int n, const char* singulier, const char* pluriel)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n < 2 ? singulier : pluriel);
}

QString Etat(const Partie& partie)
{
    switch (Issue(partie)) {
    case IssuePartie::Gagnee:
        return QStringLiteral("gagnée");
    case IssuePartie::Perdue:
        return QStringLiteral("perdue");
    case IssuePartie::EnCours:
        break;
    }
    return QStringLiteral("en cours");
}

}  // namespace

int CommandeIndice(const std::filesystem::path& fichier, std::FILE* sortie, std::FILE* erreurs)
{
    const auto partie = Charger(fichier, erreurs);
    if (!partie)
        return SortieErreurFichier;
    switch (Issue(*partie)) {
    case IssuePartie::Gagnee:
        Ecrire(sortie,
               QStringLiteral("La partie est gagnée, en %1 : il n'y a plus rien à chercher.\n")
                   .arg(Pluriel(partie->NbCoups, "coup", "coups")));
        return 0;
    case IssuePartie::Perdue:
        Ecrire(sortie, QStringLiteral("La partie est perdue : les 100 coups ont été joués.\n"));
        return 0;
    case IssuePartie::EnCours:
        break;
    }
    const auto conseil = ConseillerCoup(*partie);
    Ecrire(sortie, Chiffres(conseil.Coup.Code) + QLatin1Char('\n'));
    Ecrire(sortie,
           conseil.Possibles < 2 ? QStringLiteral("%1 code est encore possible.\n").arg(conseil.Possibles)
                                 : QStringLiteral("%1 codes sont encore possibles.\n").arg(conseil.Possibles));
    return 0;
}

int CommandeAnalyse(const std::filesystem::path& fichier, bool json, std::FILE* sortie, std::FILE* erreurs)
{
    const auto partie = Charger(fichier, erreurs);
    if (!partie)
        return SortieErreurFichier;
    const auto analyse = AnalyserPartie(CoupsJoues(*partie));
    // What the solver needs for the hidden code would give it away while the
    // game can still be played: only a finished game says it.
    const bool finie = Issue(*partie) != IssuePartie::EnCours;
    const int solveur = finie ? CoupsDuSolveur(partie->CodeSecret) : 0;

    if (json) {
        QJsonArray coups;
        for (std::size_t k = 0; k < analyse.size(); ++k) {
            const auto& a = analyse[k];
            coups.append(QJsonObject{
                {QStringLiteral("coup"), static_cast<int>(k + 1)},
                {QStringLiteral("code"), QString::fromStdString(a.Joue.TexteCode())},
                {QStringLiteral("bien"), a.Joue.BiPl},
                {QStringLiteral("mal"), a.Joue.MalPl},
                {QStringLiteral("possibles_avant"), a.PossiblesAvant},
                {QStringLiteral("possibles_apres"), a.PossiblesApres},
                {QStringLiteral("compatible"), a.Compatible},
                {QStringLiteral("indice"), Chiffres(a.Conseil.Code)},
                {QStringLiteral("pire_cas_indice"), a.Conseil.PireCas},
            });
        }
        const QJsonObject racine{{QStringLiteral("coups"), coups},
                                 {QStringLiteral("coups_joues"), partie->NbCoups},
                                 {QStringLiteral("coups_solveur"), finie ? QJsonValue(solveur) : QJsonValue()},
                                 {QStringLiteral("etat"), Etat(*partie)}};
        Ecrire(sortie, QString::fromUtf8(QJsonDocument(racine).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
        return 0;
    }

    for (std::size_t k = 0; k < analyse.size(); ++k) {
        const auto& a = analyse[k];
        Ecrire(sortie,
               QStringLiteral("Coup %1 : %2, %3 bien placé(s), %4 mal placé(s) ; %5 avant, %6 après ; "
                              "%7 ; le solveur aurait joué %8, qui laisse au pire %9.\n")
                   .arg(k + 1)
                   .arg(QString::fromStdString(a.Joue.TexteCode()))
                   .arg(a.Joue.BiPl)
                   .arg(a.Joue.MalPl)
                   .arg(Pluriel(a.PossiblesAvant, "code possible", "codes possibles"))
                   .arg(a.PossiblesApres)
                   .arg(a.Compatible ? QStringLiteral("ce coup était possible")
                                     : QStringLiteral("ce coup n'était plus possible"))
                   .arg(Chiffres(a.Conseil.Code))
                   .arg(Pluriel(a.Conseil.PireCas, "code", "codes")));
    }
    const QString bilan = QStringLiteral("Bilan : %1, partie %2")
                              .arg(Pluriel(partie->NbCoups, "coup joué", "coups joués"), Etat(*partie));
    Ecrire(sortie,
           finie
               ? bilan + QStringLiteral(" ; le solveur trouve ce code en %1.\n").arg(Pluriel(solveur, "coup", "coups"))
               : bilan + QStringLiteral(".\n"));
    return 0;
}

}  // namespace vorlinde
