// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The four file commands of the board: their dialogs as the player has
// always seen them (title, options, filter and default extension, set afresh
// at every use), and the text of the "Erreur" box that a failure ends in.
#include "Dial.h"
#include "formats/Raisons.h"
#include "textes/Textes.h"

namespace vorlinde::ui {

struct UsageFichier {
    const char* Titre;
    OptionsFichier Options;
    const char* Filtre;
    const char* Extension;
    bool Enregistrer;  // a save dialog, otherwise an open dialog
    CommandeFichier Commande;
};

namespace usages {

// 6148: no read-only check box, the folder and the file must exist.
inline constexpr OptionsFichier Ouverture{
    .CacherLectureSeule = true, .DossierDoitExister = true, .FichierDoitExister = true};
// 2131974: ask before replacing, no read-only check box, the folder must
// exist, refuse a read-only file or folder, long file names.
inline constexpr OptionsFichier Enregistrement{.ConfirmerRemplacement = true,
                                               .CacherLectureSeule = true,
                                               .DossierDoitExister = true,
                                               .RefuserLectureSeule = true,
                                               .NomsLongs = true};
static_assert(ValeurOptions(Ouverture) == 6148);
static_assert(ValeurOptions(Enregistrement) == 2131974);

inline constexpr UsageFichier SauvegardePartie{
    textes::TitreSauvegardePartie,    Enregistrement, textes::FiltreSauvegardePartie, "*.prt", true,
    CommandeFichier::SauvegardePartie};
inline constexpr UsageFichier ChargementPartie{
    textes::TitreChargementPartie,    Ouverture, textes::FiltreChargementPartie, "*.prt", false,
    CommandeFichier::ChargementPartie};
inline constexpr UsageFichier ChargementProfil{
    textes::TitreChargementProfil, Ouverture, textes::FiltreProfil, "*.usr", false, CommandeFichier::ChargementProfil};
inline constexpr UsageFichier SauvegardeProfil{
    textes::TitreSauvegardeProfil,    Enregistrement, textes::FiltreProfil, "*.usr", true,
    CommandeFichier::SauvegardeProfil};

}  // namespace usages

// Sets every property of a file dialog for `usage`, in the order the board
// has always set them, the dialog opening in `dossier`.
inline void Parametrer(ParametresDial& dial, const UsageFichier& usage, const QString& dossier)
{
    dial.FileName.clear();
    dial.DialogTitle = QString::fromUtf8(usage.Titre);
    dial.Flags = usage.Options;
    dial.Filter = QString::fromUtf8(usage.Filtre);
    dial.DefaultExt = QString::fromUtf8(usage.Extension);
    dial.InitDir = dossier;
}

// What the player is told when `usage` fails on the file `nom`: the version
// conflict in the window's own words, any other failure with the file's name
// and why.
inline QString TexteEchec(const UsageFichier& usage, const QString& nom, ErreurFichier erreur)
{
    if (erreur == ErreurFichier::ConflitDeVersion)
        return QString::fromUtf8(textes::ConflitDeVersion);
    return QString::fromStdString(vorlinde::TexteEchec(usage.Commande, nom.toStdString(), erreur));
}

}  // namespace vorlinde::ui
