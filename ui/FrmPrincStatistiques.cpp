// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The player's record: what counts, once per game, and the window that shows it.
#include <QDir>
#include <QFile>

#include "FrmPrinc.h"
#include "FrmStats.h"
#include "platform/Dossiers.h"

namespace vorlinde::ui {
std::filesystem::path FrmPrinc::FichierStatistiques() const
{
    if (services_.DossierDonnees.empty())
        return {};
    return services_.DossierDonnees / "statistiques.json";
}

void FrmPrinc::CompterPartie(FinDePartie fin)
{
    const auto fichier = FichierStatistiques();
    if (fichier.empty() || !CreerDossier(services_.DossierDonnees))
        return;
    aCompter_.push_back({fin, partie_.NbCoups, partie_.IndicesUtilises > 0});
    CompterEnAttente();
}

void FrmPrinc::CompterEnAttente(bool enSilence)
{
    const auto fichier = FichierStatistiques();
    if (aCompter_.empty() || fichier.empty())
        return;
    const auto resultat = MettreAJourStatistiques(fichier, [&](Statistiques& figures) {
        for (const auto& fin : aCompter_)
            Compter(figures, fin.Fin, fin.Coups, fin.AvecIndice);
    });
    // A record that another window holds takes these games at the next
    // chance; any other outcome has counted them, or told why it could not.
    if (!resultat.Occupees)
        aCompter_.clear();
    if (!enSilence)
        SignalerStatistiques(resultat);
}

void FrmPrinc::AbandonnerPartie()
{
    if (partie_.NbCoups >= 1 && partie_.EnCours)
        CompterPartie(FinDePartie::Abandonnee);
}

void FrmPrinc::SignalerStatistiques(const ResultatStatistiques& resultat)
{
    const QString fichier = NomAffiche(FichierStatistiques());
    QString texte;
    if (resultat.Occupees)
        texte = QStringLiteral("Le relevé de vos parties « %1 » est utilisé par une autre fenêtre de Vorlinde : "
                               "cette partie y sera comptée dès qu'il sera libre, rien n'est perdu.")
                    .arg(fichier);
    else if (resultat.Etat == EtatStatistiques::Abimees)
        texte = QStringLiteral("Le relevé de vos parties « %1 » était abîmé ou illisible : les statistiques repartent "
                               "de zéro. L'ancien relevé est gardé sous le nom « %2 ».")
                    .arg(fichier, NomAffiche(resultat.MisDeCote));
    else if (resultat.Etat == EtatStatistiques::PlusRecentes)
        texte = QStringLiteral("Le relevé de vos parties « %1 » a été écrit par une version plus récente de Vorlinde : "
                               "il est laissé tel quel, et les parties jouées ici n'y sont pas comptées.")
                    .arg(fichier);
    else if (resultat.Ecriture != ErreurFichier::Aucune)
        texte = QStringLiteral("Le relevé de vos parties « %1 » n'a pas pu être enregistré. %2")
                    .arg(fichier, QString::fromStdString(RaisonErreurFichier(resultat.Ecriture)));
    if (texte.isEmpty() || statistiquesSignalees_)
        return;
    statistiquesSignalees_ = true;
    MsgBox(texte, styles::Exclamation, QStringLiteral("Statistiques"));
}

void FrmPrinc::MnuStats_Click()
{
    const auto fichier = FichierStatistiques();
    const auto lire = [fichier] { return fichier.empty() ? ResultatStatistiques{} : MettreAJourStatistiques(fichier); };
    const auto resultat = lire();
    SignalerStatistiques(resultat);
    FrmStats fenetre(
        resultat.Figures,
        [&] {
            const auto reponse
                = MsgBox(QStringLiteral("Voulez-vous vraiment remettre à zéro les statistiques de vos parties ?"),
                         styles::QuestionOuiNon, QStringLiteral("Statistiques"));
            if (reponse != Reponse::Oui || fichier.empty() || !CreerDossier(services_.DossierDonnees))
                return lire().Figures;
            const auto remises = MettreAJourStatistiques(fichier, [](Statistiques& figures) { figures = {}; });
            SignalerStatistiques(remises);
            return remises.Figures;
        },
        this);
    fenetre.exec();
}

}  // namespace vorlinde::ui
