// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "CommandesSolveur.h"
#include "textes/Textes.h"

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

QString Pluriel(long n, const textes::Mot& mot)
{
    return QString::fromStdString(textes::Nombre(n, mot));
}

QString Etat(const Partie& partie)
{
    switch (Issue(partie)) {
    case IssuePartie::Gagnee:
        return QString::fromUtf8(textes::Gagnee);
    case IssuePartie::Perdue:
        return QString::fromUtf8(textes::Perdue);
    case IssuePartie::EnCours:
        break;
    }
    return QString::fromUtf8(textes::EnCours);
}

}  // namespace

int CommandeIndice(const std::filesystem::path& fichier, std::FILE* sortie, std::FILE* erreurs)
{
    const auto partie = Charger(fichier, erreurs);
    if (!partie)
        return SortieErreurFichier;
    switch (Issue(*partie)) {
    case IssuePartie::Gagnee:
        Ecrire(sortie, QString::fromUtf8(textes::PartieGagneeEn).arg(Pluriel(partie->NbCoups, textes::NomCoups)));
        return 0;
    case IssuePartie::Perdue:
        Ecrire(sortie, QString::fromUtf8(textes::PartiePerdueCent));
        return 0;
    case IssuePartie::EnCours:
        break;
    }
    const auto conseil = ConseillerCoup(*partie);
    Ecrire(sortie, Chiffres(conseil.Coup.Code) + QLatin1Char('\n'));
    Ecrire(sortie,
           QString::fromUtf8(
               textes::Selon(static_cast<long>(conseil.Possibles), textes::UnCodePossible, textes::CodesPossibles))
               .arg(conseil.Possibles));
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
               QString::fromUtf8(textes::LigneAnalyseTexte)
                   .arg(k + 1)
                   .arg(QString::fromStdString(a.Joue.TexteCode()))
                   .arg(a.Joue.BiPl)
                   .arg(a.Joue.MalPl)
                   .arg(Pluriel(a.PossiblesAvant, textes::NomCodesPossibles))
                   .arg(a.PossiblesApres)
                   .arg(QString::fromUtf8(a.Compatible ? textes::CoupPossible : textes::CoupPlusPossible))
                   .arg(Chiffres(a.Conseil.Code))
                   .arg(Pluriel(a.Conseil.PireCas, textes::NomCodes)));
    }
    const QString bilan
        = QString::fromUtf8(textes::BilanTexte).arg(Pluriel(partie->NbCoups, textes::NomCoupsJoues), Etat(*partie));
    Ecrire(sortie,
           finie ? bilan + QString::fromUtf8(textes::BilanSolveurTexte).arg(Pluriel(solveur, textes::NomCoups))
                 : bilan + QStringLiteral(".\n"));
    return 0;
}

}  // namespace vorlinde
